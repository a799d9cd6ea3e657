#pragma once

#include "forms/Layout.h"

namespace ttt {

// Fonts shared by the three windows.
inline constexpr FontSpec kSansBold8 = {FontFace::MsSansSerif, 8.25, true, false};
inline constexpr FontSpec kSansRegular8 = {FontFace::MsSansSerif, 8.25, false, false};
inline constexpr FontSpec kSansBold10 = {FontFace::MsSansSerif, 9.75, true, false};
inline constexpr FontSpec kSansBold14 = {FontFace::MsSansSerif, 13.5, true, false};
inline constexpr FontSpec kSansBold24 = {FontFace::MsSansSerif, 24, true, false};
inline constexpr FontSpec kComicRegular12 = {FontFace::ComicSansMs, 12, false, false};
inline constexpr FontSpec kComicBold11 = {FontFace::ComicSansMs, 11.25, true, false};
inline constexpr FontSpec kComicBoldUnderlined11 = {FontFace::ComicSansMs, 11.25, true, true};
inline constexpr FontSpec kComicBold22 = {FontFace::ComicSansMs, 21.75, true, false};

// Fixed colours, as 0xBBGGRR.
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kYellow = 0x00FFFF;
inline constexpr Colour kOrange = 0x0080FF;
inline constexpr Colour kDarkRed = 0x0000C0;
inline constexpr Colour kDarkOrange = 0x0040C0;
inline constexpr Colour kDarkBlue = 0xC00000;
inline constexpr Colour kNavy = 0x800000;

// Pen widths of the drawn lines, in pixels.
inline constexpr int kGridLineWidth = 4;
inline constexpr int kStrikeLineWidth = 3;
inline constexpr int kScoreBoxLineWidth = 3;

}  // namespace ttt

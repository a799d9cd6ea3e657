#pragma once

#include "win32/system/WinApi.h"

#include <memory>
#include <type_traits>

#include "art/Images.h"
#include "forms/Layout.h"

namespace ttt {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using IconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// A layout colour as GDI takes it: 0xBBGGRR is already a COLORREF, and 0x800000nn is the
// system colour nn as the user's settings have it now.
COLORREF toColorRef(Colour colour);

// The font of a layout, its em height in pixels. "MS Sans Serif" is the old bitmap face, which
// does not scale; its outline successor has the same metrics.
FontHandle createFont(const FontSpec& font, int pixels);

// A font of the system's as the user's settings have it, which are for the system's DPI, grown
// to another DPI. Tooltips use the status bars' font.
enum class SystemFont { Message, Status };
FontHandle createSystemFont(SystemFont font, UINT dpi);

// An icon, or a cursor with its hot spot, from a picture of the program's own.
IconHandle createIcon(const PixelImage& image);
IconHandle createCursor(const PixelImage& image, int hotSpotX, int hotSpotY);

}  // namespace ttt

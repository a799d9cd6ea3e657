#include "win32/system/GdiObjects.h"

#include <cstddef>
#include <cstdint>

#include "win32/system/DpiFunctions.h"

namespace ttt {

namespace {

const wchar_t* faceName(FontFace face) {
  return face == FontFace::ComicSansMs ? L"Comic Sans MS" : L"Microsoft Sans Serif";
}

IconHandle createIconOrCursor(const PixelImage& image, bool isIcon, int hotSpotX, int hotSpotY) {
  if (image.width <= 0 || image.height <= 0) return nullptr;
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof header;
  header.bV5Width = image.width;
  header.bV5Height = -image.height;  // rows from the top, as the picture has them
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5RedMask = 0x00FF0000;
  header.bV5GreenMask = 0x0000FF00;
  header.bV5BlueMask = 0x000000FF;
  header.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                    &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  if (colour == nullptr) return nullptr;
  auto* out = static_cast<std::uint8_t*>(bits);
  for (std::size_t i = 0; i + 3 < image.rgba.size(); i += 4) {
    out[i] = image.rgba[i + 2];
    out[i + 1] = image.rgba[i + 1];
    out[i + 2] = image.rgba[i];
    out[i + 3] = image.rgba[i + 3];
  }
  HBITMAP mask = CreateBitmap(image.width, image.height, 1, 1, nullptr);
  ICONINFO info{};
  info.fIcon = isIcon ? TRUE : FALSE;
  info.xHotspot = static_cast<DWORD>(hotSpotX);
  info.yHotspot = static_cast<DWORD>(hotSpotY);
  info.hbmMask = mask;
  info.hbmColor = colour;
  IconHandle icon(CreateIconIndirect(&info));
  DeleteObject(mask);
  DeleteObject(colour);
  return icon;
}

}  // namespace

COLORREF toColorRef(Colour colour) {
  if ((colour & kSystemColourFlag) != 0) return GetSysColor(static_cast<int>(colour & 0xFFu));
  return static_cast<COLORREF>(colour & 0xFFFFFFu);
}

FontHandle createFont(const FontSpec& font, int pixels) {
  return FontHandle(CreateFontW(-pixels, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                font.underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_SWISS, faceName(font.face)));
}

FontHandle createSystemFont(SystemFont font, UINT dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  LOGFONTW chosen = font == SystemFont::Message ? metrics.lfMessageFont : metrics.lfStatusFont;
  chosen.lfHeight = MulDiv(chosen.lfHeight, static_cast<int>(dpi), static_cast<int>(systemDpi()));
  return FontHandle(CreateFontIndirectW(&chosen));
}

IconHandle createIcon(const PixelImage& image) { return createIconOrCursor(image, true, 0, 0); }

IconHandle createCursor(const PixelImage& image, int hotSpotX, int hotSpotY) {
  return createIconOrCursor(image, false, hotSpotX, hotSpotY);
}

}  // namespace ttt

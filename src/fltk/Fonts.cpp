#include "fltk/Fonts.h"

#include <FL/Fl.H>

namespace ttt {

namespace {

// The first character of a toolkit font name is its style: ' ' regular, 'B' bold.
constexpr Fl_Font kSansRegular = FL_FREE_FONT;
constexpr Fl_Font kSansBold = FL_FREE_FONT + 1;
constexpr Fl_Font kComicRegular = FL_FREE_FONT + 2;
constexpr Fl_Font kComicBold = FL_FREE_FONT + 3;

void registerFaces() {
  Fl::set_font(kSansRegular, " Liberation Sans");
  Fl::set_font(kSansBold, "BLiberation Sans");
  Fl::set_font(kComicRegular, " Comic Neue");
  Fl::set_font(kComicBold, "BComic Neue");
}

}  // namespace

Fl_Font fonts::face(const FontSpec& font) {
  static const bool registered = (registerFaces(), true);
  static_cast<void>(registered);
  if (font.face == FontFace::ComicSansMs) return font.bold ? kComicBold : kComicRegular;
  return font.bold ? kSansBold : kSansRegular;
}

}  // namespace ttt

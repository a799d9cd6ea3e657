#include "fltk/TextLayout.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <X11/Xft/Xft.h>
#include <pango/pangoxft.h>

#include <string>

namespace ttt {

namespace {

// One Pango context for the program, on the display's Xft font map, so that glyphs are
// rasterised with the display's own Xft settings, as the toolkit's text is.
PangoContext* context() {
  static PangoContext* const shared = [] {
    fl_open_display();
    PangoContext* created =
        pango_font_map_create_context(pango_xft_get_font_map(fl_display, fl_screen));
    pango_context_set_base_dir(created, PANGO_DIRECTION_LTR);
    return created;
  }();
  return shared;
}

const char* familyOf(FontFace face) {
  return face == FontFace::ComicSansMs ? "Comic Neue" : "Liberation Sans";
}

// Pango takes UTF-8 only: a stray byte or a NUL is shown as U+FFFD, one for one, so that
// the byte offsets of valid text stay as they are.
std::string validUtf8(std::string_view text) {
  std::string valid;
  valid.reserve(text.size());
  const char* at = text.data();
  const char* const end = text.data() + text.size();
  while (at < end) {
    const gunichar c = g_utf8_get_char_validated(at, end - at);
    if (c == 0 || c == static_cast<gunichar>(-1) || c == static_cast<gunichar>(-2)) {
      valid += "\xEF\xBF\xBD";
      ++at;
      continue;
    }
    const char* next = g_utf8_next_char(at);
    valid.append(at, next);
    at = next;
  }
  return valid;
}

int pixels(int pangoUnits) { return PANGO_PIXELS(pangoUnits); }

// An Xft drawing target on the toolkit's current drawable, clipped as the toolkit clips.
// It lives for one drawing only: kept, it would hold a picture of a drawable that the
// toolkit may destroy (a double buffer, an image surface), which the server frees with it.
class DrawTarget {
 public:
  DrawTarget() : draw_(XftDrawCreate(fl_display, fl_window, fl_visual->visual, fl_colormap)) {
    XftDrawSetClip(draw_, fl_clip_region());
  }
  ~DrawTarget() { XftDrawDestroy(draw_); }
  DrawTarget(const DrawTarget&) = delete;
  DrawTarget& operator=(const DrawTarget&) = delete;
  XftDraw* get() const { return draw_; }

 private:
  XftDraw* draw_;
};

}  // namespace

TextLayout::TextLayout(std::string_view text, const FontSpec& font, int pixelSize)
    : layout_(pango_layout_new(context())) {
  PangoFontDescription* description = pango_font_description_new();
  pango_font_description_set_family_static(description, familyOf(font.face));
  pango_font_description_set_weight(description,
                                    font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_absolute_size(description, pixelSize * PANGO_SCALE);
  pango_layout_set_font_description(layout_, description);
  pango_font_description_free(description);
  // The windows read left to right: a right-to-left name is one run inside such a line.
  pango_layout_set_auto_dir(layout_, FALSE);
  // Latin text keeps the advances the toolkit gives it: no pair kerning.
  PangoAttrList* attributes = pango_attr_list_new();
  pango_attr_list_insert(attributes, pango_attr_font_features_new("kern 0"));
  pango_layout_set_attributes(layout_, attributes);
  pango_attr_list_unref(attributes);
  const std::string valid = validUtf8(text);
  pango_layout_set_text(layout_, valid.data(), static_cast<int>(valid.size()));
}

TextLayout::~TextLayout() { g_object_unref(layout_); }

int TextLayout::width() const {
  int width = 0;
  pango_layout_get_pixel_size(layout_, &width, nullptr);
  return width;
}

int TextLayout::height() const {
  int height = 0;
  pango_layout_get_pixel_size(layout_, nullptr, &height);
  return height;
}

std::vector<TextLayout::Line> TextLayout::lines() const {
  std::vector<Line> found;
  PangoLayoutIter* iter = pango_layout_get_iter(layout_);
  do {
    PangoRectangle logical;
    pango_layout_iter_get_line_extents(iter, nullptr, &logical);
    found.push_back(
        {pixels(logical.x), pixels(logical.width), pixels(pango_layout_iter_get_baseline(iter))});
  } while (pango_layout_iter_next_line(iter));
  pango_layout_iter_free(iter);
  return found;
}

int TextLayout::unknownGlyphs() const {
  int unknown = 0;
  PangoLayoutIter* iter = pango_layout_get_iter(layout_);
  do {
    const PangoLayoutRun* run = pango_layout_iter_get_run_readonly(iter);
    if (run == nullptr) continue;  // the end of a line
    for (int i = 0; i < run->glyphs->num_glyphs; ++i) {
      const PangoGlyph glyph = run->glyphs->glyphs[i].glyph;
      if (glyph != PANGO_GLYPH_EMPTY && (glyph & PANGO_GLYPH_UNKNOWN_FLAG) != 0) ++unknown;
    }
  } while (pango_layout_iter_next_run(iter));
  pango_layout_iter_free(iter);
  return unknown;
}

int TextLayout::cursorX(std::size_t offset) const {
  PangoRectangle strong;
  pango_layout_get_cursor_pos(layout_, static_cast<int>(offset), &strong, nullptr);
  return pixels(strong.x);
}

std::size_t TextLayout::offsetAt(int x) const {
  int index = 0;
  int trailing = 0;
  pango_layout_xy_to_index(layout_, x * PANGO_SCALE, 0, &index, &trailing);
  const char* text = pango_layout_get_text(layout_);
  return static_cast<std::size_t>(g_utf8_offset_to_pointer(text + index, trailing) - text);
}

std::vector<std::pair<int, int>> TextLayout::spans(std::size_t begin, std::size_t end) const {
  int* ranges = nullptr;
  int count = 0;
  pango_layout_line_get_x_ranges(pango_layout_get_line_readonly(layout_, 0),
                                 static_cast<int>(begin), static_cast<int>(end), &ranges, &count);
  std::vector<std::pair<int, int>> found;
  for (int i = 0; i < count; ++i)
    found.emplace_back(pixels(ranges[2 * i]), pixels(ranges[2 * i + 1]));
  g_free(ranges);
  return found;
}

void TextLayout::draw(int x, int y, Fl_Color colour) const {
  uchar red = 0, green = 0, blue = 0;
  Fl::get_color(colour, red, green, blue);
  const XRenderColor wanted{static_cast<unsigned short>(red * 257),
                            static_cast<unsigned short>(green * 257),
                            static_cast<unsigned short>(blue * 257), 0xFFFF};
  XftColor ink;
  XftColorAllocValue(fl_display, fl_visual->visual, fl_colormap, &wanted, &ink);
  const DrawTarget target;
  pango_xft_render_layout(target.get(), &ink, layout_, x * PANGO_SCALE, y * PANGO_SCALE);
  XftColorFree(fl_display, fl_visual->visual, fl_colormap, &ink);
}

}  // namespace ttt

#include "fltk/TextBox.h"

#include <FL/fl_draw.H>

#include "fltk/ShapedText.h"

namespace ttt {

TextBox::TextBox(int x, int y, int width, int height, const FontSpec& font, int pixelSize)
    : Fl_Box(x, y, width, height), font_(font), pixelSize_(pixelSize) {}

void TextBox::draw() {
  draw_box();
  if (label() == nullptr) return;
  fl_push_clip(x(), y(), w(), h());
  shaped_text::draw(label(), font_, pixelSize_, x(), y(),
                    active_r() ? labelcolor() : fl_inactive(labelcolor()));
  fl_pop_clip();
}

}  // namespace ttt

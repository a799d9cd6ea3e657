#pragma once

#include <FL/Fl_Box.H>

#include "forms/Layout.h"

namespace ttt {

// A box that shows its label literally, in any script, from its top left corner: the label
// is measured and drawn by the shaping text stack, in a layout font at a pixel size.
class TextBox : public Fl_Box {
 public:
  TextBox(int x, int y, int width, int height, const FontSpec& font, int pixelSize);

 protected:
  void draw() override;

 private:
  FontSpec font_;
  int pixelSize_;
};

}  // namespace ttt

#pragma once

#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Widget.H>

#include <string>

#include "fltk/ControlView.h"
#include "screens/Placement.h"

namespace ttt {

// A label: its caption drawn literally (no symbols, no access key) at the top left of its
// box, in its font and colour, on its background colour unless it is transparent. A label
// that sizes itself to its text takes the size of the caption and keeps its top left
// corner. A link label underlines its text, shows the hand cursor while the mouse is over
// it and repeats its caption as its tooltip. A left click on the box clicks the control.
class LabelView : public Fl_Widget, public ControlView {
 public:
  // The box is in window pixels; handCursor may be null.
  LabelView(Control& control, const PlacedControl& placed, const PixelRect& box,
            const Fl_RGB_Image* handCursor);

  void controlChanged(const Control& control) override;
  int handle(int event) override;

 protected:
  void draw() override;

 private:
  void setText(const std::string& text);
  void fitToText();
  void drawUnderline() const;
  void showHandCursor();

  std::string text_;
  Fl_Font font_;
  Fl_Fontsize fontSize_;
  bool underline_;
  bool opaque_;
  bool autoSize_;
  bool link_;
  const Fl_RGB_Image* handCursor_;
};

}  // namespace ttt

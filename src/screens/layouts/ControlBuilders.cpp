#include "screens/layouts/ControlBuilders.h"

#include <utility>

namespace ttt {

ControlLayout makeLabel(std::string name, std::string caption, TwipsRect rect, FontSpec font,
                        Colour foreColour, int tabIndex) {
  ControlLayout label;
  label.name = std::move(name);
  label.kind = ControlKind::Label;
  label.caption = std::move(caption);
  label.rect = rect;
  label.font = font;
  label.foreColour = foreColour;
  label.tabIndex = tabIndex;
  return label;
}

ControlLayout makeButton(std::string name, std::string caption, TwipsRect rect, FontSpec font,
                         int tabIndex) {
  ControlLayout button;
  button.name = std::move(name);
  button.kind = ControlKind::Button;
  button.caption = std::move(caption);
  button.rect = rect;
  button.font = font;
  button.tabIndex = tabIndex;
  return button;
}

ControlLayout makeLine(std::string name, std::string container, TwipsLine line, Colour colour) {
  ControlLayout control;
  control.name = std::move(name);
  control.kind = ControlKind::Line;
  control.container = std::move(container);
  control.line = line;
  control.foreColour = colour;
  return control;
}

ControlLayout autoSized(ControlLayout control) {
  control.autoSize = true;
  return control;
}

ControlLayout hidden(ControlLayout control) {
  control.visible = false;
  return control;
}

ControlLayout inContainer(ControlLayout control, std::string container) {
  control.container = std::move(container);
  return control;
}

}  // namespace ttt

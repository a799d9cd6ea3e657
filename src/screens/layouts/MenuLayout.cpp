#include <string>
#include <utility>

#include "screens/layouts/ControlBuilders.h"
#include "screens/layouts/Layouts.h"
#include "screens/layouts/ScreenStyle.h"

namespace ttt {

namespace {

ControlLayout menuButton(std::string name, std::string caption, int left, int tabIndex) {
  const TwipsRect rect{left, 1560, 1815, 495};
  return makeButton(std::move(name), std::move(caption), rect, kComicRegular12, tabIndex);
}

// The title is drawn without a background of its own, red straight on the black window.
ControlLayout titleLabel() {
  const TwipsRect rect{120, 480, 5955, 585};
  ControlLayout title =
      autoSized(makeLabel("Label1", "ORVANE'S TIC TAC TOE", rect, kComicBold22, kRed, 3));
  title.backColour = kActiveBorder;
  title.opaque = false;
  return title;
}

FormLayout buildMenuLayout() {
  FormLayout form;
  form.name = "Form3";
  form.caption = "ORVANE'S TIC TAC TOE !";
  form.clientWidth = 6150;
  form.clientHeight = 2460;
  form.border = BorderStyle::FixedDialog;
  form.backColour = kBlack;
  form.icon = WindowIcon::SmilingFace;
  form.taskbarButton = false;
  // One row of buttons 1560 down, 1815 wide each with gaps of 105.
  form.controls.push_back(menuButton("Command3", "&EXIT", 4080, 2));
  form.controls.push_back(menuButton("Command2", "&TWO PLAYER", 2160, 1));
  form.controls.push_back(menuButton("Command1", "&ONE PLAYER", 240, 0));
  form.controls.push_back(titleLabel());
  return form;
}

}  // namespace

const FormLayout& menuLayout() {
  static const FormLayout layout = buildMenuLayout();
  return layout;
}

}  // namespace ttt

#include "screens/layouts/GameWindowLabels.h"

#include <utility>

#include "screens/layouts/ControlBuilders.h"
#include "screens/layouts/ScreenStyle.h"

namespace ttt {

namespace {

constexpr int kPlayerLabelTop = 120;
constexpr int kPlayerLabelHeight = 240;
constexpr int kAddressLineHeight = 315;

}  // namespace

ControlLayout playerLabel(std::string name, std::string caption, int left, int width,
                          int tabIndex) {
  const TwipsRect rect{left, kPlayerLabelTop, width, kPlayerLabelHeight};
  return autoSized(
      makeLabel(std::move(name), std::move(caption), rect, kSansBold10, kDarkRed, tabIndex));
}

ControlLayout addressHeading(std::string name, std::string caption, int left, int top, int width,
                             int tabIndex) {
  const TwipsRect rect{left, top, width, kAddressLineHeight};
  return autoSized(
      makeLabel(std::move(name), std::move(caption), rect, kComicBold11, kDarkOrange, tabIndex));
}

ControlLayout addressLink(std::string name, std::string_view address, int left, int top, int width,
                          int tabIndex) {
  const TwipsRect rect{left, top, width, kAddressLineHeight};
  ControlLayout link = makeLabel(std::move(name), std::string(address), rect,
                                 kComicBoldUnderlined11, kBlue, tabIndex);
  link.link = true;
  return autoSized(std::move(link));
}

}  // namespace ttt

#pragma once

#include "win32/WinApi.h"

#include <memory>
#include <vector>

#include "forms/FormWindow.h"
#include "win32/ControlItem.h"
#include "win32/GdiObjects.h"

namespace ttt {

class Form;

// The real window of a form: its client area in twips at the window's DPI, caption,
// background, icons and fixed border, its buttons and frames as child windows, and its labels
// and lines drawn in stacking order. The close box asks the form to close; the keyboard goes
// through the platform's dialog navigation (see isDialogMessage), where Escape closes nothing.
class WindowView : public FormWindow {
 public:
  // Builds the window, still hidden, from the form's layout and its controls as they are.
  // A window with an owner has no taskbar button.
  WindowView(Form& form, HWND owner);
  ~WindowView() override;
  WindowView(const WindowView&) = delete;
  WindowView& operator=(const WindowView&) = delete;

  void open() override;
  void raise() override;
  void close() override;
  // Shows a change of the item's control.
  void apply(ControlItem& item);
  HWND handle() const { return window_; }
  // Hands a keyboard message to the dialog navigation (Tab, Enter, Space, Alt+letter).
  bool isDialogMessage(MSG& message);

  static void registerClasses(HINSTANCE instance);

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT mouseMessage(HWND container, UINT message, LPARAM lParam);

  void destroyWindow();
  void buildItems();
  void createChildWindow(ControlItem& item);
  void applyDpi(UINT dpi);
  void placeItem(ControlItem& item, const PlacedControl& placed);
  void fitLabel(ControlItem& item);
  void stackChildWindows();
  void addTooltip(ControlItem& item);
  void updateTooltip(const ControlItem& item);
  void paint(HWND container);
  void focusFirstButton();
  bool setCursorOverLink(HWND container);

  // The button or frame that has this window; null for any other window.
  ControlItem* itemOfWindow(HWND window);
  ControlItem* labelAt(HWND container, POINT point);
  ControlItem* buttonById(int id);
  std::vector<ControlItem*> buttonsInTabOrder() const;

  Form& form_;
  HWND window_ = nullptr;
  HWND tooltip_ = nullptr;
  HWND lastFocus_ = nullptr;
  int dpi_ = 0;
  std::vector<std::unique_ptr<ControlItem>> items_;  // the layout's order, topmost first
  const Control* pressed_ = nullptr;                 // the label a press began on
  std::vector<IconHandle> icons_;
  IconHandle handCursor_;
};

}  // namespace ttt

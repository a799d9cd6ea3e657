#pragma once

#include "win32/system/WinApi.h"

#include <memory>
#include <vector>

#include "forms/FormWindow.h"
#include "win32/windows/ControlItem.h"
#include "win32/system/GdiObjects.h"
#include "win32/windows/LinkLabels.h"
#include "win32/windows/WindowInput.h"

namespace ttt {

class Form;
class WindowAccessibility;

// The real window of a form: its client area placed at the window's DPI, caption, background
// and icons, its child windows (see ChildWindows), and its labels and lines drawn in stacking
// order. The close box asks the form to close; the mouse and the keyboard are WindowInput's.
// The window procedure only dispatches: each message is one call of an On... member.
class WindowView : public FormWindow {
 public:
  // Builds the window, still hidden, from the form's layout and its controls as they are.
  // A window with an owner has no taskbar button.
  WindowView(Form& form, HWND owner);
  ~WindowView() override;

  void open() override;
  void raise() override;
  void close() override;
  // Shows a change of the item's control.
  void apply(ControlItem& item);
  HWND handle() const { return window_; }
  // Hands a keyboard message to the dialog navigation (Tab, Enter, Space, Alt+letter), after
  // the cell keys, each of which clicks its cell.
  bool isDialogMessage(MSG& message);

  static void registerClasses(HINSTANCE instance);

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint(HWND container);
  LRESULT OnSetCursor(HWND window, WPARAM wParam, LPARAM lParam);
  LRESULT OnClose();
  LRESULT OnActivate(HWND window, WPARAM wParam, LPARAM lParam);
  LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnGetObject(HWND window, WPARAM wParam, LPARAM lParam);

  void destroyWindow();
  void buildItems();
  void applyDpi(UINT dpi);

  Form& form_;
  HWND window_ = nullptr;
  ControlItems items_;  // the layout's order, topmost first
  std::unique_ptr<LinkLabels> links_;
  std::unique_ptr<WindowInput> input_;
  std::vector<IconHandle> icons_;
  std::unique_ptr<WindowAccessibility> accessibility_;  // what screen readers are told
};

}  // namespace ttt

#pragma once

#include "win32/system/WinApi.h"
#include <oleacc.h>

#include <string>

namespace ttt {

// The child id by which an object stands for itself.
VARIANT selfChildId();
// A window's client area in screen pixels, where the objects of the area are placed.
RECT clientAreaOnScreen(HWND window);

// One object that a screen reader reads through MSAA, counted by reference as COM objects
// are. A subclass says what it is (role, name, state, place, parent, children); this class
// answers the interface from that: a question about a child is put to the child's own
// object, and a disconnected object, whose window has gone, answers every question with
// RPC_E_DISCONNECTED.
class AccessibleObject : public IAccessible {
 public:
  AccessibleObject(const AccessibleObject&) = delete;
  AccessibleObject& operator=(const AccessibleObject&) = delete;

  // The window is gone: nothing of it may be read any more.
  void disconnect() { connected_ = false; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argumentError) override;

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT id, IDispatch** child) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT id, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT id, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT id, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT id, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT id, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT id, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT id, LONG* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT id, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT id, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT id) override;
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT id) override;
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* found) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT id) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT id, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT id, BSTR value) override;

 protected:
  AccessibleObject() = default;
  virtual ~AccessibleObject() = default;

  virtual LONG role() const = 0;
  virtual std::wstring name() const = 0;
  virtual LONG state() const = 0;
  virtual RECT screenRect() const = 0;
  // New references, or null where there is none.
  virtual IDispatch* parent() = 0;
  virtual LONG childCount() const { return 0; }
  virtual IDispatch* child(LONG /*id, from 1*/) { return nullptr; }
  virtual IDispatch* childAt(POINT /*onScreen*/) { return nullptr; }
  virtual IDispatch* focusedChild() { return nullptr; }
  // An empty action means there is none.
  virtual std::wstring defaultAction() const { return {}; }
  virtual void doDefaultAction() {}

 private:
  template <typename AskChild, typename AskSelf>
  HRESULT about(const VARIANT& id, AskChild askChild, AskSelf askSelf);
  IAccessible* childAccessible(LONG id);
  HRESULT noText(BSTR* out) const;

  LONG references_ = 1;
  bool connected_ = true;
};

}  // namespace ttt

#include "win32/accessibility/AccessibleObject.h"

namespace ttt {

VARIANT selfChildId() {
  VARIANT id;
  VariantInit(&id);
  id.vt = VT_I4;
  id.lVal = CHILDID_SELF;
  return id;
}

RECT clientAreaOnScreen(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

namespace {

// Text handed out as a BSTR that the caller frees; no text at all is S_FALSE.
HRESULT text(const std::wstring& value, BSTR* out) {
  if (value.empty()) return S_FALSE;
  *out = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT number(LONG value, VARIANT* out) {
  out->vt = VT_I4;
  out->lVal = value;
  return S_OK;
}

// An object, or none (S_FALSE, VT_EMPTY), handed out as a VARIANT.
HRESULT object(IDispatch* dispatch, VARIANT* out) {
  if (dispatch == nullptr) return S_FALSE;
  out->vt = VT_DISPATCH;
  out->pdispVal = dispatch;
  return S_OK;
}

}  // namespace

HRESULT AccessibleObject::QueryInterface(REFIID id, void** object) {
  if (object == nullptr) return E_POINTER;
  if (id == IID_IUnknown || id == IID_IDispatch || id == __uuidof(IAccessible)) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG AccessibleObject::AddRef() { return static_cast<ULONG>(++references_); }

ULONG AccessibleObject::Release() {
  const LONG left = --references_;
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

// No type information: clients call the interface's methods directly, as MSAA clients do.
HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}

HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                 UINT*) {
  return E_NOTIMPL;
}

IAccessible* AccessibleObject::childAccessible(LONG id) {
  IDispatch* dispatch = child(id);
  if (dispatch == nullptr) return nullptr;
  IAccessible* accessible = nullptr;
  dispatch->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&accessible));
  dispatch->Release();
  return accessible;
}

// A question about this object is answered by askSelf; one about a child is put to the
// child's own object by askChild.
template <typename AskChild, typename AskSelf>
HRESULT AccessibleObject::about(const VARIANT& id, AskChild askChild, AskSelf askSelf) {
  if (!connected_) return RPC_E_DISCONNECTED;
  if (id.vt != VT_I4) return E_INVALIDARG;
  if (id.lVal == CHILDID_SELF) return askSelf();
  IAccessible* accessible = childAccessible(id.lVal);
  if (accessible == nullptr) return E_INVALIDARG;
  const HRESULT result = askChild(*accessible);
  accessible->Release();
  return result;
}

HRESULT AccessibleObject::get_accParent(IDispatch** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (!connected_) return RPC_E_DISCONNECTED;
  *out = parent();
  return *out != nullptr ? S_OK : S_FALSE;
}

HRESULT AccessibleObject::get_accChildCount(LONG* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  if (!connected_) return RPC_E_DISCONNECTED;
  *count = childCount();
  return S_OK;
}

HRESULT AccessibleObject::get_accChild(VARIANT id, IDispatch** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (!connected_) return RPC_E_DISCONNECTED;
  if (id.vt != VT_I4) return E_INVALIDARG;
  if (id.lVal == CHILDID_SELF) {
    AddRef();
    *out = this;
    return S_OK;
  }
  if (id.lVal < 1 || id.lVal > childCount()) return E_INVALIDARG;
  *out = child(id.lVal);
  return *out != nullptr ? S_OK : S_FALSE;
}

HRESULT AccessibleObject::get_accName(VARIANT id, BSTR* out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  return about(
      id, [&](IAccessible& child) { return child.get_accName(selfChildId(), out); },
      [&] { return text(name(), out); });
}

HRESULT AccessibleObject::get_accRole(VARIANT id, VARIANT* out) {
  if (out == nullptr) return E_POINTER;
  VariantInit(out);
  return about(
      id, [&](IAccessible& child) { return child.get_accRole(selfChildId(), out); },
      [&] { return number(role(), out); });
}

HRESULT AccessibleObject::get_accState(VARIANT id, VARIANT* out) {
  if (out == nullptr) return E_POINTER;
  VariantInit(out);
  return about(
      id, [&](IAccessible& child) { return child.get_accState(selfChildId(), out); },
      [&] { return number(state(), out); });
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT id, BSTR* out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  return about(
      id, [&](IAccessible& child) { return child.get_accDefaultAction(selfChildId(), out); },
      [&] { return text(defaultAction(), out); });
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT id) {
  return about(
      id, [&](IAccessible& child) { return child.accDoDefaultAction(selfChildId()); },
      [&] {
        if (defaultAction().empty()) return DISP_E_MEMBERNOTFOUND;
        doDefaultAction();
        return S_OK;
      });
}

HRESULT AccessibleObject::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                      VARIANT id) {
  if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) return E_POINTER;
  *left = *top = *width = *height = 0;
  return about(
      id,
      [&](IAccessible& child) {
        return child.accLocation(left, top, width, height, selfChildId());
      },
      [&] {
        const RECT rect = screenRect();
        *left = rect.left;
        *top = rect.top;
        *width = rect.right - rect.left;
        *height = rect.bottom - rect.top;
        return S_OK;
      });
}

HRESULT AccessibleObject::accHitTest(LONG x, LONG y, VARIANT* out) {
  if (out == nullptr) return E_POINTER;
  VariantInit(out);
  if (!connected_) return RPC_E_DISCONNECTED;
  const POINT point{x, y};
  const RECT rect = screenRect();
  if (!PtInRect(&rect, point)) return S_FALSE;
  if (IDispatch* found = childAt(point)) return object(found, out);
  return number(CHILDID_SELF, out);
}

HRESULT AccessibleObject::get_accFocus(VARIANT* out) {
  if (out == nullptr) return E_POINTER;
  VariantInit(out);
  if (!connected_) return RPC_E_DISCONNECTED;
  return object(focusedChild(), out);
}

// The children in order; a child's own siblings are its parent's to tell.
HRESULT AccessibleObject::accNavigate(LONG direction, VARIANT start, VARIANT* out) {
  if (out == nullptr) return E_POINTER;
  VariantInit(out);
  if (!connected_) return RPC_E_DISCONNECTED;
  if (start.vt != VT_I4) return E_INVALIDARG;
  LONG wanted = 0;
  if (start.lVal == CHILDID_SELF) {
    if (direction == NAVDIR_FIRSTCHILD) wanted = 1;
    if (direction == NAVDIR_LASTCHILD) wanted = childCount();
  } else if (direction == NAVDIR_NEXT) {
    wanted = start.lVal + 1;
  } else if (direction == NAVDIR_PREVIOUS) {
    wanted = start.lVal - 1;
  }
  if (wanted < 1 || wanted > childCount()) return S_FALSE;
  return object(child(wanted), out);
}

// What these objects do not have.
HRESULT AccessibleObject::noText(BSTR* out) const {
  if (out != nullptr) *out = nullptr;
  return connected_ ? S_FALSE : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::get_accValue(VARIANT, BSTR* out) { return noText(out); }

HRESULT AccessibleObject::get_accDescription(VARIANT, BSTR* out) { return noText(out); }

HRESULT AccessibleObject::get_accHelp(VARIANT, BSTR* out) { return noText(out); }

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT, BSTR* out) { return noText(out); }

HRESULT AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) {
  if (file != nullptr) *file = nullptr;
  if (topic != nullptr) *topic = 0;
  return connected_ ? S_FALSE : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::get_accSelection(VARIANT* out) {
  if (out != nullptr) VariantInit(out);
  return connected_ ? S_FALSE : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::accSelect(LONG, VARIANT) {
  return connected_ ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }

HRESULT AccessibleObject::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace ttt

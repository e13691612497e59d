#include "app/accessible_name.h"

#include <ole2.h>
#include <oleacc.h>

#include <new>

#include "common/system_library.h"
#include "common/win_handles.h"

namespace lumaret {

namespace {

// oleacc.dll is not one of Windows' known DLLs: loaded from System32 when a
// screen reader first asks, never imported.
SystemLibrary& Oleacc() {
  static SystemLibrary library(L"oleacc.dll");
  return library;
}

bool IsSelf(const VARIANT& child) {
  return (child.vt == VT_I4 && child.lVal == CHILDID_SELF) || child.vt == VT_EMPTY ||
         (child.vt == VT_ERROR && child.scode == DISP_E_PARAMNOTFOUND);  // an omitted optional argument
}

// Windows' standard accessible object of a control, answering accName with
// a name of ours; everything else is the standard object's own answer.
class NamedAccessible final : public IAccessible, public IOleWindow {
 public:
  NamedAccessible(IAccessible* standard, HWND control, const wchar_t* name)
      : standard_(standard), control_(control), name_(name) {
    standard_->AddRef();
  }
  NamedAccessible(const NamedAccessible&) = delete;
  NamedAccessible& operator=(const NamedAccessible&) = delete;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
    } else if (riid == IID_IOleWindow) {
      *out = static_cast<IOleWindow*>(this);
    } else {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  STDMETHODIMP_(ULONG) Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: the standard object's, except that the name read through
  // Invoke is ours too.
  STDMETHODIMP GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
  STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, lcid, info);
  }
  STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override {
    return standard_->GetIDsOfNames(riid, names, count, lcid, ids);
  }
  STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* exception, UINT* argError) override {
    if (id == DISPID_ACC_NAME && (flags & DISPATCH_PROPERTYGET) && result && params && params->cArgs <= 1 &&
        (params->cArgs == 0 || IsSelf(params->rgvarg[0]))) {
      VariantInit(result);
      result->vt = VT_BSTR;
      result->bstrVal = SysAllocString(name_);
      return result->bstrVal ? S_OK : E_OUTOFMEMORY;
    }
    return standard_->Invoke(id, riid, lcid, flags, params, result, exception, argError);
  }

  // IAccessible
  STDMETHODIMP get_accName(VARIANT child, BSTR* name) override {
    if (!name) return E_POINTER;
    if (!IsSelf(child)) return standard_->get_accName(child, name);
    *name = SysAllocString(name_);
    return *name ? S_OK : E_OUTOFMEMORY;
  }
  STDMETHODIMP get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
  STDMETHODIMP get_accChildCount(LONG* count) override { return standard_->get_accChildCount(count); }
  STDMETHODIMP get_accChild(VARIANT child, IDispatch** out) override { return standard_->get_accChild(child, out); }
  STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override { return standard_->get_accValue(child, value); }
  STDMETHODIMP get_accDescription(VARIANT child, BSTR* text) override {
    return standard_->get_accDescription(child, text);
  }
  STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override { return standard_->get_accRole(child, role); }
  STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override { return standard_->get_accState(child, state); }
  STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override { return standard_->get_accHelp(child, help); }
  STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    return standard_->get_accKeyboardShortcut(child, keys);
  }
  STDMETHODIMP get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
  STDMETHODIMP get_accSelection(VARIANT* children) override { return standard_->get_accSelection(children); }
  STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  STDMETHODIMP accSelect(LONG flags, VARIANT child) override { return standard_->accSelect(flags, child); }
  STDMETHODIMP accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  STDMETHODIMP accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  STDMETHODIMP accHitTest(LONG x, LONG y, VARIANT* child) override { return standard_->accHitTest(x, y, child); }
  STDMETHODIMP accDoDefaultAction(VARIANT child) override { return standard_->accDoDefaultAction(child); }
  STDMETHODIMP put_accName(VARIANT child, BSTR name) override { return standard_->put_accName(child, name); }
  STDMETHODIMP put_accValue(VARIANT child, BSTR value) override { return standard_->put_accValue(child, value); }

  // IOleWindow: WindowFromAccessibleObject finds the control through it.
  STDMETHODIMP GetWindow(HWND* window) override {
    if (!window) return E_POINTER;
    *window = control_;
    return S_OK;
  }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

 private:
  ~NamedAccessible() { standard_->Release(); }

  LONG refs_ = 1;
  IAccessible* standard_;
  HWND control_;
  const wchar_t* name_;  // static text
};

}  // namespace

const wchar_t* AccessibleNameOf(ControlId id) {
  switch (id) {
    case ControlId::编辑框_ssid: return L"SSID";
    case ControlId::编辑框_pw: return L"密码";
    case ControlId::超级按钮_ope: return L"开启热点";
    case ControlId::超级按钮_off: return L"关闭热点";
    case ControlId::超级按钮_mmsj: return L"随机生成密码";
    case ControlId::超级按钮_id: return L"恢复默认名称";
    default: return nullptr;
  }
}

bool AnswerAccessibleObject(HWND control, const wchar_t* name, WPARAM wp, LPARAM lp, LRESULT* result) {
  // The object id travels as a 32-bit value in lParam.
  if (!name || static_cast<LONG>(static_cast<DWORD>(lp)) != OBJID_CLIENT) return false;
  static SystemFunction<decltype(::CreateStdAccessibleObject)> createStandard(Oleacc(), "CreateStdAccessibleObject");
  static SystemFunction<decltype(::LresultFromObject)> lresultFromObject(Oleacc(), "LresultFromObject");
  if (!createStandard || !lresultFromObject) return false;

  ComPtr<IAccessible> standard;
  if (FAILED(createStandard(control, OBJID_CLIENT, __uuidof(IAccessible), standard.put_void())) || !standard) {
    return false;
  }
  auto* named = new (std::nothrow) NamedAccessible(standard.get(), control, name);
  if (!named) return false;
  // LresultFromObject keeps its own reference for whoever asked.
  const LRESULT r = lresultFromObject(__uuidof(IAccessible), wp, static_cast<IAccessible*>(named));
  named->Release();
  if (r <= 0) return false;  // a COM error code, negative
  *result = r;
  return true;
}

}  // namespace lumaret

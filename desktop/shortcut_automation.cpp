#include "desktop/shortcut_automation.h"

#include <ole2.h>
#include <oleauto.h>

#include "common/encoding.h"
#include "common/system_library.h"

namespace lumaret {

namespace {

// An automation string made from an ANSI text, freed when it goes.
class Bstr {
 public:
  explicit Bstr(const std::string& ansi) {
    const std::wstring wide = AnsiToWide(ansi);
    b_ = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  }
  ~Bstr() { SysFreeString(b_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return b_; }

 private:
  BSTR b_ = nullptr;
};

// The class of that name in the type library of that System32 file, made
// from its type information. Only an unambiguous name counts.
ComPtr<IUnknown> CreateFromTypeLibrary(const wchar_t* systemLibraryFile, const wchar_t* className) {
  ComPtr<IUnknown> object;
  ComPtr<ITypeLib> library;
  const std::wstring path = SystemFilePath(systemLibraryFile);
  if (path.empty() || FAILED(LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.put())) || !library) return object;
  std::wstring name(className);  // FindName may rewrite the case of its buffer
  ITypeInfo* infos[2] = {nullptr, nullptr};
  MEMBERID ids[2] = {0, 0};
  USHORT found = 2;
  if (SUCCEEDED(library->FindName(&name[0], 0, infos, ids, &found)) && found == 1 && infos[0]) {
    infos[0]->CreateInstance(nullptr, IID_IUnknown, object.put_void());
  }
  for (USHORT i = 0; i < found && i < 2; ++i) {
    if (infos[i]) infos[i]->Release();
  }
  return object;
}

ComPtr<IUnknown> CreateFromClassName(const wchar_t* className) {
  ComPtr<IUnknown> object;
  CLSID clsid;
  const HRESULT known = className[0] == L'{' ? CLSIDFromString(className, &clsid) : CLSIDFromProgID(className, &clsid);
  if (FAILED(known)) return object;
  const DWORD everywhere = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;
  HRESULT hr = CoCreateInstance(clsid, nullptr, everywhere, IID_IUnknown, object.put_void());
  if (hr == E_INVALIDARG) {
    // Systems without remote activation refuse the whole request.
    hr = CoCreateInstance(clsid, nullptr, everywhere & ~CLSCTX_REMOTE_SERVER, IID_IUnknown, object.put_void());
  }
  if (FAILED(hr)) object.reset();
  return object;
}

// The member's id, looked up by name in the object's type information.
bool FindMemberId(IDispatch* object, const wchar_t* name, DISPID* id) {
  if (!object) return false;
  LPOLESTR names[1] = {const_cast<LPOLESTR>(name)};
  ComPtr<ITypeInfo> info;
  if (SUCCEEDED(object->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.put())) && info) {
    return SUCCEEDED(info->GetIDsOfNames(names, 1, id));
  }
  // An object without type information still answers by name itself.
  return SUCCEEDED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, id));
}

}  // namespace

ComPtr<IDispatch> CreateAutomationObject(const wchar_t* systemLibraryFile, const wchar_t* className) {
  ComPtr<IDispatch> result;
  ComPtr<IUnknown> object = CreateFromTypeLibrary(systemLibraryFile, className);
  if (!object) object = CreateFromClassName(className);
  if (!object) return result;
  if (FAILED(OleRun(object.get()))) return result;  // `object` is released on the way out
  object->QueryInterface(IID_IDispatch, result.put_void());
  return result;
}

bool PutProperty(IDispatch* object, const wchar_t* name, const VARIANT& value) {
  DISPID id;
  if (!FindMemberId(object, name, &id)) return false;
  VARIANT argument = value;  // Invoke reads its arguments only
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&argument, &named, 1, 1};
  for (WORD kind : {static_cast<WORD>(DISPATCH_PROPERTYPUT), static_cast<WORD>(DISPATCH_PROPERTYPUTREF)}) {
    if (SUCCEEDED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, nullptr, nullptr, nullptr))) {
      return true;
    }
  }
  return false;
}

bool PutProperty(IDispatch* object, const wchar_t* name, const std::string& ansiText) {
  Bstr text(ansiText);
  if (!text.get()) return false;
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = text.get();
  return PutProperty(object, name, v);
}

bool PutProperty(IDispatch* object, const wchar_t* name, int value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return PutProperty(object, name, v);
}

ComPtr<IDispatch> CallMethod(IDispatch* object, const wchar_t* name, const std::string* ansiArgument) {
  ComPtr<IDispatch> returned;
  DISPID id;
  if (!FindMemberId(object, name, &id)) return returned;
  std::string none;
  Bstr text(ansiArgument ? *ansiArgument : none);
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = VT_BSTR;
  argument.bstrVal = text.get();
  DISPPARAMS params{ansiArgument ? &argument : nullptr, nullptr, ansiArgument ? 1u : 0u, 0};
  VARIANT result;
  VariantInit(&result);
  HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result, nullptr, nullptr);
  if (FAILED(hr)) {
    VariantClear(&result);
    hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &params, &result, nullptr, nullptr);
  }
  if (SUCCEEDED(hr)) {
    if (result.vt == VT_DISPATCH && result.pdispVal) {
      result.pdispVal->QueryInterface(IID_IDispatch, returned.put_void());
    } else if (result.vt == VT_UNKNOWN && result.punkVal) {
      result.punkVal->QueryInterface(IID_IDispatch, returned.put_void());
    }
  }
  VariantClear(&result);
  return returned;
}

}  // namespace lumaret

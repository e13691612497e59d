// Automation calls on the Windows Script Host objects: the shell object made
// from its type library, and member calls by name through the object's type
// information.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

#include "common/win_handles.h"

namespace lumaret {

// The class `className` of the type library in the file `systemLibraryFile`
// of System32 (such as L"wshom.ocx"), running. The library is loaded by its
// full path, never looked for elsewhere (a bare name is searched in the
// program's folder first), and not registered (REGKIND_NONE). When it gives
// no object, `className` is taken as a programmatic identifier (or, starting
// with "{", as a class identifier) for CoCreateInstance, which takes the
// server's full path from the registry. Empty on failure.
ComPtr<IDispatch> CreateAutomationObject(const wchar_t* systemLibraryFile, const wchar_t* className);

// Writes a property by name: as a property put, then as a put by reference.
bool PutProperty(IDispatch* object, const wchar_t* name, const VARIANT& value);
bool PutProperty(IDispatch* object, const wchar_t* name, const std::string& ansiText);
bool PutProperty(IDispatch* object, const wchar_t* name, int value);

// Calls a method by name with text arguments: as a method, then as a
// property get. The object it returned, or none.
ComPtr<IDispatch> CallMethod(IDispatch* object, const wchar_t* name, const std::string* ansiArgument = nullptr);

}  // namespace lumaret

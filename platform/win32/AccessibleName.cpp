// A control's accessible object under a name of its own: the system's object of the control
// (CreateStdAccessibleObject), its role, state, place and actions untouched, with get_accName
// answered from the name given. It is what WM_GETOBJECT hands out (LresultFromObject), so it works
// wherever assistive technology asks the window; the annotation service (IAccPropServices) that
// would do the same is not implemented by every system.
#include <oleacc.h>

#include <string>

#include "platform/win32/Internal.h"

namespace platform {

namespace {

using CreateStdAccessibleObjectFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using SysAllocStringFn = BSTR(WINAPI*)(const OLECHAR*);

// oleacc.dll and oleaut32.dll's allocator of the strings it hands over: loaded from the system
// folder the first time a name is asked for, not imported, so that the program starts without them.
struct Zugang {
  CreateStdAccessibleObjectFn createStdAccessibleObject = nullptr;
  LresultFromObjectFn lresultFromObject = nullptr;
  SysAllocStringFn sysAllocString = nullptr;
};

const Zugang& Laden() {
  static Zugang zugang;
  static bool geladen = false;
  if (!geladen) {
    geladen = true;
    const HMODULE oleacc = LoadSystemLibrary("oleacc.dll");
    const HMODULE oleaut32 = LoadSystemLibrary("oleaut32.dll");
    if (oleacc != nullptr && oleaut32 != nullptr) {
      zugang.createStdAccessibleObject = reinterpret_cast<CreateStdAccessibleObjectFn>(
          reinterpret_cast<void*>(::GetProcAddress(oleacc, "CreateStdAccessibleObject")));
      zugang.lresultFromObject = reinterpret_cast<LresultFromObjectFn>(
          reinterpret_cast<void*>(::GetProcAddress(oleacc, "LresultFromObject")));
      zugang.sysAllocString = reinterpret_cast<SysAllocStringFn>(
          reinterpret_cast<void*>(::GetProcAddress(oleaut32, "SysAllocString")));
    }
  }
  return zugang;
}

bool Selbst(const VARIANT& kind) { return kind.vt == VT_I4 && kind.lVal == CHILDID_SELF; }

class NamedAccessible final : public IAccessible {
 public:
  NamedAccessible(IAccessible* system, const wchar_t* name, SysAllocStringFn alloc)
      : system_(system), name_(name), alloc_(alloc) {}

  // IUnknown: one object of its own; what the system's object offers besides is not passed on.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid != __uuidof(IUnknown) && iid != __uuidof(IDispatch) && iid != __uuidof(IAccessible)) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!Selbst(child)) return system_->get_accName(child, name);
    *name = alloc_(name_.c_str());
    return *name != nullptr ? S_OK : E_OUTOFMEMORY;
  }

  // Everything else is the system's.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return system_->GetTypeInfoCount(count); }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return system_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override {
    return system_->GetIDsOfNames(iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                   VARIANT* value, EXCEPINFO* exception, UINT* wrong) override {
    return system_->Invoke(id, iid, locale, flags, parameters, value, exception, wrong);
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return system_->get_accParent(parent); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return system_->get_accChildCount(count); }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return system_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override { return system_->get_accValue(child, value); }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return system_->get_accDescription(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override { return system_->get_accRole(child, role); }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return system_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override { return system_->get_accHelp(child, help); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return system_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    return system_->get_accKeyboardShortcut(child, keys);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return system_->get_accFocus(child); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override { return system_->get_accSelection(children); }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return system_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override { return system_->accSelect(flags, child); }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
    return system_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return system_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override { return system_->accHitTest(x, y, child); }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return system_->accDoDefaultAction(child); }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override { return system_->put_accName(child, name); }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override { return system_->put_accValue(child, value); }

 private:
  ~NamedAccessible() { system_->Release(); }

  IAccessible* system_;
  std::wstring name_;  // its own: a client may keep the object longer than the control lives
  SysAllocStringFn alloc_;
  LONG references_ = 1;
};

}  // namespace

LRESULT AccessibleObjectNamed(HWND window, const wchar_t* name, WPARAM wparam) {
  const Zugang& zugang = Laden();
  if (zugang.createStdAccessibleObject == nullptr || zugang.lresultFromObject == nullptr ||
      zugang.sysAllocString == nullptr) {
    return 0;
  }
  IAccessible* system = nullptr;
  if (FAILED(zugang.createStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&system)))) {
    return 0;
  }
  NamedAccessible* named = new NamedAccessible(system, name, zugang.sysAllocString);
  const LRESULT result = zugang.lresultFromObject(__uuidof(IAccessible), wparam, named);
  named->Release();
  return FAILED(result) ? 0 : result;
}

}  // namespace platform

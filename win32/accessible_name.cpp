#include "win32/accessible_name.h"

#include <commctrl.h>

#include <memory>
#include <string>

#include "win32/counted_accessible.h"

namespace quillmark::win32 {
namespace {

// The system's object for the control, with its own name for the control
// itself, and its own role where one is given; its children, if any, keep
// theirs.
class NamedAccessible final : public CountedAccessible {
 public:
  NamedAccessible(IAccessible* standard, std::wstring_view name, long role = 0)
      : standard_(standard), name_(name), role_(role) {}

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return standard_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return standard_->GetIDsOfNames(iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argument) override {
    return standard_->Invoke(id, iid, locale, flags, parameters, result, exception, argument);
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (child.vt == VT_I4 && child.lVal == CHILDID_SELF) {
      *name = ::SysAllocStringLen(name_.data(), static_cast<UINT>(name_.size()));
      return *name != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    return standard_->get_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return standard_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return standard_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return standard_->get_accDescription(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (role_ != 0 && child.vt == VT_I4 && child.lVal == CHILDID_SELF) {
      role->vt = VT_I4;
      role->lVal = role_;
      return S_OK;
    }
    return standard_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return standard_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    return standard_->get_accFocus(focus);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return standard_->get_accSelection(selection);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
    return standard_->accHitTest(left, top, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return standard_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  ~NamedAccessible() override { standard_->Release(); }

  IAccessible* standard_;
  std::wstring name_;
  long role_;
};

LRESULT AnswerWithNamed(HWND window, WPARAM wParam, std::wstring_view name, long role) {
  IAccessible* standard = nullptr;
  if (FAILED(::CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard)))) {
    return 0;
  }
  // NOLINTNEXTLINE(cppcoreguidelines-owning-memory): COM counts its references
  auto* accessible = new NamedAccessible(standard, name, role);
  const LRESULT result = ::LresultFromObject(__uuidof(IAccessible), wParam, accessible);
  accessible->Release();
  return result;
}

LRESULT CALLBACK AnswerWithName(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR id, DWORD_PTR data) {
  const auto* name = reinterpret_cast<const std::wstring*>(data);
  if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == static_cast<LONG>(OBJID_CLIENT)) {
    if (const LRESULT result = AnswerWithNamed(control, wParam, *name, 0); result != 0) {
      return result;
    }
  }
  if (message == WM_NCDESTROY) {
    ::RemoveWindowSubclass(control, &AnswerWithName, id);
    // Owned by the subclass since SetAccessibleName; ends with the control.
    std::unique_ptr<const std::wstring>{name}.reset();
  }
  return ::DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

LRESULT AnswerAsStaticText(HWND window, WPARAM wParam, std::wstring_view caption) {
  return AnswerWithNamed(window, wParam, caption, ROLE_SYSTEM_STATICTEXT);
}

void SetAccessibleName(HWND control, std::wstring_view name) {
  auto owned = std::make_unique<const std::wstring>(name);
  if (::SetWindowSubclass(control, &AnswerWithName, 1, reinterpret_cast<DWORD_PTR>(owned.get()))) {
    owned.release();  // NOLINT(bugprone-unused-return-value): the subclass owns it now
  }
}

}  // namespace quillmark::win32

#include "win32/picture_buttons_accessible.h"

#include "win32/counted_accessible.h"
#include "win32/wide_text.h"

namespace quillmark::win32 {
namespace {

// "Press", as Windows says it of its own push buttons in Chinese.
constexpr const wchar_t* kPress = L"按";

// Child ids 1 to N are the picture buttons, simple elements of this object;
// the system's children of the client area follow, their ids moved up by N.
class PictureButtonsAccessible final : public CountedAccessible {
 public:
  PictureButtonsAccessible(HWND window, const PictureButtonGroup& buttons, IAccessible* standard)
      : window_(window), buttons_(buttons), standard_(standard) {}

  // IDispatch: screen readers call IAccessible directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT /*index*/, LCID /*locale*/,
                                        ITypeInfo** /*info*/) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID /*iid*/, LPOLESTR* /*names*/, UINT /*count*/,
                                          LCID /*locale*/, DISPID* /*ids*/) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID /*id*/, REFIID /*iid*/, LCID /*locale*/, WORD /*flags*/,
                                   DISPPARAMS* /*parameters*/, VARIANT* /*result*/,
                                   EXCEPINFO* /*exception*/, UINT* /*argument*/) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    long standardCount = 0;
    standard_->get_accChildCount(&standardCount);
    *count = ButtonCount() + standardCount;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    *object = nullptr;
    if (ButtonOf(child) != nullptr) return S_FALSE;  // a simple element
    return standard_->get_accChild(Standard(child), object);
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (const auto* button = ButtonOf(child)) {
      *name = ::SysAllocString(Widen(button->accessibleName).c_str());
      return S_OK;
    }
    return standard_->get_accName(Standard(child), name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return Nothing(child, value) ? S_FALSE : standard_->get_accValue(Standard(child), value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return Nothing(child, text) ? S_FALSE : standard_->get_accDescription(Standard(child), text);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (ButtonOf(child) != nullptr) return Number(ROLE_SYSTEM_PUSHBUTTON, role);
    return standard_->get_accRole(Standard(child), role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (const auto* button = ButtonOf(child)) {
      return Number(button->visible ? 0 : STATE_SYSTEM_INVISIBLE, state);
    }
    return standard_->get_accState(Standard(child), state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return Nothing(child, help) ? S_FALSE : standard_->get_accHelp(Standard(child), help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    *topic = 0;
    return Nothing(child, file) ? S_FALSE
                                : standard_->get_accHelpTopic(file, Standard(child), topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return Nothing(child, shortcut) ? S_FALSE
                                    : standard_->get_accKeyboardShortcut(Standard(child), shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    const HRESULT result = standard_->get_accFocus(focus);
    MoveUp(focus);
    return result;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return standard_->get_accSelection(selection);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (ButtonOf(child) != nullptr) {
      *action = ::SysAllocString(kPress);
      return S_OK;
    }
    return standard_->get_accDefaultAction(Standard(child), action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    if (ButtonOf(child) != nullptr) return DISP_E_MEMBERNOTFOUND;
    return standard_->accSelect(flags, Standard(child));
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    if (const auto* button = ButtonOf(child)) {
      POINT corner{button->place.left, button->place.top};
      ::ClientToScreen(window_, &corner);
      *left = corner.x;
      *top = corner.y;
      *width = button->place.right - button->place.left;
      *height = button->place.bottom - button->place.top;
      return S_OK;
    }
    return standard_->accLocation(left, top, width, height, Standard(child));
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    if (ButtonOf(start) != nullptr) return DISP_E_MEMBERNOTFOUND;
    const HRESULT result = standard_->accNavigate(direction, Standard(start), end);
    MoveUp(end);
    return result;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
    POINT point{left, top};
    ::ScreenToClient(window_, &point);
    const auto& buttons = buttons_.Buttons();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      if (buttons[i].visible && ::PtInRect(&buttons[i].place, point) != 0) {
        return Number(static_cast<long>(i) + 1, child);
      }
    }
    const HRESULT result = standard_->accHitTest(left, top, child);
    MoveUp(child);
    return result;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (const auto* button = ButtonOf(child)) {
      if (!button->visible) return E_FAIL;
      buttons_.Click(button->id);
      return S_OK;
    }
    return standard_->accDoDefaultAction(Standard(child));
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT /*child*/, BSTR /*name*/) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT /*child*/, BSTR /*value*/) override {
    return E_NOTIMPL;
  }

 private:
  ~PictureButtonsAccessible() override { standard_->Release(); }

  [[nodiscard]] long ButtonCount() const { return static_cast<long>(buttons_.Buttons().size()); }

  [[nodiscard]] const PictureButtonGroup::Button* ButtonOf(const VARIANT& child) const {
    if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > ButtonCount()) return nullptr;
    return &buttons_.Buttons()[static_cast<std::size_t>(child.lVal - 1)];
  }

  // The child as the system's object numbers it.
  [[nodiscard]] VARIANT Standard(VARIANT child) const {
    if (child.vt == VT_I4 && child.lVal > ButtonCount()) child.lVal -= ButtonCount();
    return child;
  }

  // A child that the system's object named, as this object numbers it.
  void MoveUp(VARIANT* child) const {
    if (child->vt == VT_I4 && child->lVal > CHILDID_SELF) child->lVal += ButtonCount();
  }

  // A picture button has no value, description, help or shortcut.
  bool Nothing(const VARIANT& child, BSTR* text) const {
    if (ButtonOf(child) == nullptr) return false;
    *text = nullptr;
    return true;
  }

  static HRESULT Number(long value, VARIANT* result) {
    result->vt = VT_I4;
    result->lVal = value;
    return S_OK;
  }

  HWND window_;
  const PictureButtonGroup& buttons_;
  IAccessible* standard_;
};

}  // namespace

LRESULT AnswerAccessibilityRequest(HWND window, const PictureButtonGroup& buttons, WPARAM wParam) {
  IAccessible* standard = nullptr;
  if (FAILED(::CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard)))) {
    return 0;
  }
  // NOLINTNEXTLINE(cppcoreguidelines-owning-memory): COM counts its references
  auto* accessible = new PictureButtonsAccessible(window, buttons, standard);
  const LRESULT result = ::LresultFromObject(__uuidof(IAccessible), wParam, accessible);
  accessible->Release();
  return result;
}

}  // namespace quillmark::win32

#include "win32/picture_buttons_accessible.h"

#include <oleacc.h>

#include <algorithm>
#include <utility>

#include "win32/accessible_navigation.h"
#include "win32/counted_accessible.h"
#include "win32/picture_buttons.h"
#include "win32/wide_text.h"

namespace quillmark::win32 {
namespace {

// "Press", as Windows says it of its own push buttons in Chinese.
constexpr const wchar_t* kPress = L"按";

VARIANT Number(long value) {
  VARIANT result{};
  result.vt = VT_I4;
  result.lVal = value;
  return result;
}

HRESULT Answer(long value, VARIANT* result) {
  *result = Number(value);
  return S_OK;
}

// The children as IEnumVARIANT hands them out, from a list taken when the
// enumeration began: a tear-off of the object that made it, whose identity
// and other interfaces are that object's.
class ChildEnumeration final : public IEnumVARIANT {
 public:
  ChildEnumeration(IAccessible* parent, std::vector<VARIANT> children, std::size_t next)
      : parent_(parent), children_(std::move(children)), next_(next) {
    parent_->AddRef();
  }
  ChildEnumeration(const ChildEnumeration&) = delete;
  ChildEnumeration& operator=(const ChildEnumeration&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid != IID_IEnumVARIANT) return parent_->QueryInterface(iid, object);
    *object = static_cast<IEnumVARIANT*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;  // COM's own lifetime: the last reference ends it
    return left;
  }

  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* out, ULONG* fetched) override {
    ULONG given = 0;
    for (; given < count && next_ < children_.size(); ++given, ++next_) {
      ::VariantInit(&out[given]);
      ::VariantCopy(&out[given], &children_[next_]);
    }
    if (fetched != nullptr) *fetched = given;
    return given == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    const std::size_t left = children_.size() - next_;
    next_ += std::min<std::size_t>(count, left);
    return count <= left ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    next_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override {
    std::vector<VARIANT> children(children_.size());
    for (std::size_t i = 0; i < children.size(); ++i) {
      ::VariantInit(&children[i]);
      ::VariantCopy(&children[i], &children_[i]);
    }
    // NOLINTNEXTLINE(cppcoreguidelines-owning-memory): COM counts its references
    *copy = new ChildEnumeration(parent_, std::move(children), next_);
    return S_OK;
  }

 private:
  ~ChildEnumeration() {
    for (VARIANT& child : children_) ::VariantClear(&child);
    parent_->Release();
  }

  IAccessible* parent_;
  std::vector<VARIANT> children_;
  std::size_t next_;
  ULONG references_ = 1;
};

}  // namespace

// Child ids 1 to N are the picture buttons, simple elements of this object;
// N + 1 onwards the window's child windows in the system's order, objects of
// their own, which the system's object of the client area numbers from 1.
class PictureButtonsAccessible final : public CountedAccessible {
 public:
  PictureButtonsAccessible(HWND window, PictureButtonsAccessibility& owner,
                           const PictureButtonGroup& buttons, IAccessible* standard)
      : window_(window), owner_(&owner), buttons_(&buttons), standard_(standard) {}

  // The window is gone: nothing of it is reached again.
  void Disconnect() {
    owner_ = nullptr;
    buttons_ = nullptr;
    if (standard_ != nullptr) std::exchange(standard_, nullptr)->Release();
    ::CoDisconnectObject(static_cast<IAccessible*>(this), 0);
  }

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
    if (Gone()) return CO_E_OBJNOTCONNECTED;
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (Gone()) return CO_E_OBJNOTCONNECTED;
    *count = ButtonCount() + static_cast<long>(OtherChildren().size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    *object = nullptr;
    if (Gone()) return CO_E_OBJNOTCONNECTED;
    if (ButtonOf(child) != nullptr) return S_FALSE;  // a simple element
    VARIANT found = OtherChild(child);
    if (found.vt != VT_DISPATCH) return E_INVALIDARG;
    *object = found.pdispVal;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (Gone()) return CO_E_OBJNOTCONNECTED;
    if (const auto* button = ButtonOf(child)) {
      *name = ::SysAllocString(Widen(button->accessibleName).c_str());
      return S_OK;
    }
    return standard_->get_accName(Standard(child), name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    if (Gone()) return CO_E_OBJNOTCONNECTED;
    return Nothing(child, value) ? S_FALSE : standard_->get_accValue(Standard(child), value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    if (Gone()) return CO_E_OBJNOTCONNECTED;
    return Nothing(child, text) ? S_FALSE : standard_->get_accDescription(Standard(child), text);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (Gone()) return CO_E_OBJNOTCONNECTED;
    if (ButtonOf(child) != nullptr) return Answer(ROLE_SYSTEM_PUSHBUTTON, role);
    return standard_->get_accRole(Standard(child), role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (Gone()) return CO_E_OBJNOTCONNECTED;
    if (const auto* button = ButtonOf(child)) {
      const bool marked = button->id == buttons_->FocusMark();
      return Answer(button->visible ? STATE_SYSTEM_FOCUSABLE | (marked ? STATE_SYSTEM_FOCUSED : 0)
                                    : STATE_SYSTEM_INVISIBLE,
                    state);
    }
    return standard_->get_accState(Standard(child), state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    if (Gone()) return CO_E_OBJNOTCONNECTED;
    return Nothing(child, help) ? S_FALSE : standard_->get_accHelp(Standard(child), help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    *topic = 0;
    if (Gone()) return CO_E_OBJNOTCONNECTED;
    return Nothing(child, file) ? S_FALSE
                                : standard_->get_accHelpTopic(file, Standard(child), topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    if (Gone()) return CO_E_OBJNOTCONNECTED;
    return Nothing(child, shortcut) ? S_FALSE
                                    : standard_->get_accKeyboardShortcut(Standard(child), shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (Gone()) return CO_E_OBJNOTCONNECTED;
    // The emoji with the keyboard's mark, rather than the window that holds
    // the focus for the palette.
    if (const int child = buttons_->ChildIdOf(buttons_->FocusMark()); child > 0) {
      focus->vt = VT_I4;
      focus->lVal = child;
      return S_OK;
    }
    const HRESULT result = standard_->get_accFocus(focus);
    MoveUp(focus);
    return result;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (Gone()) return CO_E_OBJNOTCONNECTED;
    return standard_->get_accSelection(selection);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (Gone()) return CO_E_OBJNOTCONNECTED;
    if (ButtonOf(child) != nullptr) {
      *action = ::SysAllocString(kPress);
      return S_OK;
    }
    return standard_->get_accDefaultAction(Standard(child), action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    if (Gone()) return CO_E_OBJNOTCONNECTED;
    if (ButtonOf(child) != nullptr) return DISP_E_MEMBERNOTFOUND;
    return standard_->accSelect(flags, Standard(child));
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    if (Gone()) return CO_E_OBJNOTCONNECTED;
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
    ::VariantInit(end);
    if (Gone()) return CO_E_OBJNOTCONNECTED;
    if (start.vt != VT_I4) return E_INVALIDARG;
    std::vector<bool> shown;
    for (const auto& button : buttons_->Buttons()) shown.push_back(button.visible);
    const std::vector<HWND> others = OtherChildren();
    const long reached = AccessibleNavigation(std::move(shown), static_cast<long>(others.size()))
                             .Navigate(start.lVal, direction);
    if (reached == 0 || (reached < 0 && ButtonOf(start) != nullptr)) return S_FALSE;
    if (reached < 0) {
      const HRESULT result = standard_->accNavigate(direction, Standard(start), end);
      MoveUp(end);
      return result;
    }
    *end = reached <= ButtonCount() ? Number(reached) : OtherChild(Number(reached));
    return end->vt == VT_EMPTY ? S_FALSE : S_OK;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
    if (Gone()) return CO_E_OBJNOTCONNECTED;
    POINT point{left, top};
    ::ScreenToClient(window_, &point);
    const auto& buttons = buttons_->Buttons();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      if (buttons[i].visible && ::PtInRect(&buttons[i].place, point) != 0) {
        return Answer(static_cast<long>(i) + 1, child);
      }
    }
    const HRESULT result = standard_->accHitTest(left, top, child);
    MoveUp(child);
    return result;
  }
  // The click runs in a later turn of the window's message loop: what it
  // starts (the customer-service link may ask the user which program to
  // open it with) must not hold up the screen reader's call.
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (Gone()) return CO_E_OBJNOTCONNECTED;
    if (const auto* button = ButtonOf(child)) {
      if (!button->visible) return E_FAIL;
      buttons_->PostClick(button->id);
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

 protected:
  HRESULT OtherInterface(REFIID iid, void** object) override {
    if (iid != IID_IEnumVARIANT) return E_NOINTERFACE;
    if (Gone()) return CO_E_OBJNOTCONNECTED;
    std::vector<VARIANT> children;
    for (long id = 1; id <= ButtonCount(); ++id) children.push_back(Number(id));
    for (HWND other : OtherChildren()) children.push_back(ObjectOf(other));
    // NOLINTNEXTLINE(cppcoreguidelines-owning-memory): COM counts its references
    *object = static_cast<IEnumVARIANT*>(new ChildEnumeration(this, std::move(children), 0));
    return S_OK;
  }

 private:
  ~PictureButtonsAccessible() override {
    if (owner_ != nullptr) owner_->Forget(this);
    if (standard_ != nullptr) standard_->Release();
  }

  [[nodiscard]] bool Gone() const { return buttons_ == nullptr; }
  [[nodiscard]] long ButtonCount() const { return static_cast<long>(buttons_->Buttons().size()); }

  [[nodiscard]] const PictureButtonGroup::Button* ButtonOf(const VARIANT& child) const {
    if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > ButtonCount()) return nullptr;
    return &buttons_->Buttons()[static_cast<std::size_t>(child.lVal - 1)];
  }

  // The window's child windows, in the order the system's object counts them.
  [[nodiscard]] std::vector<HWND> OtherChildren() const {
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(window_, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
      children.push_back(child);
    }
    return children;
  }

  // The object of the child window with that id, as VT_DISPATCH; empty for
  // an id that is no child window's.
  [[nodiscard]] VARIANT OtherChild(const VARIANT& child) const {
    if (child.vt != VT_I4 || child.lVal <= ButtonCount()) return VARIANT{};
    const std::vector<HWND> others = OtherChildren();
    const auto index = static_cast<std::size_t>(child.lVal - ButtonCount() - 1);
    return index < others.size() ? ObjectOf(others[index]) : VARIANT{};
  }

  // A child window's own object, as VT_DISPATCH; empty where it has none.
  static VARIANT ObjectOf(HWND window) {
    VARIANT found{};
    IDispatch* object = nullptr;
    if (SUCCEEDED(::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_WINDOW),
                                               IID_IDispatch, reinterpret_cast<void**>(&object)))) {
      found.vt = VT_DISPATCH;
      found.pdispVal = object;
    }
    return found;
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

  HWND window_;
  PictureButtonsAccessibility* owner_;
  const PictureButtonGroup* buttons_;
  IAccessible* standard_;
};

LRESULT PictureButtonsAccessibility::Answer(HWND window, WPARAM wParam) {
  IAccessible* standard = nullptr;
  if (FAILED(::CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard)))) {
    return 0;
  }
  // NOLINTNEXTLINE(cppcoreguidelines-owning-memory): COM counts its references
  auto* accessible = new PictureButtonsAccessible(window, *this, buttons_, standard);
  live_.push_back(accessible);
  const LRESULT result = ::LresultFromObject(__uuidof(IAccessible), wParam, accessible);
  accessible->Release();
  return result;
}

void PictureButtonsAccessibility::Disconnect() {
  // Disconnecting can release an object's last reference, which forgets it:
  // the list is emptied first.
  const std::vector<PictureButtonsAccessible*> live = std::exchange(live_, {});
  for (PictureButtonsAccessible* object : live) {
    object->AddRef();
    object->Disconnect();
    object->Release();
  }
}

void PictureButtonsAccessibility::Forget(const PictureButtonsAccessible* object) {
  live_.erase(std::remove(live_.begin(), live_.end(), object), live_.end());
}

}  // namespace quillmark::win32

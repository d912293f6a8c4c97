// What a screen reader finds in the Windows edition's main window, through
// MSAA as a client reads it: the 94 shown emoji by their codes in catalogue
// order, the 26 message-only ones invisible, walked with accNavigate and
// listed whole by IEnumVARIANT, and a default action that puts the code into
// the comment as a click does, once the call has returned; the
// customer-service picture named QQ交谈, the account box 公众号, the labels as
// static text; an object held past the window's end answers an error. Run in
// the process that makes the window: Wine 8 answers E_NOINTERFACE to a client
// in another process.
#include <windows.h>

#include <Scintilla.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "controls/control_names.h"
#include "emoji/catalogue.h"
#include "win32/main_window.h"
#include "win32/wide_text.h"
#include "win32/win32_desktop.h"
#include "win32/window_builder.h"
#include "window/operations.h"

namespace quillmark {
namespace {

struct Child {
  std::string name;
  bool invisible;
  long id;
};

std::vector<Child> PushButtonChildren(IAccessible* client) {
  long count = 0;
  client->get_accChildCount(&count);
  std::vector<VARIANT> children(static_cast<std::size_t>(count));
  long obtained = 0;
  ::AccessibleChildren(client, 0, count, children.data(), &obtained);
  std::vector<Child> found;
  for (long i = 0; i < obtained; ++i) {
    VARIANT& child = children[static_cast<std::size_t>(i)];
    VARIANT role{};
    if (child.vt == VT_I4 && client->get_accRole(child, &role) == S_OK && role.vt == VT_I4 &&
        role.lVal == ROLE_SYSTEM_PUSHBUTTON) {
      BSTR name = nullptr;
      VARIANT state{};
      client->get_accName(child, &name);
      client->get_accState(child, &state);
      found.push_back({win32::Narrow(std::wstring_view(name, ::SysStringLen(name))),
                       (state.lVal & STATE_SYSTEM_INVISIBLE) != 0, child.lVal});
      ::SysFreeString(name);
    }
    ::VariantClear(&child);
  }
  return found;
}

std::string Code(const Emoji& emoji) { return std::string("[").append(emoji.label).append("]"); }

VARIANT Id(long id) {
  VARIANT child{};
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

std::string NameOf(IAccessible* object, long id) {
  BSTR name = nullptr;
  if (object->get_accName(Id(id), &name) != S_OK || name == nullptr) return {};
  std::string text = win32::Narrow(std::wstring_view(name, ::SysStringLen(name)));
  ::SysFreeString(name);
  return text;
}

long RoleOf(IAccessible* object, long id) {
  VARIANT role{};
  return object->get_accRole(Id(id), &role) == S_OK && role.vt == VT_I4 ? role.lVal : 0;
}

void RunPostedMessages() {
  MSG message{};
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) ::DispatchMessageW(&message);
}

IAccessible* ClientObject(HWND window) {
  IAccessible* object = nullptr;
  ::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                               reinterpret_cast<void**>(&object));
  return object;
}

TEST(ScreenReader, FindsTheEmojiByTheirCodesAndPressesThem) {
  ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  // Registered here unless an earlier test of the process has.
  Scintilla_RegisterClasses(::GetModuleHandleW(nullptr));
  const WindowDescription description = MainWindowDescription();
  std::unique_ptr<win32::MainWindow> window = win32::CreateMainWindow(description);
  ASSERT_NE(window, nullptr);
  win32::Win32Desktop desktop(window->Window());
  Operations operations(*window, *window->EditorFrame()->Editor(), desktop);
  win32::WireEvents(*window, description, operations);
  operations.OnMainWindowCreated();

  IAccessible* client = nullptr;
  ASSERT_EQ(::AccessibleObjectFromWindow(window->Window(), static_cast<DWORD>(OBJID_CLIENT),
                                         __uuidof(IAccessible), reinterpret_cast<void**>(&client)),
            S_OK);
  const std::vector<Child> children = PushButtonChildren(client);
  std::vector<std::string> shown;
  std::vector<std::string> hidden;
  for (const Child& child : children) (child.invisible ? hidden : shown).push_back(child.name);
  std::vector<std::string> expectedShown;
  std::vector<std::string> expectedHidden;
  for (const Emoji& emoji : EmojiCatalogue()) {
    (emoji.set == EmojiSet::MessageOnly ? expectedHidden : expectedShown).push_back(Code(emoji));
  }
  EXPECT_EQ(shown, expectedShown) << "the 94 shown codes in catalogue order";
  EXPECT_EQ(hidden, expectedHidden) << "the 26 message-only codes, invisible";

  // Object navigation, as NVDA walks: the first child, then each next one.
  std::vector<std::string> walked;
  VARIANT at{};
  ASSERT_EQ(client->accNavigate(NAVDIR_FIRSTCHILD, Id(CHILDID_SELF), &at), S_OK);
  while (at.vt == VT_I4) {
    walked.push_back(NameOf(client, at.lVal));
    const long from = at.lVal;
    if (client->accNavigate(NAVDIR_NEXT, Id(from), &at) != S_OK) break;
  }
  EXPECT_EQ(walked, expectedShown) << "FIRSTCHILD then NEXT over the shown codes in order";
  ASSERT_EQ(at.vt, VT_DISPATCH) << "then on into the window's own controls";
  ::VariantClear(&at);
  EXPECT_EQ(client->accNavigate(NAVDIR_PREVIOUS, Id(children.front().id), &at), S_FALSE);

  // Every child listed, and each the system's or this object's to answer.
  long count = 0;
  ASSERT_EQ(client->get_accChildCount(&count), S_OK);
  std::vector<VARIANT> listed(static_cast<std::size_t>(count));
  long obtained = 0;
  ASSERT_EQ(::AccessibleChildren(client, 0, count, listed.data(), &obtained), S_OK);
  EXPECT_EQ(obtained, count);
  EXPECT_GT(count, static_cast<long>(EmojiCatalogue().size()));
  for (long i = 0; i < obtained; ++i) {
    VARIANT& child = listed[static_cast<std::size_t>(i)];
    IDispatch* object = nullptr;
    const HRESULT asked = client->get_accChild(Id(i + 1), &object);
    if (child.vt == VT_I4) {
      EXPECT_EQ(asked, S_FALSE) << "child " << i + 1 << " is an emoji, a simple element";
      EXPECT_FALSE(NameOf(client, child.lVal).empty());
    } else {
      EXPECT_EQ(child.vt, VT_DISPATCH);
      EXPECT_EQ(asked, S_OK) << "child " << i + 1 << " is a control of its own";
    }
    if (object != nullptr) object->Release();
    ::VariantClear(&child);
  }

  // The default action returns before the click has run.
  CommentEditor& editor = *window->EditorFrame()->Editor();
  for (const Child& child : children) {
    if (child.name == "[微笑]") {
      EXPECT_EQ(client->accDoDefaultAction(Id(child.id)), S_OK);
    }
  }
  EXPECT_EQ(editor.GetText(editor.GetTextLength()), "");
  RunPostedMessages();
  EXPECT_EQ(editor.GetText(editor.GetTextLength()), "[微笑]");

  // The palette, the next stop after the comment: the emoji that the arrow
  // keys mark has the focus, as the focus events and accFocus tell, and
  // Enter inserts it.
  static std::vector<long> focusEvents;
  const HWINEVENTHOOK hook = ::SetWinEventHook(
      EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr,
      [](HWINEVENTHOOK, DWORD, HWND, LONG object, LONG child, DWORD, DWORD) {
        if (object == OBJID_CLIENT && child != CHILDID_SELF) focusEvents.push_back(child);
      },
      ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  HWND palette = ::GetNextDlgTabItem(window->Window(), window->EditorFrame()->Window(), FALSE);
  IAccessible* paletteObject = ClientObject(palette);
  ASSERT_NE(paletteObject, nullptr);
  EXPECT_EQ(NameOf(paletteObject, CHILDID_SELF), "表情") << "what is said as the focus arrives";
  paletteObject->Release();
  ::SetFocus(palette);
  for (const WPARAM key : {VK_RIGHT, VK_RIGHT}) ::SendMessageW(palette, WM_KEYDOWN, key, 1);
  RunPostedMessages();
  VARIANT focus{};
  ASSERT_EQ(client->get_accFocus(&focus), S_OK);
  ASSERT_EQ(focus.vt, VT_I4);
  EXPECT_EQ(NameOf(client, focus.lVal), "[奸笑]")
      << "Ctrl+Tab, Right, Right: the third of the top row";
  VARIANT state{};
  client->get_accState(Id(focus.lVal), &state);
  EXPECT_NE(state.lVal & STATE_SYSTEM_FOCUSED, 0);
  ASSERT_FALSE(focusEvents.empty()) << "no EVENT_OBJECT_FOCUS for an emoji";
  EXPECT_EQ(focusEvents.back(), focus.lVal);
  ::UnhookWinEvent(hook);
  ::SendMessageW(palette, WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_EQ(editor.GetText(editor.GetTextLength()), "[微笑][奸笑]");

  // The customer-service picture, a window of its own, is a push button too.
  IAccessible* service = nullptr;
  ASSERT_EQ(::AccessibleObjectFromWindow(window->Control("图形按钮_联系客服"),
                                         static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&service)),
            S_OK);
  const std::vector<Child> buttons = PushButtonChildren(service);
  ASSERT_EQ(buttons.size(), 1u);
  EXPECT_EQ(buttons.front().name, "QQ交谈");
  service->Release();

  // The account box by what it holds, without the label's colon.
  IAccessible* account = nullptr;
  ASSERT_EQ(::AccessibleObjectFromWindow(window->Control(control_names::kAccountNameBox),
                                         static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&account)),
            S_OK);
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR accountName = nullptr;
  VARIANT role{};
  EXPECT_EQ(account->get_accName(self, &accountName), S_OK);
  EXPECT_EQ(account->get_accRole(self, &role), S_OK);
  EXPECT_EQ(win32::Narrow(std::wstring_view(accountName, ::SysStringLen(accountName))), "公众号");
  EXPECT_EQ(role.lVal, ROLE_SYSTEM_TEXT) << "still the system's edit box in all else";
  ::SysFreeString(accountName);
  account->Release();

  // The labels: static text with their captions.
  for (const std::string_view label :
       {control_names::kWarningLabel, control_names::kAccountNameCaption}) {
    IAccessible* object = ClientObject(window->Control(label));
    ASSERT_NE(object, nullptr) << label;
    EXPECT_EQ(RoleOf(object, CHILDID_SELF), ROLE_SYSTEM_STATICTEXT) << label;
    EXPECT_EQ(NameOf(object, CHILDID_SELF), window->ControlText(label)) << label;
    object->Release();
  }

  // An object that a screen reader still holds once the window is gone.
  window.reset();
  long left = 0;
  EXPECT_EQ(client->get_accChildCount(&left), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(client->accDoDefaultAction(Id(1)), CO_E_OBJNOTCONNECTED);
  VARIANT nowhere{};
  EXPECT_EQ(client->accNavigate(NAVDIR_FIRSTCHILD, Id(CHILDID_SELF), &nowhere),
            CO_E_OBJNOTCONNECTED);
  client->Release();
}

}  // namespace
}  // namespace quillmark

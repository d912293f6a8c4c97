// What a screen reader finds in the Windows edition's main window, through
// MSAA as a client reads it: the 94 shown emoji by their codes in catalogue
// order, the 26 message-only ones invisible, and a default action that puts
// the code into the comment as a click does; the customer-service picture
// named QQ交谈, the account box 公众号. Run in the process that makes the
// window: Wine 8 answers E_NOINTERFACE to a client in another process.
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

TEST(ScreenReader, FindsTheEmojiByTheirCodesAndPressesThem) {
  ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  ASSERT_NE(Scintilla_RegisterClasses(::GetModuleHandleW(nullptr)), 0);
  const WindowDescription description = MainWindowDescription();
  const std::unique_ptr<win32::MainWindow> window = win32::CreateMainWindow(description);
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

  for (const Child& child : children) {
    if (child.name != "[微笑]") continue;
    VARIANT id{};
    id.vt = VT_I4;
    id.lVal = child.id;
    EXPECT_EQ(client->accDoDefaultAction(id), S_OK);
  }
  CommentEditor& editor = *window->EditorFrame()->Editor();
  EXPECT_EQ(editor.GetText(editor.GetTextLength()), "[微笑]");
  client->Release();

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
}

}  // namespace
}  // namespace quillmark

#include "win32/window_builder.h"

#include <commctrl.h>

#include "win32/accessible_name.h"
#include "win32/wide_text.h"
#include "window/start_up.h"

namespace quillmark::win32 {
namespace {

RECT PlaceOf(const ElementRecord& record) {
  return {record.left, record.top, record.left + record.width, record.top + record.height};
}

DWORD CommonStyle(const ElementRecord& record) {
  DWORD style = WS_CHILD;
  if (record.visible) style |= WS_VISIBLE;
  if (record.disabled) style |= WS_DISABLED;
  if (record.tabStop) style |= WS_TABSTOP;
  return style;
}

HWND MakeStandardControl(const ElementRecord& record, HWND parent, const wchar_t* className,
                         DWORD style, DWORD extendedStyle = 0) {
  const RECT place = PlaceOf(record);
  return ::CreateWindowExW(extendedStyle, className, Widen(record.properties.caption).c_str(),
                           CommonStyle(record) | style, place.left, place.top, record.width,
                           record.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(record.id)),
                           ::GetModuleHandleW(nullptr), nullptr);
}

// The side panel's controls report to the group box that holds them; it
// passes their notifications and colour questions on to the main window.
LRESULT CALLBACK ForwardToMainWindow(HWND groupBox, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR /*id*/, DWORD_PTR mainWindow) {
  switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
      return ::SendMessageW(reinterpret_cast<HWND>(mainWindow), message, wParam, lParam);
    default:
      return ::DefSubclassProc(groupBox, message, wParam, lParam);
  }
}

// A radio button directly after another joins its group: a click checks it
// and unchecks the others.
HWND MakeCheckable(const ElementRecord& record, HWND parent, DWORD style, bool joinsGroup) {
  HWND control = MakeStandardControl(
      record, parent, WC_BUTTONW, style | BS_VCENTER | BS_MULTILINE | (joinsGroup ? 0 : WS_GROUP));
  ::SendMessageW(control, BM_SETCHECK, record.properties.checked ? BST_CHECKED : BST_UNCHECKED, 0);
  return control;
}

HWND MakeControl(MainWindow& window, const ElementRecord& record, HWND parent,
                 ElementKind previousKind) {
  const RECT place = PlaceOf(record);
  switch (record.kind) {
    case ElementKind::PushButton:
      return MakeStandardControl(record, parent, WC_BUTTONW,
                                 BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE | WS_GROUP);
    case ElementKind::CheckBox:
      return MakeCheckable(record, parent, BS_AUTOCHECKBOX | BS_CENTER, false);
    case ElementKind::RadioButton:
      return MakeCheckable(record, parent, BS_AUTORADIOBUTTON | BS_LEFT,
                           previousKind == ElementKind::RadioButton);
    case ElementKind::EditBox: {
      HWND control = MakeStandardControl(record, parent, WC_EDITW,
                                         ES_LEFT | ES_AUTOHSCROLL | WS_GROUP, WS_EX_CLIENTEDGE);
      if (control != nullptr && !record.properties.accessibleName.empty()) {
        SetAccessibleName(control, Widen(record.properties.accessibleName));
      }
      return control;
    }
    case ElementKind::Label:
    case ElementKind::TransparentLabel: {
      auto label = std::make_unique<CaptionLabel>(parent, static_cast<int>(record.id), place,
                                                  record.properties.caption,
                                                  record.kind == ElementKind::Label);
      HWND control = label->Window();
      window.Keep(std::move(label));
      return control;
    }
    case ElementKind::GroupBox: {
      HWND control =
          MakeStandardControl(record, parent, WC_BUTTONW, BS_GROUPBOX, WS_EX_CONTROLPARENT);
      ::SetWindowSubclass(control, &ForwardToMainWindow, 1,
                          reinterpret_cast<DWORD_PTR>(window.Window()));
      return control;
    }
    case ElementKind::PictureButton: {
      auto button = std::make_unique<PictureButton>(parent, static_cast<int>(record.id), place,
                                                    record.properties.picture,
                                                    record.properties.accessibleName);
      HWND control = button->Window();
      window.Keep(std::move(button));
      return control;
    }
    case ElementKind::CodeEditBox: {
      auto editor =
          std::make_unique<CommentEditorFrame>(parent, static_cast<int>(record.id), place);
      HWND control = editor->Editor() ? editor->Window() : nullptr;
      window.Keep(std::move(editor));
      return control;
    }
    case ElementKind::Window:
      break;
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<MainWindow> CreateMainWindow(const WindowDescription& description) {
  if (description.empty() || description.front().kind != ElementKind::Window) return nullptr;
  auto window = std::make_unique<MainWindow>(description.front().properties.caption, kClientWidth,
                                             kClientHeight);
  if (window->Window() == nullptr) return nullptr;
  const auto font = reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT));
  std::map<std::uint32_t, HWND> built{{description.front().id, window->Window()}};
  for (std::size_t i = 1; i < description.size(); ++i) {
    const ElementRecord& record = description[i];
    const auto parent = built.find(record.parent);
    if (parent == built.end()) return nullptr;
    if (record.kind == ElementKind::PictureButton && record.parent == description.front().id) {
      window->AddPictureButton(record.name, static_cast<int>(record.id), PlaceOf(record),
                               record.properties.picture, record.visible,
                               record.properties.accessibleName);
      continue;
    }
    HWND control = MakeControl(*window, record, parent->second, description[i - 1].kind);
    if (control == nullptr) return nullptr;
    ::SendMessageW(control, WM_SETFONT, font, FALSE);
    if (record.visible && (::GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) == 0) {
      ::ShowWindow(control, SW_SHOWNA);
    }
    window->AddControl(record.name, control, PlaceOf(record));
    built.emplace(record.id, control);
  }
  window->AddPaletteFocus();
  return window;
}

void WireEvents(MainWindow& window, const WindowDescription& description, Operations& operations) {
  ForEachEventHandler(
      description, operations,
      [&window](const ElementRecord& record, EventKind event, std::function<void()> handler) {
        if (event == EventKind::Click) {
          window.OnClick(static_cast<int>(record.id), std::move(handler));
        } else if (HWND control = window.Control(record.name);
                   event == EventKind::LeftButtonPress && control != nullptr) {
          window.OnLeftButtonPress(control, std::move(handler));
        }
      });
}

}  // namespace quillmark::win32

#include "win32/comment_editor_frame.h"

#include <Scintilla.h>
#include <commctrl.h>
#include <windowsx.h>

#include "editor/context_menu.h"
#include "editor/scintilla_messages.h"
#include "win32/handles.h"
#include "win32/picture_buttons.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"
#include "window/display_scale.h"

namespace quillmark::win32 {
namespace {

constexpr const wchar_t* kClassName = L"QuillmarkCommentEditor";
constexpr std::uintptr_t kPopUpNever = 0;

// Scintilla's messages as they arrive, for the composition's beginning and end.
LRESULT CALLBACK ObserveComposition(HWND scintilla, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR /*id*/, DWORD_PTR composition) {
  reinterpret_cast<CompositionEnding*>(composition)->Observe(message);
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(scintilla, &ObserveComposition, 1);
  return ::DefSubclassProc(scintilla, message, wParam, lParam);
}

}  // namespace

ScintillaDirect DirectOf(HWND scintilla) {
  // Scintilla hands its direct function out as an integer message result.
  const LRESULT function = ::SendMessageW(scintilla, sci::kGetDirectFunction, 0, 0);
  return {
      reinterpret_cast<ScintillaDirect::Function>(function),  // NOLINT(performance-no-int-to-ptr)
      static_cast<std::intptr_t>(::SendMessageW(scintilla, sci::kGetDirectPointer, 0, 0))};
}

CommentEditorFrame::CommentEditorFrame(HWND parent, int id, const RECT& place,
                                       std::unique_ptr<InputContext> context)
    : context_(std::move(context)) {
  RegisterOwnerClass<CommentEditorFrame>(kClassName, 0, -1);
  ::CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_TABSTOP | WS_CLIPCHILDREN, place.left,
                    place.top, place.right - place.left, place.bottom - place.top, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                    this);
  if (window_ != nullptr) CreateScintilla();
}

void CommentEditorFrame::CreateScintilla() {
  RECT client{};
  ::GetClientRect(window_, &client);
  scintilla_ = ::CreateWindowExW(
      0, L"Scintilla", L"", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | WS_CLIPCHILDREN, 0, 0,
      client.right, client.bottom, window_, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  if (scintilla_ == nullptr) return;
  composition_ = std::make_unique<CompositionEnding>(
      scintilla_, context_ != nullptr ? std::move(context_) : ImmInputContext(scintilla_));
  ::SetWindowSubclass(scintilla_, &ObserveComposition, 1,
                      reinterpret_cast<DWORD_PTR>(composition_.get()));
  // Scintilla's own menu is in English; the frame shows the Chinese one.
  ::SendMessageW(scintilla_, sci::kUsePopUp, kPopUpNever, 0);
  // The composition is drawn in the comment, where the characters will stand.
  ::SendMessageW(scintilla_, sci::kSetImeInteraction, sci::kImeInline, 0);
  // A Scintilla that failed to set itself up answers nothing; the window
  // cannot be made without it.
  const ScintillaDirect direct = DirectOf(scintilla_);
  if (direct.function == nullptr) return;
  editor_.emplace(direct, [this] { CommitComposition(); });
  // The completion list is drawn in the window colours, its pictures over them.
  completion_.emplace(
      direct,
      [this](const Emoji& emoji) {
        return LoadPictureResource(EmojiPicturePath(emoji), ::GetSysColor(COLOR_WINDOW),
                                   dotsPerInch_);
      },
      EmojiCompletion::RgbaRegistration(direct));
}

LRESULT CommentEditorFrame::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFOCUS:
      if (scintilla_ != nullptr) ::SetFocus(scintilla_);
      return 0;
    case WM_SIZE:
      if (scintilla_ != nullptr) {
        ::MoveWindow(scintilla_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      }
      return 0;
    case WM_CONTEXTMENU:
      ShowContextMenu(lParam);
      return 0;
    case WM_NOTIFY:
      Notified(*reinterpret_cast<const NMHDR*>(lParam));
      return 0;
    case WM_SYSCOLORCHANGE:
      if (completion_) completion_->PicturesChanged();
      return 0;
    default:
      return ::DefWindowProcW(window_, message, wParam, lParam);
  }
}

void CommentEditorFrame::Notified(const NMHDR& header) {
  if (header.hwndFrom != scintilla_ || !completion_) return;
  const auto& notification = reinterpret_cast<const SCNotification&>(header);
  if (header.code == SCN_CHARADDED) {
    completion_->CharacterAdded(notification.characterSource != SC_CHARACTERSOURCE_TENTATIVE_INPUT);
  } else if (header.code == SCN_AUTOCSELECTION && notification.text != nullptr) {
    completion_->ItemChosen(notification.text);
  }
}

void CommentEditorFrame::SetDotsPerInch(int dotsPerInch) {
  dotsPerInch_ = dotsPerInch;
  if (completion_) completion_->PicturesChanged();
  if (!editor_) return;
  editor_->Scintilla().Send(sci::kSetMarginWidthN, 0,
                            ScaledLength(kLineNumberMarginWidth, dotsPerInch));
}

void CommentEditorFrame::ShowContextMenu(LPARAM screenPoint) {
  if (!editor_) return;
  POINT point{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
  if (point.x == -1 && point.y == -1) {  // from the keyboard: at the window's corner
    point = {0, 0};
    ::ClientToScreen(scintilla_, &point);
  }
  const bool clipboardHoldsText = ::IsClipboardFormatAvailable(CF_UNICODETEXT) != 0;
  const UniqueMenu menu(::CreatePopupMenu());
  for (const ContextMenuItem& item : CommentContextMenu(editor_->Scintilla(), clipboardHoldsText)) {
    if (item.IsSeparator()) {
      ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    ::AppendMenuW(menu.get(), MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), item.message,
                  Widen(item.caption).c_str());
  }
  const auto chosen = static_cast<unsigned int>(::TrackPopupMenu(
      menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, 0, window_, nullptr));
  if (chosen != 0) editor_->Scintilla().Send(chosen);
}

void CommentEditorFrame::CommitComposition() {
  if (composition_ != nullptr) composition_->End();
}

}  // namespace quillmark::win32

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The fixed data from which the main window and its 132 controls are built.
namespace quillmark {

enum class ElementKind {
  Window,
  PushButton,
  CheckBox,
  RadioButton,
  EditBox,
  Label,
  TransparentLabel,
  GroupBox,
  PictureButton,
  CodeEditBox,
};

enum class EventKind { WindowCreated, Click, LeftButtonPress };

enum class Operation {
  OnMainWindowCreated,
  CopyComment,
  ClearComment,
  ClearAccountName,
  ExportComment,
  ContactCustomerService,
  ApplyPaletteMode,
  InsertEmoji,
};

struct EventBinding {
  EventKind event;
  Operation operation;
  bool operator==(const EventBinding&) const = default;
};

struct KindProperties {
  std::string caption;   // UTF-8
  bool checked = false;  // radio buttons and check boxes
  std::string picture;   // a picture button's normal picture, as its path under the source tree
  int emojiNumber = 0;   // the catalogue entry of an emoji button
  // What a screen reader calls a control whose caption does not say it: a
  // picture, or a box named by the label beside it. UTF-8.
  std::string accessibleName;
};

struct ElementRecord {
  std::uint32_t id = 0;
  ElementKind kind = ElementKind::Window;
  std::string name;          // UTF-8; empty for the window
  std::uint32_t parent = 0;  // 0 for the window
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool visible = true;
  bool disabled = false;
  bool tabStop = false;
  std::vector<EventBinding> events;
  KindProperties properties;
};

using WindowDescription = std::vector<ElementRecord>;

inline constexpr std::uint32_t kMainWindowId = 1;
// The window's outer size and the fixed frame around its client area.
inline constexpr int kWindowOuterWidth = 686;
inline constexpr int kWindowOuterHeight = 565;
inline constexpr int kWindowFrameWidth = 3;
inline constexpr int kWindowCaptionHeight = 23;
inline constexpr int kClientWidth = kWindowOuterWidth - 2 * kWindowFrameWidth;
inline constexpr int kClientHeight =
    kWindowOuterHeight - 2 * kWindowFrameWidth - kWindowCaptionHeight;

// The main window's description: the window first, then its controls.
WindowDescription MainWindowDescription();

// Why a description cannot be used (duplicate ids or names, a missing parent,
// a control outside its parent, two overlapping controls), or nothing.
std::optional<std::string> FindDescriptionFault(const WindowDescription& description);

// The description once it has passed validation; nothing when it has not.
std::optional<WindowDescription> ReadWindowDescription(const WindowDescription& description);

}  // namespace quillmark

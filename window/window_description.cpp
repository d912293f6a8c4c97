#include "window/window_description.h"

#include <map>
#include <set>

#include "controls/control_names.h"
#include "emoji/catalogue.h"

namespace quillmark {
namespace {

namespace names = control_names;

constexpr std::uint32_t kSidePanelId = 3;
constexpr std::uint32_t kFirstEmojiId = 1000;

EventBinding On(EventKind event, Operation operation) { return {event, operation}; }

ElementRecord Control(std::uint32_t id, ElementKind kind, std::string_view name,
                      std::uint32_t parent, int left, int top, int width, int height) {
  ElementRecord record;
  record.id = id;
  record.kind = kind;
  record.name = std::string(name);
  record.parent = parent;
  record.left = left;
  record.top = top;
  record.width = width;
  record.height = height;
  return record;
}

ElementRecord MainWindowRecord() {
  ElementRecord window = Control(kMainWindowId, ElementKind::Window, "", 0, 50, 50,
                                 kWindowOuterWidth, kWindowOuterHeight);
  window.properties.caption = "Velmora - Quillmark v4.0";
  window.events = {On(EventKind::WindowCreated, Operation::OnMainWindowCreated)};
  return window;
}

std::vector<ElementRecord> SidePanelAndEditor() {
  using enum ElementKind;
  std::vector<ElementRecord> records;
  auto add = [&records](ElementRecord record, std::string_view caption, bool tabStop) {
    record.properties.caption = std::string(caption);
    record.tabStop = tabStop;
    records.push_back(std::move(record));
    return &records.back();
  };
  add(Control(2, CodeEditBox, names::kCommentEditor, kMainWindowId, 8, 8, 656, 208), "", true);
  add(Control(kSidePanelId, GroupBox, names::kSidePanel, kMainWindowId, 496, 223, 168, 304), "",
      false);
  ElementRecord* commentRadio =
      add(Control(4, RadioButton, names::kCommentEmojiRadio, kSidePanelId, 8, 8, 152, 27),
          "留言区表情", true);
  commentRadio->properties.checked = true;
  commentRadio->events = {On(EventKind::Click, Operation::ApplyPaletteMode)};
  ElementRecord* messageRadio =
      add(Control(5, RadioButton, names::kMessageEmojiRadio, kSidePanelId, 8, 37, 152, 27),
          "微信消息表情", true);
  messageRadio->disabled = true;
  messageRadio->events = {On(EventKind::Click, Operation::ApplyPaletteMode)};
  add(Control(6, Label, names::kWarningLabel, kSidePanelId, 8, 73, 152, 27),
      "(部分表情不能在留言区显示，请注意使用）", false);
  add(Control(7, PushButton, names::kCopyButton, kSidePanelId, 8, 108, 72, 31), "复制留言", true)
      ->events = {On(EventKind::Click, Operation::CopyComment)};
  add(Control(8, PushButton, names::kClearButton, kSidePanelId, 81, 108, 72, 31), "清空留言", true)
      ->events = {On(EventKind::Click, Operation::ClearComment)};
  add(Control(9, TransparentLabel, names::kAccountNameCaption, kSidePanelId, 8, 151, 40, 24),
      "公众号：", false);
  ElementRecord* accountName =
      add(Control(10, EditBox, names::kAccountNameBox, kSidePanelId, 56, 151, 96, 24), "", true);
  accountName->events = {On(EventKind::LeftButtonPress, Operation::ClearAccountName)};
  accountName->properties.accessibleName = "公众号";
  add(Control(11, CheckBox, names::kOpenFolderCheckBox, kSidePanelId, 8, 186, 126, 16),
      "打开TXT文档目录", true)
      ->properties.checked = true;
  add(Control(12, PushButton, names::kExportButton, kSidePanelId, 8, 215, 144, 46), "导出TXT文本",
      true)
      ->events = {On(EventKind::Click, Operation::ExportComment)};
  ElementRecord* customerService =
      add(Control(13, PictureButton, names::kCustomerServiceButton, kSidePanelId, 40, 271, 77, 22),
          "", false);
  customerService->properties.picture = "resources/customer_service.png";
  customerService->properties.accessibleName = "QQ交谈";
  customerService->events = {On(EventKind::Click, Operation::ContactCustomerService)};
  return records;
}

ElementRecord EmojiButtonRecord(const Emoji& emoji) {
  const GridPlace place = EmojiGridPlace(emoji.number);
  ElementRecord record =
      Control(kFirstEmojiId + static_cast<std::uint32_t>(emoji.number), ElementKind::PictureButton,
              EmojiButtonName(emoji), kMainWindowId, place.left, place.top, kEmojiSize, kEmojiSize);
  record.properties.picture = EmojiPicturePath(emoji);
  record.properties.emojiNumber = emoji.number;
  // Named by the code it inserts; built by appending, which GCC 12 does not
  // misread as an overlapping copy.
  record.properties.accessibleName.append("[").append(emoji.label).append("]");
  record.events = {On(EventKind::Click, Operation::InsertEmoji)};
  return record;
}

struct Rectangle {
  int left, top, right, bottom;
  [[nodiscard]] bool Overlaps(const Rectangle& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
};

struct ClientSize {
  int width, height;
};

ClientSize ClientOf(const ElementRecord& record) {
  if (record.kind == ElementKind::Window) return {kClientWidth, kClientHeight};
  return {record.width, record.height};
}

}  // namespace

WindowDescription MainWindowDescription() {
  WindowDescription description{MainWindowRecord()};
  for (ElementRecord& record : SidePanelAndEditor()) description.push_back(std::move(record));
  for (const Emoji& emoji : EmojiCatalogue()) description.push_back(EmojiButtonRecord(emoji));
  return description;
}

std::optional<std::string> FindDescriptionFault(const WindowDescription& description) {
  if (description.empty() || description.front().kind != ElementKind::Window) {
    return "the description does not begin with the window";
  }
  std::map<std::uint32_t, const ElementRecord*> byId;
  std::set<std::string> namesSeen;
  for (const ElementRecord& record : description) {
    if (!byId.emplace(record.id, &record).second) {
      return "duplicate element id " + std::to_string(record.id);
    }
    if (!namesSeen.insert(record.name).second) return "duplicate name " + record.name;
  }
  std::map<std::uint32_t, Rectangle> absolute;
  for (const ElementRecord& record : description) {
    if (&record == &description.front()) continue;
    if (record.kind == ElementKind::Window) return "a second window " + record.name;
    const auto parent = byId.find(record.parent);
    if (parent == byId.end() || record.parent == record.id) return "no parent for " + record.name;
    const ClientSize client = ClientOf(*parent->second);
    if (record.width <= 0 || record.height <= 0 || record.left < 0 || record.top < 0 ||
        record.left + record.width > client.width || record.top + record.height > client.height) {
      return record.name + " lies outside its parent";
    }
    const auto parentOrigin = absolute.find(record.parent);
    const int originLeft = parentOrigin == absolute.end() ? 0 : parentOrigin->second.left;
    const int originTop = parentOrigin == absolute.end() ? 0 : parentOrigin->second.top;
    if (parent->second->kind != ElementKind::Window && parentOrigin == absolute.end()) {
      return "the parent of " + record.name + " comes after it";
    }
    absolute[record.id] = {originLeft + record.left, originTop + record.top,
                           originLeft + record.left + record.width,
                           originTop + record.top + record.height};
  }
  const auto isAncestor = [&byId](std::uint32_t ancestor, std::uint32_t id) {
    for (std::uint32_t at = byId.at(id)->parent; at != 0; at = byId.at(at)->parent) {
      if (at == ancestor) return true;
    }
    return false;
  };
  for (auto first = absolute.begin(); first != absolute.end(); ++first) {
    for (auto second = std::next(first); second != absolute.end(); ++second) {
      if (first->second.Overlaps(second->second) && !isAncestor(first->first, second->first) &&
          !isAncestor(second->first, first->first)) {
        return byId.at(first->first)->name + " overlaps " + byId.at(second->first)->name;
      }
    }
  }
  return std::nullopt;
}

std::optional<WindowDescription> ReadWindowDescription(const WindowDescription& description) {
  if (FindDescriptionFault(description)) return std::nullopt;
  return description;
}

}  // namespace quillmark

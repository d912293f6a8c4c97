#pragma once

#include <string_view>

// Names by which the program reaches the main window's controls.
namespace quillmark::control_names {

inline constexpr std::string_view kCommentEditor = "代码编辑框";
inline constexpr std::string_view kSidePanel = "分组框1";
inline constexpr std::string_view kCommentEmojiRadio = "单选框1_留言表情";
inline constexpr std::string_view kMessageEmojiRadio = "单选框2_所有表情";
inline constexpr std::string_view kWarningLabel = "标签1";
inline constexpr std::string_view kCopyButton = "按钮1_复制文本";
inline constexpr std::string_view kClearButton = "按钮3_清空留言";
inline constexpr std::string_view kAccountNameCaption = "透明标签1";
inline constexpr std::string_view kAccountNameBox = "编辑框_文件名";
inline constexpr std::string_view kOpenFolderCheckBox = "选择框_打开TXT文件位置";
inline constexpr std::string_view kExportButton = "按钮2_导出TXT";
inline constexpr std::string_view kCustomerServiceButton = "图形按钮_联系客服";

}  // namespace quillmark::control_names

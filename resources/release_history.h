#pragma once

#include <array>
#include <string_view>

// The change history kept in the program's version information, one line per release.
namespace quillmark {

inline constexpr std::array<std::string_view, 5> kReleaseHistory = {
    "v2.2 修复编码bug，更改导出配置", "v2.4 复制乱码修复", "v3.0 去空行文本，统计有效评论数",
    "v3.2 禁止消息表情", "v4.0 修复置文本 bug"};

}  // namespace quillmark

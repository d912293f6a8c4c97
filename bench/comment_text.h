#pragma once

#include <random>
#include <string>

// A UTF-8 comment of mixed Chinese and ASCII lines, about 30% of them blank,
// with CR LF line ends, made to the size asked for.
namespace quillmark::bench {

inline std::string MakeComment(std::size_t bytes) {
  static const char* const kLines[] = {
      "这篇文章写得真好，学到了很多[微笑]",
      "Great read, thanks for sharing!",
      "支持一下[强][强]，期待下一篇",
      "第3点我有不同看法: the data from 2024 says otherwise",
      "转发给朋友们看看[玫瑰]",
  };
  std::mt19937 random(7);
  std::uniform_int_distribution<int> percent(0, 99);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(kLines) - 1);
  std::string text;
  text.reserve(bytes + 128);
  while (text.size() < bytes) {
    if (percent(random) >= 30) text += kLines[pick(random)];
    text += "\r\n";
  }
  text.resize(bytes);
  // Keep the last character whole.
  while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) text.pop_back();
  if (!text.empty() && static_cast<unsigned char>(text.back()) >= 0xC0) text.pop_back();
  return text;
}

}  // namespace quillmark::bench

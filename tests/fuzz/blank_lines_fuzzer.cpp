// The clean-up deletes exactly the bytes that its byte rule names.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/core/blank_line_rule.h"
#include "text/blank_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  // The clean-up reads a text up to its first zero byte.
  const std::string text(quillmark::TextOf(bytes));
  // Bytes that are not GBK decode to "?" and would not come back as they were.
  const std::string gbk = quillmark::Utf8ToGbk(quillmark::GbkToUtf8(text));
  if (quillmark::RemoveBlankLines(gbk) != quillmark::testing::ExpectedByTheByteRule(gbk)) {
    std::abort();
  }
  return 0;
}

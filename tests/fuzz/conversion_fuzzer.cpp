// Every conversion on arbitrary bytes: nothing reads or writes out of bounds,
// and a GBK text that the conversions made comes back unchanged from a round
// through UTF-8.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "text/conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillmark;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::span<const std::uint8_t> set(data, size);

  const Text gbk = Utf8ToGbk(bytes);
  if (Utf8ToGbk(GbkToUtf8(gbk)) != gbk) std::abort();
  if (gbk.find('\0') != std::string::npos) std::abort();
  (void)GbkToUtf8(bytes);
  (void)GbkToUtf8Bytes(bytes);
  (void)GbkToUtf16(bytes);
  (void)Utf16ToUtf8Bytes(set);
  (void)Utf16ToText(set, kUtf8CodePage);
  (void)Utf16ToText(set, kGbkCodePage);
  const ByteSet units = TextToUtf16(bytes, kUtf8CodePage);
  if (units.size() < 2 || units[units.size() - 1] != 0 || units[units.size() - 2] != 0)
    std::abort();
  (void)TextToUtf16(bytes, kGbkCodePage);
  return 0;
}

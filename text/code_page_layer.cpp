#include "text/code_page_layer.h"

#include <unicode/ustring.h>

#include <algorithm>
#include <cstring>
#include <string_view>

#include "text/gbk_tables.h"

namespace quillmark {
namespace {

bool IsGbk(unsigned codePage) { return codePage == kAnsiCodePage || codePage == kGbkCodePage; }

bool IsKnown(unsigned codePage) { return IsGbk(codePage) || codePage == kUtf8CodePage; }

// The platform's result: the count written or needed, or 0 when the output was
// given and is too small.
int ResultOf(std::size_t needed, int capacity) {
  if (needed > static_cast<std::size_t>(INT32_MAX)) return 0;
  if (capacity > 0 && needed > static_cast<std::size_t>(capacity)) return 0;
  return static_cast<int>(needed);
}

std::size_t DecodeUtf8(std::string_view bytes, char16_t* out, int capacity) {
  int32_t needed = 0;
  UErrorCode error = U_ZERO_ERROR;
  u_strFromUTF8WithSub(out, capacity, &needed, bytes.data(), static_cast<int32_t>(bytes.size()),
                       0xFFFD, nullptr, &error);
  return static_cast<std::size_t>(needed);
}

std::size_t EncodeUtf8(std::u16string_view units, char* out, int capacity) {
  int32_t needed = 0;
  UErrorCode error = U_ZERO_ERROR;
  u_strToUTF8WithSub(out, capacity, &needed, units.data(), static_cast<int32_t>(units.size()),
                     0xFFFD, nullptr, &error);
  return static_cast<std::size_t>(needed);
}

}  // namespace

int MultiByteToWideChar(unsigned codePage, std::uint32_t /*flags*/, const char* input,
                        int inputLength, char16_t* output, int outputCapacity) {
  if (!IsKnown(codePage) || input == nullptr || inputLength == 0 || inputLength < -1) return 0;
  if (outputCapacity < 0 || (outputCapacity > 0 && output == nullptr)) return 0;
  const std::string_view bytes(
      input, inputLength == -1 ? std::strlen(input) + 1 : static_cast<std::size_t>(inputLength));
  const std::size_t needed =
      IsGbk(codePage)
          ? GbkTables::Get().Decode(bytes, output, static_cast<std::size_t>(outputCapacity))
          : DecodeUtf8(bytes, output, outputCapacity);
  return ResultOf(needed, outputCapacity);
}

int WideCharToMultiByte(unsigned codePage, std::uint32_t /*flags*/, const char16_t* input,
                        int inputLength, char* output, int outputCapacity) {
  if (!IsKnown(codePage) || input == nullptr || inputLength == 0 || inputLength < -1) return 0;
  if (outputCapacity < 0 || (outputCapacity > 0 && output == nullptr)) return 0;
  const std::u16string_view units(input, inputLength == -1
                                             ? std::char_traits<char16_t>::length(input) + 1
                                             : static_cast<std::size_t>(inputLength));
  const std::size_t needed =
      IsGbk(codePage)
          ? GbkTables::Get().Encode(units, output, static_cast<std::size_t>(outputCapacity))
          : EncodeUtf8(units, output, outputCapacity);
  return ResultOf(needed, outputCapacity);
}

int BoundedStringLength(const char16_t* units, int limit) {
  if (units == nullptr || limit <= 0) return 0;
  const char16_t* end = std::find(units, units + limit, u'\0');
  return static_cast<int>(end - units);
}

}  // namespace quillmark

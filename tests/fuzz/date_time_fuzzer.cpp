// FormatDateTime with any double, style and kind: a text exactly when the value
// is a date, never longer than the longest pattern gives.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "actions/date_time_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < sizeof(double) + 2 * sizeof(std::int32_t)) return 0;
  double value = 0;
  std::int32_t style = 0;
  std::int32_t kind = 0;
  std::memcpy(&value, data, sizeof value);
  std::memcpy(&style, data + sizeof value, sizeof style);
  std::memcpy(&kind, data + sizeof value + sizeof style, sizeof kind);
  const quillmark::Text text = quillmark::FormatDateTime(value, style, kind);
  const bool isDate = quillmark::CalendarFromAutomationDate(value).has_value();
  if (text.empty() == isDate) std::abort();
  if (text.size() > 27 || text.find('\0') != std::string::npos) std::abort();
  return 0;
}

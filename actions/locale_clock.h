#pragma once

namespace quillmark {

// The user's clock setting from the locale, written as text the way the
// platform's locale query writes LOCALE_ITIME: "1" for the 24-hour clock,
// "0" for the 12-hour clock. Read anew on every call.
void ReadLocaleClockSetting(char* buffer, int size);

}  // namespace quillmark

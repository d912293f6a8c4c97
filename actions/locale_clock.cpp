#include "actions/locale_clock.h"

#include <QLocale>

namespace quillmark {

void ReadLocaleClockSetting(char* buffer, int size) {
  if (buffer == nullptr || size < 2) return;
  // A locale shows the 24-hour clock when its time format writes hours with H.
  const QString format = QLocale::system().timeFormat(QLocale::ShortFormat);
  buffer[0] = format.contains(QLatin1Char('H')) ? '1' : '0';
  buffer[1] = '\0';
}

}  // namespace quillmark

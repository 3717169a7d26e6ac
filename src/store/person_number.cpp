#include "store/person_number.h"

namespace kinvale {

int NumberValue(QStringView text) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  int value = 0;
  for (; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c < u'0' || c > u'9') break;
    if (value > 100000000) break;  // stays far from overflow; no person number is that long
    value = value * 10 + (c.unicode() - u'0');
  }
  return value;
}

QString FormatPersonNumber(int value) {
  return QStringLiteral("%1").arg(value, 4, 10, QLatin1Char('0'));
}

}  // namespace kinvale

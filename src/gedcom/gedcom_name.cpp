#include "gedcom/gedcom_name.h"

namespace kinvale {

namespace {

const QString kFileNameChars = QStringLiteral("\"\\/:*?<>|");

}  // namespace

QString CapitaliseWord(QStringView word) {
  if (word.isEmpty()) return {};
  QString result = word.first(1).toString();
  for (QChar c : word.sliced(1)) {
    if (c != u' ') result.append(c.toLower());
  }
  return result;
}

QString StripFileNameChars(QStringView text) {
  QString result;
  result.reserve(text.size());
  for (QChar c : text) {
    if (!kFileNameChars.contains(c)) result.append(c);
  }
  return result;
}

QString CleanGedcomName(QStringView s, QString* alternate_name) {
  const qsizetype first_slash = s.indexOf(u'/');
  const qsizetype first_mark = s.indexOf(u'>');

  // The given part, and the text before an alternate-name mark that precedes a "/".
  QStringView given;
  QStringView prefix;
  const qsizetype slash_after_mark = first_mark < 0 ? -1 : s.indexOf(u'/', first_mark + 1);
  if (slash_after_mark >= 0) {
    given = s.sliced(first_mark + 1, slash_after_mark - first_mark - 1);
    prefix = s.first(first_mark);
  } else {
    given = first_slash < 0 ? s : s.first(first_slash);
  }

  // The surname, and an alternate surname written "/Alternate>Surname/".
  QString surname;
  QStringView alternate;
  const qsizetype mark_after_slash = first_slash < 0 ? -1 : s.indexOf(u'>', first_slash + 1);
  if (mark_after_slash > first_slash + 1) {
    alternate = s.sliced(first_slash + 1, mark_after_slash - first_slash - 1);
    const qsizetype from = mark_after_slash + 1;
    surname = s.sliced(from, std::max<qsizetype>(0, s.size() - 1 - from)).toString();
  } else if (first_slash >= 0) {
    surname = s.sliced(first_slash + 1).toString().remove(u'/');
  }

  if (alternate_name) *alternate_name = prefix.toString() + u' ' + CapitaliseWord(alternate);
  return StripFileNameChars(given) + StripFileNameChars(CapitaliseWord(surname));
}

}  // namespace kinvale

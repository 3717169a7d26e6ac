#include "gedcom/gedcom_name.h"

namespace kinvale {

namespace {

const QString kFileNameChars = QStringLiteral("\"\\/:*?<>|");

bool IsControl(QChar c) {
  return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0);
}

// Each word capitalised on its own, one blank between words.
QString CapitaliseWords(QStringView text) {
  const QString words = JoinWords(text);
  QString result;
  for (QStringView word : QStringView(words).tokenize(u' ')) {
    if (!result.isEmpty()) result += u' ';
    result += CapitaliseWord(word);
  }
  return result;
}

// The text from a slash's position up to the next slash, and what follows that closing slash.
struct SurnameParts {
  QStringView surname;
  QString suffix;  // without further slashes
};

SurnameParts SplitAtClosingSlash(QStringView s, qsizetype from) {
  const qsizetype closing = s.indexOf(u'/', from);
  if (closing < 0) return {s.sliced(from), QString()};
  return {s.sliced(from, closing - from), s.sliced(closing + 1).toString().remove(u'/')};
}

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
    if (!kFileNameChars.contains(c) && !IsControl(c)) result.append(c);
  }
  return result;
}

QString JoinWords(QStringView text) {
  QString result;
  result.reserve(text.size());
  bool blank = false;
  for (QChar c : text) {
    if (c.isSpace()) {
      blank = !result.isEmpty();
      continue;
    }
    if (blank) result += u' ';
    blank = false;
    result += c;
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

  // The surname, an alternate surname written "/Alternate>Surname/", and a suffix after the
  // closing slash.
  SurnameParts parts;
  QStringView alternate;
  const qsizetype mark_after_slash = first_slash < 0 ? -1 : s.indexOf(u'>', first_slash + 1);
  if (mark_after_slash > first_slash + 1) {
    alternate = s.sliced(first_slash + 1, mark_after_slash - first_slash - 1);
    parts = SplitAtClosingSlash(s, mark_after_slash + 1);
  } else if (first_slash >= 0) {
    parts = SplitAtClosingSlash(s, first_slash + 1);
  }

  if (alternate_name) *alternate_name = prefix.toString() + u' ' + CapitaliseWords(alternate);
  return JoinWords(StripFileNameChars(given) + u' ' +
                   StripFileNameChars(CapitaliseWords(parts.surname)) + u' ' +
                   StripFileNameChars(parts.suffix));
}

}  // namespace kinvale

#include "store/text_helpers.h"

#include <QFile>

#include "store/file_access.h"

namespace kinvale {

QString StripSpaces(QStringView text) {
  QString result;
  result.reserve(text.size());
  for (QChar c : text) {
    if (c != u' ') result.append(c);
  }
  return result;
}

QString LooseNameKey(QStringView name) {
  // Composed and decomposed forms of one letter (É as one character, or E and an accent) look
  // the same, so they name the same person.
  return StripSpaces(name.toString().normalized(QString::NormalizationForm_C)).toUpper();
}

bool HasVisibleCharacter(QStringView text) {
  for (char32_t c : text.toUcs4()) {
    switch (QChar::category(c)) {
      case QChar::Separator_Space:
      case QChar::Separator_Line:
      case QChar::Separator_Paragraph:
      case QChar::Other_Control:
      case QChar::Other_Format:  // zero-width space and joiners, byte order mark
      case QChar::Mark_NonSpacing:
      case QChar::Mark_Enclosing:
        continue;
      default:
        // Hangul fillers are letters by category, but show nothing.
        if (c != 0x115F && c != 0x1160 && c != 0x3164 && c != 0xFFA0) return true;
    }
  }
  return false;
}

bool ContainsText(QStringView text, QStringView part) {
  if (text.isEmpty()) return false;
  return text.contains(part, Qt::CaseInsensitive);
}

QString NameFromFileName(QStringView file_name) {
  for (qsizetype i = 0; i < file_name.size(); ++i) {
    if (file_name[i] == u'.' || file_name[i] == u'_') return file_name.left(i).toString();
  }
  return file_name.toString();
}

namespace {

// Position of the "_" that starts a "_<digits>.dat" ending, or -1.
qsizetype RecordSuffixStart(QStringView file_name) {
  if (!file_name.endsWith(u".dat", Qt::CaseInsensitive)) return -1;
  const qsizetype digits_end = file_name.size() - 4;
  qsizetype i = digits_end;
  while (i > 0 && file_name[i - 1].isDigit() && file_name[i - 1].unicode() < 128) --i;
  if (i == digits_end || i == 0 || file_name[i - 1] != u'_') return -1;
  return i - 1;
}

}  // namespace

QString NameFromRecordFileName(QStringView file_name) {
  const qsizetype suffix = RecordSuffixStart(file_name);
  if (suffix < 0) return NameFromFileName(file_name);
  return file_name.left(suffix).toString();
}

int NumberFromRecordFileName(QStringView file_name) {
  const qsizetype underscore = file_name.lastIndexOf(u'_');
  if (underscore < 0) return 0;
  int value = 0;
  for (qsizetype i = underscore + 1; i < file_name.size(); ++i) {
    const QChar c = file_name[i];
    if (c < u'0' || c > u'9') break;
    if (value > 100000000) break;  // far beyond any person number; stop before overflow
    value = value * 10 + (c.unicode() - u'0');
  }
  return value;
}

bool FileExists(const QString& path) {
  if (path.isEmpty()) return false;
  QFile file;
  return OpenRegularFile(path, file, nullptr);
}

}  // namespace kinvale

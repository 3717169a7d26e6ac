// Writing GEDCOM lines: "level [@xref@] TAG [value]", none longer than GEDCOM 5.5 allows, "@" in
// text written as "@@", a long value carried on CONC lines and each further line of a text on a
// CONT line, one level down.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace kinvale {

// The longest line GEDCOM 5.5 allows, its level, cross-reference, tag, value, delimiters and
// the CR LF terminator included.
inline constexpr int kMaxGedcomLineLength = 255;

class GedcomWriter {
 public:
  // "0 @xref@ TAG", the cross-reference given whole or as kind letter and number ("@I12@").
  void Record(QStringView xref, QStringView tag);
  void Record(QChar kind, int number, QStringView tag);
  // A line whose value points to a record, e.g. "1 FAMS @F1@".
  void Pointer(int level, QStringView tag, QChar kind, int number);
  // A line holding one line of text (or none); the part of a long value that does not fit goes
  // on CONC lines.
  void Line(int level, QStringView tag, QStringView value = {});
  // A text of one or more lines: the first on the tag's line, every further one on a CONT line.
  void Text(int level, QStringView tag, const QList<QStringView>& lines);
  // A record holding a text, "0 @N12@ NOTE" with the text on "1 CONC" and "1 CONT" lines under
  // it: the first line on CONC lines (none when it is empty), every further one on a CONT line
  // and, when long, CONC lines. The header line holds no text, so no "@@" stands on a line that
  // starts with a cross-reference, which some readers (Gedcom.pm) take for part of it.
  void TextRecord(QChar kind, int number, QStringView tag, const QList<QStringView>& lines);

  const QString& text() const { return text_; }
  qsizetype size() const { return text_.size(); }
  void Reserve(qsizetype characters) { text_.reserve(characters); }

 private:
  void Start(int level, QStringView tag);
  // The value of a started line of that length and, when it is too long for the line, its CONC
  // lines at continuation_level.
  void ValueAfterStart(qsizetype start_length, QStringView value, int continuation_level);
  // The lines of a text after a started line of that level: the first on it, the others on
  // CONT lines one level down.
  void TextAfterStart(qsizetype start_length, int level, const QList<QStringView>& lines);
  // Every line of a text but the first on a "level CONT" line.
  void ContLines(int level, const QList<QStringView>& lines);
  void Xref(QChar kind, int number);

  QString text_;
};

// The pieces a value is cut into so that each, with "@" doubled, has at most the given length
// (first for the first piece, next for the others): never inside an "@", never between the two
// halves of a character outside the Basic Multilingual Plane, and, where the piece can still be
// at least half as long, not next to a space, which some programs trim from line ends.
QList<QStringView> SplitGedcomValue(QStringView value, qsizetype first, qsizetype next);

}  // namespace kinvale

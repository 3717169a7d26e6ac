#include "gedcom/gedcom_writer.h"

#include <algorithm>

namespace kinvale {

namespace {

constexpr QStringView kConc = u"CONC";
constexpr QStringView kCont = u"CONT";
constexpr qsizetype kTerminator = 2;  // CR LF

qsizetype EscapedWidth(QChar c) { return c == u'@' ? 2 : 1; }

// A cut before position at that keeps a character whole and no space at either side of it.
bool IsGoodCut(QStringView value, qsizetype at) {
  return !value[at].isLowSurrogate() && value[at - 1] != u' ' && value[at] != u' ';
}

void AppendEscaped(QString& text, QStringView value) {
  if (!value.contains(u'@')) {
    text.append(value);
    return;
  }
  for (QChar c : value) {
    text.append(c);
    if (c == u'@') text.append(c);
  }
}

// The room left for a value after a line start of that length and the blank after it.
qsizetype ValueRoom(qsizetype start_length) {
  return kMaxGedcomLineLength - kTerminator - start_length - 1;
}

// The length of "level TAG".
qsizetype StartLength(QStringView tag) { return 1 + 1 + tag.size(); }

}  // namespace

QList<QStringView> SplitGedcomValue(QStringView value, qsizetype first, qsizetype next) {
  QList<QStringView> pieces;
  const qsizetype n = value.size();
  qsizetype start = 0;
  qsizetype room = first;
  while (true) {
    qsizetype end = start;
    for (qsizetype width = 0; end < n && width + EscapedWidth(value[end]) <= room; ++end) {
      width += EscapedWidth(value[end]);
    }
    if (end == n) {
      pieces.append(value.sliced(start));
      return pieces;
    }
    if (value[end].isLowSurrogate() && end - 1 > start) --end;
    const qsizetype shortest = start + std::max<qsizetype>(1, (end - start) / 2);
    qsizetype cut = end;
    while (cut > shortest && !IsGoodCut(value, cut)) --cut;
    if (!IsGoodCut(value, cut)) cut = end;
    pieces.append(value.sliced(start, cut - start));
    start = cut;
    room = next;
  }
}

void GedcomWriter::Start(int level, QStringView tag) {
  text_.append(QChar(u'0' + level));
  text_.append(u' ');
  text_.append(tag);
}

void GedcomWriter::Record(QStringView xref, QStringView tag) {
  text_.append(u"0 ");
  text_.append(xref);
  text_.append(u' ');
  text_.append(tag);
  text_.append(u"\r\n");
}

void GedcomWriter::Xref(QChar kind, int number) {
  text_.append(u'@');
  text_.append(kind);
  text_.append(QString::number(number));
  text_.append(u'@');
}

void GedcomWriter::Record(QChar kind, int number, QStringView tag) {
  text_.append(u"0 ");
  Xref(kind, number);
  text_.append(u' ');
  text_.append(tag);
  text_.append(u"\r\n");
}

void GedcomWriter::TextRecord(QChar kind, int number, QStringView tag,
                              const QList<QStringView>& lines) {
  Record(kind, number, tag);
  if (!lines.value(0).isEmpty()) {
    Start(1, kConc);
    ValueAfterStart(StartLength(kConc), lines.first(), 1);
  }
  ContLines(1, lines);
}

void GedcomWriter::Pointer(int level, QStringView tag, QChar kind, int number) {
  Start(level, tag);
  text_.append(u' ');
  Xref(kind, number);
  text_.append(u"\r\n");
}

void GedcomWriter::Line(int level, QStringView tag, QStringView value) {
  Start(level, tag);
  ValueAfterStart(StartLength(tag), value, level + 1);
}

void GedcomWriter::Text(int level, QStringView tag, const QList<QStringView>& lines) {
  Start(level, tag);
  TextAfterStart(StartLength(tag), level, lines);
}

void GedcomWriter::TextAfterStart(qsizetype start_length, int level,
                                  const QList<QStringView>& lines) {
  ValueAfterStart(start_length, lines.value(0), level + 1);
  ContLines(level + 1, lines);
}

void GedcomWriter::ContLines(int level, const QList<QStringView>& lines) {
  for (qsizetype i = 1; i < lines.size(); ++i) {
    Start(level, kCont);
    ValueAfterStart(StartLength(kCont), lines[i], level);
  }
}

void GedcomWriter::ValueAfterStart(qsizetype start_length, QStringView value,
                                   int continuation_level) {
  const qsizetype room = ValueRoom(start_length);
  if (value.size() + value.count(u'@') <= room) {  // most values: one line
    if (!value.isEmpty()) text_.append(u' ');
    AppendEscaped(text_, value);
    text_.append(u"\r\n");
    return;
  }
  const QList<QStringView> pieces = SplitGedcomValue(value, room, ValueRoom(StartLength(kConc)));
  for (qsizetype i = 0; i < pieces.size(); ++i) {
    if (i > 0) Start(continuation_level, kConc);
    text_.append(u' ');
    AppendEscaped(text_, pieces[i]);
    text_.append(u"\r\n");
  }
}

}  // namespace kinvale

#include "gedcom/gedcom_reader.h"

#include <QDir>

#include "gedcom/gedcom_texts.h"
#include "store/file_access.h"

namespace kinvale {

namespace {

constexpr int kMaxLevel = 99;
// The largest GEDCOM file read: far beyond the most individuals a family can hold.
constexpr qint64 kMaxGedcomBytes = qint64(1) << 30;

bool IsBlank(QChar c) { return c == u' ' || c == u'\t' || c == QChar(0xFEFF); }

// Splits one line into level, cross-reference, tag and value; false when it is not a GEDCOM
// line. Leading white space is allowed, as GEDCOM 5.5.1 says.
bool ParseLine(QStringView text, GedcomLine* line) {
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && IsBlank(text[i])) ++i;
  int level = 0;
  const qsizetype digits = i;
  while (i < n && text[i] >= u'0' && text[i] <= u'9' && level <= kMaxLevel) {
    level = level * 10 + (text[i].unicode() - u'0');
    ++i;
  }
  if (i == digits || level > kMaxLevel || i >= n || text[i] != u' ') return false;
  while (i < n && text[i] == u' ') ++i;
  QStringView xref;
  if (i < n && text[i] == u'@') {
    const qsizetype close = text.indexOf(u'@', i + 1);
    if (close < 0) return false;
    xref = text.sliced(i, close - i + 1);
    i = close + 1;
    while (i < n && text[i] == u' ') ++i;
  }
  const qsizetype tag_start = i;
  while (i < n && text[i] != u' ') ++i;
  if (i == tag_start) return false;
  line->level = level;
  line->xref = xref;
  line->tag = text.sliced(tag_start, i - tag_start);
  line->value = i < n ? text.sliced(i + 1) : QStringView();
  return true;
}

}  // namespace

GedcomFile GedcomFile::Parse(QByteArray bytes) {
  GedcomFile file;
  DecodedGedcom decoded = DecodeGedcom(bytes);
  bytes = QByteArray();  // a large file is not held twice while it is split
  file.text_ = std::move(decoded.text);
  file.charset_ = decoded.charset;
  file.bad_lines_ = std::move(decoded.bad_lines);
  file.bad_line_count_ = decoded.bad_line_count;
  file.SplitLines();
  file.IndexRecords();
  return file;
}

std::optional<GedcomFile> GedcomFile::Read(const QString& path, QString* error) {
  // A regular file only: a FIFO would keep the import waiting, a device reading without end.
  QString reason;
  const std::optional<QByteArray> bytes = ReadRegularFile(path, kMaxGedcomBytes, &reason);
  if (!bytes) {
    if (error) {
      *error = kGedcomReadError.arg(QDir::toNativeSeparators(path), reason);
    }
    return std::nullopt;
  }
  return Parse(std::move(*bytes));
}

void GedcomFile::SplitLines() {
  QChar* const chars = text_.data();
  const QStringView text(text_);
  lines_.reserve(text.size() / 24);
  std::vector<int> open;  // the lines whose subtrees are still open, by rising level
  auto close_to_level = [&](int level) {
    while (!open.empty() && lines_[open.back()].level >= level) {
      lines_[open.back()].end = size();
      open.pop_back();
    }
  };
  qsizetype start = 0;
  const qsizetype n = text.size();
  while (start <= n) {
    qsizetype stop = start;
    for (; stop < n && text[stop] != u'\r' && text[stop] != u'\n'; ++stop) {
      // GEDCOM allows a TAB in a value; it, and any other white space, reads as one blank.
      if (text[stop] != u' ' && text[stop].isSpace()) chars[stop] = u' ';
    }
    const QStringView raw = text.sliced(start, stop - start);
    start = stop + 1;
    if (stop < n && text[stop] == u'\r' && start < n && text[start] == u'\n') ++start;
    GedcomLine line;
    if (raw.trimmed().isEmpty()) continue;
    // A line outside any record, or not a GEDCOM line at all, is skipped.
    if (!ParseLine(raw, &line) || (line.level > 0 && open.empty())) {
      ++malformed_lines_;
      continue;
    }
    close_to_level(line.level);
    open.push_back(size());
    lines_.push_back(line);
  }
  close_to_level(0);
}

void GedcomFile::IndexRecords() {
  for (int i = 0; i < size(); ++i) {
    if (lines_[i].level != 0) continue;
    records_.push_back(i);
    if (lines_[i].xref.isEmpty()) continue;
    if (records_by_xref_.contains(lines_[i].xref)) {
      repeated_records_.push_back(i);
    } else {
      records_by_xref_.insert(lines_[i].xref, i);
    }
  }
}

int GedcomFile::FindRecord(QStringView xref, QStringView tag) const {
  const auto found = records_by_xref_.constFind(xref);
  if (found == records_by_xref_.constEnd() || lines_[*found].tag != tag) return -1;
  return *found;
}

QStringList GedcomFile::TextOf(int line, UsedLines* used) const {
  QStringList text{GedcomValueText(lines_[line].value)};
  for (int child : ChildrenOf(line)) {
    const GedcomLine& sub = lines_[child];
    if (sub.tag == u"CONT") {
      text.append(GedcomValueText(sub.value));
    } else if (sub.tag == u"CONC") {
      text.last().append(GedcomValueText(sub.value));
    } else {
      continue;
    }
    if (used) (*used)[child] = true;
  }
  return text;
}

QString GedcomFile::OneLineTextOf(int line, UsedLines* used) const {
  return TextOf(line, used).join(u' ');
}

QString GedcomValueText(QStringView value) {
  QString text = value.toString();
  text.replace(QStringLiteral("@@"), QStringLiteral("@"));
  return text;
}

bool IsGedcomPointer(QStringView value) {
  return value.size() >= 3 && value.front() == u'@' && value.back() == u'@' &&
         !value.sliced(1, value.size() - 2).contains(u'@');
}

}  // namespace kinvale

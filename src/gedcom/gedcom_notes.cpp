#include "gedcom/gedcom_notes.h"

#include "store/record.h"
#include "store/text_helpers.h"

namespace kinvale {

namespace {

// A record whose text starts on its first CONT line has an empty header line, which is not a
// line of the text.
QStringList WithoutLeadingEmptyLine(QStringList lines) {
  if (lines.size() > 1 && lines.first().isEmpty()) lines.removeFirst();
  return lines;
}

bool IsEmptyText(const QStringList& lines) {
  for (const QString& line : lines) {
    if (!line.isEmpty()) return false;
  }
  return true;
}

// The file's bookkeeping (change dates, record ids, other programs' own tags), not text.
bool IsBookkeeping(QStringView tag) {
  return tag == u"CHAN" || tag == u"RIN" || tag.startsWith(u'_');
}

bool IsContinuation(QStringView tag) { return tag == u"CONT" || tag == u"CONC"; }

// Appends the text of a structure and then, one line or more each, the text of its
// sub-structures other than those skip() leaves out, marking every line taken. A pointer to
// another record (a repository, a note of a source) is not text.
template <typename Skip>
void CollectText(const GedcomFile& file, int line, QStringList* lines, UsedLines* used,
                 const Skip& skip) {
  if (!IsGedcomPointer(file.line(line).value)) {
    const QStringList own = WithoutLeadingEmptyLine(file.TextOf(line, used));
    if (!IsEmptyText(own)) lines->append(own);
    (*used)[line] = true;
  }
  for (int child : file.ChildrenOf(line)) {
    const QStringView tag = file.line(child).tag;
    if (!IsContinuation(tag) && !skip(tag)) CollectText(file, child, lines, used, skip);
  }
}

QString SourceKey(const PendingText& source) {
  return StripSpaces(source.reference.isEmpty() ? source.text.join(u'\n') : source.reference);
}

// Appends text given in place; false when there is none.
bool AppendOwnText(const PendingText& pending, QString* field) {
  if (IsEmptyText(pending.text)) return false;
  AppendText(field, pending.text);
  return true;
}

}  // namespace

void AddPendingSource(std::vector<PendingText>* sources, PendingText source) {
  const QString key = SourceKey(source);
  for (const PendingText& existing : *sources) {
    if (SourceKey(existing) == key) return;
  }
  if (source.reference.isEmpty() && IsEmptyText(source.text)) return;
  sources->push_back(std::move(source));
}

PendingText PendingTextOf(const GedcomFile& file, int line, UsedLines* used) {
  (*used)[line] = true;
  const QStringView value = file.line(line).value;
  if (IsGedcomPointer(value)) return {value.toString(), {}};
  return {QString(), WithoutLeadingEmptyLine(file.TextOf(line, used))};
}

void CollectSourceCitations(const GedcomFile& file, int record, std::vector<PendingText>* sources,
                            UsedLines* used) {
  for (int line = record + 1; line < file.line(record).end;) {
    if (file.line(line).tag == u"SOUR") {
      AddPendingSource(sources, PendingTextOf(file, line, used));
      line = file.line(line).end;
    } else {
      ++line;
    }
  }
}

void AppendText(QString* field, const QStringList& lines) {
  field->append(kLineBreak);
  field->append(lines.join(kLineBreak));
}

TextImport ImportNote(const GedcomFile& file, const PendingText& note, QString* notes,
                      std::vector<PendingText>* sources, UsedLines* used) {
  if (note.reference.isEmpty()) return {-1, AppendOwnText(note, notes)};
  // GEDCOM 7 keeps notes that several records share as SNOTE records.
  int record = file.FindRecord(note.reference, u"NOTE");
  if (record < 0) record = file.FindRecord(note.reference, u"SNOTE");
  if (record < 0) return {};
  QStringList lines;
  CollectText(file, record, &lines, used,
              [](QStringView tag) { return tag == u"SOUR" || IsBookkeeping(tag); });
  CollectSourceCitations(file, record, sources, used);
  if (!lines.isEmpty()) AppendText(notes, lines);
  return {record, true};
}

TextImport ImportSource(const GedcomFile& file, const PendingText& source, QString* sources_text,
                        UsedLines* used) {
  if (source.reference.isEmpty()) return {-1, AppendOwnText(source, sources_text)};
  const int record = file.FindRecord(source.reference, u"SOUR");
  if (record < 0) return {};
  QStringList lines;
  CollectText(file, record, &lines, used, IsBookkeeping);
  if (!lines.isEmpty()) AppendText(sources_text, lines);
  return {record, true};
}

}  // namespace kinvale

#include "store/record_reader.h"

#include "store/text_codec.h"

namespace kinvale {

namespace {

class LineCursor {
 public:
  explicit LineCursor(const QStringList& lines) : lines_(lines) {}
  bool Next(QString* line) {
    if (next_ >= lines_.size()) return false;
    *line = lines_[next_++];
    return true;
  }
  bool Skip() {
    QString ignored;
    return Next(&ignored);
  }

 private:
  const QStringList& lines_;
  qsizetype next_ = 0;
};

// Reads a text block up to the next section header (which is consumed). False when the lines
// run out first, unless the block may end at the end of the file.
bool ReadBlock(LineCursor& cursor, QString* block, bool may_end_at_eof = false) {
  QString text;
  QString line;
  while (cursor.Next(&line)) {
    if (IsSectionHeader(line)) {
      *block = text;
      return true;
    }
    text += line;
    text += kLineBreak;
  }
  if (!may_end_at_eof) return false;
  *block = text;
  return true;
}

// Reads list entries up to the next section header (consumed), skipping empty lines.
bool ReadList(LineCursor& cursor, QStringList* list) {
  QString line;
  while (cursor.Next(&line)) {
    if (IsSectionHeader(line)) return true;
    if (!line.isEmpty()) list->append(line);
  }
  return false;
}

}  // namespace

RecordRead ParseRecordLines(const QStringList& lines) {
  RecordRead result;
  result.opened = true;
  PersonRecord& r = result.record;
  PersonDetails& d = r.details;
  LineCursor cursor(lines);
  RecordPart& at = result.stopped_before;
  // Each step reads one part and, when it succeeds, moves the stop mark past it.
  auto passed = [&at](RecordPart part) {
    at = static_cast<RecordPart>(static_cast<int>(part) + 1);
    return true;
  };
  auto line = [&](RecordPart part, QString* field) { return cursor.Next(field) && passed(part); };
  auto block = [&](RecordPart part, QString* field) {
    return ReadBlock(cursor, field) && passed(part);
  };
  auto list = [&](RecordPart part, QStringList* field) {
    return ReadList(cursor, field) && passed(part);
  };
  auto prefix_suffix = [&] {
    QString text;
    if (!cursor.Next(&text)) return false;
    const qsizetype hash = text.indexOf(u'#');
    if (hash < 0) return false;
    d.prefix = text.left(hash);
    d.suffix = text.mid(hash + 1);
    return passed(RecordPart::kPrefixSuffix);
  };
  auto religion = [&] {
    QString text;
    if (!cursor.Next(&text)) return false;
    if (!text.isEmpty() && !IsSectionHeader(text)) d.religion = text;
    return passed(RecordPart::kReligion);
  };

  // The chain stops at the first part that cannot be read; stopped_before tells where.
  [[maybe_unused]] const bool read_whole =
      line(RecordPart::kLink, &r.link) && line(RecordPart::kDateChanged, &r.date_changed) &&
      line(RecordPart::kSsn, &d.ssn) && prefix_suffix() &&
      line(RecordPart::kDateMarried, &d.date_married) &&
      line(RecordPart::kReligiousName, &d.religious_name) &&
      line(RecordPart::kPhoto, &d.photo_path) && line(RecordPart::kBirthDate, &d.birth_date) &&
      line(RecordPart::kBirthPlace, &d.birth_place) &&
      line(RecordPart::kDeathDate, &d.death_date) &&
      line(RecordPart::kDeathPlace, &d.death_place) && block(RecordPart::kBurial, &d.burial) &&
      line(RecordPart::kGender, &d.gender) &&
      // The line after the gender is the occupation header.
      cursor.Skip() && list(RecordPart::kOccupations, &d.occupations) &&
      block(RecordPart::kResidential, &d.residential_addresses) &&
      block(RecordPart::kBusiness, &d.business_addresses) &&
      block(RecordPart::kHomepage, &d.homepage) && block(RecordPart::kEmail, &d.email_addresses) &&
      list(RecordPart::kElementary, &d.elementary) &&
      list(RecordPart::kIntermediate, &d.intermediate) && list(RecordPart::kHigh, &d.high) &&
      list(RecordPart::kUniversities, &d.universities) &&
      list(RecordPart::kEmployers, &d.employers) && religion() &&
      // The line after the religion is taken as the notes header, whatever it holds.
      cursor.Skip() && block(RecordPart::kNotes, &d.notes) &&
      ReadBlock(cursor, &d.sources, /*may_end_at_eof=*/true) && passed(RecordPart::kSources) &&
      line(RecordPart::kImmigrationDate, &d.immigration_date) &&
      line(RecordPart::kImmigrationPlace, &d.immigration_place);
  return result;
}

RecordRead ReadRecordFile(const QString& path) {
  const std::optional<QStringList> lines = ReadTextLines(path);
  if (!lines) return {};
  return ParseRecordLines(*lines);
}

std::optional<QString> ReadPhotoLine(const QString& path) {
  const std::optional<QStringList> lines = ReadTextLines(path);
  if (!lines || lines->size() < 7) return std::nullopt;
  return lines->at(6);
}

QString GenderFromLines(const QStringList& lines, qsizetype from) {
  for (qsizetype i = from; i < lines.size(); ++i) {
    if (IsSectionHeader(lines[i])) return i + 1 < lines.size() ? lines[i + 1] : QString();
  }
  return {};
}

QString ReadGenderLine(const QString& path) {
  const std::optional<QStringList> lines = ReadTextLines(path);
  return lines ? GenderFromLines(*lines) : QString();
}

bool HoldsEveryValue(const RecordRead& read, const QStringList& lines) {
  if (read.Reached(RecordPart::kSources)) return true;
  constexpr qsizetype kFirstValueLine = 2;  // line 3: lines 1 and 2 are rewritten on every save
  for (qsizetype i = kFirstValueLine; i < lines.size(); ++i) {
    if (!lines[i].isEmpty() && !IsSectionHeader(lines[i])) return false;
  }
  return true;
}

}  // namespace kinvale

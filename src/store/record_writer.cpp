#include "store/record_writer.h"

#include <QDate>

#include "store/record_fields.h"
#include "store/record_reader.h"
#include "store/text_codec.h"

namespace kinvale {

namespace {

bool HasLineBreak(const QString& text) { return text.contains(u'\r') || text.contains(u'\n'); }

QString OrBlank(const QString& value) { return value.isEmpty() ? QStringLiteral(" ") : value; }

}  // namespace

QString RecordFileName(const QString& name, const QString& number) {
  QString file_name;
  SetRecordFileName(file_name, name, number);
  return file_name;
}

void SetRecordFileName(QString& buffer, QStringView name, QStringView number) {
  buffer.resize(0);
  buffer.append(name).append(u'_').append(number).append(u".dat");
}

QStringList BlockLines(const QString& block) {
  QStringList lines = SplitLines(block);
  if (lines.isEmpty()) lines.append(QString());
  return lines;
}

QByteArray FormatFullRecord(const QString& link, const QString& date_changed,
                            const PersonDetails& d) {
  QStringList lines = {link,
                       date_changed,
                       d.ssn,
                       d.prefix + u'#' + d.suffix,
                       d.date_married,
                       d.religious_name,
                       OrBlank(d.photo_path),
                       d.birth_date,
                       d.birth_place,
                       d.death_date,
                       d.death_place};
  lines += BlockLines(d.burial);
  lines << header::kGender << OrBlank(d.gender);
  lines << header::kOccupation << d.occupations;
  lines << header::kResidential << BlockLines(d.residential_addresses);
  lines << header::kBusiness << BlockLines(d.business_addresses);
  lines << header::kHomepage << BlockLines(d.homepage);
  lines << header::kEmail << BlockLines(d.email_addresses);
  lines << header::kElementary << d.elementary;
  lines << header::kIntermediate << d.intermediate;
  lines << header::kHigh << d.high;
  lines << header::kUniversities << d.universities;
  lines << header::kEmployers << d.employers;
  lines << header::kReligion << d.religion;
  lines << header::kNotes << BlockLines(d.notes);
  lines << header::kSources << BlockLines(d.sources);
  lines << header::kImmigration << d.immigration_date << d.immigration_place;
  return JoinRecordLines(lines);
}

QByteArray FormatMinimalRecord(const QString& link) {
  QStringList lines = {link};
  for (int i = 0; i < 12; ++i) lines.append(QString());
  for (const QString& h : {header::kOccupation, header::kAddresses, header::kElementary,
                           header::kIntermediate, header::kHigh, header::kUniversities,
                           header::kEmployers, header::kReligion, header::kNotes}) {
    lines << h << QString();
  }
  return JoinRecordLines(lines);
}

QString TodayForRecord() { return QDate::currentDate().toString(Qt::ISODate); }

bool PhotoPathHasLineBreak(const QString& path) { return HasLineBreak(path); }

std::optional<QByteArray> RecordWithPhotoLine(const QString& path,
                                              const std::optional<QString>& photo) {
  if (photo && PhotoPathHasLineBreak(*photo)) return std::nullopt;
  const std::optional<QStringList> lines = ReadTextLines(path);
  if (!lines) return std::nullopt;
  const RecordRead read = ParseRecordLines(*lines);
  if (!read.Reached(RecordPart::kPhoto) || !HoldsEveryValue(read, *lines)) return std::nullopt;
  PersonDetails details = read.record.details;
  if (photo) details.photo_path = *photo;
  return FormatFullRecord(read.record.link, TodayForRecord(), details);
}

QString UnstorableValueProblem(const PersonDetails& details) {
  for (const FieldInfo& field : DetailFields()) {
    const QStringList values =
        field.kind == FieldKind::kList ? details.*field.list : QStringList{details.*field.text};
    for (const QString& value : values) {
      if (field.kind != FieldKind::kBlock && HasLineBreak(value)) {
        return QStringLiteral("\"%1\" holds one line only; please remove the line break.")
            .arg(field.caption);
      }
      for (const QString& line : SplitLines(value)) {
        if (IsSectionHeader(line)) {
          return QStringLiteral(
                     "A line of \"%1\" begins with \"***\", which the record file "
                     "keeps for its section headers; please change it.")
              .arg(field.caption);
        }
      }
    }
    if (field.text == &PersonDetails::prefix && details.prefix.contains(u'#')) {
      return QStringLiteral("\"Prefix\" cannot hold \"#\", which separates it from the suffix.");
    }
  }
  return {};
}

int MakeValuesStorable(PersonDetails* details) {
  int changed = 0;
  auto fix_line = [&changed](QString& value, bool one_line) {
    QString fixed = value;
    if (one_line && HasLineBreak(fixed)) {
      fixed = SplitLines(fixed).join(u' ');
    }
    QStringList lines = SplitLines(fixed);
    bool header_like = false;
    for (QString& line : lines) {
      if (IsSectionHeader(line)) {
        line.prepend(u' ');
        header_like = true;
      }
    }
    if (header_like) {
      const bool ended_with_break = fixed.endsWith(u'\n') || fixed.endsWith(u'\r');
      fixed = lines.join(kLineBreak) + (ended_with_break ? kLineBreak : QString());
    }
    if (fixed != value) {
      value = fixed;
      ++changed;
    }
  };
  for (const FieldInfo& field : DetailFields()) {
    if (field.kind == FieldKind::kList) {
      for (QString& entry : details->*field.list) fix_line(entry, true);
    } else {
      fix_line(details->*field.text, field.kind == FieldKind::kLine);
    }
  }
  if (details->prefix.contains(u'#')) {
    details->prefix.replace(u'#', u' ');
    ++changed;
  }
  return changed;
}

}  // namespace kinvale

#include "gedcom/import_report.h"

#include "gedcom/gedcom_texts.h"

namespace kinvale {

namespace {

struct OpenLine {
  int level;
  QStringView tag;
  bool used;
};

QString TagPath(const std::vector<OpenLine>& open, QStringView tag) {
  QString path;
  for (const OpenLine& line : open) {
    path += line.tag;
    path += u'.';
  }
  path += tag;
  return path;
}

void CountUnusedStructures(const GedcomFile& file, const UsedLines& used, int record,
                           ImportReport* report) {
  std::vector<OpenLine> open{{0, file.line(record).tag, true}};
  for (int line = record + 1; line < file.line(record).end; ++line) {
    const GedcomLine& current = file.line(line);
    while (open.back().level >= current.level) open.pop_back();
    const bool parent_used = open.back().used;
    if (parent_used && !used[line]) ++report->skipped_tags[TagPath(open, current.tag)];
    open.push_back({current.level, current.tag, parent_used && used[line]});
  }
}

void AppendCounts(const QString& heading, const std::map<QString, int>& counts,
                  QStringList* lines) {
  if (counts.empty()) return;
  lines->append(heading);
  for (const auto& [key, count] : counts) lines->append(kReportCount.arg(key).arg(count));
}

}  // namespace

void CountSkippedLines(const GedcomFile& file, const UsedLines& used, ImportReport* report) {
  for (int record : file.records()) {
    const QStringView tag = file.line(record).tag;
    if (tag == u"HEAD" || tag == u"TRLR") continue;
    if (used[record]) {
      CountUnusedStructures(file, used, record, report);
    } else if (tag != u"INDI") {
      ++report->skipped_records[tag.toString()];
    }
  }
}

void CountGedcom7Constructs(const GedcomFile& file, ImportReport* report) {
  for (int i = 0; i < file.size(); ++i) {
    const GedcomLine& line = file.line(i);
    if (line.level == 0 && line.tag == u"INDI" && line.xref.isEmpty()) {
      ++report->gedcom7[kIndividualWithoutXref];
    }
    if (IsVoidPointer(line.value)) ++report->gedcom7[kVoidPointer];
    if (line.tag == u"SNOTE")
      ++report->gedcom7[line.level == 0 ? kSharedNote : kSharedNoteReference];
    if (line.tag == u"NO") ++report->gedcom7[kNoAssertion];
  }
}

QStringList ImportReportLines(const ImportReport& report) {
  QStringList lines = {kReportIndividuals.arg(report.individuals),
                       kReportFamilies.arg(report.families), kReportNotes.arg(report.notes),
                       kReportSources.arg(report.sources),
                       kReportCharset.arg(GedcomCharsetName(report.charset))};
  if (report.bad_line_count > 0) {
    QStringList numbers;
    for (int line : report.bad_lines) numbers.append(QString::number(line));
    if (report.bad_line_count > static_cast<int>(report.bad_lines.size()))
      numbers.append(QStringLiteral("..."));
    lines.append(kReportBadLines.arg(report.bad_line_count).arg(numbers.join(u", ")));
  }
  lines.append(report.file_numbers ? kReportFileNumbers : kReportOrderNumbers);
  if (report.kept_individuals > 0) lines.append(kReportKeptRecords.arg(report.kept_individuals));
  if (!report.renamed.isEmpty()) {
    lines.append(kReportRenamed);
    for (const QString& sentence : report.renamed) lines.append(QStringLiteral("  ") + sentence);
  }
  if (report.names_cleaned > 0) {
    lines.append(kReportCleaned.arg(report.names_cleaned));
    lines.append(report.cleaned_examples);
  }
  if (!report.replaced_folder.isEmpty()) {
    lines.append(kReportMoved.arg(report.replaced_folder).arg(report.replaced_records));
  }
  const std::pair<Text, int> counts[] = {
      {kReportShortened, report.names_shortened},  {kReportStorable, report.values_made_storable},
      {kReportMissing, report.missing_references}, {kReportFurtherSpouses, report.further_spouses},
      {kReportMalformed, report.malformed_lines},
  };
  for (const auto& [text, count] : counts) {
    if (count > 0) lines.append(text.arg(count));
  }
  if (!report.repeated_xrefs.isEmpty()) {
    lines.append(kReportRepeated.arg(report.repeated_xrefs.size()));
    lines.append(report.repeated_xrefs);
  }
  AppendCounts(kReportSkippedRecords, report.skipped_records, &lines);
  AppendCounts(kReportSkippedTags, report.skipped_tags, &lines);
  AppendCounts(kReportGedcom7, report.gedcom7, &lines);
  return lines;
}

}  // namespace kinvale

#include "gedcom/import_report.h"

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

QStringList ImportReportLines(const ImportReport& report) {
  QStringList lines = {kReportIndividuals.arg(report.individuals),
                       kReportFamilies.arg(report.families),
                       kReportNotes.arg(report.notes),
                       kReportSources.arg(report.sources),
                       kReportCharset.arg(GedcomCharsetName(report.charset)),
                       report.file_numbers ? kReportFileNumbers : kReportOrderNumbers};
  if (!report.renamed.isEmpty()) {
    lines.append(kReportRenamed);
    for (const QString& sentence : report.renamed) lines.append(QStringLiteral("  ") + sentence);
  }
  if (!report.moved_to_folder.isEmpty()) {
    lines.append(kReportMoved.arg(report.moved_to_folder).arg(report.moved_files));
  }
  const std::pair<const QString&, int> counts[] = {
      {kReportStorable, report.values_made_storable},
      {kReportMissing, report.missing_references},
      {kReportFurtherSpouses, report.further_spouses},
      {kReportMalformed, report.malformed_lines},
  };
  for (const auto& [text, count] : counts) {
    if (count > 0) lines.append(text.arg(count));
  }
  AppendCounts(kReportSkippedRecords, report.skipped_records, &lines);
  AppendCounts(kReportSkippedTags, report.skipped_tags, &lines);
  return lines;
}

}  // namespace kinvale

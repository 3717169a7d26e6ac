#include "gedcom/gedcom_export.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <optional>
#include <vector>

#include "gedcom/export_families.h"
#include "gedcom/export_records.h"
#include "gedcom/gedcom_mapping.h"
#include "gedcom/gedcom_texts.h"
#include "gedcom/gedcom_writer.h"
#include "store/atomic_file.h"
#include "store/link_string.h"
#include "store/loaded_family.h"
#include "store/person_number.h"
#include "store/prompter.h"
#include "store/record_reader.h"
#include "store/text_codec.h"

namespace kinvale {

namespace {

const QString kGedcomExtension = QStringLiteral(".ged");

// The header block, line for line; the file name is cut to fit its line.
QString HeaderBlock(const QString& file_name, const QDate& date, bool utf8) {
  const QString file_line = QStringLiteral("1 FILE ");
  QString name = file_name;
  name.replace(u'@', QStringLiteral("@@"));
  name.truncate(kMaxGedcomLineLength - 2 - file_line.size());
  const QStringList lines = {
      QStringLiteral("0 HEAD"),         QStringLiteral("1 SOUR ") + kGedcomSourceName,
      QStringLiteral("2 VERS V1.0"),    QStringLiteral("2 CORP Tolwick"),
      QStringLiteral("1 DEST Kinvale"), QStringLiteral("1 DATE ") + GedcomDate(date),
      QStringLiteral("1 SUBM @U1@"),    file_line + name,
      QStringLiteral("1 GEDC"),         QStringLiteral("2 VERS 5.5"),
      utf8 ? kCharUtf8 : kCharWindows};
  return lines.join(kLineBreak) + kLineBreak;
}

// The first character of text that Windows-1252 has no code for (both halves of a character
// outside the Basic Multilingual Plane); empty when there is none.
QString FirstUnwritableCharacter(QStringView text) {
  QByteArray ignored;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype width = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString character = text.sliced(i, width).toString();
    if (!EncodeWindows1252(character, &ignored)) return character;
    i += width - 1;
  }
  return {};
}

class ExportRun {
 public:
  ExportRun(const LoadedFamily& family, const ExportRequest& request, Prompter& prompter,
            ExportObserver* observer)
      : family_(family),
        index_(family.index),
        request_(request),
        prompter_(prompter),
        observer_(observer) {}

  ExportResult Run();

 private:
  // The part of the text from start on was written for what owner names.
  struct Owner {
    qsizetype start;
    QString text;
  };

  ExportOutcome Refuse(const QString& message) {
    prompter_.Message(message, kExportWindowTitle, MessageKind::kWarning);
    return ExportOutcome::kRefused;
  }
  bool NumbersProblem(QString* message) const;
  bool ReadRecords(QString* message);
  void WriteRecords();
  void Own(const QString& text) { owners_.push_back({out_.size(), text}); }
  std::optional<QByteArray> Encode();
  void Progress(int done) {
    if (observer_) observer_->ShowProgress(done, index_.size());
  }

  const LoadedFamily& family_;
  const FamilyIndex& index_;
  const ExportRequest& request_;
  Prompter& prompter_;
  ExportObserver* observer_;
  ExportResult result_;
  std::vector<PersonRecord> records_;  // by index row
  ExportFamilies families_;
  GedcomWriter out_;
  std::vector<Owner> owners_;
};

ExportResult ExportRun::Run() {
  result_.outcome = [this] {
    if (!family_.HasFamily()) return Refuse(kNoOpenFamilyMessage);
    if (QFileInfo::exists(request_.output_path) &&
        !prompter_.Confirm(kOutputExistsQuestion, kFileExistsTitle, Risk::kDestructive)) {
      return ExportOutcome::kStopped;
    }
    QString problem;
    if (NumbersProblem(&problem) || !ReadRecords(&problem)) return Refuse(problem);
    std::vector<QString> dates_married;
    dates_married.reserve(records_.size());
    for (const PersonRecord& record : records_)
      dates_married.push_back(record.details.date_married);
    families_ = BuildExportFamilies(index_, dates_married);
    WriteRecords();
    const std::optional<QByteArray> bytes = Encode();
    if (!bytes) return ExportOutcome::kStopped;
    if (!WriteFileAtomically(request_.output_path, *bytes, &result_.error)) {
      prompter_.Message(kExportFailed, kExportFailedTitle, MessageKind::kError);
      return ExportOutcome::kFailed;
    }
    Progress(index_.size());
    prompter_.Message(kExportCompleted, kJobStatusTitle, MessageKind::kInformation);
    return ExportOutcome::kCompleted;
  }();
  return result_;
}

// Every individual needs a number of its own for its cross-reference.
bool ExportRun::NumbersProblem(QString* message) const {
  for (int row = 0; row < index_.size(); ++row) {
    const IndexRow& person = index_.row(row);
    const int number = ExportNumberOfRow(index_, row);
    if (number <= 0) {
      *message = kNoPersonNumberMessage.arg(person.name, person.link);
      return true;
    }
    const std::vector<int>& rows = index_.RowsOfNumber(number);
    if (rows.size() > 1) {
      *message = kSharedNumberMessage.arg(index_.row(rows[0]).name, index_.row(rows[1]).name,
                                          FormatPersonNumber(number));
      return true;
    }
  }
  return false;
}

// The record of every row, from the file its name and number give, as family editing saves it.
bool ExportRun::ReadRecords(QString* message) {
  records_.reserve(index_.size());
  for (int row = 0; row < index_.size(); ++row) {
    const IndexRow& person = index_.row(row);
    const QString path =
        family_.FamilyFilePath(RecordFileName(person.name, OwnNumber(person.link).toString()));
    RecordRead read = ReadRecordFile(path);
    if (!read.opened) {
      *message = kUnreadableRecordMessage.arg(QDir::toNativeSeparators(path));
      return false;
    }
    records_.push_back(std::move(read.record));
    Progress(row);
  }
  return true;
}

void ExportRun::WriteRecords() {
  out_.Reserve(static_cast<qsizetype>(records_.size()) * 2048);
  for (int row = 0; row < index_.size(); ++row) {
    Own(kRecordOfText.arg(index_.row(row).name));
    WriteIndividualRecord(out_, index_, row, records_[row], families_);
  }
  Own(ContactGivesSubmitterName(request_.contact) ? kContactText : kFamilyNameText);
  WriteSubmitterRecord(out_, request_.contact, family_.family);
  for (int family = 0; family < static_cast<int>(families_.families.size()); ++family) {
    const ExportFamily& f = families_.families[family];
    // Its only text is the marriage date, which couples have.
    if (f.couple) Own(kFamilyOfText.arg(index_.row(f.husband).name));
    WriteFamilyRecord(out_, index_, families_, family);
  }
  for (int row = 0; row < index_.size(); ++row) {
    const qsizetype before = out_.size();
    Own(kNotesOfText.arg(index_.row(row).name));
    WriteNoteRecord(out_, ExportNumberOfRow(index_, row), records_[row].details);
    if (out_.size() > before) ++result_.notes;
  }
  for (int row = 0; row < index_.size(); ++row) {
    const qsizetype before = out_.size();
    Own(kSourcesOfText.arg(index_.row(row).name));
    WriteSourceRecord(out_, ExportNumberOfRow(index_, row), records_[row].details);
    if (out_.size() > before) ++result_.sources;
  }
  out_.Line(0, u"TRLR");
  result_.individuals = index_.size();
  result_.families = static_cast<int>(families_.families.size());
}

// Windows-1252 as the header says; UTF-8 when a text needs it and the user agrees.
std::optional<QByteArray> ExportRun::Encode() {
  const QString file_name = QFileInfo(request_.output_path).fileName();
  const QDate today = QDate::currentDate();
  const QString header = HeaderBlock(file_name, today, /*utf8=*/false);
  QByteArray header_bytes;
  QByteArray body_bytes;
  if (EncodeWindows1252(header, &header_bytes) && EncodeWindows1252(out_.text(), &body_bytes)) {
    return header_bytes + body_bytes;
  }
  QString owner = kFileNameText;
  QString character = FirstUnwritableCharacter(header);
  const QStringView body = out_.text();
  for (size_t i = 0; i < owners_.size() && character.isEmpty(); ++i) {
    const qsizetype end = i + 1 < owners_.size() ? owners_[i + 1].start : body.size();
    character = FirstUnwritableCharacter(body.sliced(owners_[i].start, end - owners_[i].start));
    owner = owners_[i].text;
  }
  if (!prompter_.Confirm(kNotWindows1252Question.arg(character, owner), kExportWindowTitle,
                         Risk::kHarmless)) {
    return std::nullopt;
  }
  result_.utf8 = true;
  return HeaderBlock(file_name, today, /*utf8=*/true).toUtf8() + out_.text().toUtf8();
}

}  // namespace

QString DefaultExportPath(const QString& app_folder, const QString& family) {
  return QDir(app_folder).filePath(family + kGedcomExtension);
}

QString WithGedcomExtension(const QString& path) {
  return path.endsWith(kGedcomExtension, Qt::CaseInsensitive) ? path : path + kGedcomExtension;
}

ExportResult ExportGedcom(const LoadedFamily& family, const ExportRequest& request,
                          Prompter& prompter, ExportObserver* observer) {
  return ExportRun(family, request, prompter, observer).Run();
}

QStringList ExportSummaryLines(const ExportResult& result) {
  return {
      kExportedIndividuals.arg(result.individuals), kExportedFamilies.arg(result.families),
      kExportedNotes.arg(result.notes), kExportedSources.arg(result.sources),
      kExportedCharset.arg(result.utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1252"))};
}

}  // namespace kinvale

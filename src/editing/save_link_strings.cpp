#include "editing/save_link_strings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>
#include <variant>
#include <vector>

#include "editing/editing_texts.h"
#include "store/atomic_file.h"
#include "store/link_string.h"
#include "store/loaded_family.h"
#include "store/prompter.h"
#include "store/record.h"
#include "store/record_writer.h"
#include "store/shared_texts.h"
#include "store/text_codec.h"
#include "store/text_helpers.h"

namespace kinvale {

namespace {

const QByteArray kByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

bool IsAscii(QStringView text) {
  for (QChar c : text) {
    if (c.unicode() >= 0x80) return false;
  }
  return true;
}

// The line in the record's own encoding, so that a Windows-1252 record stays readable.
QByteArray EncodeLikeRecord(const QString& line, const QByteArray& record) {
  if (IsAscii(line)) return line.toLatin1();
  QByteArray windows1252;
  if (!record.isValidUtf8() && EncodeWindows1252(line, &windows1252)) return windows1252;
  return line.toUtf8();
}

struct Failure {
  QString name;
  QString reason;
};

// The record's content with line 1 as link, or the reason it cannot be made.
std::variant<QByteArray, QString> ContentWithFirstLine(const QString& path, const QString& link) {
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) {
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError) return file.errorString();
    const QByteArray content = old.isEmpty() ? FormatMinimalRecord(link) : WithFirstLine(old, link);
    return content == old ? QByteArray() : content;
  }
  if (QFileInfo::exists(path)) {
    // There is something that cannot be read: never replace it with a minimal record.
    return file.errorString();
  }
  return FormatMinimalRecord(link);
}

QString FailureMessage(const std::vector<Failure>& failures) {
  QString text = kRecordsNotSavedMessage;
  for (const Failure& failure : failures)
    text += u'\n' + failure.name + QStringLiteral(": ") + failure.reason;
  return text;
}

}  // namespace

QByteArray WithFirstLine(const QByteArray& record, const QString& link) {
  const qsizetype start = record.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0;
  qsizetype end = start;
  while (end < record.size() && record[end] != '\r' && record[end] != '\n') ++end;
  const QByteArray rest = end < record.size() ? record.mid(end) : kLineBreak.toLatin1();
  return record.left(start) + EncodeLikeRecord(link, record) + rest;
}

bool SaveLinkStrings(LoadedFamily& family, Prompter& prompter, const QString& step_name) {
  if (!family.HasFamily()) return false;
  const QString folder = family.FamilyPath();
  if (!QFileInfo(folder).isDir()) {
    // Whatever was known about the records went with the folder.
    family.record_line1.clear();
    if (!QDir().mkpath(folder)) {
      prompter.Message(kFamilyFolderNotCreatedMessage.arg(QDir::toNativeSeparators(folder)),
                       kApplicationTitle, MessageKind::kError);
      return false;
    }
  }
  const QDir dir(folder);
  std::vector<Failure> failures;
  FamilyChange change{step_name, {}};
  QString file_name;  // one buffer for all rows: this loop runs over every person on every change
  for (const IndexRow& row : family.index.rows()) {
    SetRecordFileName(file_name, row.name, OwnNumber(row.link));
    const auto known = family.record_line1.constFind(file_name);
    if (known != family.record_line1.cend() && known.value() == row.link) continue;
    auto content = ContentWithFirstLine(dir.filePath(file_name), row.link);
    if (const QString* reason = std::get_if<QString>(&content)) {
      family.record_line1.remove(file_name);  // unknown; the next pass reads it again
      failures.push_back({row.name, *reason});
    } else if (QByteArray& bytes = std::get<QByteArray>(content); !bytes.isEmpty()) {
      change.Write(file_name, std::move(bytes));
    } else {
      family.record_line1.insert(file_name, row.link);
    }
  }
  // A record that cannot be read (a folder of that name, say) stops the whole change before
  // anything is written, as a full disk does.
  if (!failures.empty()) {
    for (const FileChange& file : change.files) {
      failures.push_back({NameFromRecordFileName(file.file_name), kLeftAsItWasReason});
    }
    change.files.clear();
  }
  // One step for every changed record: a full disk or a crash leaves the family as it was or
  // wholly changed, never with one person's links changed and the other side's not.
  QString error;
  const bool saved = ApplyFamilyChange(family, change, &error);
  DeleteTemporaryFiles(folder);
  if (!failures.empty())
    prompter.Message(FailureMessage(failures), kApplicationTitle, MessageKind::kError);
  if (!saved) prompter.Message(error, kApplicationTitle, MessageKind::kError);
  return saved && failures.empty();
}

}  // namespace kinvale

#include "editing/save_link_strings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>
#include <variant>
#include <vector>

#include "editing/editing_texts.h"
#include "store/atomic_file.h"
#include "store/link_string.h"
#include "store/prompter.h"
#include "store/record.h"
#include "store/record_writer.h"
#include "store/session.h"
#include "store/text_codec.h"

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

// A record whose line 1 is to become link.
struct PendingRecord {
  const IndexRow* row;
  QString file_name;
  QByteArray content;  // empty: the file already says so
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

void SaveLinkStrings(Session& session, Prompter& prompter) {
  if (!session.HasFamily()) return;
  const QString folder = session.FamilyPath();
  if (!QFileInfo(folder).isDir()) {
    // Whatever was known about the records went with the folder.
    session.record_line1.clear();
    if (!QDir().mkpath(folder)) {
      prompter.Message(kFamilyFolderNotCreatedMessage.arg(QDir::toNativeSeparators(folder)),
                       kApplicationTitle);
      return;
    }
  }
  const QDir dir(folder);
  std::vector<Failure> failures;
  std::vector<PendingRecord> pending;
  QString file_name;  // one buffer for all rows: this loop runs over every person on every change
  for (const IndexRow& row : session.index.rows()) {
    SetRecordFileName(file_name, row.name, OwnNumber(row.link));
    const auto known = session.record_line1.constFind(file_name);
    if (known != session.record_line1.cend() && known.value() == row.link) continue;
    auto content = ContentWithFirstLine(dir.filePath(file_name), row.link);
    if (const QString* reason = std::get_if<QString>(&content)) {
      session.record_line1.remove(file_name);  // unknown; the next pass reads it again
      failures.push_back({row.name, *reason});
    } else {
      pending.push_back({&row, file_name, std::get<QByteArray>(std::move(content))});
    }
  }
  // A record that cannot be read (a folder of that name, say) stops the whole change before
  // anything is written, as a full disk does below.
  if (!failures.empty()) {
    for (const PendingRecord& record : pending) {
      if (!record.content.isEmpty()) failures.push_back({record.row->name, kLeftAsItWasReason});
    }
    pending.clear();
  }
  // Every changed record is staged before any replaces its file: a full disk leaves the family
  // as it was, never with one person's links changed and the other side's not.
  for (const PendingRecord& record : pending) {
    QString error;
    if (record.content.isEmpty() ||
        StageFile(dir.filePath(record.file_name), record.content, &error)) {
      continue;
    }
    for (const PendingRecord& staged : pending) DiscardStagedFile(dir.filePath(staged.file_name));
    failures.push_back({record.row->name, error});
    for (const PendingRecord& other : pending) {
      if (&other != &record) failures.push_back({other.row->name, kLeftAsItWasReason});
    }
    pending.clear();
    break;
  }
  // New people's records come first: a crash between two renames then never leaves a link
  // string naming a person whom no record carries.
  std::stable_partition(pending.begin(), pending.end(), [&dir](const PendingRecord& record) {
    return !QFileInfo::exists(dir.filePath(record.file_name));
  });
  for (const PendingRecord& record : pending) {
    QString error;
    if (record.content.isEmpty() || CommitStagedFile(dir.filePath(record.file_name), &error)) {
      session.record_line1.insert(record.file_name, record.row->link);
    } else {
      session.record_line1.remove(record.file_name);
      failures.push_back({record.row->name, error});
    }
  }
  DeleteTemporaryFiles(folder);
  if (!failures.empty()) prompter.Message(FailureMessage(failures), kApplicationTitle);
}

}  // namespace kinvale

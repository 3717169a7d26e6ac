#include "editing/save_link_strings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>
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

// Brings one record's line 1 to link; the reason when it could not be done.
std::optional<QString> SaveFirstLine(const QString& path, const QString& link) {
  QFile file(path);
  QByteArray content;
  if (file.open(QIODevice::ReadOnly)) {
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError) return file.errorString();
    file.close();
    content = old.isEmpty() ? FormatMinimalRecord(link) : WithFirstLine(old, link);
    if (content == old) return std::nullopt;
  } else if (QFileInfo::exists(path)) {
    // There is something that cannot be read: never replace it with a minimal record.
    return file.errorString();
  } else {
    content = FormatMinimalRecord(link);
  }
  QString error;
  if (!WriteFileAtomically(path, content, &error)) return error;
  return std::nullopt;
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
  QString file_name;  // one buffer for all rows: this loop runs over every person on every change
  for (const IndexRow& row : session.index.rows()) {
    SetRecordFileName(file_name, row.name, OwnNumber(row.link));
    const auto known = session.record_line1.constFind(file_name);
    if (known != session.record_line1.cend() && known.value() == row.link) continue;
    if (const std::optional<QString> reason = SaveFirstLine(dir.filePath(file_name), row.link)) {
      // What the file holds now is unknown here; the next pass reads it again.
      session.record_line1.remove(file_name);
      failures.push_back({row.name, *reason});
    } else {
      session.record_line1.insert(file_name, row.link);
    }
  }
  DeleteTemporaryFiles(folder);
  if (!failures.empty()) prompter.Message(FailureMessage(failures), kApplicationTitle);
}

}  // namespace kinvale

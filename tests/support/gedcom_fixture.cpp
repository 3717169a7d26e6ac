#include "support/gedcom_fixture.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include "store/app_folder.h"
#include "store/family_files.h"

namespace kinvale::testing {

QByteArray MakeGedcom(const QString& records, const QString& charset) {
  const QString text =
      QStringLiteral("0 HEAD\r\n1 CHAR %1\r\n%2\r\n0 TRLR\r\n").arg(charset, records);
  return text.toUtf8();
}

QString WriteGedcom(const TempAppFolder& app, const QString& file_name, const QByteArray& bytes) {
  const QString path = QDir(app.path()).filePath(file_name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    qFatal("cannot write %s", qPrintable(path));
  file.write(bytes);
  return path;
}

ImportResult ImportConfirmed(const TempAppFolder& app, const QString& path,
                             ScriptedPrompter* prompter, const QString& open_family) {
  ScriptedPrompter own;
  ScriptedPrompter& answers = prompter ? *prompter : own;
  answers.confirmations = {true, true, true};
  return ImportGedcom({app.path(), path, false, open_family}, answers);
}

QStringList RecordFiles(const TempAppFolder& app, const QString& family) {
  return ListRecordFiles(app.FamilyPath(family)).value_or(QStringList());
}

RecordRead ReadRecordNumbered(const TempAppFolder& app, const QString& family,
                              const QString& number) {
  const QStringList files =
      QDir(app.FamilyPath(family))
          .entryList({QStringLiteral("*_") + number + QStringLiteral(".dat")});
  if (files.size() != 1) return {};
  return ReadRecordFile(QDir(app.FamilyPath(family)).filePath(files.first()));
}

Session OpenDemoFamily(const TempAppFolder& app) {
  Session session;
  session.app_folder = QDir(app.path()).filePath(QStringLiteral("Kinvale"));
  QString error;
  if (!PrepareAppFolder(session.app_folder, &error)) qFatal("%s", qPrintable(error));
  session.family = kDemoFamily;
  ScriptedPrompter prompter;
  LoadFamilyIndex(session, prompter);
  return session;
}

}  // namespace kinvale::testing

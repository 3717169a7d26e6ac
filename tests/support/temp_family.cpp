#include "support/temp_family.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include "store/record_writer.h"
#include "support/scripted_prompter.h"

namespace kinvale::testing {

QMap<QString, QByteArray> FolderBytes(const QString& folder) {
  QMap<QString, QByteArray> bytes;
  for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
    bytes.insert(name, ReadBytes(QDir(folder).filePath(name)));
  return bytes;
}

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  QCOMPARE(file.write(bytes), bytes.size());
}

TempAppFolder::TempAppFolder() { QVERIFY2(dir_.isValid(), "temporary folder"); }

QString TempAppFolder::FamilyPath(const QString& family) const {
  return QDir(dir_.path()).filePath(family);
}

void TempAppFolder::WriteFamily(const QString& family,
                                const std::vector<PersonSpec>& people) const {
  QDir().mkpath(FamilyPath(family));
  for (const PersonSpec& person : people) {
    PersonDetails details = person.details;
    details.gender = person.gender;
    WriteFile(family, RecordFileName(person.name, person.link.left(4)),
              FormatFullRecord(person.link, QStringLiteral("2026-01-01"), details));
  }
}

void TempAppFolder::WriteFile(const QString& family, const QString& file_name,
                              const QByteArray& bytes) const {
  QDir().mkpath(FamilyPath(family));
  WriteBytes(QDir(FamilyPath(family)).filePath(file_name), bytes);
}

QByteArray TempAppFolder::ReadFile(const QString& family, const QString& file_name) const {
  return ReadBytes(QDir(FamilyPath(family)).filePath(file_name));
}

Session TempAppFolder::OpenSession(const QString& family) const {
  Session session;
  session.app_folder = dir_.path();
  session.family = family;
  ScriptedPrompter prompter;
  LoadFamilyIndex(session, prompter);
  return session;
}

}  // namespace kinvale::testing

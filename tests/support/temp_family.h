// Temporary application folders with families written from link strings, for tests.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <utility>
#include <vector>

#include "session/session.h"
#include "store/record.h"

namespace kinvale::testing {

// The record path of the first person of exactly that name.
inline QString RecordPathOf(const Session& session, const QString& name) {
  return session.RecordPathOfRow(session.index.FindRowExact(name));
}

struct PersonSpec {
  QString name;
  QString link;
  QString gender = QStringLiteral("Male");
  PersonDetails details = {};  // gender is taken from the field above
};

// The bytes of every file of the folder (hidden ones too, not those of subfolders), by name.
QMap<QString, QByteArray> FolderBytes(const QString& folder);
QByteArray ReadBytes(const QString& path);  // empty when the file cannot be read
void WriteBytes(const QString& path, const QByteArray& bytes);

class TempAppFolder {
 public:
  TempAppFolder();
  QString path() const { return dir_.path(); }
  QString FamilyPath(const QString& family) const;
  // Creates the family folder and writes one full record per person.
  void WriteFamily(const QString& family, const std::vector<PersonSpec>& people) const;
  // Writes a file with exactly these bytes into the family folder.
  void WriteFile(const QString& family, const QString& file_name, const QByteArray& bytes) const;
  QByteArray ReadFile(const QString& family, const QString& file_name) const;
  // A session on this folder with the family opened (index loaded, nothing drawn).
  Session OpenSession(const QString& family) const;

 private:
  QTemporaryDir dir_;
};

}  // namespace kinvale::testing

// A family for the details editor and photo tests: Anne Lee with every field filled (a woman),
// her husband Bob Lee and her father Carl Lee, opened and drawn with Anne as person of interest.
#pragma once

#include "store/record_reader.h"
#include "support/filled_details.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"

namespace kinvale::testing {

inline const QString kLeeFamily = QStringLiteral("Lee");
inline const QString kAnneFile = QStringLiteral("Anne Lee_0001.dat");
inline const QString kAnnesPhoto = kFilledPhoto;

// Details with the fields named by their captions ("photo" for the photo path) set; a list's
// entries are separated by "|".
PersonDetails DetailsOf(std::initializer_list<std::pair<QString, QString>> values);

struct DetailsFixture {
  DetailsFixture();

  QString RecordPath(const QString& file) const { return session.FamilyFilePath(file); }
  QByteArray Bytes(const QString& file) const { return folder.ReadFile(kLeeFamily, file); }
  RecordRead Read(const QString& file) const { return ReadRecordFile(RecordPath(file)); }
  QStringList Files() const;  // the family folder's files, sorted

  TempAppFolder folder;
  Session session;
  ScriptedPrompter prompter;
};

}  // namespace kinvale::testing

// A family for the details editor and photo tests: Anne Lee with every field filled and a photo,
// her husband Bob Lee and her father Carl Lee, opened and drawn with Anne as person of interest.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "store/record.h"
#include "store/record_reader.h"
#include "store/session.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"

namespace kinvale::testing {

inline const QString kLeeFamily = QStringLiteral("Lee");
inline const QString kAnnesPhoto = QStringLiteral("/photos/anne.png");

// Every field filled: text blocks of two lines, lists of two entries, the photo kAnnesPhoto.
PersonDetails EveryFieldFilled();

struct DetailsFixture {
  DetailsFixture();

  QString RecordPath(const QString& file_name) const { return session.FamilyFilePath(file_name); }
  QByteArray Bytes(const QString& file_name) const {
    return folder.ReadFile(kLeeFamily, file_name);
  }
  RecordRead Read(const QString& file_name) const { return ReadRecordFile(RecordPath(file_name)); }
  // The files of the family folder, sorted.
  QStringList Files() const;
  // "name|link|gender|birth|death" for every row, in row order.
  QStringList Rows() const;

  TempAppFolder folder;
  Session session;
  ScriptedPrompter prompter;
};

}  // namespace kinvale::testing

// GEDCOM files for tests: written into a temporary application folder and imported with
// scripted answers, the record files read back.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "gedcom/gedcom_export.h"
#include "gedcom/gedcom_import.h"
#include "store/record_reader.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"

namespace kinvale::testing {

// "0 HEAD", a character set line, the records given (lines joined with CR LF), "0 TRLR".
QByteArray MakeGedcom(const QString& records, const QString& charset = QStringLiteral("UTF-8"));

// Writes the bytes as a file of the application folder and gives its path.
QString WriteGedcom(const TempAppFolder& app, const QString& file_name, const QByteArray& bytes);

// Imports the file answering every question OK, with the open family given.
ImportResult ImportConfirmed(const TempAppFolder& app, const QString& path,
                             ScriptedPrompter* prompter = nullptr,
                             const QString& open_family = QString());

// The record files of a family, sorted by name.
QStringList RecordFiles(const TempAppFolder& app, const QString& family);
// The one record file of the family whose name ends with "_<number>.dat", read.
RecordRead ReadRecordNumbered(const TempAppFolder& app, const QString& family,
                              const QString& number);

// A new application folder under the temporary one, seeded with the demo family, and a
// session with that family open.
Session OpenDemoFamily(const TempAppFolder& app);

}  // namespace kinvale::testing

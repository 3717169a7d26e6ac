// The texts of the GEDCOM import and export: the captions of their windows, their questions,
// progress texts and messages, the notes an import adds to a record, and the two reports. Tags,
// header lines and the names records and folders are stored under are no texts: they stay with
// the code that writes them.
#pragma once

#include "store/text.h"

namespace kinvale {

// The import.
inline constexpr Text kImportWindowTitle{QT_TRANSLATE_NOOP("Kinvale", "Import From GEDCOM")};
inline constexpr Text kResumeCaption{QT_TRANSLATE_NOOP("Kinvale", "Resume")};
inline constexpr Text kImportCaption{QT_TRANSLATE_NOOP("Kinvale", "Import")};
inline constexpr Text kStatusCaption{QT_TRANSLATE_NOOP("Kinvale", "Status")};
inline constexpr Text kChooseFileMessage{
    QT_TRANSLATE_NOOP("Kinvale", "Please choose a GEDCOM file (.ged) first.")};
inline constexpr Text kFamilyExistsQuestion{
    QT_TRANSLATE_NOOP("Kinvale", "Family Group File Exists. Overwrite?")};
inline constexpr Text kReplacingFamilyQuestion{
    QT_TRANSLATE_NOOP("Kinvale", "You are replacing the current family. Continue?")};
inline constexpr Text kFileExistsTitle{QT_TRANSLATE_NOOP("Kinvale", "File Exists Warning")};
inline constexpr Text kEstimateQuestion{
    QT_TRANSLATE_NOOP("Kinvale", "There are %1 names to process which may take %2 to process.")};
inline constexpr Text kContinueTitle{QT_TRANSLATE_NOOP("Kinvale", "Continue?")};
inline constexpr Text kImportCompleted{QT_TRANSLATE_NOOP("Kinvale", "Import Completed")};
inline constexpr Text kJobStatusTitle{QT_TRANSLATE_NOOP("Kinvale", "Job Status")};

inline constexpr Text kProcessingNameStatus{
    QT_TRANSLATE_NOOP("Kinvale", "Processing Name%1 of %2")};
inline constexpr Text kProcessingNoteTitle{
    QT_TRANSLATE_NOOP("Kinvale", "Processing Note %1 of %2 for %3")};
inline constexpr Text kProcessingSourceTitle{
    QT_TRANSLATE_NOOP("Kinvale", "Processing Source %1 of %2 for %3")};
inline constexpr Text kUpdatingRelationsTitle{
    QT_TRANSLATE_NOOP("Kinvale", "Updating Relations for %1 ...")};
inline constexpr Text kWritingRecordTitle{
    QT_TRANSLATE_NOOP("Kinvale", "Writing New Name File for %1 ...")};
inline constexpr Text kNextNameTitle{
    QT_TRANSLATE_NOOP("Kinvale", "Getting Ready for Next Name ...")};
inline constexpr Text kImportedTitle{QT_TRANSLATE_NOOP("Kinvale", "Imported %1")};
inline constexpr Text kAlternateNameNote{QT_TRANSLATE_NOOP("Kinvale", "Altername name: ")};
inline constexpr Text kGedcomNameNote{QT_TRANSLATE_NOOP("Kinvale", "Name in the GEDCOM file: ")};
inline constexpr Text kEarlierNameNote{
    QT_TRANSLATE_NOOP("Kinvale", "Also named in the GEDCOM file: ")};

inline constexpr Text kLessThanASecond{QT_TRANSLATE_NOOP("Kinvale", "less than a second")};
inline constexpr Text kOneSecond{QT_TRANSLATE_NOOP("Kinvale", "1 second")};
inline constexpr Text kSeconds{QT_TRANSLATE_NOOP("Kinvale", "%1 seconds")};
inline constexpr Text kOneMinute{QT_TRANSLATE_NOOP("Kinvale", "1 minute")};
inline constexpr Text kMinutes{QT_TRANSLATE_NOOP("Kinvale", "%1 minutes")};

inline constexpr Text kNoFamilyNameMessage{
    QT_TRANSLATE_NOOP("Kinvale",
                      "The file name \"%1\" gives no family name: the family is named after the "
                      "file name up to its first \".\" or \"_\".")};
inline constexpr Text kFamilyNameRefusedMessage{QT_TRANSLATE_NOOP(
    "Kinvale",
    "The file name \"%1\" would make the family \"%2\", a name the family chooser refuses (No "
    "special characters please). Rename the file; nothing was imported.")};
inline constexpr Text kTooManyIndividualsMessage{QT_TRANSLATE_NOOP(
    "Kinvale",
    "The file holds %1 individuals, but a family holds at most 9999 (person numbers "
    "have four digits). Nothing was imported.")};
inline constexpr Text kNoIndividualsMessage{
    QT_TRANSLATE_NOOP("Kinvale", "The file holds no individuals. Nothing was imported.")};
inline constexpr Text kAllImportedMessage{QT_TRANSLATE_NOOP(
    "Kinvale",
    "The family already holds a record for each of the file's %1 individuals. There is "
    "nothing left to resume.")};
inline constexpr Text kRenamedSentence{
    QT_TRANSLATE_NOOP("Kinvale", "%1 (%2) is stored as \"%3\": %4")};
inline constexpr Text kNoNameReason{QT_TRANSLATE_NOOP("Kinvale", "the file gives no name.")};
inline constexpr Text kEmptyNameReason{
    QT_TRANSLATE_NOOP("Kinvale", "the name is empty once cleaned.")};
inline constexpr Text kNameDoesNotLoadReason{QT_TRANSLATE_NOOP(
    "Kinvale", "the name would not come back unchanged from its record file name.")};

// %1 the file, %2 the reason.
inline constexpr Text kGedcomReadError{
    QT_TRANSLATE_NOOP("Kinvale", "Could not read the GEDCOM file %1: %2")};
// %1 the family folder, %2 the reason.
inline constexpr Text kReplaceFamilyError{
    QT_TRANSLATE_NOOP("Kinvale", "Could not put the imported family in place as %1: %2")};

// The import report.
inline constexpr Text kReportIndividuals{QT_TRANSLATE_NOOP("Kinvale", "Individuals imported: %1")};
inline constexpr Text kReportFamilies{QT_TRANSLATE_NOOP("Kinvale", "Families linked: %1")};
inline constexpr Text kReportNotes{QT_TRANSLATE_NOOP("Kinvale", "Notes imported: %1")};
inline constexpr Text kReportSources{QT_TRANSLATE_NOOP("Kinvale", "Sources imported: %1")};
inline constexpr Text kReportCharset{QT_TRANSLATE_NOOP("Kinvale", "Character set: %1")};
inline constexpr Text kReportFileNumbers{
    QT_TRANSLATE_NOOP("Kinvale", "Person numbers: the file's own (@I12@ is 0012)")};
inline constexpr Text kReportOrderNumbers{
    QT_TRANSLATE_NOOP("Kinvale",
                      "Person numbers: 0001 upwards in file order (the file's references are not "
                      "all \"I\" and a number from 1 to 9999)")};
inline constexpr Text kReportRenamed{QT_TRANSLATE_NOOP("Kinvale", "Stored under another name:")};
inline constexpr Text kReportStorable{
    QT_TRANSLATE_NOOP("Kinvale", "Values changed so that the records read back in step: %1")};
inline constexpr Text kReportMissing{
    QT_TRANSLATE_NOOP("Kinvale",
                      "References to families, individuals, notes or sources the file does not "
                      "have: %1")};
inline constexpr Text kReportFurtherSpouses{QT_TRANSLATE_NOOP(
    "Kinvale", "People with more spouses than the link string holds (one is kept): %1")};
inline constexpr Text kReportMalformed{
    QT_TRANSLATE_NOOP("Kinvale", "Lines that are not GEDCOM lines, skipped: %1")};
inline constexpr Text kReportMoved{QT_TRANSLATE_NOOP(
    "Kinvale", "The family as it was (%2 record files) moved, whole, to its folder \"%1\"")};
inline constexpr Text kReportKeptRecords{
    QT_TRANSLATE_NOOP("Kinvale", "Individuals already in the family, not imported again: %1")};
inline constexpr Text kReportBadLines{QT_TRANSLATE_NOOP(
    "Kinvale", "Lines not valid in that character set, read as Windows-1252: %1 (lines %2)")};
inline constexpr Text kReportCleaned{QT_TRANSLATE_NOOP("Kinvale", "Names changed by cleaning: %1")};
inline constexpr Text kReportCleanedExample{QT_TRANSLATE_NOOP("Kinvale", "  \"%1\" as \"%2\"")};
inline constexpr Text kReportShortened{QT_TRANSLATE_NOOP(
    "Kinvale", "Names shortened to fit a file name (the full name is in the notes): %1")};
inline constexpr Text kReportRepeated{QT_TRANSLATE_NOOP(
    "Kinvale", "Cross-references given to more than one record (references go to the first): %1")};
inline constexpr Text kReportRepeatedIndividual{
    QT_TRANSLATE_NOOP("Kinvale", "  %1: %2 %3 (the first is %4)")};
inline constexpr Text kReportRepeatedRecord{
    QT_TRANSLATE_NOOP("Kinvale", "  %1: a further %2 record")};
inline constexpr Text kReportGedcom7{QT_TRANSLATE_NOOP("Kinvale", "GEDCOM 7 constructs read:")};
inline constexpr Text kReportSkippedRecords{
    QT_TRANSLATE_NOOP("Kinvale", "Records not brought in:")};
inline constexpr Text kReportSkippedTags{
    QT_TRANSLATE_NOOP("Kinvale", "GEDCOM tags the record format does not hold, skipped:")};
inline constexpr Text kReportCount{QT_TRANSLATE_NOOP("Kinvale", "  %1: %2")};

// The GEDCOM 7 constructs the report counts.
inline constexpr Text kIndividualWithoutXref{
    QT_TRANSLATE_NOOP("Kinvale", "INDI records without a cross-reference")};
inline constexpr Text kVoidPointer{QT_TRANSLATE_NOOP("Kinvale", "@VOID@ pointers (nobody)")};
inline constexpr Text kSharedNote{QT_TRANSLATE_NOOP("Kinvale", "SNOTE shared notes")};
inline constexpr Text kSharedNoteReference{QT_TRANSLATE_NOOP("Kinvale", "SNOTE references")};
inline constexpr Text kNoAssertion{
    QT_TRANSLATE_NOOP("Kinvale", "NO lines (an event that did not happen)")};

// The export.
inline constexpr Text kExportWindowTitle{QT_TRANSLATE_NOOP("Kinvale", "Export To GEDCOM")};
inline constexpr Text kContactCaption{QT_TRANSLATE_NOOP("Kinvale", "Contact Information:")};
inline constexpr Text kExportCaption{QT_TRANSLATE_NOOP("Kinvale", "Export")};
inline constexpr Text kOutputExistsQuestion{
    QT_TRANSLATE_NOOP("Kinvale", "File Exists. Overwrite?")};
inline constexpr Text kExportCompleted{QT_TRANSLATE_NOOP("Kinvale", "Export Completed")};
inline constexpr Text kExportFailed{QT_TRANSLATE_NOOP("Kinvale", "Error processing GEDCOM file")};
inline constexpr Text kExportFailedTitle{QT_TRANSLATE_NOOP("Kinvale", "Error")};

inline constexpr Text kNoOpenFamilyMessage{
    QT_TRANSLATE_NOOP("Kinvale", "Please open a family first.")};
inline constexpr Text kNoPersonNumberMessage{QT_TRANSLATE_NOOP(
    "Kinvale",
    "The record of %1 carries no person number (its first line is \"%2\"), so it cannot become "
    "an individual of the GEDCOM file. Nothing was exported.")};
inline constexpr Text kSharedNumberMessage{QT_TRANSLATE_NOOP(
    "Kinvale",
    "%1 and %2 both carry the person number %3; a GEDCOM file needs one number for each person. "
    "Nothing was exported.")};
inline constexpr Text kUnreadableRecordMessage{
    QT_TRANSLATE_NOOP("Kinvale", "The record file %1 cannot be read. Nothing was exported.")};
inline constexpr Text kNotWindows1252Question{QT_TRANSLATE_NOOP(
    "Kinvale",
    "The character \"%1\" in %2 cannot be written in the character set the GEDCOM header names "
    "(\"1 CHAR IBM WINDOWS\", Windows-1252). Write the file in UTF-8 (\"1 CHAR UTF-8\") "
    "instead?")};
inline constexpr Text kRecordOfText{QT_TRANSLATE_NOOP("Kinvale", "the record of %1")};
inline constexpr Text kFamilyOfText{QT_TRANSLATE_NOOP("Kinvale", "the family of %1")};
inline constexpr Text kNotesOfText{QT_TRANSLATE_NOOP("Kinvale", "the notes of %1")};
inline constexpr Text kSourcesOfText{QT_TRANSLATE_NOOP("Kinvale", "the sources of %1")};
inline constexpr Text kContactText{QT_TRANSLATE_NOOP("Kinvale", "the contact information")};
inline constexpr Text kFamilyNameText{
    QT_TRANSLATE_NOOP("Kinvale", "the family name")};  // the submitter's
inline constexpr Text kFileNameText{QT_TRANSLATE_NOOP("Kinvale", "the file name")};

inline constexpr Text kExportedIndividuals{
    QT_TRANSLATE_NOOP("Kinvale", "Individuals exported: %1")};
inline constexpr Text kExportedFamilies{QT_TRANSLATE_NOOP("Kinvale", "Families: %1")};
inline constexpr Text kExportedNotes{QT_TRANSLATE_NOOP("Kinvale", "Notes: %1")};
inline constexpr Text kExportedSources{QT_TRANSLATE_NOOP("Kinvale", "Sources: %1")};
inline constexpr Text kExportedCharset{QT_TRANSLATE_NOOP("Kinvale", "Character set: %1")};

}  // namespace kinvale

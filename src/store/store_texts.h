// The texts of the store: the family chooser's rules and messages, the questions of a name
// look-up, and the messages of reading and writing the files of the application folder.
// File names, record lines and section headers are no texts: they stay with the code that
// reads and writes them.
#pragma once

#include "store/text.h"

namespace kinvale {

// The families of the application folder.
inline constexpr Text kNewFamilyInitialText{QT_TRANSLATE_NOOP("Kinvale", "Enter New Family Here")};
inline constexpr Text kNameErrorMessage{
    QT_TRANSLATE_NOOP("Kinvale", "No special characters please")};
inline constexpr Text kNameErrorTitle{QT_TRANSLATE_NOOP("Kinvale", "Name Error")};
inline constexpr Text kFamilyCreatedMessage{QT_TRANSLATE_NOOP("Kinvale", "New Family Created")};
inline constexpr Text kFamilyCreatedTitle{QT_TRANSLATE_NOOP("Kinvale", "Family File Start")};
// %1 the typed name.
inline constexpr Text kFamilyExistsMessage{
    QT_TRANSLATE_NOOP("Kinvale", "A family or file named \"%1\" exists already.")};
inline constexpr Text kFamilyFolderNotMadeMessage{
    QT_TRANSLATE_NOOP("Kinvale", "Could not create the family folder \"%1\".")};

// The record files of a family.
inline constexpr Text kFamilyListError{QT_TRANSLATE_NOOP("Kinvale", "Error reading family data.")};
// Followed by the unreadable files, joined by ", ".
inline constexpr Text kRecordReadError{QT_TRANSLATE_NOOP("Kinvale", "Error reading ")};
// Followed by the files left out, joined by ", ".
inline constexpr Text kNotRecordsMessage{QT_TRANSLATE_NOOP(
    "Kinvale",
    "Left out, as they are no person records of this family (a record's first line begins with "
    "the person number its file name ends with): ")};
// %1 the person number, %2 how many files carry it, %3 the files.
inline constexpr Text kSharedPersonNumberMessage{
    QT_TRANSLATE_NOOP("Kinvale",
                      "Person number %1 is carried by %2 record files: %3. Check leaves them "
                      "as they are; rename or move all but one.")};
// What check finds in a link string: the problems of one, joined by "; ".
inline constexpr Text kLinkNotWellFormed{
    QT_TRANSLATE_NOOP("Kinvale", "the link string \"%1\" is not well formed")};
// %1 the entries cleared, each a role word and a number.
inline constexpr Text kLinkNamesMissing{
    QT_TRANSLATE_NOOP("Kinvale", "it names %1, whom no record carries")};
// %1 and %2 two people, %3 the role word.
inline constexpr Text kOneSidedLink{
    QT_TRANSLATE_NOOP("Kinvale", "%1 lists %2 as %3; %2 does not list %1.")};
inline constexpr Text kSpouseRole{QT_TRANSLATE_NOOP("Kinvale", "spouse")};
inline constexpr Text kFatherRole{QT_TRANSLATE_NOOP("Kinvale", "father")};
inline constexpr Text kMotherRole{QT_TRANSLATE_NOOP("Kinvale", "mother")};
inline constexpr Text kSiblingRole{QT_TRANSLATE_NOOP("Kinvale", "sibling")};
inline constexpr Text kFamilyFullMessage{QT_TRANSLATE_NOOP(
    "Kinvale",
    "This family already uses person number 9999, the highest a record can carry; no more people "
    "can be added.")};

// A typed name that matches several people.
inline constexpr Text kWhichPersonTitle{QT_TRANSLATE_NOOP("Kinvale", "Which Person?")};
// %1 the name.
inline constexpr Text kWhichPersonQuestion{
    QT_TRANSLATE_NOOP("Kinvale", "Several people are called %1. Which one do you mean?")};

// The names a record can be stored under.
inline constexpr Text kEnterNameMessage{QT_TRANSLATE_NOOP("Kinvale", "Please enter a name.")};
inline constexpr Text kInvisibleNameMessage{QT_TRANSLATE_NOOP(
    "Kinvale",
    "Please enter a name: this one holds only blanks or invisible characters, and would "
    "show as nothing.")};
inline constexpr Text kControlCharacterMessage{
    QT_TRANSLATE_NOOP("Kinvale", "The name cannot be stored: it contains a control character.")};
// %1 the name, %2 the character.
inline constexpr Text kForbiddenCharacterMessage{QT_TRANSLATE_NOOP(
    "Kinvale", "The name \"%1\" cannot be stored: file names cannot hold \"%2\".")};
inline constexpr Text kCopyNameMessage{QT_TRANSLATE_NOOP(
    "Kinvale",
    "The name \"%1\" cannot be stored: names containing \"copy\" are taken for backup "
    "copies and would never load.")};
inline constexpr Text kNameTooLongMessage{
    QT_TRANSLATE_NOOP("Kinvale", "The name \"%1...\" is too long to be stored as a file name.")};

// The person windows and the record's photo line.
inline constexpr Text kDateLastChangedCaption{QT_TRANSLATE_NOOP("Kinvale", "Date Last Changed")};
// What a reader shows for an empty date-last-changed line.
inline constexpr Text kNoDate{QT_TRANSLATE_NOOP("Kinvale", "N/A")};
inline constexpr Text kPhotoPathLineBreakMessage{QT_TRANSLATE_NOOP(
    "Kinvale",
    "The photo's path holds a line break, which the photo line of a record cannot hold; please "
    "rename the picture or its folder.")};
// The person of interest button's caption while nobody is shown.
inline constexpr Text kNoPersonCaption{QT_TRANSLATE_NOOP("Kinvale", "Person of Interest")};

// Why a file cannot be read; %1 the limit in MB.
inline constexpr Text kFileTooLargeReason{QT_TRANSLATE_NOOP("Kinvale", "it is larger than %1 MB")};
inline constexpr Text kIsFolderReason{QT_TRANSLATE_NOOP("Kinvale", "it is a folder")};
inline constexpr Text kNotRegularFileReason{
    QT_TRANSLATE_NOOP("Kinvale", "it is not a regular file")};

// Writing: %1 the file or folder, %2 the reason.
inline constexpr Text kCouldNotSaveMessage{QT_TRANSLATE_NOOP("Kinvale", "Could not save %1: %2")};
inline constexpr Text kCouldNotCreateFolderMessage{
    QT_TRANSLATE_NOOP("Kinvale", "Could not create the folder %1.")};
inline constexpr Text kAppFolderLineBreakMessage{QT_TRANSLATE_NOOP(
    "Kinvale",
    "The application folder %1 cannot be used: its path holds a line break, which the photo line "
    "of a record cannot hold.")};
inline constexpr Text kCouldNotCreateAppFolderMessage{
    QT_TRANSLATE_NOOP("Kinvale", "Could not create the application folder %1: %2")};

// The lock on the application folder: %1 the folder, %2 the reason in brackets or nothing.
inline constexpr Text kCannotLockMessage{
    QT_TRANSLATE_NOOP("Kinvale", "Kinvale cannot lock %1 for changes%2; nothing was changed.")};
// %1 " (process <id>)" or nothing, %2 the folder.
inline constexpr Text kLockedElsewhereMessage{QT_TRANSLATE_NOOP(
    "Kinvale", "Another Kinvale%1 is working on %2; nothing was changed. Close it and try again.")};
// Why the lock file cannot be used; %1 its name.
inline constexpr Text kLockNotPlainFile{QT_TRANSLATE_NOOP("Kinvale", "%1 is not a plain file")};
inline constexpr Text kLockProcess{QT_TRANSLATE_NOOP("Kinvale", " (process %1)")};

// The undo history of a family.
// %1 the file.
inline constexpr Text kUnreadableUnchangedMessage{
    QT_TRANSLATE_NOOP("Kinvale", "%1 cannot be read, so it was not changed.")};
// %1 the file, %2 the reason.
inline constexpr Text kUnreadableMessage{QT_TRANSLATE_NOOP("Kinvale", "%1 cannot be read: %2")};
inline constexpr Text kCouldNotRemoveMessage{QT_TRANSLATE_NOOP("Kinvale", "Could not remove %1.")};
inline constexpr Text kHistoryDamagedMessage{QT_TRANSLATE_NOOP(
    "Kinvale", "The history of this family is damaged; the step cannot be read.")};
inline constexpr Text kHistoryNotWrittenMessage{
    QT_TRANSLATE_NOOP("Kinvale", "The history of this family cannot be written.")};
inline constexpr Text kHistoryFolderNotMadeMessage{
    QT_TRANSLATE_NOOP("Kinvale", "The history folder of %1 cannot be created.")};

}  // namespace kinvale

// The texts of kinvale-cli: its usage, the help of each command and the messages the commands
// print. Command names, options and the argument synopses are the command line's syntax and
// stay with the commands.
#pragma once

#include "store/text.h"

namespace kinvale::cli {

// The head of --help; the commands follow, each with its usage line and help.
inline constexpr Text kUsageIntro{QT_TRANSLATE_NOOP(
    "Kinvale",
    "Usage: kinvale-cli [--data-dir DIR] COMMAND [ARGUMENTS...]\n"
    "\n"
    "Works on the families of the application folder: DIR when --data-dir is given, else\n"
    "$KINVALE_HOME, else ~/.local/share/Kinvale. A new application folder is seeded with the\n"
    "demo family. Output is UTF-8, one item per line. Exit status: 0 on success, 1 when the\n"
    "command could not be done (the reason is printed on stderr), 2 for a usage error.\n"
    "An argument \"--\" ends the options: every argument after it is taken as it is, so a\n"
    "name may begin with \"--\" (add Demo \"Thomas Whitfield\" sibling -- --help).\n"
    "\n"
    "Commands:\n")};
// Followed by a command's usage text.
inline constexpr Text kUsagePrefix{QT_TRANSLATE_NOOP("Kinvale", "Usage: kinvale-cli ")};
inline constexpr Text kHelpHint{
    QT_TRANSLATE_NOOP("Kinvale", "Run 'kinvale-cli --help' for the commands and their arguments.")};
inline constexpr Text kDataDirMissing{QT_TRANSLATE_NOOP("Kinvale", "--data-dir needs a folder.")};
inline constexpr Text kUnknownCommand{QT_TRANSLATE_NOOP("Kinvale", "Unknown command \"%1\".")};

// Finding the family and the person an argument names.
inline constexpr Text kNoSuchFamily{
    QT_TRANSLATE_NOOP("Kinvale", "There is no family named \"%1\".")};
// %1 the number, %2 the family.
inline constexpr Text kNoSuchNumber{
    QT_TRANSLATE_NOOP("Kinvale", "Nobody in the family \"%2\" has the person number %1.")};
// %1 the name, %2 the family.
inline constexpr Text kNoSuchName{
    QT_TRANSLATE_NOOP("Kinvale", "There is nobody named \"%1\" in the family \"%2\".")};
// Followed by the person a number found, when others share the name.
inline constexpr Text kPersonFound{QT_TRANSLATE_NOOP("Kinvale", "Person: ")};

// The commands' own messages.
inline constexpr Text kGenerationsError{
    QT_TRANSLATE_NOOP("Kinvale", "A number of generations is a whole number from 0, or \"all\".")};
// %1 the file, %2 the boxes, %3 and %4 the width and height.
inline constexpr Text kChartDrawn{QT_TRANSLATE_NOOP("Kinvale", "%1: %2 boxes, %3 x %4 points")};
inline constexpr Text kCaptionChoices{QT_TRANSLATE_NOOP("Kinvale", "CAPTION must be one of %1.")};
inline constexpr Text kNewNameEmpty{QT_TRANSLATE_NOOP("Kinvale", "NEW must not be empty.")};
inline constexpr Text kRoleChoices{QT_TRANSLATE_NOOP("Kinvale", "ROLE must be one of %1.")};
// %1 the person, %2 the relative's word, %3 the name.
inline constexpr Text kNoRelativeNamed{QT_TRANSLATE_NOOP("Kinvale", "%1 has no %2 named \"%3\".")};
// %1 "undo" or "redo".
inline constexpr Text kNothingTo{QT_TRANSLATE_NOOP("Kinvale", "There is nothing to %1.")};
inline constexpr Text kUndoneLabel{QT_TRANSLATE_NOOP("Kinvale", "Undone:")};
inline constexpr Text kRedoneLabel{QT_TRANSLATE_NOOP("Kinvale", "Redone:")};
inline constexpr Text kPhotoLabel{QT_TRANSLATE_NOOP("Kinvale", "Photo:")};
inline constexpr Text kBatchLineError{
    QT_TRANSLATE_NOOP("Kinvale", "Line %1: expected two names separated by a tab.")};
inline constexpr Text kMaxDegreeError{
    QT_TRANSLATE_NOOP("Kinvale", "--max-degree takes a whole number from 0 to %1.")};
// %1 the people, %2 the record files.
inline constexpr Text kCheckCounts{QT_TRANSLATE_NOOP("Kinvale", "%1 people in %2 record files")};
// %1 the problem, %2 kMendedTo or kRepairWrites, %3 the link string.
inline constexpr Text kLinkRepair{QT_TRANSLATE_NOOP("Kinvale", "%1; %2 \"%3\".")};
inline constexpr Text kMendedTo{QT_TRANSLATE_NOOP("Kinvale", "mended to")};
inline constexpr Text kRepairWrites{QT_TRANSLATE_NOOP("Kinvale", "check --repair writes")};
// The undo history's name of check --repair's change.
inline constexpr Text kRepairStepName{QT_TRANSLATE_NOOP("Kinvale", "Repair link strings")};

// The help of each command, shown under its usage line.
inline constexpr Text kChartHelp{QT_TRANSLATE_NOOP(
    "Kinvale",
    "Draws the family chart of PERSON (a name, or a number as #0012) into FILE, as the\n"
    "chart window shows it: N generations of ancestors above, of descendants below (N may\n"
    "be \"all\"). Without either option, 4 generations each way. Prints the file, the\n"
    "number of boxes and the chart's size.")};
inline constexpr Text kSetHelp{QT_TRANSLATE_NOOP(
    "Kinvale",
    "Sets the field with the details editor's CAPTION (for example \"Birth Date\",\n"
    "\"Occupation\", \"Notes:\") of NAME to VALUE and saves the record as \"Apply\" does.\n"
    "For a list, VALUE holds the entries one per line; for a text block, its lines.")};
inline constexpr Text kRenameHelp{QT_TRANSLATE_NOOP(
    "Kinvale",
    "Renames OLD to NEW as \"Change Name\" does, confirmed: the record file takes\n"
    "the new name and keeps its contents and person number.")};
inline constexpr Text kAddHelp{QT_TRANSLATE_NOOP(
    "Kinvale",
    "Adds NAME as the father, mother, spouse, sibling or dependent (ROLE) of PERSON,\n"
    "as the main window's buttons do: a name not yet in the family becomes a new\n"
    "person. Prints each changed link string as name, old link and new link,\n"
    "separated by tabs.")};
inline constexpr Text kRemoveHelp{QT_TRANSLATE_NOOP(
    "Kinvale",
    "Removes NAME from PERSON's father, mother, sibling or dependent list (ROLE), as\n"
    "the main window's buttons do: the links are cut, nobody is deleted. Prints\n"
    "the changed link strings like add.")};
inline constexpr Text kImportHelp{QT_TRANSLATE_NOOP(
    "Kinvale",
    "Imports the GEDCOM file FILE into the family named after it (the file name up to its\n"
    "first \".\" or \"_\"), one record file per individual, all or nothing, and prints the\n"
    "import report. A family it replaces is kept whole in its folder \"Replaced <date>\".\n"
    "--resume adds the individuals whose person numbers the family has no record for.\n"
    "The questions the window asks (overwriting the family, replacing the family the\n"
    "window opens, the time estimate) are printed and answered no, ending the command with\n"
    "status 1, unless --yes answers them OK.")};
inline constexpr Text kExportHelp{QT_TRANSLATE_NOOP(
    "Kinvale",
    "Writes FAMILY as the GEDCOM 5.5 file FILE, as the \"Export To GEDCOM\" window does, and\n"
    "prints what it holds. TEXT (the window's \"Contact Information:\") becomes the file's\n"
    "submitter. The questions of the window (overwriting FILE, writing UTF-8 when a text\n"
    "cannot be written in Windows-1252) are printed and answered no, ending the command\n"
    "with status 1, unless --yes answers them OK.")};
inline constexpr Text kHistoryHelp{QT_TRANSLATE_NOOP(
    "Kinvale",
    "Lists the changes of FAMILY that undo and redo can take back or make again,\n"
    "newest first (undone ones above the others): step number, time, \"done\" or\n"
    "\"undone\", and what was changed, separated by tabs.")};
inline constexpr Text kUndoHelp{
    QT_TRANSLATE_NOOP("Kinvale",
                      "Takes back the newest change of FAMILY, as Edit > Undo does: every file it\n"
                      "changed is as it was before. Prints what was undone.")};
inline constexpr Text kRedoHelp{
    QT_TRANSLATE_NOOP("Kinvale", "Makes the change undone last again, as Edit > Redo does.")};
inline constexpr Text kViewHelp{QT_TRANSLATE_NOOP(
    "Kinvale",
    "Prints what the main window shows for NAME (by default the person a freshly\n"
    "opened FAMILY shows first): one \"Caption: name\" line for the person of\n"
    "interest, the spouse and each father, mother, sibling and child, then the\n"
    "photo shown (empty when it is hidden).")};
inline constexpr Text kCreateFamilyHelp{QT_TRANSLATE_NOOP(
    "Kinvale", "Creates the empty family NAME, as the family chooser's \"Create\" does.")};
inline constexpr Text kPhotoHelp{QT_TRANSLATE_NOOP(
    "Kinvale",
    "Imports the picture FILE into the family folder as the next photo of NAME, as the\n"
    "\"Import Photo\" window does, and prints the new photo's path; with --default it\n"
    "becomes NAME's photo. With --change, makes the stored photo PHOTO (a photo file of the\n"
    "family folder, by name or path) NAME's photo, as \"Change Photo\" does.")};
inline constexpr Text kRelateHelp{QT_TRANSLATE_NOOP(
    "Kinvale",
    "Prints how NAME1 is related to NAME2, as \"Find Relation\" answers it; its warnings\n"
    "go to stderr first. With --path, prints every relationship of the two, nearest\n"
    "first: its sentence, then the people between them one a line (number, name and how\n"
    "each stands to the next); a person may be given as #NNNN. With --batch, reads\n"
    "NAME1<tab>NAME2 lines from stdin and answers each in order (with --path, each\n"
    "pair's relationships end with a blank line).")};
inline constexpr Text kRelativesHelp{QT_TRANSLATE_NOOP(
    "Kinvale",
    "Lists the relatives of PERSON (a name or #NNNN) up to cousins of degree N (default\n"
    "3, at most 10), grouped by kind: the group's name, then one relative a line (what\n"
    "they are to PERSON, number and name, tab-separated).")};
inline constexpr Text kDescendantsHelp{QT_TRANSLATE_NOOP(
    "Kinvale",
    "Lists the descendants of NAME as the descendants window does, one name a line, once\n"
    "for every line of descent. With --relations each name is followed by a tab and the\n"
    "sentence a click on it gives.")};
inline constexpr Text kSearchHelp{QT_TRANSLATE_NOOP(
    "Kinvale",
    "Lists, one name per line in record file order, the people of FAMILY whose\n"
    "record mentions any word of TEXT (or, with --exact, TEXT as one phrase) on a\n"
    "line that is no section header, ignoring case. The search status goes to\n"
    "stderr; exit status 1 when a record could not be read.")};
inline constexpr Text kCheckHelp{QT_TRANSLATE_NOOP(
    "Kinvale",
    "Loads FAMILY as the window program does, finishes a change that a crash\n"
    "interrupted, removes the temporary files it left behind, and reports files that\n"
    "cannot be read or are no records, person numbers carried by two files, link\n"
    "strings that are not well formed or name people no record carries, and links only\n"
    "one side holds (which the program's own rules leave too). Exit status 1 for any\n"
    "but the one-sided links. With --repair it mends what needs no guess: link strings\n"
    "rewritten as they are read, missing people cleared.")};
inline constexpr Text kFamiliesHelp{QT_TRANSLATE_NOOP("Kinvale",
                                                      "Lists the families, as the family chooser "
                                                      "lists them.")};
inline constexpr Text kPeopleHelp{
    QT_TRANSLATE_NOOP("Kinvale",
                      "Lists the people of FAMILY in index order: person number, name, gender, "
                      "birth date,\ndeath date and link string, separated by tabs.")};
inline constexpr Text kShowHelp{
    QT_TRANSLATE_NOOP("Kinvale",
                      "Prints every field of the person information window for NAME, one\n"
                      "\"Caption: value\" line each in tab order; further lines of a value are\n"
                      "indented by two spaces.")};

}  // namespace kinvale::cli

// The person details editor: what the "Update Personal Information" window shows (name box, name
// list, every detail field, the date label, the hidden link string) and the operations of its
// buttons, which load a person's record, save it, create a person and rename one.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "mainwindow/main_view.h"
#include "store/record.h"
#include "store/record_fields.h"

namespace kinvale {

struct Session;
class Prompter;

// The six lists with "+" and "-" buttons, in tab order.
enum class DetailList { kOccupation, kElementary, kIntermediate, kHigh, kUniversities, kEmployers };
inline constexpr int kDetailListCount = 6;

struct DetailListInfo {
  QString caption;  // as in DetailFields()
  QString prompt;   // the name entry prompt of its "+" button
  QStringList PersonDetails::*entries;
};
const DetailListInfo& ListInfo(DetailList list);

struct EditorFields {
  EditorFields() { list_selected.fill(-1); }

  QString name_box;
  RelativeList names;  // every person of the family, in index order
  // The detail fields; photo_path holds the photo line of the record loaded last, which the
  // window does not show.
  PersonDetails details;
  std::array<int, kDetailListCount> list_selected;  // -1: no entry selected
  QString date_label = kDateLastChangedCaption;
  QString link;  // line 1 of the record loaded last

  int& Selected(DetailList list) { return list_selected[static_cast<int>(list)]; }
};

// How far Load person read the subject's record.
enum class RecordLoad {
  kNoRecord,  // there is no record file: every field kept what it showed
  kComplete,  // every value of the record is in the fields
  kPartial,   // the record ended early or could not be read: some values were not loaded
};

class DetailsEditor {
 public:
  DetailsEditor(Session& session, Prompter& prompter);

  // The window writes what the user typed and selected here before each operation and shows
  // these fields again afterwards. Cancel is the window closing: it writes nothing.
  EditorFields& fields() { return fields_; }
  const EditorFields& fields() const { return fields_; }

  // The person the buttons work on: the selected name, else the text of the name box.
  QString Subject() const;

  // Lists the family, takes the person of interest into the name box and loads that person.
  RecordLoad Open();
  // Loads the subject's record into the detail fields (run when a name is clicked).
  RecordLoad LoadPerson();
  // Saves the subject, creating the person when the family has nobody of that name; the
  // subject becomes the person of interest. False when nothing was saved (silently for a
  // missing name or gender, with a message for a value or name that cannot be stored).
  bool Apply();
  // Saves as Apply does; true when the window closes. A person of interest whose record has
  // gone missing is reported and the window stays open.
  bool Return();
  // Clears the detail fields and the name box for a new person; the selection stays.
  void NewEntry();
  // "+": asks for an entry and appends it; an empty answer changes nothing.
  void AddListEntry(DetailList list);
  // "-": removes the selected entry, if any.
  void RemoveListEntry(DetailList list);
  // Renames the selected person after asking for the new name and a confirmation: the record
  // file is renamed, its contents and person number stay. False when nothing was renamed.
  bool ChangeName();

  // Writes the subject's whole record from the fields with photo_path as its photo line. False
  // (error set when something failed) when nothing was written, as for a subject that is not
  // in the family.
  bool WriteRecord(const QString& photo_path, QString* error);

 private:
  // Apply's steps up to the record write; nullopt when refused, else whether the person was
  // created.
  std::optional<bool> StartSave();
  QString SaveProblem(const QString& name) const;
  bool FinishApply(bool created);
  // WriteRecord, with a failure shown.
  bool WriteReporting(const QString& photo_path);
  QString AskLine(const QString& prompt);
  void ClearDetails();
  void ListFamily();

  Session& session_;
  Prompter& prompter_;
  EditorFields fields_;
};

// The record file of the person of the family named exactly name; the record path of the
// loose match (or of nobody) when no row carries exactly that name.
QString RecordPathOfName(const Session& session, const QString& name);

}  // namespace kinvale

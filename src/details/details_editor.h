// The person details editor: what the "Update Personal Information" window shows (name box, name
// list, every detail field, the date label, the hidden link string) and the operations of its
// buttons, which load a person's record, save it, create a person and rename one.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "details/shown_record.h"
#include "session/main_view.h"
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
  QString date_label;                               // empty until a record is loaded
  QString link;                                     // line 1 of the record loaded last
  // The person whose record the fields show; 0 while they hold a new person or nobody. The
  // name box stands for this person as long as it holds their name.
  int loaded_number = 0;
  PersonDetails loaded_details;  // the details as loaded or saved last, to tell typed changes

  int& Selected(DetailList list) { return list_selected[static_cast<int>(list)]; }
};

class DetailsEditor {
 public:
  DetailsEditor(Session& session, Prompter& prompter);

  // The window writes what the user typed and selected here before each operation and shows
  // these fields again afterwards. Cancel is the window closing: it writes nothing.
  EditorFields& fields() { return fields_; }
  const EditorFields& fields() const { return fields_; }
  const Session& session() const { return session_; }

  // The person the buttons work on: the selected line's person, else the person loaded while
  // the name box holds their name, else the first row of exactly the typed name; -1 for a name
  // nobody has.
  int SubjectRow() const;
  // The subject's name: the selected line's, else the name box's.
  QString Subject() const;
  // The name list's line of the person the buttons work on; -1 while that is someone new.
  int SubjectLine() const;

  // Lists the family, takes the person of interest into the name box and loads that person.
  RecordLoad Open();
  // Loads the subject's record into the detail fields (run when the current line of the name
  // list changes); without a record file every field keeps what it showed.
  RecordLoad LoadPerson();
  // True when the detail fields differ from the record as loaded or saved last.
  bool HasUnsavedChanges() const;
  // Takes the detail fields as they now are for the record as loaded or saved.
  void MarkSaved();
  // Before the fields are left behind (another person, New Entry, Cancel, closing): asks
  // whether to save typed changes and saves them when told to. False when the user cancelled or
  // the save failed: the fields must then stay.
  bool ConfirmLeave();
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

  // Writes the whole record of the person at row from the fields with photo_path as its photo
  // line, as one step of the family's history named step_name. False (error set when something
  // failed) when nothing was written.
  bool WriteRecord(int row, const QString& photo_path, const QString& step_name, QString* error);

 private:
  struct Saving {
    int row;
    bool created;
  };
  // Apply's steps up to the record write; nullopt when refused.
  std::optional<Saving> StartSave();
  // The row the subject stands for when saving: asks which one when a typed name is shared;
  // nullopt when cancelled, -1 for a new person.
  std::optional<int> RowToSave();
  QString SaveProblem(const QString& name, int row) const;
  bool FinishApply(const Saving& saving);
  // WriteRecord, with a failure shown.
  bool WriteReporting(const Saving& saving, const QString& photo_path);
  void ClearDetails();
  void ListFamily();

  Session& session_;
  Prompter& prompter_;
  EditorFields fields_;
};

}  // namespace kinvale

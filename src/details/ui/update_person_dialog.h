// The "Update Personal Information" window: renders the details editor's fields, hands every
// button to the editor and shows the result. The name box's caption says whom the buttons work
// on, and the name list shows that person in bold. Controls are named for tests: "nameBox",
// "nameCaption", "nameList", "applyButton", "returnButton", "changeNameButton",
// "newEntryButton", "cancelButton", and the person form's fields (PersonDetailsForm).
#pragma once

#include <QDialog>
#include <functional>

#include "details/details_editor.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace kinvale {

class PersonDetailsForm;

class UpdatePersonDialog : public QDialog {
  Q_OBJECT

 public:
  // Opens on the person of interest, as the editor's Open does.
  UpdatePersonDialog(Session& session, Prompter& prompter, QWidget* parent = nullptr);

 private:
  QWidget* BuildLeftPanel();
  void BuildForm();

  // Takes what the user typed and selected into the editor, runs the operation and shows the
  // editor's fields again.
  void Run(const std::function<void()>& operation);
  // Loads the person of the name list's line, after asking about typed changes.
  void ShowPerson(int line);
  // Cancel, Escape and the frame's close button: typed changes are asked about first.
  void reject() override;
  // Takes the fields; the name list's selection too unless the fields still belong to the
  // person selected before it moved.
  void TakeEdits(bool with_selection);
  void ShowFields();
  // The name box's caption and the name list's bold line follow the subject.
  void ShowSubject();
  void ShowBoldLine();

  DetailsEditor editor_;
  QLabel* name_caption_ = nullptr;
  QLineEdit* name_box_ = nullptr;
  QListWidget* name_list_ = nullptr;
  PersonDetailsForm* form_ = nullptr;
  int bold_line_ = -1;  // the name list's line shown in bold
};

}  // namespace kinvale

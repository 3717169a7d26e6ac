// The "Update Personal Information" window: renders the details editor's fields, hands every
// button to the editor and shows the result. Controls are named for tests: "nameBox",
// "nameList", "applyButton", "returnButton", "changeNameButton", "newEntryButton",
// "cancelButton", "dateLastChanged", each detail field by its caption (the gender selector
// "Gender", the sources box "Sources"), and a list's buttons by its caption and " +" / " -".
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "details/details_editor.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTabWidget;

namespace kinvale {

class UpdatePersonDialog : public QDialog {
  Q_OBJECT

 public:
  // Opens on the person of interest, as the editor's Open does.
  UpdatePersonDialog(Session& session, Prompter& prompter, QWidget* parent = nullptr);

 private:
  // One detail field's control: exactly one of the pointers is set.
  struct FieldControl {
    const FieldInfo* field;
    QLineEdit* line = nullptr;
    QComboBox* choice = nullptr;
    QPlainTextEdit* block = nullptr;
    QListWidget* list = nullptr;
    DetailList list_kind = DetailList::kOccupation;
  };

  QWidget* BuildLeftPanel();
  QTabWidget* BuildTabs();
  QWidget* BuildField(const FieldInfo& field, QWidget* parent);
  QWidget* BuildList(FieldControl& control, QWidget* parent);

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

  DetailsEditor editor_;
  QLineEdit* name_box_ = nullptr;
  QListWidget* name_list_ = nullptr;
  QLabel* date_label_ = nullptr;
  std::vector<FieldControl> controls_;
};

}  // namespace kinvale

// The six tabs of person details ("General" to "Other"), each field under its caption, as the
// details editor, the information view and the import window show them. In edit mode the fields
// can be typed in, the gender is a selector and each list has "+" and "-" buttons; in read-only
// mode every field can be read, selected and copied but not changed. Each field is named for
// tests by its caption, a list's buttons by the caption and " +" / " -", the date last changed
// "dateLastChanged".
#pragma once

#include <QTabWidget>
#include <vector>

#include "store/record.h"
#include "store/record_fields.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace kinvale {

// Gives a read-only field the window's background, so that it does not look like a box to type in.
void LookReadOnly(QWidget& widget);

class PersonDetailsForm : public QTabWidget {
  Q_OBJECT

 public:
  enum class Mode { kEdit, kReadOnly };
  explicit PersonDetailsForm(Mode mode, QWidget* parent = nullptr);

  // Shows every detail field but the photo path, which no field shows; lists lose their
  // selection.
  void ShowDetails(const PersonDetails& details);
  void ShowDateLastChanged(const QString& date);
  // The values as the fields now hold them; photo_path is empty.
  PersonDetails TypedDetails() const;
  // The selected entry of a list field, -1 for none; SelectEntry(list, -1) clears the selection.
  int SelectedEntry(const FieldInfo& list) const;
  void SelectEntry(const FieldInfo& list, int entry);

 signals:
  // A list's "+" or "-" button was pressed (edit mode).
  void addEntryClicked(const kinvale::FieldInfo* list);
  void removeEntryClicked(const kinvale::FieldInfo* list);

 private:
  // One field's control: exactly one of the pointers is set.
  struct Control {
    const FieldInfo* field;
    QLineEdit* line = nullptr;
    QComboBox* choice = nullptr;
    QPlainTextEdit* block = nullptr;
    QListWidget* list = nullptr;
  };

  QWidget* BuildControl(Control& control, QWidget* page);
  QWidget* BuildListButtons(const Control& control, QWidget* page);
  const Control* ControlOf(const FieldInfo& field) const;

  const Mode mode_;
  std::vector<Control> controls_;
  QLabel* date_last_changed_ = nullptr;
};

}  // namespace kinvale

// The "Keyword Search" window: finds the persons whose records mention the words typed, and
// hands a clicked result to whoever shows that person's information; "Go to" closes it on the
// result chosen.
#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProgressBar;

namespace kinvale {

struct Session;
class Prompter;

class KeywordSearchDialog : public QDialog {
  Q_OBJECT

 public:
  using ShowPerson = std::function<void(int row)>;

  // Rebuilds the family's record file list; show_person is called with the row of a result
  // clicked or activated with Enter.
  KeywordSearchDialog(Session& session, Prompter& prompter, ShowPerson show_person,
                      QWidget* parent = nullptr);

  // The row of the result the window was closed on with "Go to"; -1 when it was not.
  int go_to_row() const { return go_to_row_; }

 private:
  void Search();
  void ShowClickedPerson(QListWidgetItem* item);

  Session& session_;
  Prompter& prompter_;
  ShowPerson show_person_;
  QLineEdit* search_text_;
  QCheckBox* exact_phrase_;
  QListWidget* results_;
  QProgressBar* progress_;
  int go_to_row_ = -1;
};

}  // namespace kinvale

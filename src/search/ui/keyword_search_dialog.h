// The "Keyword Search" window: finds the persons whose records mention the words typed, tells on
// its status line how the search went, and hands a result clicked or chosen with Enter to
// whoever shows that person's information; "Go to" closes it on the result chosen.
#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QStatusBar;

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

 protected:
  // Enter in the results shows the current one instead of searching again.
  bool eventFilter(QObject* watched, QEvent* event) override;

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
  QStatusBar* status_;
  int go_to_row_ = -1;
};

}  // namespace kinvale

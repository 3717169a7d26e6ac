// The read-only person information window: every field of one person's record on six tabs,
// titled with the person's name, closed by "Return" or by "Go to", which asks the opener to make
// the person the person of interest.
#pragma once

#include <QDialog>

namespace kinvale {

struct Session;

class PersonInfoDialog : public QDialog {
  Q_OBJECT

 public:
  // What exec() gives when the window was closed by "Go to".
  static constexpr int kGoToResult = 2;

  // Fills the window from the record of the person at row (ShowPersonInfo).
  PersonInfoDialog(const Session& session, int row, QWidget* parent = nullptr);
};

}  // namespace kinvale

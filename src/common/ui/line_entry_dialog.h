// The one-line name entry dialog ("Enter Name"): a prompt over one text box, "Apply" and
// "Cancel". It answers the Prompter's LineEntry in the window program.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace kinvale {

class LineEntryDialog : public QDialog {
  Q_OBJECT

 public:
  explicit LineEntryDialog(const QString& prompt, QWidget* parent = nullptr);
  // The text exactly as typed after "Apply" (or Enter); "" after "Cancel", Escape or a frame
  // close.
  QString answer() const { return answer_; }

  // Shows the dialog modally, with text in the box, and gives its answer.
  static QString Ask(QWidget* parent, const QString& prompt, const QString& text = {});

 private:
  void Apply();

  QLineEdit* text_ = nullptr;
  QString answer_;
};

}  // namespace kinvale

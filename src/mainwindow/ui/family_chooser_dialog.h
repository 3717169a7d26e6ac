// The family chooser ("Load Family Tree"): the families of the application folder, "Open",
// "Create" from the name typed, and "Cancel".
#pragma once

#include <QDialog>

#include "session/family_choice.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace kinvale {

class Prompter;

class FamilyChooserDialog : public QDialog {
  Q_OBJECT

 public:
  FamilyChooserDialog(const QString& app_folder, Prompter& prompter, QWidget* parent = nullptr);
  // What the user did: kClosed until "Open" or "Cancel" is pressed.
  const FamilyChoice& choice() const { return choice_; }

  // Shows the chooser modally and gives the user's answer.
  static FamilyChoice Choose(QWidget* parent, const QString& app_folder, Prompter& prompter);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FillList(const QString& select);
  void Open();
  void Cancel();
  void Create();

  QString app_folder_;
  Prompter& prompter_;
  QListWidget* families_ = nullptr;
  QLineEdit* new_family_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* create_ = nullptr;
  FamilyChoice choice_;
};

}  // namespace kinvale

// The about box (titled "Kinvale"): the logo, which opens the home page when clicked, and
// "Close".
#pragma once

#include <QDialog>

namespace kinvale {

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  // The logo is the application folder's logo.bmp.
  explicit AboutDialog(const QString& app_folder, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* logo_ = nullptr;
};

}  // namespace kinvale

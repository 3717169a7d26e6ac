// A button that shows a person's name: a name too long for the button loses its middle to an
// ellipsis, and the whole name then shows in the tooltip above the button's own tip.
#pragma once

#include <QPushButton>

namespace kinvale {

class NameButton : public QPushButton {
  Q_OBJECT

 public:
  NameButton(const QString& tip, QWidget* parent = nullptr);

  // The name as given; "&" in it is shown as itself.
  void SetName(const QString& name);
  const QString& name() const { return name_; }

  // Room for a few letters: a longer name elides rather than widening the button.
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void ShowName();

  QString name_;
  QString tip_;
};

}  // namespace kinvale

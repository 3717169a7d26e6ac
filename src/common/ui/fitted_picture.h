// A picture scaled to its label, whatever size the layout gives the label: the photo windows'
// previews grow and shrink with their windows.
#pragma once

#include <QImage>
#include <QLabel>

namespace kinvale {

// At least the least size, and as much more as the window gives; the content's own size is
// ignored so that a window grown once can shrink again.
void MakeGrowing(QLabel& label, QSize least);

class FittedPicture : public QLabel {
 public:
  FittedPicture(QSize least, QWidget* parent);
  // A null picture leaves the label empty.
  void SetPicture(const QImage& picture);
  const QImage& picture() const { return picture_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Fit();

  QImage picture_;  // at full size
};

}  // namespace kinvale

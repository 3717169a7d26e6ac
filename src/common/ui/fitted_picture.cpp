#include "common/ui/fitted_picture.h"

#include <QPixmap>

namespace kinvale {

void MakeGrowing(QLabel& label, QSize least) {
  label.setAlignment(Qt::AlignCenter);
  label.setMinimumSize(least);
  label.setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  label.setFrameShape(QFrame::StyledPanel);
}

FittedPicture::FittedPicture(QSize least, QWidget* parent) : QLabel(parent) {
  MakeGrowing(*this, least);
}

void FittedPicture::SetPicture(const QImage& picture) {
  picture_ = picture;
  Fit();
}

void FittedPicture::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Fit();
}

void FittedPicture::Fit() {
  if (picture_.isNull()) return clear();
  setPixmap(QPixmap::fromImage(
      picture_.scaled(contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

}  // namespace kinvale

// The person of interest's photo, scaled to fit and centred, and the placeholder shown in its
// place while the photo is hidden.
#pragma once

#include <QImage>
#include <QWidget>

namespace kinvale {

class PhotoView : public QWidget {
  Q_OBJECT

 public:
  explicit PhotoView(QWidget* parent = nullptr);
  // Loads a picture in any format Qt reads, whatever the file's extension; false when the file
  // holds no readable picture (the view then shows nothing).
  bool Load(const QString& path);
  const QImage& image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
};

class PhotoPlaceholder : public QWidget {
  Q_OBJECT

 public:
  explicit PhotoPlaceholder(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace kinvale

// The main window's working area: the photo, the four relative frames with their "+" and "-"
// buttons, the person of interest and spouse buttons, and the connector lines between them,
// laid out by the window's twip table and scaled with the window.
#pragma once

#include <QWidget>

class QGroupBox;
class QListWidget;
class QPushButton;

namespace kinvale {

class PhotoView;
class PhotoPlaceholder;
class TwipLayout;

struct RelativeFrame {
  QGroupBox* frame = nullptr;
  QListWidget* list = nullptr;
  QPushButton* add = nullptr;
  QPushButton* remove = nullptr;
};

class FamilyBoard : public QWidget {
  Q_OBJECT

 public:
  explicit FamilyBoard(QWidget* parent = nullptr);

  RelativeFrame fathers;
  RelativeFrame mothers;
  RelativeFrame siblings;
  RelativeFrame children;
  QPushButton* person_button = nullptr;
  QPushButton* spouse_button = nullptr;
  PhotoView* photo = nullptr;
  PhotoPlaceholder* photo_placeholder = nullptr;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct FrameSpec;
  RelativeFrame AddRelativeFrame(const FrameSpec& spec);
  QPushButton* AddButton(const QString& caption, const QString& object_name, QRect twips);

  TwipLayout* layout_ = nullptr;
};

}  // namespace kinvale

// The main window's working area: the photo, the four relative frames with their "+" and "-"
// buttons, the person of interest and spouse buttons, and the connector lines between them,
// laid out by the window's twip table and scaled with the window.
#pragma once

#include <QPolygon>
#include <QWidget>
#include <vector>

class QGroupBox;
class QListWidget;
class QToolButton;

namespace kinvale {

class NameButton;
class PhotoView;
class PhotoPlaceholder;
class TwipLayout;

struct RelativeFrame {
  QGroupBox* frame = nullptr;
  QListWidget* list = nullptr;
  QToolButton* add = nullptr;
  QToolButton* remove = nullptr;
};

class FamilyBoard : public QWidget {
  Q_OBJECT

 public:
  explicit FamilyBoard(QWidget* parent = nullptr);

  // The connector lines as they stand, from the frames' present geometry: the parents joined
  // under the photo, and the photo, the spouse, the siblings and the children each joined to the
  // person of interest. Every line ends on the edges of the two widgets it joins.
  std::vector<QPolygon> ConnectorLines() const;

  RelativeFrame fathers;
  RelativeFrame mothers;
  RelativeFrame siblings;
  RelativeFrame children;
  NameButton* person_button = nullptr;
  NameButton* spouse_button = nullptr;
  PhotoView* photo = nullptr;
  PhotoPlaceholder* photo_placeholder = nullptr;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct FramePlan;
  RelativeFrame AddRelativeFrame(const FramePlan& plan);
  QToolButton* AddSmallButton(const QString& caption, const QString& object_name, QRect twips,
                              const QString& tip);

  TwipLayout* layout_ = nullptr;
};

}  // namespace kinvale

#include "mainwindow/ui/family_board.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "mainwindow/ui/photo_view.h"
#include "mainwindow/ui/twip_layout.h"
#include "mainwindow/window_texts.h"
#include "session/main_view.h"
#include "store/settings.h"

namespace kinvale {

namespace {

// The client area the layout table is drawn for, in twips.
const QSize kDesign(11800, 8600);
const QRect kPhoto(4440, 240, 3135, 2655);
const QRect kFatherFrame(360, 840, 3135, 1815);
const QRect kMotherFrame(8520, 840, 2895, 1815);
const QRect kPersonButton(4200, 3720, 3495, 735);
const QRect kSpouseButton(720, 4560, 2895, 495);
const QRect kSiblingsFrame(8400, 3600, 2895, 2055);
const QRect kChildrenFrame(4560, 5880, 2895, 2055);
const QSize kSmallButton(375, 375);

// The connector lines, each a polyline in twips: parents down to a bar, the bar and the photo
// down to the person, and the person out to the spouse, the siblings and the children.
const std::vector<std::vector<QPoint>> kConnectors = {
    {{1927, 2655}, {1927, 3300}},
    {{9967, 2655}, {9967, 3300}},
    {{1927, 3300}, {9967, 3300}},
    {{5947, 2895}, {5947, 3720}},
    {{2167, 4560}, {2167, 4087}, {4200, 4087}},
    {{7695, 4087}, {8400, 4087}},
    {{5947, 4455}, {5947, 5880}},
};

}  // namespace

// One relative frame: its caption, the object name stems of its list ("fatherList") and of its
// buttons ("addFatherButton"), where it goes, and the buttons' tips.
struct FamilyBoard::FrameSpec {
  QString caption;
  QString list_stem;
  QString button_stem;
  QRect frame_twips;
  QPoint add_twips;
  QPoint remove_twips;
  QString add_tip;
  QString remove_tip;
};

FamilyBoard::FamilyBoard(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("familyBoard"));
  layout_ = new TwipLayout(kDesign, this);
  layout_->setContentsMargins(0, 0, 0, 0);

  photo_placeholder = new PhotoPlaceholder(this);
  photo_placeholder->setObjectName(QStringLiteral("photoPlaceholder"));
  layout_->AddWidget(photo_placeholder, kPhoto);
  photo = new PhotoView(this);
  photo->setObjectName(QStringLiteral("photo"));
  layout_->AddWidget(photo, kPhoto);
  photo->hide();

  fathers = AddRelativeFrame({kFatherCaption,
                              QStringLiteral("father"),
                              QStringLiteral("Father"),
                              kFatherFrame,
                              {3720, 1200},
                              {3720, 1800},
                              kAddFatherTip,
                              kRemoveFatherTip});
  mothers = AddRelativeFrame({kMotherCaption,
                              QStringLiteral("mother"),
                              QStringLiteral("Mother"),
                              kMotherFrame,
                              {7920, 1200},
                              {7920, 1800},
                              kAddMotherTip,
                              kRemoveMotherTip});
  siblings = AddRelativeFrame({kSiblingsCaption,
                               QStringLiteral("sibling"),
                               QStringLiteral("Sibling"),
                               kSiblingsFrame,
                               {7920, 4560},
                               {7920, 5040},
                               kAddSiblingTip,
                               kRemoveSiblingTip});
  children = AddRelativeFrame({kChildrenCaption,
                               QStringLiteral("children"),
                               QStringLiteral("Dependent"),
                               kChildrenFrame,
                               {3960, 6840},
                               {3960, 7320},
                               kAddDependentTip,
                               kRemoveDependentTip});

  person_button = AddButton(kNoPersonCaption, QStringLiteral("personButton"), kPersonButton);
  QFont person_font = person_button->font();
  person_font.setBold(true);
  person_font.setPointSizeF(person_font.pointSizeF() * 1.25);
  person_button->setFont(person_font);
  person_button->setToolTip(kPersonButtonTip);
  spouse_button = AddButton(kNoSpouseCaption, QStringLiteral("spouseButton"), kSpouseButton);
  spouse_button->setToolTip(kSpouseButtonTip);
}

RelativeFrame FamilyBoard::AddRelativeFrame(const FrameSpec& spec) {
  RelativeFrame result;
  result.frame = new QGroupBox(spec.caption, this);
  result.frame->setObjectName(spec.list_stem + QStringLiteral("Frame"));
  // Set explicitly, so the list does not inherit the frame's bold caption font.
  QFont normal = result.frame->font();
  normal.setBold(false);
  QFont bold = normal;
  bold.setBold(true);
  result.frame->setFont(bold);

  result.list = new QListWidget(result.frame);
  result.list->setObjectName(spec.list_stem + QStringLiteral("List"));
  result.list->setFont(normal);
  result.list->setToolTip(kRelativeListTip);
  result.list->setSelectionMode(QAbstractItemView::SingleSelection);
  result.list->setSpacing(1);
  auto* inner = new QVBoxLayout(result.frame);
  inner->setContentsMargins(6, 4, 6, 6);
  inner->addWidget(result.list);
  layout_->AddWidget(result.frame, spec.frame_twips);

  const QString button_suffix = spec.button_stem + QStringLiteral("Button");
  result.add = AddButton(kAddCaption, QStringLiteral("add") + button_suffix,
                         QRect(spec.add_twips, kSmallButton));
  result.remove = AddButton(kRemoveCaption, QStringLiteral("remove") + button_suffix,
                            QRect(spec.remove_twips, kSmallButton));
  result.add->setToolTip(spec.add_tip);
  result.remove->setToolTip(spec.remove_tip);
  for (QPushButton* button : {result.add, result.remove}) {
    button->setFont(bold);
    button->setAutoDefault(false);
  }
  return result;
}

QPushButton* FamilyBoard::AddButton(const QString& caption, const QString& object_name,
                                    QRect twips) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(object_name);
  layout_->AddWidget(button, twips);
  return button;
}

void FamilyBoard::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // A faint wash from top to bottom, like the page of a family album.
  QLinearGradient wash(rect().topLeft(), rect().bottomLeft());
  wash.setColorAt(0, palette().color(QPalette::Window).lighter(104));
  wash.setColorAt(1, palette().color(QPalette::Window).darker(102));
  painter.fillRect(rect(), wash);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(palette().color(QPalette::Mid), 1.5));
  const TwipMapping mapping(kDesign, contentsRect());
  for (const std::vector<QPoint>& line : kConnectors) {
    QPolygon points;
    for (QPoint point : line) points.append(mapping.Map(point));
    painter.drawPolyline(points);
  }
}

}  // namespace kinvale

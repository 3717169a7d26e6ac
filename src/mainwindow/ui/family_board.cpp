#include "mainwindow/ui/family_board.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

#include "mainwindow/ui/name_button.h"
#include "mainwindow/ui/photo_view.h"
#include "mainwindow/ui/twip_layout.h"
#include "mainwindow/window_texts.h"

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

// A name in a relative list takes the list's width and no more, so a long one is shortened by the
// list's elide mode rather than scrolled.
class FittingNames : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return QSize(0, QStyledItemDelegate::sizeHint(option, index).height());
  }
};

QPoint BottomAt(const QRect& rect, int x) { return QPoint(x, rect.bottom()); }
QPoint TopAt(const QRect& rect, int x) { return QPoint(x, rect.top()); }
int MiddleX(const QRect& rect) { return rect.center().x(); }

}  // namespace

// One relative frame: its caption, the object name stems of its list ("fatherList") and of its
// buttons ("addFatherButton"), where it goes, and the buttons' tips.
struct FamilyBoard::FramePlan {
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

  fathers = AddRelativeFrame({kFatherFrameCaption,
                              QStringLiteral("father"),
                              QStringLiteral("Father"),
                              kFatherFrame,
                              {3720, 1200},
                              {3720, 1800},
                              kAddFatherTip,
                              kRemoveFatherTip});
  mothers = AddRelativeFrame({kMotherFrameCaption,
                              QStringLiteral("mother"),
                              QStringLiteral("Mother"),
                              kMotherFrame,
                              {7920, 1200},
                              {7920, 1800},
                              kAddMotherTip,
                              kRemoveMotherTip});
  siblings = AddRelativeFrame({kSiblingsFrameCaption,
                               QStringLiteral("sibling"),
                               QStringLiteral("Sibling"),
                               kSiblingsFrame,
                               {7920, 4560},
                               {7920, 5040},
                               kAddSiblingTip,
                               kRemoveSiblingTip});
  children = AddRelativeFrame({kChildrenFrameCaption,
                               QStringLiteral("children"),
                               QStringLiteral("Dependent"),
                               kChildrenFrame,
                               {3960, 6840},
                               {3960, 7320},
                               kAddDependentTip,
                               kRemoveDependentTip});

  person_button = new NameButton(kPersonButtonTip, this);
  person_button->setObjectName(QStringLiteral("personButton"));
  QFont person_font = person_button->font();
  person_font.setBold(true);
  person_font.setPointSizeF(person_font.pointSizeF() * 1.25);
  person_button->setFont(person_font);
  layout_->AddWidget(person_button, kPersonButton);
  spouse_button = new NameButton(kSpouseButtonTip, this);
  spouse_button->setObjectName(QStringLiteral("spouseButton"));
  layout_->AddWidget(spouse_button, kSpouseButton);

  // The lines are drawn from where the widgets stand, so they are drawn again when one moves.
  const QList<QWidget*> joined = {fathers.frame, mothers.frame, siblings.frame,   children.frame,
                                  person_button, spouse_button, photo_placeholder};
  for (QWidget* widget : joined) widget->installEventFilter(this);
}

bool FamilyBoard::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Move || event->type() == QEvent::Resize) update();
  return QWidget::eventFilter(watched, event);
}

RelativeFrame FamilyBoard::AddRelativeFrame(const FramePlan& plan) {
  RelativeFrame result;
  result.frame = new QGroupBox(plan.caption, this);
  result.frame->setObjectName(plan.list_stem + QStringLiteral("Frame"));
  // Set explicitly, so the list does not inherit the frame's bold caption font.
  QFont normal = result.frame->font();
  normal.setBold(false);
  QFont bold = normal;
  bold.setBold(true);
  result.frame->setFont(bold);

  result.list = new QListWidget(result.frame);
  result.list->setObjectName(plan.list_stem + QStringLiteral("List"));
  result.list->setFont(normal);
  result.list->setToolTip(kRelativeListTip);
  result.list->setSelectionMode(QAbstractItemView::SingleSelection);
  result.list->setSpacing(1);
  result.list->setTextElideMode(Qt::ElideMiddle);  // a long name keeps its first and last words
  result.list->setItemDelegate(new FittingNames(result.list));
  result.list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* inner = new QVBoxLayout(result.frame);
  inner->setContentsMargins(6, 4, 6, 6);
  inner->addWidget(result.list);
  layout_->AddWidget(result.frame, plan.frame_twips);

  const QString button_suffix = plan.button_stem + QStringLiteral("Button");
  result.add = AddSmallButton(kAddCaption, QStringLiteral("add") + button_suffix,
                              QRect(plan.add_twips, kSmallButton), plan.add_tip);
  result.remove = AddSmallButton(kRemoveCaption, QStringLiteral("remove") + button_suffix,
                                 QRect(plan.remove_twips, kSmallButton), plan.remove_tip);
  return result;
}

QToolButton* FamilyBoard::AddSmallButton(const QString& caption, const QString& object_name,
                                         QRect twips, const QString& tip) {
  // A tool button: a push button would ask for the width of a word to show one sign.
  auto* button = new QToolButton(this);
  button->setText(caption);
  button->setObjectName(object_name);
  button->setToolTip(tip);
  button->setFocusPolicy(Qt::StrongFocus);
  QFont bold = button->font();
  bold.setBold(true);
  button->setFont(bold);
  layout_->AddWidget(button, twips);
  return button;
}

std::vector<QPolygon> FamilyBoard::ConnectorLines() const {
  const QRect father = fathers.frame->geometry();
  const QRect mother = mothers.frame->geometry();
  const QRect picture = photo_placeholder->geometry();  // the photo's slot, shown or not
  const QRect person = person_button->geometry();
  const QRect spouse = spouse_button->geometry();
  const QRect sibling = siblings.frame->geometry();
  const QRect child = children.frame->geometry();
  // The parents' bar runs halfway between the parents and the person of interest.
  const int bar = (std::max(father.bottom(), mother.bottom()) + person.top()) / 2;
  const int person_middle = person.center().y();
  return {
      QPolygon({BottomAt(father, MiddleX(father)), QPoint(MiddleX(father), bar),
                QPoint(MiddleX(mother), bar), BottomAt(mother, MiddleX(mother))}),
      QPolygon({BottomAt(picture, MiddleX(picture)), TopAt(person, MiddleX(picture))}),
      QPolygon({TopAt(spouse, MiddleX(spouse)), QPoint(MiddleX(spouse), person_middle),
                QPoint(person.left(), person_middle)}),
      QPolygon({QPoint(person.right(), person_middle), QPoint(sibling.left(), person_middle)}),
      QPolygon({BottomAt(person, MiddleX(person)), TopAt(child, MiddleX(person))}),
  };
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
  for (const QPolygon& line : ConnectorLines()) painter.drawPolyline(line);
}

}  // namespace kinvale

// One relationship's path drawn as a chain of person boxes: up from the first person to where
// the two lines meet, then down to the second, a marriage drawn level. Clicking a box names that
// person.
#pragma once

#include <QWidget>
#include <vector>

namespace kinvale {

class FamilyIndex;
struct Relationship;

class RelationPathView : public QWidget {
  Q_OBJECT

 public:
  RelationPathView(const FamilyIndex& index, const Relationship& relationship,
                   QWidget* parent = nullptr);

  QSize sizeHint() const override;
  // Where the person's box is drawn; empty when the path does not hold them.
  QRect BoxOf(int number) const;

 signals:
  void personClicked(int number);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  struct Box {
    int number = 0;
    QString name;
    QString details;  // number and dates
    QRect rect;
    QString joint_label;  // on the line from the box before: how that person stands to this one
  };

  std::vector<Box> boxes_;
  QSize size_;
};

}  // namespace kinvale

// A scrolling list of relationships, each its sentence above its path of person boxes; a click
// on a box names that person.
#pragma once

#include <QScrollArea>
#include <vector>

namespace kinvale {

class FamilyIndex;
struct Relationship;

class RelationshipsView : public QScrollArea {
  Q_OBJECT

 public:
  explicit RelationshipsView(QWidget* parent = nullptr);

  // Replaces what is shown, and grows the window, as far as its screen allows, so that the
  // paths are seen whole without scrolling.
  void Show(const FamilyIndex& index, const std::vector<Relationship>& relationships);

 signals:
  void personClicked(int number);

 private:
  void GrowWindowToFit();
};

}  // namespace kinvale

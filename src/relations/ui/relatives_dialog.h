// The "Relatives" window: a person, how far to look (up to cousins of a chosen degree), "Search",
// the relatives grouped by kind with their person numbers, and the path to the one clicked.
#pragma once

#include <QDialog>
#include <QHash>
#include <memory>

#include "relations/kinship.h"

class QComboBox;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace kinvale {

class FamilyLinks;
class Prompter;
class RelationshipsView;
struct Session;

class RelativesDialog : public QDialog {
  Q_OBJECT

 public:
  RelativesDialog(Session& session, Prompter& prompter, QWidget* parent = nullptr);
  ~RelativesDialog() override;

 signals:
  // A relative was double-clicked, or a person's box in the path was clicked.
  void personChosen(int number);

 private:
  void Search();
  void ShowPath(const QTreeWidgetItem* item);

  Session& session_;
  Prompter& prompter_;
  std::unique_ptr<FamilyLinks> links_;  // the index cannot change while the window is open
  int searched_person_ = 0;             // the person number the list belongs to
  QHash<int, Kinship> listed_;          // each relative listed, by person number
  QComboBox* person_ = nullptr;
  QSpinBox* max_degree_ = nullptr;
  QTreeWidget* relatives_ = nullptr;
  RelationshipsView* path_ = nullptr;
};

}  // namespace kinvale

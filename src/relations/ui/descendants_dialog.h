// The "Descendants" window: the chosen person, "Search", the descendants under a heading for
// each generation, the relation of the one clicked, "Save" with or without the relations, and
// "Go to" the one selected.
#pragma once

#include <QDialog>
#include <memory>

class QCheckBox;
class QComboBox;
class QModelIndex;
class QPlainTextEdit;
class QTreeView;

namespace kinvale {

class DescendantsModel;
class FileChooser;
class Prompter;
class RelationGraph;
struct Session;

class DescendantsDialog : public QDialog {
  Q_OBJECT

 public:
  DescendantsDialog(Session& session, Prompter& prompter, FileChooser& files,
                    QWidget* parent = nullptr);
  ~DescendantsDialog() override;

  // The row of the descendant the window was closed on with "Go to"; -1 when it was not.
  int go_to_row() const { return go_to_row_; }

 private:
  void Search();
  void ShowRelation(const QModelIndex& item);
  void Save();
  // The person the list belongs to: the one searched for, else the one in the box.
  QString ListedPerson() const;

  Session& session_;
  Prompter& prompter_;
  FileChooser& files_;                    // asked for the file "Save" writes
  std::unique_ptr<RelationGraph> graph_;  // the index cannot change while the window is open
  QString searched_person_;
  bool searched_ = false;
  QComboBox* person_ = nullptr;
  DescendantsModel* descendants_ = nullptr;
  int go_to_row_ = -1;
  QTreeView* list_ = nullptr;
  QPlainTextEdit* answer_ = nullptr;
  QCheckBox* include_relations_ = nullptr;
};

}  // namespace kinvale

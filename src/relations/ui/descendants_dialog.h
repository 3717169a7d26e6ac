// The "Descendants" window: the chosen person, "Search", the list of descendants, the relation
// of the one clicked, "Save" with or without the relations, and "Go to" the one selected.
#pragma once

#include <QDialog>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QListView;
class QModelIndex;
class QPlainTextEdit;
class QStringListModel;

namespace kinvale {

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
  QStringListModel* descendants_ = nullptr;
  std::vector<int> rows_;  // the person behind each listed name
  int go_to_row_ = -1;
  QListView* list_ = nullptr;
  QPlainTextEdit* answer_ = nullptr;
  QCheckBox* include_relations_ = nullptr;
};

}  // namespace kinvale

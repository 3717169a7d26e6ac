// The "Descendants" window: the chosen person, "Search", the descendants under a heading for
// each generation, the relation of the one clicked, "Save" with or without the relations, and
// "Go to" the one selected.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QModelIndex;
class QPlainTextEdit;
class QTreeView;

namespace kinvale {

class DescendantsModel;
class Prompter;
class RelationGraph;
struct Session;

class DescendantsDialog : public QDialog {
  Q_OBJECT

 public:
  // Asks the program's save-as window for a file, offering the default name; empty when the
  // user cancels.
  using SavePathChooser = std::function<QString(const QString& default_file_name)>;

  DescendantsDialog(Session& session, Prompter& prompter, SavePathChooser choose_save_path,
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
  SavePathChooser choose_save_path_;
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

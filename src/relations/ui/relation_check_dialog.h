// The "Relation Search" window: two people picked from the family, "Find Relation", the answer,
// every relationship of the two with its path, and both people's photos, which grow with the
// window.
#pragma once

#include <QDialog>
#include <memory>

class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace kinvale {

class FamilyLinks;
class FittedPicture;
class Prompter;
class RelationGraph;
class RelationshipsView;
struct Session;

class RelationCheckDialog : public QDialog {
  Q_OBJECT

 public:
  RelationCheckDialog(Session& session, Prompter& prompter, QWidget* parent = nullptr);
  ~RelationCheckDialog() override;

 signals:
  // A person's box in a path was clicked.
  void personChosen(int number);

 private:
  struct PhotoPlace {
    FittedPicture* picture = nullptr;
    QLabel* no_picture = nullptr;
  };

  void FindRelation();
  void ShowPhoto(const PhotoPlace& place, const QString& name);

  Session& session_;
  Prompter& prompter_;
  std::unique_ptr<RelationGraph> graph_;  // the index cannot change while the window is open
  std::unique_ptr<FamilyLinks> links_;
  QComboBox* first_ = nullptr;
  QComboBox* second_ = nullptr;
  QPlainTextEdit* answer_ = nullptr;
  RelationshipsView* relationships_ = nullptr;
  PhotoPlace first_photo_;
  PhotoPlace second_photo_;
};

}  // namespace kinvale

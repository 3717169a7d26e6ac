#include "relations/ui/person_box.h"

#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QPushButton>

#include "relations/relation_finder.h"
#include "session/main_view.h"
#include "session/session.h"
#include "store/person_lookup.h"

namespace kinvale {

QComboBox* MakePersonBox(const QString& object_name, const QStringList& names, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(object_name);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->addItems(names);
  box->completer()->setCaseSensitivity(Qt::CaseSensitive);
  box->setMinimumContentsLength(24);
  return box;
}

QComboBox* MakePersonOfInterestBox(Session& session, Prompter& prompter, QWidget* parent) {
  BuildFamilyFileList(session, prompter);
  QComboBox* box = MakePersonBox(QStringLiteral("person"),
                                 RelationPersonNames(session.index, session.family_files), parent);
  const int poi = PersonOfInterestRow(session.view, session.index);
  box->setCurrentText(poi >= 0                   ? PersonLabel(session.index, poi)
                      : session.view.HasPerson() ? session.view.person_of_interest
                                                 : QString());
  return box;
}

QLabel* MakeCaption(const QString& caption, QWidget* field, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setBuddy(field);
  return label;
}

QPushButton* MakeButton(const QString& object_name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(object_name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace kinvale

// The controls the relation windows share: the editable drop-down list of the family's people
// they start from, and their buttons.
#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace kinvale {

class Prompter;
struct Session;

// An editable list of the names, accepting typed text, with its text box named for tests.
QComboBox* MakePersonBox(const QString& object_name, const QStringList& names, QWidget* parent);
// The person box of a window that starts on the person of interest: the family's people as the
// family folder lists them now.
QComboBox* MakePersonOfInterestBox(Session& session, Prompter& prompter, QWidget* parent);
// The label over or beside a field; its access key moves to the field.
QLabel* MakeCaption(const QString& caption, QWidget* field, QWidget* parent);
// A button that Enter in the person box does not press.
QPushButton* MakeButton(const QString& object_name, const QString& caption, QWidget* parent);

}  // namespace kinvale

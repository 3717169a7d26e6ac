// The editable drop-down list of the family's people that both relation windows start from.
#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QWidget;

namespace kinvale {

// An editable list of the names, accepting typed text, with its text box named for tests.
QComboBox* MakePersonBox(const QString& object_name, const QStringList& names, QWidget* parent);

}  // namespace kinvale

// What every dialog of the program shares: a plain frame (a title and a close button, no
// minimise or maximise), a width that keeps the title whole, an access key on each control, and
// Tab that moves on from every field.
#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace kinvale {

// The last step of building a dialog, once all its controls are in place.
void FinishDialog(QDialog* dialog);

// Gives each button, labelled field and tab of the window that has no access key one of its own
// letters, word starts first, no two alike; keys set by hand are kept.
void AssignAccessKeys(QWidget* window);

// The letter that Alt and the key presses in the text ("&Save" gives s); null when none.
QChar AccessKeyOf(const QString& text);

}  // namespace kinvale

// The small windows' frame: a plain dialog, with no minimise or maximise button, never so narrow
// that its title is cut.
#pragma once

class QDialog;

namespace kinvale {

// Call once the dialog's title is set.
void MakePlainDialog(QDialog* dialog);

}  // namespace kinvale

// The program-wide state of a running Kinvale: the open family, what the main window shows,
// and the photo state the photo and details windows share.
#pragma once

#include <QString>

#include "session/main_view.h"
#include "store/loaded_family.h"

namespace kinvale {

// A Session is a LoadedFamily, so every store operation takes it as it is; what sits on top is
// the screen's own state.
struct Session : LoadedFamily {
  MainView view;
  QString current_photo_path;  // line 7 of the record shown last
};

}  // namespace kinvale

// What the main window shows: the person of interest, the spouse, the four relative lists and
// the photo. Editing reads and changes it as it reads and changes the lists on screen; the
// window only renders it.
#pragma once

#include <QString>
#include <QStringList>

namespace kinvale {

struct Session;

inline const QString kNoSpouseCaption = QStringLiteral("Spouse");

struct RelativeList {
  QStringList names;
  int selected = -1;  // -1: nothing selected

  void Clear() {
    names.clear();
    selected = -1;
  }
  bool HasSelection() const { return selected >= 0 && selected < names.size(); }
};

struct MainView {
  MainView();

  QString person_of_interest;  // the button caption; kNoPersonCaption while nobody is shown
  QString spouse;              // the spouse button caption; kNoSpouseCaption when none
  RelativeList fathers;
  RelativeList mothers;
  RelativeList siblings;
  RelativeList children;
  QString photo_path;  // the picture shown, when photo_visible
  bool photo_visible = false;
  QString selected_person;  // the name handed to the person information view

  bool HasPerson() const;
};

// Redraws the spouse, the four lists and the photo of the person of interest from the index and
// the person's record. Nothing changes when the index is empty or the person has no row; a
// record that cannot be read leaves the photo as it was.
void RefreshMainView(Session& session);
// Empties the four lists and restores the captions "Spouse" and "Person of Interest".
void ClearMainView(MainView& view);

}  // namespace kinvale

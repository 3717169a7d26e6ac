// What the main window shows: the person of interest, the spouse, the four relative lists and
// the photo. Editing reads and changes it as it reads and changes the lists on screen; the
// window only renders it.
#pragma once

#include "session/session_texts.h"  // the texts callers show

#include <QString>
#include <QStringList>
#include <vector>

namespace kinvale {

class FamilyIndex;
struct Session;

// A list of people on screen. Each line is a person number with the name the family gives it;
// a slot whose number nobody carries keeps its number and shows an empty name.
struct RelativeList {
  QStringList names;
  std::vector<int> numbers;  // the person behind each line
  int selected = -1;         // -1: nothing selected

  void Clear() {
    names.clear();
    numbers.clear();
    selected = -1;
  }
  void Append(int number, const QString& name) {
    numbers.push_back(number);
    names.append(name);
  }
  // Takes the selected line out of the list and gives its person number; nothing stays selected.
  int TakeSelected() {
    const int number = numbers[selected];
    numbers.erase(numbers.begin() + selected);
    names.removeAt(selected);
    selected = -1;
    return number;
  }
  bool HasSelection() const { return selected >= 0 && selected < names.size(); }
  int SelectedNumber() const { return HasSelection() ? numbers[selected] : 0; }
};

struct MainView {
  MainView();

  QString person_of_interest;  // the button caption; kNoPersonCaption while nobody is shown
  int poi_number = 0;          // the person of interest; 0 while nobody is shown
  QString spouse;              // the spouse button caption; kNoSpouseCaption when none
  int spouse_number = 0;       // 0 when there is no spouse
  RelativeList fathers;
  RelativeList mothers;
  RelativeList siblings;
  RelativeList children;
  QString photo_path;  // the picture shown, when photo_visible
  bool photo_visible = false;

  bool HasPerson() const;
};

// The person of interest's row: the person numbered poi_number while they carry the caption's
// name, else the first person of exactly that name; -1 while nobody is shown or has no row.
int PersonOfInterestRow(const MainView& view, const FamilyIndex& index);
// The person number of PersonOfInterestRow; 0 while nobody is shown or has no row.
int PersonOfInterestNumber(const MainView& view, const FamilyIndex& index);

// The text line i of a list shows: the name, with number and dates when another person of the
// family carries it too; the name as listed when the line's number names nobody.
QString LineLabel(const FamilyIndex& index, const RelativeList& list, size_t i);

// Makes the person of that row the person of interest (its name the caption); -1 shows nobody.
void SetPersonOfInterest(MainView& view, const FamilyIndex& index, int row);

// Redraws the spouse, the four lists and the photo of the person of interest from the index and
// the person's record. The person is poi_number, or while that is 0 the first person named
// exactly as the caption. Nothing changes when the index is empty or the person has no row; a
// record that cannot be read leaves the photo as it was.
void RefreshMainView(Session& session);
// Empties the four lists and restores the captions "Spouse" and "Person of Interest".
void ClearMainView(MainView& view);

}  // namespace kinvale

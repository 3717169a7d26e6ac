#include "session/main_view.h"

#include "session/session.h"
#include "store/link_string.h"
#include "store/person_lookup.h"
#include "store/person_number.h"
#include "store/record_reader.h"
#include "store/settings.h"
#include "store/text_helpers.h"

namespace kinvale {

MainView::MainView() : person_of_interest(kNoPersonCaption), spouse(kNoSpouseCaption) {}

bool MainView::HasPerson() const { return person_of_interest != kNoPersonCaption; }

namespace {

void ListGroup(const FamilyIndex& index, const QString& link, Group group, RelativeList& list) {
  list.Clear();
  for (const QString& entry : GroupEntries(link, group)) {
    const int number = NumberValue(entry);
    if (number > 0) list.Append(number, index.NameOfNumber(entry));
  }
}

}  // namespace

int PersonOfInterestRow(const MainView& view, const FamilyIndex& index) {
  if (!view.HasPerson()) return -1;
  const int row = index.RowOfNumber(view.poi_number);
  if (row >= 0 && index.row(row).name == view.person_of_interest) return row;
  return index.FindRowExact(view.person_of_interest);
}

int PersonOfInterestNumber(const MainView& view, const FamilyIndex& index) {
  const int row = PersonOfInterestRow(view, index);
  return row < 0 ? 0 : NumberValue(OwnNumber(index.row(row).link));
}

QString LineLabel(const FamilyIndex& index, const RelativeList& list, size_t i) {
  const int row = index.RowOfNumber(list.numbers[i]);
  return row < 0 ? list.names[i] : PersonLabel(index, row);
}

void SetPersonOfInterest(MainView& view, const FamilyIndex& index, int row) {
  if (row < 0) {
    view.person_of_interest = kNoPersonCaption;
    view.poi_number = 0;
    return;
  }
  view.person_of_interest = index.row(row).name;
  view.poi_number = NumberValue(OwnNumber(index.row(row).link));
}

void RefreshMainView(Session& session) {
  MainView& view = session.view;
  const FamilyIndex& index = session.index;
  if (index.empty()) return;
  const int row = PersonOfInterestRow(view, index);
  if (row < 0) return;
  SetPersonOfInterest(view, index, row);
  const QString link = index.row(row).link;

  const QStringView spouse = SpouseNumber(link);
  view.spouse_number = NumberValue(spouse);
  view.spouse = spouse == kNobody ? kNoSpouseCaption : index.NameOfNumber(spouse);
  ListGroup(index, link, Group::kFather, view.fathers);
  ListGroup(index, link, Group::kMother, view.mothers);
  ListGroup(index, link, Group::kSibling, view.siblings);
  view.children.Clear();
  for (int child : index.ChildRowsOf(view.poi_number)) {
    view.children.Append(NumberValue(OwnNumber(index.row(child).link)), index.row(child).name);
  }

  const std::optional<QString> photo = ReadPhotoLine(session.RecordPathOfRow(row));
  if (!photo) return;
  session.current_photo_path = *photo;
  view.photo_visible = FileExists(*photo);
  view.photo_path = view.photo_visible ? *photo : QString();
}

void ClearMainView(MainView& view) {
  view.siblings.Clear();
  view.fathers.Clear();
  view.mothers.Clear();
  view.children.Clear();
  view.spouse = kNoSpouseCaption;
  view.spouse_number = 0;
  view.person_of_interest = kNoPersonCaption;
  view.poi_number = 0;
  // With nobody shown, a photo of the person shown before would mislead.
  view.photo_visible = false;
  view.photo_path.clear();
}

}  // namespace kinvale

#include "mainwindow/main_view.h"

#include "store/link_string.h"
#include "store/person_number.h"
#include "store/record_reader.h"
#include "store/session.h"
#include "store/settings.h"
#include "store/text_helpers.h"

namespace kinvale {

MainView::MainView() : person_of_interest(kNoPersonCaption), spouse(kNoSpouseCaption) {}

bool MainView::HasPerson() const { return person_of_interest != kNoPersonCaption; }

namespace {

QStringList NamesOfGroup(const FamilyIndex& index, const QString& link, Group group) {
  QStringList names;
  for (const QString& entry : GroupEntries(link, group)) {
    if (NumberValue(entry) > 0) names.append(index.NameOfNumber(entry));
  }
  return names;
}

}  // namespace

void RefreshMainView(Session& session) {
  MainView& view = session.view;
  const FamilyIndex& index = session.index;
  if (index.empty()) return;
  const int row = index.FindRowExact(view.person_of_interest);
  if (row < 0) return;
  const QString link = index.row(row).link;

  const QStringView spouse = SpouseNumber(link);
  view.spouse = spouse == kNobody ? kNoSpouseCaption : index.NameOfNumber(spouse);
  view.fathers.Clear();
  view.fathers.names = NamesOfGroup(index, link, Group::kFather);
  view.mothers.Clear();
  view.mothers.names = NamesOfGroup(index, link, Group::kMother);
  view.siblings.Clear();
  view.siblings.names = NamesOfGroup(index, link, Group::kSibling);
  view.children.Clear();
  for (int child : index.ChildRowsOf(NumberValue(OwnNumber(link)))) {
    view.children.names.append(index.row(child).name);
  }

  const std::optional<QString> photo = ReadPhotoLine(session.RecordPath(view.person_of_interest));
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
  view.person_of_interest = kNoPersonCaption;
  // With nobody shown, a photo of the person shown before would mislead.
  view.photo_visible = false;
  view.photo_path.clear();
}

}  // namespace kinvale

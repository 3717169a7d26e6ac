#include "support/details_fixture.h"

#include <QDir>

#include "store/record_fields.h"

namespace kinvale::testing {

PersonDetails DetailsOf(std::initializer_list<std::pair<QString, QString>> values) {
  PersonDetails details;
  for (const auto& [caption, value] : values) {
    const FieldInfo* field = FindDetailField(caption);
    if (!field) {
      details.photo_path = value;
    } else if (field->kind == FieldKind::kList) {
      details.*field->list = value.split(u'|');
    } else {
      details.*field->text = value;
    }
  }
  return details;
}

DetailsFixture::DetailsFixture() {
  folder.WriteFamily(kLeeFamily,
                     {{"Anne Lee", "00010002F0003M0000S0000", "Female", EveryFieldFilled()},
                      {"Bob Lee", "00020001F0000M0000S0000", "Male"},
                      {"Carl Lee", "00030000F0000M0000S0000", "Male"}});
  session = folder.OpenSession(kLeeFamily);
  session.view.person_of_interest = "Anne Lee";
  RefreshMainView(session);
}

QStringList DetailsFixture::Files() const {
  return QDir(session.FamilyPath()).entryList(QDir::Files, QDir::Name);
}

}  // namespace kinvale::testing

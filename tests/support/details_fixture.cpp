#include "support/details_fixture.h"

#include <QDir>

#include "store/record_fields.h"

namespace kinvale::testing {

PersonDetails EveryFieldFilled() {
  return {.ssn = "123-45-6789",
          .prefix = "Dr",
          .suffix = "Jr",
          .date_married = "1 JUN 1950",
          .religious_name = "Agnes",
          .photo_path = kAnnesPhoto,
          .birth_date = "2 FEB 1930",
          .birth_place = "Boston",
          .death_date = "3 MAR 2000",
          .death_place = "Salem",
          .burial = "Old Cemetery\r\nRow 4\r\n",
          .gender = "Female",
          .occupations = {"Teacher", "Writer"},
          .residential_addresses = "1 Elm St\r\nBoston\r\n",
          .business_addresses = "2 Oak St\r\nSalem\r\n",
          .homepage = "http://anne.example\r\n",
          .email_addresses = "anne@example.org\r\nlee@example.org\r\n",
          .elementary = {"Elm School", "Oak School"},
          .intermediate = {"Mid", "Junior High"},
          .high = {"Boston High", "Latin"},
          .universities = {"Harvard", "MIT"},
          .employers = {"City of Boston", "Salem Press"},
          .religion = "Quaker",
          .notes = "Line one\r\nLine two\r\n",
          .sources = "Census 1940\r\nFamily Bible\r\n",
          .immigration_date = "1935",
          .immigration_place = "New York"};
}

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

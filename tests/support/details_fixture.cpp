#include "support/details_fixture.h"

#include <QDir>

#include "mainwindow/main_view.h"

namespace kinvale::testing {

PersonDetails EveryFieldFilled() {
  PersonDetails d;
  d.ssn = "123-45-6789";
  d.prefix = "Dr";
  d.suffix = "Jr";
  d.date_married = "1 JUN 1950";
  d.religious_name = "Agnes";
  d.photo_path = kAnnesPhoto;
  d.birth_date = "2 FEB 1930";
  d.birth_place = "Boston";
  d.death_date = "3 MAR 2000";
  d.death_place = "Salem";
  d.burial = "Old Cemetery\r\nRow 4\r\n";
  d.gender = "Female";
  d.occupations = {"Teacher", "Writer"};
  d.residential_addresses = "1 Elm St\r\nBoston\r\n";
  d.business_addresses = "2 Oak St\r\nSalem\r\n";
  d.homepage = "http://anne.example\r\n";
  d.email_addresses = "anne@example.org\r\nlee@example.org\r\n";
  d.elementary = {"Elm School", "Oak School"};
  d.intermediate = {"Mid School", "Junior High"};
  d.high = {"Boston High", "Latin School"};
  d.universities = {"Harvard", "MIT"};
  d.employers = {"City of Boston", "Salem Press"};
  d.religion = "Quaker";
  d.notes = "Line one\r\nLine two\r\n";
  d.sources = "Census 1940\r\nFamily Bible\r\n";
  d.immigration_date = "1935";
  d.immigration_place = "New York";
  return d;
}

DetailsFixture::DetailsFixture() {
  PersonDetails anne = EveryFieldFilled();
  folder.WriteFamily(kLeeFamily, {{"Anne Lee", "00010002F0003M0000S0000", "Female", anne},
                                  {"Bob Lee", "00020001F0000M0000S0000", "Male"},
                                  {"Carl Lee", "00030000F0000M0000S0000", "Male"}});
  session = folder.OpenSession(kLeeFamily);
  session.view.person_of_interest = "Anne Lee";
  RefreshMainView(session);
}

QStringList DetailsFixture::Files() const {
  return QDir(session.FamilyPath()).entryList(QDir::Files, QDir::Name);
}

QStringList DetailsFixture::Rows() const {
  QStringList rows;
  for (const IndexRow& row : session.index.rows()) {
    rows.append(
        QStringList{row.name, row.link, row.gender, row.birth_date, row.death_date}.join(u'|'));
  }
  return rows;
}

}  // namespace kinvale::testing

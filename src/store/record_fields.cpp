#include "store/record_fields.h"

namespace kinvale {

const std::vector<FieldInfo>& DetailFields() {
  using D = PersonDetails;
  enum Tab { kGeneral, kMilestones, kAddresses, kNotes, kSources, kOther };
  auto line = [](Tab tab, const char* caption, QString D::*field) {
    return FieldInfo{QString::fromUtf8(caption), FieldKind::kLine, tab, field, nullptr};
  };
  auto block = [](Tab tab, const char* caption, QString D::*field) {
    return FieldInfo{QString::fromUtf8(caption), FieldKind::kBlock, tab, field, nullptr};
  };
  auto list = [](Tab tab, const char* caption, QStringList D::*field) {
    return FieldInfo{QString::fromUtf8(caption), FieldKind::kList, tab, nullptr, field};
  };
  static const std::vector<FieldInfo> fields = {
      line(kGeneral, "Prefix", &D::prefix),
      line(kGeneral, "Suffix", &D::suffix),
      line(kGeneral, "Gender", &D::gender),
      line(kGeneral, "Birth Date", &D::birth_date),
      line(kGeneral, "Birth Place", &D::birth_place),
      line(kGeneral, "Death Date", &D::death_date),
      line(kGeneral, "Death Place", &D::death_place),
      block(kGeneral, "Burial Location", &D::burial),
      list(kGeneral, "Occupation", &D::occupations),
      list(kMilestones, "Elementary School", &D::elementary),
      list(kMilestones, "Intermediate School", &D::intermediate),
      list(kMilestones, "High School", &D::high),
      list(kMilestones, "Universities", &D::universities),
      list(kMilestones, "Employers", &D::employers),
      line(kMilestones, "Date Married", &D::date_married),
      block(kAddresses, "Residential Addresses", &D::residential_addresses),
      block(kAddresses, "Business Addresses", &D::business_addresses),
      block(kAddresses, "Homepage Address (URL)", &D::homepage),
      block(kAddresses, "E-Mail Addresses", &D::email_addresses),
      line(kNotes, "Religion", &D::religion),
      line(kNotes, "Religious Name", &D::religious_name),
      block(kNotes, "Notes:", &D::notes),
      block(kSources, "Sources", &D::sources),
      line(kOther, "Immigration Date", &D::immigration_date),
      line(kOther, "Immigration Place", &D::immigration_place),
      line(kOther, "Social Security Number", &D::ssn),
  };
  return fields;
}

const QStringList& DetailTabTitles() {
  static const QStringList titles = {
      QStringLiteral("General"), QStringLiteral("Milestones"), QStringLiteral("Addresses"),
      QStringLiteral("Notes"),   QStringLiteral("Sources"),    QStringLiteral("Other"),
  };
  return titles;
}

const FieldInfo* FindDetailField(const QString& caption) {
  for (const FieldInfo& field : DetailFields()) {
    if (field.caption.compare(caption, Qt::CaseInsensitive) == 0) return &field;
  }
  return nullptr;
}

}  // namespace kinvale

#include "store/record_fields.h"

namespace kinvale {

const std::vector<FieldInfo>& DetailFields() {
  using D = PersonDetails;
  auto line = [](const char* caption, QString D::*field) {
    return FieldInfo{QString::fromUtf8(caption), FieldKind::kLine, field, nullptr};
  };
  auto block = [](const char* caption, QString D::*field) {
    return FieldInfo{QString::fromUtf8(caption), FieldKind::kBlock, field, nullptr};
  };
  auto list = [](const char* caption, QStringList D::*field) {
    return FieldInfo{QString::fromUtf8(caption), FieldKind::kList, nullptr, field};
  };
  static const std::vector<FieldInfo> fields = {
      line("Prefix", &D::prefix),
      line("Suffix", &D::suffix),
      line("Gender", &D::gender),
      line("Birth Date", &D::birth_date),
      line("Birth Place", &D::birth_place),
      line("Death Date", &D::death_date),
      line("Death Place", &D::death_place),
      block("Burial Location", &D::burial),
      list("Occupation", &D::occupations),
      list("Elementary School", &D::elementary),
      list("Intermediate School", &D::intermediate),
      list("High School", &D::high),
      list("Universities", &D::universities),
      list("Employers", &D::employers),
      line("Date Married", &D::date_married),
      block("Residential Addresses", &D::residential_addresses),
      block("Business Addresses", &D::business_addresses),
      block("Homepage Address (URL)", &D::homepage),
      block("E-Mail Addresses", &D::email_addresses),
      line("Religion", &D::religion),
      line("Religious Name", &D::religious_name),
      block("Notes:", &D::notes),
      block("Sources", &D::sources),
      line("Immigration Date", &D::immigration_date),
      line("Immigration Place", &D::immigration_place),
      line("Social Security Number", &D::ssn),
  };
  return fields;
}

const std::vector<DetailTab>& DetailTabs() {
  static const std::vector<DetailTab> tabs = {
      {QStringLiteral("General"), 0, 9},    {QStringLiteral("Milestones"), 9, 6},
      {QStringLiteral("Addresses"), 15, 4}, {QStringLiteral("Notes"), 19, 3},
      {QStringLiteral("Sources"), 22, 1},   {QStringLiteral("Other"), 23, 3},
  };
  return tabs;
}

bool ShowsCaption(const FieldInfo& field) {
  return field.text != &PersonDetails::gender && field.text != &PersonDetails::sources;
}

const FieldInfo* FindDetailField(const QString& caption) {
  for (const FieldInfo& field : DetailFields()) {
    if (field.caption.compare(caption, Qt::CaseInsensitive) == 0) return &field;
  }
  return nullptr;
}

}  // namespace kinvale

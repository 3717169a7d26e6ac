#include "gedcom/export_records.h"

#include <QDate>

#include "gedcom/gedcom_mapping.h"
#include "store/link_string.h"
#include "store/person_number.h"
#include "store/text_codec.h"

namespace kinvale {

namespace {

// True when the block holds more than line breaks, as ExportedBlockLines has it.
bool HoldsText(QStringView block) {
  for (QChar c : block) {
    if (c != u'\r' && c != u'\n') return true;
  }
  return false;
}

void LineIfAny(GedcomWriter& out, int level, QStringView tag, const QString& value) {
  if (!value.isEmpty()) out.Line(level, tag, value);
}

void BlockIfAny(GedcomWriter& out, int level, QStringView tag, const QString& block) {
  const QList<QStringView> lines = ExportedBlockLines(block);
  if (!lines.isEmpty()) out.Text(level, tag, lines);
}

void ListLines(GedcomWriter& out, QStringView tag, const QStringList& entries) {
  for (const QString& entry : entries) LineIfAny(out, 1, tag, entry);
}

void Event(GedcomWriter& out, QStringView tag, const QString& date, const QString& place) {
  if (date.isEmpty() && place.isEmpty()) return;
  out.Line(1, tag);
  LineIfAny(out, 2, u"DATE", date);
  LineIfAny(out, 2, u"PLAC", place);
}

// The record keeps the burial as a place of one or more lines, without a date.
void Burial(GedcomWriter& out, const QString& burial) {
  const QList<QStringView> lines = ExportedBlockLines(burial);
  if (lines.isEmpty()) return;
  out.Line(1, u"BURI");
  out.Text(2, u"PLAC", lines);
}

void Name(GedcomWriter& out, const QString& name, int number, const PersonDetails& d) {
  const QString value = GedcomNameValue(name);
  out.Line(1, u"NAME", value);
  LineIfAny(out, 2, u"NPFX", d.prefix);
  LineIfAny(out, 2, u"NSFX", d.suffix);
  if (PersonNameOfGedcomValue(value) != name) out.Line(2, custom_tag::kExactName, name);
  if (HoldsText(d.sources)) out.Pointer(2, u"SOUR", u'S', number);
}

void FamilyLinks(GedcomWriter& out, QStringView tag, const std::vector<int>& families) {
  for (int family : families) out.Pointer(1, tag, u'F', family + 1);
}

void Schools(GedcomWriter& out, const PersonDetails& d) {
  for (const EducationLevel& level : EducationLevels()) {
    for (const QString& school : d.*level.list) {
      if (school.isEmpty()) continue;
      out.Line(1, u"EDUC", school);
      out.Line(2, u"TYPE", level.type);
    }
  }
}

void Change(GedcomWriter& out, const QString& date_changed) {
  const QDate date = QDate::fromString(date_changed, Qt::ISODate);
  if (!date.isValid()) return;
  out.Line(1, u"CHAN");
  out.Line(2, u"DATE", GedcomDate(date));
}

QStringList WithoutBlankEnds(QStringList lines) {
  while (!lines.isEmpty() && lines.first().trimmed().isEmpty()) lines.removeFirst();
  while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

int ExportNumberOfRow(const FamilyIndex& index, int row) {
  return NumberValue(OwnNumber(index.row(row).link));
}

void WriteIndividualRecord(GedcomWriter& out, const FamilyIndex& index, int row,
                           const PersonRecord& record, const ExportFamilies& families) {
  const IndexRow& person = index.row(row);
  const PersonDetails& d = record.details;
  const int number = ExportNumberOfRow(index, row);
  out.Record(u'I', number, u"INDI");
  Name(out, person.name, number, d);
  out.Line(1, u"SEX", GedcomSexCode(d.gender));
  if (GenderNeedsOwnLine(d.gender)) out.Line(1, custom_tag::kGender, d.gender);
  BlockIfAny(out, 1, u"ADDR", d.business_addresses);
  BlockIfAny(out, 1, custom_tag::kEmail, d.email_addresses);
  BlockIfAny(out, 1, custom_tag::kHomepage, d.homepage);
  FamilyLinks(out, u"FAMC", families.child_in[row]);
  FamilyLinks(out, u"FAMS", families.partner_in[row]);
  Event(out, u"BIRT", d.birth_date, d.birth_place);
  Event(out, u"IMMI", d.immigration_date, d.immigration_place);
  Event(out, u"DEAT", d.death_date, d.death_place);
  Burial(out, d.burial);
  ListLines(out, u"OCCU", d.occupations);
  LineIfAny(out, 1, u"RELI", d.religion);
  BlockIfAny(out, 1, u"RESI", d.residential_addresses);
  Schools(out, d);
  LineIfAny(out, 1, u"SSN", d.ssn);
  LineIfAny(out, 1, custom_tag::kReligiousName, d.religious_name);
  ListLines(out, custom_tag::kEmployer, d.employers);
  if (d.date_married != DateMarriedOfFamilies(families, row)) {
    out.Line(1, custom_tag::kDateMarried, d.date_married);
  }
  out.Line(1, custom_tag::kLink, person.link);
  if (HoldsText(d.notes)) out.Pointer(1, u"NOTE", u'N', number);
  Change(out, record.date_changed);
}

bool ContactGivesSubmitterName(const QString& contact) {
  return !WithoutBlankEnds(SplitLines(contact)).isEmpty();
}

void WriteSubmitterRecord(GedcomWriter& out, const QString& contact, const QString& family) {
  out.Record(u"@U1@", u"SUBM");
  const QStringList lines = WithoutBlankEnds(SplitLines(contact));
  out.Line(1, u"NAME", lines.isEmpty() ? family : lines.first());
  if (lines.size() > 1) out.Text(1, u"ADDR", QList<QStringView>(lines.begin() + 1, lines.end()));
}

void WriteFamilyRecord(GedcomWriter& out, const FamilyIndex& index, const ExportFamilies& families,
                       int family) {
  const ExportFamily& f = families.families[family];
  out.Record(u'F', family + 1, u"FAM");
  for (int child : f.children) {
    out.Pointer(1, u"CHIL", u'I', ExportNumberOfRow(index, child));
  }
  if (f.husband >= 0) out.Pointer(1, u"HUSB", u'I', ExportNumberOfRow(index, f.husband));
  if (f.wife >= 0) out.Pointer(1, u"WIFE", u'I', ExportNumberOfRow(index, f.wife));
  if (f.couple && !f.marriage_date.isEmpty()) {
    out.Line(1, u"MARR");
    out.Line(2, u"DATE", f.marriage_date);
  }
}

void WriteNoteRecord(GedcomWriter& out, int number, const PersonDetails& details) {
  const QList<QStringView> lines = ExportedBlockLines(details.notes);
  if (!lines.isEmpty()) out.TextRecord(u'N', number, u"NOTE", lines);
}

void WriteSourceRecord(GedcomWriter& out, int number, const PersonDetails& details) {
  const QList<QStringView> lines = ExportedBlockLines(details.sources);
  if (lines.isEmpty()) return;
  out.Record(u'S', number, u"SOUR");
  out.Text(1, u"TEXT", lines);
}

}  // namespace kinvale

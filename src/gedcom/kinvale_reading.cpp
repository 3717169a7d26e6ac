#include "gedcom/kinvale_reading.h"

#include <algorithm>
#include <optional>

#include "gedcom/gedcom_mapping.h"
#include "store/link_string.h"
#include "store/person_number.h"

namespace kinvale {

namespace {

class KinvaleIndividualReader {
 public:
  KinvaleIndividualReader(const GedcomFile& file, const QString& own_number, ImportedPerson* person,
                          UsedLines* used)
      : file_(file), own_number_(own_number), person_(person), d_(person->details), used_(*used) {}

  IndividualReading Read(int record) {
    Take(record);
    for (int line : file_.ChildrenOf(record)) ReadStructure(line);
    CollectSourceCitations(file_, record, &reading_.sources, &used_);
    if (gender_) d_.gender = *gender_;
    return std::move(reading_);
  }

 private:
  QStringView Tag(int line) const { return file_.line(line).tag; }
  void Take(int line) { used_[line] = true; }
  // The text of a line with its CONC and CONT lines, taken.
  QStringList Lines(int line) {
    Take(line);
    return file_.TextOf(line, &used_);
  }
  QString Text(int line) { return Lines(line).join(kLineBreak); }
  void AppendBlock(int line, QString* block) { block->append(BlockOfLines(Lines(line))); }

  void ReadStructure(int line) {
    const QStringView tag = Tag(line);
    if (tag == u"NAME") ReadName(line);
    if (tag == u"SEX") d_.gender = GenderOfSexCode(Text(line));
    if (tag == custom_tag::kGender) gender_ = Text(line);
    if (tag == u"ADDR") AppendBlock(line, &d_.business_addresses);
    // "EMAIL" and "WWW" as exports before "_EMAIL" and "_WWW" wrote them.
    if (tag == custom_tag::kEmail || tag == u"EMAIL") AppendBlock(line, &d_.email_addresses);
    if (tag == custom_tag::kHomepage || tag == u"WWW") AppendBlock(line, &d_.homepage);
    if (tag == u"FAMS" || tag == u"FAMC") ReadFamilyLink(line);
    if (tag == u"BIRT") ReadEvent(line, &d_.birth_date, &d_.birth_place);
    if (tag == u"IMMI") ReadEvent(line, &d_.immigration_date, &d_.immigration_place);
    if (tag == u"DEAT") ReadEvent(line, &d_.death_date, &d_.death_place);
    if (tag == u"BURI") ReadBurial(line);
    if (tag == u"OCCU") d_.occupations.append(Text(line));
    if (tag == u"RELI") d_.religion = Text(line);
    if (tag == u"RESI") AppendBlock(line, &d_.residential_addresses);
    if (tag == u"EDUC") ReadSchool(line);
    if (tag == u"SSN") d_.ssn = Text(line);
    if (tag == custom_tag::kReligiousName) d_.religious_name = Text(line);
    if (tag == custom_tag::kEmployer) d_.employers.append(Text(line));
    if (tag == custom_tag::kDateMarried) {
      d_.date_married = Text(line);
      reading_.date_married_given = true;
    }
    if (tag == custom_tag::kLink) ReadLink(line);
    if (tag == u"NOTE") reading_.notes.push_back(PendingTextOf(file_, line, &used_));
    if (tag == u"CHAN") ReadChange(line);
  }

  // The NAME value gives the name unless an "_NAME" line under it holds the exact one.
  void ReadName(int line) {
    QString name = PersonNameOfGedcomValue(Text(line));
    for (int child : file_.ChildrenOf(line)) {
      const QStringView tag = Tag(child);
      if (tag == u"NPFX") d_.prefix = Text(child);
      if (tag == u"NSFX") d_.suffix = Text(child);
      if (tag == custom_tag::kExactName) name = Text(child);
    }
    person_->name = name;
    reading_.has_name = true;
    reading_.gedcom_name = name;
  }

  void ReadEvent(int line, QString* date, QString* place) {
    Take(line);
    for (int child : file_.ChildrenOf(line)) {
      if (Tag(child) == u"DATE") *date = Text(child);
      if (Tag(child) == u"PLAC") *place = Text(child);
    }
  }

  void ReadBurial(int line) {
    Take(line);
    for (int child : file_.ChildrenOf(line)) {
      if (Tag(child) == u"PLAC") AppendBlock(child, &d_.burial);
    }
  }

  void ReadSchool(int line) {
    QString type;
    for (int child : file_.ChildrenOf(line)) {
      if (Tag(child) == u"TYPE") type = Text(child);
    }
    SchoolListOfType(d_, type)->append(Text(line));
  }

  void ReadFamilyLink(int line) {
    const QStringView value = file_.line(line).value;
    if (!IsGedcomPointer(value)) return;
    (Tag(line) == u"FAMS" ? reading_.spouse_families : reading_.child_families).push_back(value);
    Take(line);
  }

  // A link string that names another person first would store the record under that number;
  // the families then give the relations instead.
  void ReadLink(int line) {
    const QString link = Text(line);
    if (OwnNumber(link) != own_number_) return;
    person_->link = link;
    reading_.exact_link = true;
  }

  // Shown while the individual is read; line 2 of the record is the import's date.
  void ReadChange(int line) {
    for (int child : file_.ChildrenOf(line)) {
      if (Tag(child) == u"DATE") {
        person_->date_last_changed = GedcomValueText(file_.line(child).value);
      }
    }
  }

  const GedcomFile& file_;
  const QString& own_number_;
  ImportedPerson* person_;
  PersonDetails& d_;
  UsedLines& used_;
  IndividualReading reading_;
  std::optional<QString> gender_;  // the "_GENDER" line, which wins over the SEX code
};

// The text of a NOTE or SOUR record: its own text when it has any, then that of each of its
// lines with the given tag.
QStringList RecordText(const GedcomFile& file, int record, QStringView line_tag, UsedLines* used) {
  (*used)[record] = true;
  QStringList lines = file.TextOf(record, used);
  if (lines.size() == 1 && lines.first().isEmpty()) lines.clear();
  for (int child : file.ChildrenOf(record)) {
    if (file.line(child).tag != line_tag) continue;
    (*used)[child] = true;
    lines += file.TextOf(child, used);
  }
  return lines;
}

TextImport ImportExactText(const GedcomFile& file, const PendingText& pending, QString* field,
                           QStringView record_tag, QStringView line_tag, UsedLines* used) {
  if (pending.reference.isEmpty()) {
    field->append(BlockOfLines(pending.text));
    return {-1, !pending.text.isEmpty()};
  }
  const int record = file.FindRecord(pending.reference, record_tag);
  if (record < 0) return {};
  field->append(BlockOfLines(RecordText(file, record, line_tag, used)));
  return {record, true};
}

}  // namespace

bool IsKinvaleGedcom(const GedcomFile& file) {
  if (file.records().empty()) return false;
  const int header = file.records().front();
  if (file.line(header).tag != u"HEAD") return false;
  for (int line : file.ChildrenOf(header)) {
    if (file.line(line).tag == u"SOUR") return file.line(line).value == kGedcomSourceName;
  }
  return false;
}

IndividualReading ReadKinvaleIndividual(const GedcomFile& file, int record,
                                        const QString& own_number, ImportedPerson* person,
                                        UsedLines* used) {
  return KinvaleIndividualReader(file, own_number, person, used).Read(record);
}

RelationGaps ReadKinvaleFamilies(FamilyTable& families, const IndividualReading& reading,
                                 ImportedPerson* person, UsedLines* used) {
  RelationGaps gaps;
  for (QStringView xref : reading.child_families) {
    if (!families.Find(xref, used)) ++gaps.missing_families;
  }
  const QString own = FormatPersonNumber(NumberValue(OwnNumber(person->link)));
  const QString spouse = FormatPersonNumber(NumberValue(SpouseNumber(person->link)));
  QString date_married;
  for (QStringView xref : reading.spouse_families) {
    const FamilyMembers* family = families.Find(xref, used);
    if (!family) {
      ++gaps.missing_families;
      continue;
    }
    const std::vector<QString>& partners = family->partners;
    if (spouse != kNobody && spouse != own &&
        std::find(partners.begin(), partners.end(), spouse) != partners.end()) {
      date_married = family->marriage_date;
    }
  }
  if (!reading.date_married_given) person->details.date_married = date_married;
  return gaps;
}

TextImport ImportKinvaleNote(const GedcomFile& file, const PendingText& note, QString* notes,
                             UsedLines* used) {
  return ImportExactText(file, note, notes, u"NOTE", u"NOTE", used);
}

TextImport ImportKinvaleSource(const GedcomFile& file, const PendingText& source,
                               QString* sources_text, UsedLines* used) {
  return ImportExactText(file, source, sources_text, u"SOUR", u"TEXT", used);
}

}  // namespace kinvale

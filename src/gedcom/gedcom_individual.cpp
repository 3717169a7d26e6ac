#include "gedcom/gedcom_individual.h"

#include <optional>

#include "gedcom/gedcom_name.h"
#include "store/record.h"

namespace kinvale {

namespace {

class IndividualReader {
 public:
  IndividualReader(const GedcomFile& file, ImportedPerson* person, UsedLines* used)
      : file_(file), person_(person), details_(person->details), used_(*used) {}

  IndividualReading Read(int record) {
    used_[record] = true;
    for (int line : file_.ChildrenOf(record)) ReadStructure(line);
    CollectSourceCitations(file_, record, &reading_.sources, &used_);
    return std::move(reading_);
  }

 private:
  // A one-line value with its CONC and CONT lines, taken.
  QString Value(int line) { return file_.OneLineTextOf(line, &used_); }
  QStringView Tag(int line) const { return file_.line(line).tag; }
  // The value of the last sub-line with that tag, marked used when take is set; nullopt when
  // there is none.
  std::optional<QString> SubValue(int line, QStringView tag, bool take = true) {
    std::optional<QString> value;
    for (int child : file_.ChildrenOf(line)) {
      if (Tag(child) != tag) continue;
      value = Value(child);
      if (take) used_[child] = true;
    }
    return value;
  }
  void Take(int line) { used_[line] = true; }

  void ReadStructure(int line) {
    const QStringView tag = Tag(line);
    if (tag == u"NAME") return ReadName(line);
    if (tag == u"SEX") return ReadSex(line);
    if (tag == u"BIRT") return ReadEvent(line, &details_.birth_date, &details_.birth_place);
    if (tag == u"IMMI") {
      return ReadEvent(line, &details_.immigration_date, &details_.immigration_place);
    }
    if (tag == u"DEAT") return ReadEvent(line, &details_.death_date, &details_.death_place);
    if (tag == u"BURI") return ReadBurial(line);
    if (tag == u"RESI" || tag == u"ADDR") return ReadResidence(line);
    if (tag == u"OCCU") return AddToList(line, &details_.occupations);
    if (tag == u"EDUC") return AddToList(line, &details_.universities);
    if (tag == u"RELI") {
      details_.religious_name = Value(line);
      return Take(line);
    }
    if (tag == u"NOTE" || tag == u"SNOTE" || tag == u"HEAL" || tag == u"HIST") {
      reading_.notes.push_back(PendingTextOf(file_, line, &used_));
      return;
    }
    if (tag == u"CHAN") {
      // Shown while the individual is read, but not held: line 2 is the import's date.
      person_->date_last_changed = SubValue(line, u"DATE", /*take=*/false).value_or(QString());
      return;
    }
    if (tag == u"FAMS" || tag == u"FAMC") return ReadFamilyLink(line);
    if (tag == u"EMAL" || tag == u"EMAIL") return AppendBlock(line, &details_.email_addresses);
    // GEDCOM 7's "this never happened" (1 NO MARR): the record has nothing to hold it.
    if (tag == u"NO") return Take(line);
  }

  // The first NAME line, the preferred name, gives the name; its NPFX gives the prefix. Later
  // names are kept for the notes.
  void ReadName(int line) {
    if (reading_.has_name) {
      reading_.other_names.append(Value(line));
      return Take(line);
    }
    reading_.has_name = true;
    reading_.gedcom_name = Value(line);
    person_->name = CleanGedcomName(reading_.gedcom_name, &person_->alternate_name);
    if (const auto prefix = SubValue(line, u"NPFX")) details_.prefix = *prefix;
    Take(line);
  }

  void ReadSex(int line) {
    const QStringView value = file_.line(line).value;
    if (value.startsWith(u'M')) details_.gender = kMaleGender;
    if (value.startsWith(u'F')) details_.gender = kFemaleGender;
    Take(line);
  }

  // DATE and PLAC wherever they stand among the event's own sub-lines.
  void ReadEvent(int line, QString* date, QString* place) {
    if (const auto value = SubValue(line, u"DATE")) *date = *value;
    if (const auto value = SubValue(line, u"PLAC")) *place = *value;
    Take(line);
  }

  // The record has no burial date, so only the place is taken.
  void ReadBurial(int line) {
    if (const auto value = SubValue(line, u"PLAC")) details_.burial = *value;
    Take(line);
  }

  // A residence's own text and the lines of its address join the residential addresses.
  void ReadResidence(int line) {
    QStringList lines = file_.TextOf(line, &used_);
    for (int child : file_.ChildrenOf(line)) {
      if (Tag(child) != u"ADDR") continue;
      lines.append(file_.TextOf(child, &used_));
      Take(child);
    }
    lines.removeAll(QString());
    if (!lines.isEmpty()) AppendLines(lines, &details_.residential_addresses);
    Take(line);
  }

  void AppendBlock(int line, QString* block) {
    QStringList lines = file_.TextOf(line, &used_);
    lines.removeAll(QString());
    if (!lines.isEmpty()) AppendLines(lines, block);
    Take(line);
  }

  static void AppendLines(const QStringList& lines, QString* block) {
    if (!block->isEmpty()) block->append(kLineBreak);
    block->append(lines.join(kLineBreak));
  }

  void AddToList(int line, QStringList* list) {
    const QString value = Value(line);
    if (!value.isEmpty()) list->append(value);
    Take(line);
  }

  void ReadFamilyLink(int line) {
    const QStringView value = file_.line(line).value;
    if (!IsGedcomPointer(value)) return;
    if (IsVoidPointer(value)) return Take(line);
    (Tag(line) == u"FAMS" ? reading_.spouse_families : reading_.child_families).push_back(value);
    Take(line);
  }

  const GedcomFile& file_;
  ImportedPerson* person_;
  PersonDetails& details_;
  UsedLines& used_;
  IndividualReading reading_;
};

}  // namespace

IndividualReading ReadIndividual(const GedcomFile& file, int record, ImportedPerson* person,
                                 UsedLines* used) {
  return IndividualReader(file, person, used).Read(record);
}

void ClearPersonFields(ImportedPerson* person) { person->details = PersonDetails(); }

}  // namespace kinvale

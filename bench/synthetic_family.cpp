#include "synthetic_family.h"

#include <QDir>
#include <QSet>
#include <algorithm>
#include <map>
#include <random>

#include "store/atomic_file.h"
#include "store/person_number.h"
#include "store/record.h"
#include "store/record_writer.h"
#include "store/text_helpers.h"

namespace kinvale::bench {

namespace {

const char* const kMaleNames[] = {"John",   "William", "Thomas", "George", "James",  "Henry",
                                  "Edward", "Robert",  "Arthur", "Samuel", "Walter", "Albert",
                                  "Joseph", "Charles", "Frank",  "Harry",  "Alfred", "Peter",
                                  "David",  "Michael", "Daniel", "Hugh",   "Isaac",  "Owen"};
const char* const kFemaleNames[] = {"Mary",     "Anne",  "Elizabeth", "Sarah",  "Margaret", "Alice",
                                    "Emma",     "Jane",  "Ellen",     "Martha", "Grace",    "Edith",
                                    "Florence", "Rose",  "Ada",       "Lucy",   "Harriet",  "Clara",
                                    "Ruth",     "Helen", "Agnes",     "Esther", "Ivy",      "Joan"};
const char* const kSurnames[] = {"Smith",  "Taylor",  "Brown",  "Wilson", "Evans",  "Walker",
                                 "Wright", "Hughes",  "Green",  "Hall",   "Wood",   "Harris",
                                 "Clarke", "Turner",  "Parker", "Cooper", "Morris", "Ward",
                                 "Baker",  "Bennett", "Fisher", "Palmer", "Mason",  "Hunt"};

struct Person {
  bool male = false;
  int generation = 0;
  int spouse = -1;
  int father = -1;
  int mother = -1;
  int family = -1;  // the couple this person is a child of
  QString name;
};

class Builder {
 public:
  explicit Builder(const SyntheticFamilyOptions& options)
      : options_(options), random_(options.seed) {}

  std::vector<SyntheticPerson> Build() {
    const int generations = std::max(1, options_.generations);
    const int per_generation = std::max(2, options_.people / generations);
    AddGeneration(0, std::min(per_generation, options_.people));
    for (int g = 1; g < generations && static_cast<int>(people_.size()) < options_.people; ++g) {
      const int remaining = options_.people - static_cast<int>(people_.size());
      const int size = g == generations - 1 ? remaining : std::min(per_generation, remaining);
      PairGeneration(g - 1);
      AddChildren(g, size);
    }
    return Export();
  }

 private:
  int Random(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

  QString UniqueName(bool male) {
    for (;;) {
      const QString given =
          QString::fromLatin1(male ? kMaleNames[Random(std::size(kMaleNames))]
                                   : kFemaleNames[Random(std::size(kFemaleNames))]);
      const QString middle =
          QString::fromLatin1(male ? kMaleNames[Random(std::size(kMaleNames))]
                                   : kFemaleNames[Random(std::size(kFemaleNames))]);
      const QString surname = QString::fromLatin1(kSurnames[Random(std::size(kSurnames))]);
      QString name = given + u' ' + middle + u' ' + surname;
      if (used_names_.size() > 50000) name += QStringLiteral(" %1").arg(people_.size());
      if (!used_names_.contains(LooseNameKey(name))) {
        used_names_.insert(LooseNameKey(name));
        return name;
      }
    }
  }

  int AddPerson(int generation) {
    Person p;
    p.male = Random(2) == 0;
    p.generation = generation;
    p.name = UniqueName(p.male);
    people_.push_back(p);
    generation_members_.resize(generation + 1);
    generation_members_[generation].push_back(static_cast<int>(people_.size()) - 1);
    return static_cast<int>(people_.size()) - 1;
  }

  void AddGeneration(int generation, int size) {
    for (int i = 0; i < size; ++i) AddPerson(generation);
  }

  // Marries most of a generation: men and women paired at random, so cousins marry as often as
  // chance gives (the pedigree collapses); a few widowed men marry a second time.
  void PairGeneration(int generation) {
    std::vector<int> men, women;
    for (int p : generation_members_[generation]) (people_[p].male ? men : women).push_back(p);
    std::shuffle(men.begin(), men.end(), random_);
    std::shuffle(women.begin(), women.end(), random_);
    couples_.clear();
    const size_t pairs = std::min(men.size(), women.size());
    for (size_t i = 0; i < pairs; ++i) {
      if (Random(10) == 0) continue;  // stays single
      people_[men[i]].spouse = women[i];
      people_[women[i]].spouse = men[i];
      couples_.push_back({men[i], women[i]});
    }
    // Remarriage: a man has children with a second wife, who names him as her spouse, while he
    // names his second wife and the first keeps naming him.
    for (size_t i = pairs; i < women.size() && !couples_.empty(); ++i) {
      if (Random(3) != 0) continue;
      const auto [husband, first_wife] = couples_[Random(static_cast<int>(couples_.size()))];
      if (people_[husband].spouse != first_wife) continue;
      people_[husband].spouse = women[i];
      people_[women[i]].spouse = husband;
      couples_.push_back({husband, women[i]});
    }
  }

  void AddChildren(int generation, int size) {
    for (int i = 0; i < size; ++i) {
      const int child = AddPerson(generation);
      if (couples_.empty() || Random(25) == 0) continue;  // a parentless incomer
      const int couple = Random(static_cast<int>(couples_.size()));
      people_[child].father = couples_[couple].first;
      people_[child].mother = couples_[couple].second;
      people_[child].family = generation * 1000000 + couple;
      children_of_family_[people_[child].family].push_back(child);
      if (Random(8) == 0) people_[child].father = -1;  // father unknown
    }
  }

  static QString Number(int person) { return FormatPersonNumber(person + 1); }

  std::vector<SyntheticPerson> Export() const {
    std::vector<SyntheticPerson> result;
    result.reserve(people_.size());
    for (int i = 0; i < static_cast<int>(people_.size()); ++i) {
      const Person& p = people_[i];
      QString siblings;
      if (p.family >= 0) {
        for (int s : children_of_family_.at(p.family)) {
          if (s != i) siblings += Number(s);
        }
      }
      const QString link = Number(i) + (p.spouse >= 0 ? Number(p.spouse) : kNobody) + u'F' +
                           (p.father >= 0 ? Number(p.father) : kNobody) + u'M' +
                           (p.mother >= 0 ? Number(p.mother) : kNobody) + u'S' +
                           (siblings.isEmpty() ? kNobody : siblings);
      result.push_back(
          {p.name, link, p.male ? QStringLiteral("Male") : QStringLiteral("Female"), p.generation});
    }
    return result;
  }

  SyntheticFamilyOptions options_;
  std::mt19937 random_;
  std::vector<Person> people_;
  std::vector<std::vector<int>> generation_members_;
  std::vector<std::pair<int, int>> couples_;
  std::map<int, std::vector<int>> children_of_family_;
  QSet<QString> used_names_;
};

PersonDetails FullDetails(const SyntheticPerson& person, int index) {
  PersonDetails d;
  d.ssn = QStringLiteral("%1-%2-%3").arg(100 + index % 800).arg(10 + index % 89).arg(1000 + index);
  d.prefix = index % 7 == 0 ? QStringLiteral("Dr") : QString();
  d.suffix = index % 11 == 0 ? QStringLiteral("Jr") : QString();
  d.date_married =
      QStringLiteral("%1 JUN %2").arg(1 + index % 28).arg(1700 + person.generation * 10);
  d.birth_date = QStringLiteral("%1 MAR %2").arg(1 + index % 28).arg(1680 + person.generation * 10);
  d.birth_place = QStringLiteral("Springfield, Parish %1").arg(index % 40);
  d.death_date = QStringLiteral("%1 OCT %2").arg(1 + index % 28).arg(1750 + person.generation * 10);
  d.death_place = QStringLiteral("Riverton");
  d.burial = QStringLiteral("Old Churchyard, row %1\r\nRiverton\r\n").arg(index % 30);
  d.gender = person.gender;
  d.occupations = {QStringLiteral("Farmer"), QStringLiteral("Miller")};
  d.residential_addresses = QStringLiteral("%1 High Street\r\nRiverton\r\n").arg(index % 200);
  d.business_addresses = QStringLiteral("The Mill\r\nRiverton\r\n");
  d.homepage = QStringLiteral("http://example.com/p%1\r\n").arg(index);
  d.email_addresses = QStringLiteral("p%1@example.com\r\n").arg(index);
  d.elementary = {QStringLiteral("Village School")};
  d.intermediate = {QStringLiteral("Riverton Junior School")};
  d.high = {QStringLiteral("Riverton Grammar School")};
  d.universities = {QStringLiteral("Oxford")};
  d.employers = {QStringLiteral("Riverton Mill Company")};
  d.religion = QStringLiteral("Church of England");
  d.notes = QStringLiteral(
      "Lived all their life in Riverton.\r\nKept bees and a large garden.\r\n"
      "Remembered for the great flood of the parish.\r\n");
  d.sources = QStringLiteral("Parish register of Riverton\r\nCensus returns\r\n");
  d.immigration_date = QStringLiteral("1 MAY %1").arg(1700 + person.generation * 10);
  d.immigration_place = QStringLiteral("Boston");
  return d;
}

}  // namespace

std::vector<SyntheticPerson> MakeSyntheticFamily(const SyntheticFamilyOptions& options) {
  return Builder(options).Build();
}

void WriteSyntheticFamily(const QString& family_folder, const std::vector<SyntheticPerson>& people,
                          bool full_records) {
  QDir().mkpath(family_folder);
  const QDir folder(family_folder);
  for (int i = 0; i < static_cast<int>(people.size()); ++i) {
    const SyntheticPerson& person = people[i];
    const QByteArray bytes =
        full_records
            ? FormatFullRecord(person.link, QStringLiteral("2026-01-01"), FullDetails(person, i))
            : FormatMinimalRecord(person.link);
    WriteFileAtomically(folder.filePath(RecordFileName(person.name, person.link.left(4))), bytes,
                        nullptr, Durability::kBuffered);
  }
}

std::vector<IndexRow> SyntheticIndexRows(const std::vector<SyntheticPerson>& people) {
  std::vector<IndexRow> rows;
  rows.reserve(people.size());
  for (const SyntheticPerson& p : people) rows.push_back({p.link, p.name, p.gender, {}, {}});
  return rows;
}

void OpenSyntheticFamily(Session& session, Prompter& prompter, const QString& app_folder,
                         const std::vector<SyntheticPerson>& people) {
  session.app_folder = app_folder;
  session.family = QStringLiteral("Big");
  WriteSyntheticFamily(session.FamilyPath(), people, /*full_records=*/true);
  LoadFamilyIndex(session, prompter);
}

}  // namespace kinvale::bench

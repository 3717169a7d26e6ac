#include "support/random_family.h"

#include <algorithm>
#include <numeric>
#include <random>

#include "store/person_number.h"

namespace kinvale::testing {

namespace {

const QStringList kGivenNames = {"Ann", "Zoë",  "José",     "Åsa", "Mary Ann",
                                 "Bo",  "Ævar", "Jean-Luc", "Ó",   "Marie@Home"};
const QStringList kSurnames = {"Lee", "McDonald", "de la Cruz", "Smørgrav", "O'Brien", "DUPONT"};
const QStringList kWords = {"mill", "Ludlow", "café",     "naïve", "€100", "Œuvre",
                            "@",    "a@b.c",  "“quoted”", "x",     "   ",  "ß"};
const QStringList kWideWords = {"Łódź", "Dương", "日本", "😀", "Ǆ"};
const QStringList kGenders = {"Male", "Female", " ", "Unknown", "male"};

class Generator {
 public:
  explicit Generator(const RandomFamilyOptions& options)
      : random_(options.seed), options_(options) {}

  std::vector<PersonSpec> Family() {
    std::vector<int> numbers(kHighestPersonNumber);
    std::iota(numbers.begin(), numbers.end(), 1);
    std::shuffle(numbers.begin(), numbers.end(), random_);
    numbers_.assign(numbers.begin(), numbers.begin() + options_.people);
    unused_number_ = numbers[options_.people];
    std::vector<PersonSpec> people;
    for (int i = 0; i < options_.people; ++i) people.push_back(Person(i));
    return people;
  }

 private:
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  bool Chance(int percent) { return Below(100) < percent; }
  QString Pick(const QStringList& list) { return list[Below(static_cast<int>(list.size()))]; }

  QString Word() {
    if (!options_.windows1252_only && Chance(15)) return Pick(kWideWords);
    return Pick(kWords);
  }

  // One line of text: a few words, sometimes long enough for several GEDCOM lines, sometimes
  // with blanks around it.
  QString TextLine() {
    QString line = Word();
    const int words = Chance(20) ? 60 + Below(120) : 1 + Below(6);
    for (int i = 0; i < words; ++i) line += (Chance(10) ? QString() : QStringLiteral(" ")) + Word();
    if (Chance(15)) line.prepend(QStringLiteral("  "));
    if (Chance(15)) line.append(u' ');
    return line;
  }

  QStringList List() {
    QStringList entries;
    for (int i = 1 + Below(3); i > 0; --i) entries.append(TextLine().trimmed() + u'.');
    return entries;
  }

  // A block as a record reads it: lines each ended by CR LF, empty ones among them.
  QString Block() {
    QString block = TextLine() + QStringLiteral("\r\n");
    for (int i = Below(4); i > 0; --i) {
      block += (Chance(25) ? QString() : TextLine()) + QStringLiteral("\r\n");
    }
    return block;
  }

  QString Entry(int self) {
    const int kind = Below(100);
    if (kind < 15) return kNobody;
    if (kind < 25) return FormatPersonNumber(unused_number_);
    int other = Below(options_.people);
    if (other == self) other = (other + 1) % options_.people;
    return FormatPersonNumber(numbers_[other]);
  }

  QString Group(int self, int most) {
    QString group;
    for (int i = Below(most + 1); i > 0; --i) group += Entry(self);
    return group.isEmpty() && Chance(70) ? kNobody : group;
  }

  QString Name(int i) {
    QString name = Pick(kGivenNames) + u' ' + Pick(kSurnames) + QString::number(i);
    if (i % 11 == 3) name = Pick(kGivenNames).split(u' ').first() + QString::number(i);
    if (i % 7 == 5) name += u' ';
    if (i % 13 == 6) name.replace(u' ', QStringLiteral("  "));
    if (!options_.windows1252_only && i % 5 == 2) name.prepend(Pick(kWideWords) + u' ');
    return name;
  }

  PersonSpec Person(int i) {
    PersonSpec person;
    person.name = Name(i);
    const QString spouse = Chance(50) ? Entry(i) : kNobody;
    person.link = FormatPersonNumber(numbers_[i]) + spouse + u'F' + Group(i, 3) + u'M' +
                  Group(i, 3) + u'S' + Group(i, 4);
    person.gender = Pick(kGenders);
    PersonDetails& d = person.details;
    for (QString* line :
         {&d.ssn, &d.date_married, &d.religious_name, &d.birth_date, &d.birth_place, &d.death_date,
          &d.death_place, &d.religion, &d.immigration_date, &d.immigration_place}) {
      *line = TextLine();
    }
    d.prefix = TextLine().remove(u'#');
    d.suffix = TextLine();
    d.photo_path = QStringLiteral("/photos/p.pic");
    for (QString* block : {&d.burial, &d.residential_addresses, &d.business_addresses, &d.homepage,
                           &d.email_addresses, &d.notes, &d.sources}) {
      *block = Block();
    }
    for (QStringList* list :
         {&d.occupations, &d.elementary, &d.intermediate, &d.high, &d.universities, &d.employers}) {
      *list = List();
    }
    return person;
  }

  std::mt19937 random_;
  RandomFamilyOptions options_;
  std::vector<int> numbers_;
  int unused_number_ = 0;
};

}  // namespace

std::vector<PersonSpec> RandomFamily(const RandomFamilyOptions& options) {
  return Generator(options).Family();
}

}  // namespace kinvale::testing

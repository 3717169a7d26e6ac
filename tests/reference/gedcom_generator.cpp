#include "reference/gedcom_generator.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace kinvale::reference {

namespace {

const QStringList kGivenMale = {"John", "William", "Peter Paul", "Jan", "Robert Eugene", "Lars"};
const QStringList kGivenFemale = {"Mary", "Anna Maria", "Elizabeth", "Ingrid", "Mary Ann", "Rose"};
// Surname forms: plain, upper case, several words, a suffix after the surname, an alternate.
const QStringList kNameForms = {"%1 /Smith/",    "%1 /SMITH/",    "%1 /de la Cruz/",
                                "%1 /Jones/ Jr", "%1 /O'BRIEN/",  "%1",
                                "%1 /van Dyke/", "%1 /Miller/",   "%1 /Schmidt>Smith/",
                                "Jan>%1 /Berg/", "%1 /Nakamura/", "%1 /Olsen/"};
const QStringList kPlaces = {"Springfield", "Bergen", "Cork", "Lyon", "Osaka", "Leeds"};
const QStringList kWords = {"farmer",  "miller", "sailed", "from", "the",    "old",
                            "country", "in",     "spring", "with", "three",  "brothers",
                            "and",     "a",      "parish", "book", "record", "census"};

class Generator {
 public:
  explicit Generator(const GeneratedGedcomOptions& options)
      : options_(options), random_(options.seed) {}

  QByteArray Generate() {
    const int n = options_.individuals;
    NumberIndividuals(n);
    notes_ = std::max(1, n / 10);
    sources_ = std::max(1, n / 12);
    MakeFamilies(n);
    Line(QStringLiteral("0 HEAD"));
    Line(QStringLiteral("1 SOUR Kinvale test generator"));
    Line(QStringLiteral("1 GEDC"));
    Line(QStringLiteral("2 VERS 5.5"));
    Line(QStringLiteral("1 CHAR UTF-8"));
    for (int i = 0; i < n; ++i) Individual(i);
    Line(QStringLiteral("0 @U1@ SUBM"));
    Line(QStringLiteral("1 NAME Generator"));
    for (size_t f = 0; f < families_.size(); ++f) Family(static_cast<int>(f));
    for (int k = 1; k <= notes_; ++k) Note(k);
    for (int k = 1; k <= sources_; ++k) Source(k);
    Line(QStringLiteral("0 TRLR"));
    return text_.toUtf8();
  }

 private:
  struct FamilyPlan {
    int husband = -1;
    int wife = -1;
    std::vector<int> children;
  };

  int Below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
  bool Chance(int percent) { return Below(100) < percent; }
  const QString& Pick(const QStringList& list) {
    return list[Below(static_cast<int>(list.size()))];
  }
  void Line(const QString& line) { text_ += line + QStringLiteral("\r\n"); }
  QString Xref(int i) const { return QStringLiteral("@I%1@").arg(numbers_[i]); }
  QString Date() { return QStringLiteral("%1 JUN %2").arg(1 + Below(28)).arg(1700 + Below(300)); }
  QString Words(int count) {
    QStringList words;
    for (int i = 0; i < count; ++i) words.append(Pick(kWords));
    return words.join(u' ');
  }

  void NumberIndividuals(int n) {
    std::vector<int> pool(9999);
    std::iota(pool.begin(), pool.end(), 1);
    if (options_.shuffled_numbers) {
      std::shuffle(pool.begin(), pool.end(), random_);
    }
    numbers_.assign(pool.begin(), pool.begin() + n);
    male_.resize(n);
    for (int i = 0; i < n; ++i) male_[i] = Chance(50);
  }

  // Couples of a man and a woman (or a single parent), each person in at most one family as a
  // spouse and one as a child.
  void MakeFamilies(int n) {
    spouse_family_.assign(n, -1);
    child_family_.assign(n, -1);
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random_);
    std::vector<int> men, women;
    for (int i : order) (male_[i] ? men : women).push_back(i);
    // Six in ten marry.
    auto keep_married = [this](std::vector<int>& people) {
      std::erase_if(people, [this](int) { return !Chance(60); });
    };
    keep_married(men);
    keep_married(women);
    while (!men.empty() || !women.empty()) {
      FamilyPlan family;
      if (!men.empty() && (women.empty() || Chance(90))) {
        family.husband = men.back();
        men.pop_back();
      }
      if (!women.empty() && (family.husband < 0 || Chance(90))) {
        family.wife = women.back();
        women.pop_back();
      }
      const int f = static_cast<int>(families_.size());
      for (int parent : {family.husband, family.wife}) {
        if (parent >= 0) spouse_family_[parent] = f;
      }
      families_.push_back(family);
    }
    for (int i = 0; i < n; ++i) {
      if (!Chance(70)) continue;
      const int f = Below(static_cast<int>(families_.size()));
      if (spouse_family_[i] == f) continue;
      child_family_[i] = f;
      families_[f].children.push_back(i);
    }
  }

  void Event(const char* tag) {
    Line(QStringLiteral("1 %1").arg(QLatin1String(tag)));
    Line(QStringLiteral("2 DATE ") + Date());
    Line(QStringLiteral("2 PLAC ") + Pick(kPlaces));
  }

  void Individual(int i) {
    Line(QStringLiteral("0 %1 INDI").arg(Xref(i)));
    Line(QStringLiteral("1 NAME ") +
         Pick(kNameForms).arg(Pick(male_[i] ? kGivenMale : kGivenFemale)));
    if (Chance(10)) Line(QStringLiteral("2 NPFX Dr"));
    if (Chance(20)) {
      const QString source = QStringLiteral("2 SOUR @S%1@").arg(1 + Below(sources_));
      Line(source);
      if (Chance(20)) Line(source);
    }
    const int sex = Below(10);
    Line(QStringLiteral("1 SEX ") + (sex == 0 ? u'U' : male_[i] ? u'M' : u'F'));
    if (Chance(80)) Event("BIRT");
    if (Chance(5)) Event("IMMI");
    if (Chance(25)) Event("DEAT");
    if (Chance(5)) Event("BURI");
    if (Chance(10)) {
      Line(QStringLiteral("1 RESI %1 High Street").arg(1 + Below(200)));
      Line(QStringLiteral("2 CONT ") + Pick(kPlaces));
    }
    if (Chance(20)) Line(QStringLiteral("1 OCCU ") + Words(2));
    if (Chance(5)) Line(QStringLiteral("1 EDUC ") + Words(3));
    if (Chance(5)) Line(QStringLiteral("1 RELI ") + Words(1));
    if (Chance(5)) Line(QStringLiteral("1 EMAL person%1 at example.org").arg(i));
    if (Chance(30)) Line(QStringLiteral("1 NOTE @N%1@").arg(1 + Below(notes_)));
    if (spouse_family_[i] >= 0) Line(QStringLiteral("1 FAMS @F%1@").arg(spouse_family_[i] + 1));
    if (child_family_[i] >= 0) Line(QStringLiteral("1 FAMC @F%1@").arg(child_family_[i] + 1));
    if (Chance(15)) {
      Line(QStringLiteral("1 CHAN"));
      Line(QStringLiteral("2 DATE ") + Date());
    }
  }

  void Family(int f) {
    const FamilyPlan& family = families_[f];
    Line(QStringLiteral("0 @F%1@ FAM").arg(f + 1));
    if (family.husband >= 0) Line(QStringLiteral("1 HUSB ") + Xref(family.husband));
    if (family.wife >= 0) Line(QStringLiteral("1 WIFE ") + Xref(family.wife));
    for (int child : family.children) Line(QStringLiteral("1 CHIL ") + Xref(child));
    if (Chance(60)) {
      Line(QStringLiteral("1 MARR"));
      Line(QStringLiteral("2 DATE ") + Date());
    }
  }

  void Note(int k) {
    Line(QStringLiteral("0 @N%1@ NOTE").arg(k));
    for (int lines = 1 + Below(2); lines > 0; --lines) Line(QStringLiteral("1 CONT ") + Words(5));
    if (Chance(20)) Line(QStringLiteral("2 SOUR @S%1@").arg(1 + Below(sources_)));
  }

  void Source(int k) {
    Line(QStringLiteral("0 @S%1@ SOUR").arg(k));
    for (int lines = 1 + Below(2); lines > 0; --lines) Line(QStringLiteral("1 CONT ") + Words(5));
  }

  const GeneratedGedcomOptions options_;
  std::mt19937 random_;
  QString text_;
  std::vector<int> numbers_;
  std::vector<bool> male_;
  std::vector<FamilyPlan> families_;
  std::vector<int> spouse_family_;
  std::vector<int> child_family_;
  int notes_ = 1;
  int sources_ = 1;
};

}  // namespace

QByteArray GenerateGedcom(const GeneratedGedcomOptions& options) {
  return Generator(options).Generate();
}

}  // namespace kinvale::reference

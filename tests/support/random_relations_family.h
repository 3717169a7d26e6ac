// Small random families for the relation tests, with the awkward shapes real data has.
#pragma once

#include <QStringList>
#include <random>
#include <vector>

#include "store/family_index.h"
#include "store/person_number.h"

namespace kinvale::testing {

// Small families with the awkward shapes real data has: missing parents, several fathers,
// numbers that name nobody, pedigree collapse, one-sided sibling links, names that collide
// ignoring case and spaces, duplicate person numbers, and genders of every kind.
class RandomFamilies {
 public:
  explicit RandomFamilies(unsigned seed) : random_(seed) {}

  std::vector<IndexRow> Make(bool allow_cycles) {
    const int people = Between(3, 10);
    std::vector<Member> members(people);
    for (int i = 0; i < people; ++i) {
      Member& m = members[i];
      // A repeated number, or a name that an earlier row carries in another case or spacing,
      // leads lookups to the earlier row; with cycles ruled out it keeps that row's level.
      m.number = FormatPersonNumber(allow_cycles && Chance(4) ? Between(1, people + 2) : i + 1);
      m.level = Between(0, 4);
      m.name = QString::fromLatin1(kNames[i]);
      if (i > 0 && Chance(6)) {
        const Member& earlier = members[Between(0, i - 1)];
        const QString& e = earlier.name;  // in another case or spacing, or the same
        m.name = QStringList{e.toLower(), QString(e).remove(u' '), e.toUpper().replace(u' ', "  "),
                             e}[Between(0, 3)];
        if (!allow_cycles) m.level = earlier.level;
      }
      m.gender = kGenders[Between(0, int(std::size(kGenders)) - 1)];
    }
    for (Member& m : members) {
      m.fathers = ParentGroup(members, m.level, allow_cycles);
      m.mothers = ParentGroup(members, m.level, allow_cycles);
    }
    for (Member& m : members) {
      for (const Member& other : members) {
        const bool share = (!m.fathers.isEmpty() && m.fathers.left(4) == other.fathers.left(4)) ||
                           m.mothers == other.mothers;
        if (&other != &m && ((share && !Chance(4)) || Chance(15))) m.siblings += other.number;
      }
      if (m.siblings.isEmpty() && Chance(2)) m.siblings = kNobody;
      if (Chance(6)) m.siblings += kNobody;
      // Parents of one child are often each other's spouses; now and then a spouse is odd.
      const QString father = m.fathers.left(4), mother = m.mothers.left(4);
      for (Member& other : members) {
        if (other.number == father && !Chance(4)) other.spouse = mother;
        if (other.number == mother && !Chance(4)) other.spouse = father;
      }
      if (Chance(10)) m.spouse = members[Between(0, people - 1)].number;
    }
    std::vector<IndexRow> rows;
    for (const Member& m : members) {
      const QString link = m.number + m.spouse + u'F' + m.fathers + u'M' + m.mothers + u'S';
      rows.push_back({link + m.siblings, m.name, m.gender, {}, {}});
    }
    return rows;
  }

 private:
  struct Member {
    QString number, name, gender, fathers, mothers, siblings;
    QString spouse = kNobody;
    int level = 0;
  };

  static constexpr const char* kNames[] = {"Ann Lee",  "Bob Ray",  "Cy Dow",  "Di Fox",  "Ed Gray",
                                           "Flo Hart", "Gus Ives", "Hal Jay", "Ivy Kim", "Jo Lamb"};
  // Only "Male" and "Female" exactly take the gendered words.
  static constexpr const char* kGenders[] = {"Male",   "Male", "Male", "Female",  "Female",
                                             "Female", "",     " ",    "unknown", "male"};

  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool Chance(int one_in) { return Between(1, one_in) == 1; }

  QString ParentGroup(const std::vector<Member>& members, int level, bool allow_cycles) {
    // Parents come from older generations, or now and then from anyone at all.
    const bool from_anyone = allow_cycles && Chance(5);
    QStringList candidates;
    for (const Member& m : members) {
      if (from_anyone || m.level < level) candidates.append(m.number);
    }
    auto someone = [&] {
      if (candidates.empty() || Chance(8)) return QStringLiteral("0077");  // names nobody
      return candidates[Between(0, int(candidates.size()) - 1)];
    };
    const int shape = Between(0, 9);
    if (shape <= 1) return kNobody;
    if (shape == 2) return someone() + someone();
    if (shape == 3) return kNobody + someone();
    if (shape == 4) return someone() + kNobody;
    return shape == 5 ? QString() : someone();
  }

  std::mt19937 random_;
};

}  // namespace kinvale::testing

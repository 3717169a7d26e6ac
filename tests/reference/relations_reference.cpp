#include "reference/relations_reference.h"

#include <QHash>
#include <QSet>

namespace kinvale::reference {

namespace {

const QString kNone = QStringLiteral("0000");

// The comparisons of the family index's lookups, written out here: this file is built
// optimised, and the walks call them millions of times.
QString NameKey(const QString& name) { return QString(name).remove(u' ').toUpper(); }

int ValueOf(QStringView number) {
  qsizetype i = 0;
  while (i < number.size() && number[i] == u' ') ++i;
  int value = 0;
  for (; i < number.size() && number[i] >= u'0' && number[i] <= u'9' && value < 100000000; ++i) {
    value = value * 10 + (number[i].unicode() - u'0');
  }
  return value;
}

const QString kNoRelation = QStringLiteral("No relation found.");

// A group taken as one text, walked four characters at a time; a shorter tail is one more.
QStringList Pieces(const QString& group) {
  QStringList pieces;
  for (qsizetype i = 0; i < group.size(); i += 4) pieces.append(group.mid(i, 4));
  return pieces;
}

// The text between two markers of a link string, or after the last one.
QString Between(const QString& link, QChar start, QChar end) {
  const qsizetype from = link.indexOf(start);
  if (from < 0) return {};
  if (end.isNull()) return link.mid(from + 1);
  const qsizetype to = link.indexOf(end);
  return to > from ? link.mid(from + 1, to - from - 1) : QString();
}

// Every number of group a against the numbers of group b; the last shared number found,
// "0000" when none.
QString LastShared(const QString& group_a, const QString& group_b) {
  QString shared = kNone;
  const QStringList of_b = Pieces(group_b);
  for (const QString& number : Pieces(group_a)) {
    if (of_b.contains(number)) shared = number;
  }
  return shared;
}

QString Greats(int count) { return QStringLiteral(" great").repeated(count); }

QString Ordinal(int level) {
  static const QStringList words = {"second",  "third", "fourth", "fifth", "sixth",
                                    "seventh", "eigth", "ninth",  "tenth"};
  if (level > 10) return QStringLiteral("over tenth");
  return words.value(level - 2);
}

QString CousinWords(int d1, int d2) {
  static const QStringList degrees = {
      "first cousin", "second cousin",  "third cousin", "fourth cousin", "fifth cousin",
      "sixth cousin", "seventh cousin", "eigth cousin", "ninth cousin",  "tenth cousin"};
  static const QStringList removals = {
      "once removed",       "twice removed",     "thrice removed",      "four times removed",
      "five times removed", "six times removed", "seven times removed", "eight times removed",
      "nine times removed", "ten times removed"};
  const int smaller = d1 < d2 ? d1 : d2;
  const int difference = d1 < d2 ? d2 - d1 : d1 - d2;
  // Left open by the rules: at the same generation, the degree alone.
  if (difference == 0) return degrees.value(smaller - 2);
  return degrees.value(smaller - 2) + QStringLiteral(" ") + removals.value(difference - 1);
}

}  // namespace

LiteralRelations::LiteralRelations(std::vector<IndexRow> rows, GenderLookup gender_of,
                                   int generation_cap)
    : rows_(std::move(rows)), gender_of_(std::move(gender_of)), cap_(generation_cap) {
  // What each scan compares, worked out once: the scans stay scans.
  for (const IndexRow& row : rows_) {
    keys_.append(NameKey(row.name));
    values_.push_back(ValueOf(row.link.left(4)));
  }
}

int LiteralRelations::FindRow(const QString& name) const {
  return static_cast<int>(keys_.indexOf(NameKey(name)));  // the first row of the name
}

const IndexRow* LiteralRelations::RowOf(const QString& name) const {
  const int row = FindRow(name);
  return row < 0 ? nullptr : &rows_[row];
}

QString LiteralRelations::NumberOfName(const QString& name) const {
  const IndexRow* row = RowOf(name);
  return row ? row->link.left(4) : kNone;
}

QString LiteralRelations::NameOfNumber(const QString& number) const {
  const int value = ValueOf(number);
  if (value == 0) return {};  // nobody carries the number 0000
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (values_[i] == value) return rows_[i].name;
  }
  return {};
}

QString LiteralRelations::FatherNumberOf(const QString& name) const {
  const IndexRow* row = RowOf(name);
  return row ? Between(row->link, u'F', u'M') : kNone;
}

QString LiteralRelations::MotherNumberOf(const QString& name) const {
  const IndexRow* row = RowOf(name);
  return row ? Between(row->link, u'M', u'S') : kNone;
}

QString LiteralRelations::SpouseNumberOf(const QString& name) const {
  const IndexRow* row = RowOf(name);
  return row ? row->link.mid(4, 4) : kNone;
}

QString LiteralRelations::SiblingNumbersOf(const QString& name) const {
  if (name.isEmpty()) return {};
  const IndexRow* row = RowOf(name);
  return row ? Between(row->link, u'S', QChar()) : QString();
}

QString LiteralRelations::SameFather(const QString& a, const QString& b) const {
  return LastShared(FatherNumberOf(a), FatherNumberOf(b));
}

QString LiteralRelations::SameMother(const QString& a, const QString& b) const {
  return LastShared(MotherNumberOf(a), MotherNumberOf(b));
}

QString LiteralRelations::SiblingRelation(const QString& a, const QString& b) const {
  if (FindRow(a) == -1 || FindRow(b) == -1) return kNoRelation;
  if (!Pieces(SiblingNumbersOf(b)).contains(NumberOfName(a))) return kNoRelation;
  const QString father = SameFather(a, b) != kNone ? QStringLiteral(" with the same father") : "";
  const QString mother = SameMother(a, b) != kNone ? QStringLiteral(" with the same mother") : "";
  const QString joiner = !father.isEmpty() && !mother.isEmpty() ? QStringLiteral(" and") : "";
  return a + " and " + b + " are siblings" + father + joiner + mother + ".";
}

QString LiteralRelations::SpouseRelation(const QString& a, const QString& b) const {
  if (a == NameOfNumber(SpouseNumberOf(b))) return a + " is a spouse of " + b + ".";
  return kNoRelation;
}

bool LiteralRelations::AnyoneIn(const QStringList& generation) const {
  return generation.count(kNone) < generation.size();
}

QStringList LiteralRelations::ParentsInNextGeneration(const QStringList& generation) const {
  QStringList next;
  for (const QString& entry : generation) {
    next += Pieces(FatherNumberOf(NameOfNumber(entry)));
    next += Pieces(MotherNumberOf(NameOfNumber(entry)));
  }
  return next;
}

QStringList LiteralRelations::Grandparents(const QString& name) const {
  return ParentsInNextGeneration(Pieces(FatherNumberOf(name)) + Pieces(MotherNumberOf(name)));
}

QString LiteralRelations::DirectLineRelation(const QString& a0, const QString& b0) {
  for (int pass = 1; pass <= 2; ++pass) {
    const QString& a = pass == 1 ? a0 : b0;
    const QString& b = pass == 1 ? b0 : a0;
    const QString target = NumberOfName(b);
    const QStringList fathers = Pieces(FatherNumberOf(a));
    const QStringList mothers = Pieces(MotherNumberOf(a));
    if (fathers.contains(target)) return b + " is a father of " + a + ".";
    if (mothers.contains(target)) return b + " is a mother of " + a + ".";

    QStringList current = Grandparents(a);
    int found = current.contains(target) ? 0 : -1;
    int position = 0;
    bool more = true;
    int count = 0;
    while (found < 0 && more && count < Cap(10000)) {
      if (current.isEmpty()) break;
      if (current[position] == target) {
        found = count;
        break;
      }
      ++position;
      if (position >= current.size()) {
        ++count;
        current = ParentsInNextGeneration(current);
        position = 0;
        // The list only changes here, so this is where "more" can change.
        more = AnyoneIn(current);
      }
    }
    NoteCap(found < 0 && more && count >= Cap(10000) && !current.isEmpty(), 10000);
    if (found >= 0) {
      const QString gender = gender_of_(b);
      const QString word = gender == "Male" ? "father" : gender == "Female" ? "mother" : "parent";
      return b + " is a" + Greats(found) + " grand" + word + " of " + a + ".";
    }
  }
  return kNoRelation;
}

QString LiteralRelations::CollateralRelation(const QString& a0, const QString& b0) {
  for (int pass = 1; pass <= 2; ++pass) {
    const QString& a = pass == 1 ? a0 : b0;
    const QString& b = pass == 1 ? b0 : a0;
    const QString gender = gender_of_(b);
    const QString target = NumberOfName(b);
    const QStringList fathers = Pieces(FatherNumberOf(a));
    const QStringList mothers = Pieces(MotherNumberOf(a));

    for (int side = 0; side < 2; ++side) {
      for (const QString& number : side == 0 ? fathers : mothers) {
        for (const QString& s : Pieces(SiblingNumbersOf(NameOfNumber(number)))) {
          const bool by_marriage = SpouseNumberOf(NameOfNumber(s)) == target;
          if (s != target && !by_marriage) continue;
          const QString suffix = by_marriage ? " by marriage" : "";
          if (gender == "Male") return b + " is an uncle" + suffix + " of " + a + ".";
          if (gender == "Female") return b + " is an aunt" + suffix + " of " + a + ".";
          const QString parent = side == 0 ? "'s father." : "'s mother.";
          if (by_marriage) {
            return b + " is a spouse to " + NameOfNumber(s) + " who is a sibling of " + a + parent;
          }
          return b + " is a sibling of " + a + parent;
        }
      }
    }

    auto great = [&](int level, bool by_marriage) {
      const QString suffix = by_marriage ? " by marriage" : "";
      if (gender == "Male" || gender == "Female") {
        const QString word = gender == "Male" ? " uncle" : " aunt";
        return b + " is a" + Greats(level) + " great" + word + suffix + " of " + a + ".";
      }
      return b + " is a sibling of " + a + "'s" + Greats(level) + " grandparent" + suffix + ".";
    };

    QStringList current = Grandparents(a);
    for (const QString& g : current) {
      if (SiblingRelation(NameOfNumber(g), b) != kNoRelation) return great(0, false);
    }
    int position = 0;
    bool more = true;
    int level = 0;
    while (more && level < Cap(1000)) {
      if (current.isEmpty()) break;
      const QString g = current[position];
      if (SiblingRelation(NameOfNumber(g), b) != kNoRelation) return great(level, false);
      for (const QString& s : Pieces(SiblingNumbersOf(NameOfNumber(g)))) {
        if (SpouseNumberOf(NameOfNumber(s)) == target) return great(level, true);
      }
      ++position;
      if (position >= current.size()) {
        current = ParentsInNextGeneration(current);
        position = 0;
        ++level;
        more = AnyoneIn(current);
      }
    }
    NoteCap(more && level >= Cap(1000) && !current.isEmpty(), 1000);
  }
  return kNoRelation;
}

QString LiteralRelations::CousinRelation(const QString& a0, const QString& b0) {
  struct Entry {
    QString number;
    int generation;
  };
  for (int pass = 1; pass <= 2; ++pass) {
    const QString& a = pass == 1 ? a0 : b0;
    const QString& b = pass == 1 ? b0 : a0;

    // First cousins.
    const QStringList parents_of_a = Pieces(FatherNumberOf(a)) + Pieces(MotherNumberOf(a));
    for (const QString& p : Pieces(FatherNumberOf(b)) + Pieces(MotherNumberOf(b))) {
      for (const QString& s : Pieces(SiblingNumbersOf(NameOfNumber(p)))) {
        for (const QString& y : parents_of_a) {
          if (s == y && y != kNone) return b + " is a first cousin of " + a;
        }
      }
    }

    // Cousins of the same generation.
    QStringList list_a = Grandparents(a);
    QStringList list_b = Grandparents(b);
    int position = 0;
    int level = 2;
    bool more = true;
    while (more && level < Cap(1000)) {
      if (list_a.isEmpty()) break;
      const QString x = list_a[position];
      for (const QString& s : Pieces(SiblingNumbersOf(NameOfNumber(x)))) {
        for (const QString& y : list_b) {
          if (s == y && y != kNone) {
            return b + " is a " + Ordinal(level) + " cousin of " + a + " through " +
                   NameOfNumber(x) + " and " + NameOfNumber(y);
          }
        }
      }
      ++position;
      if (position >= list_a.size()) {
        list_a = ParentsInNextGeneration(list_a);
        list_b = ParentsInNextGeneration(list_b);
        position = 0;
        ++level;
        more = AnyoneIn(list_a) && AnyoneIn(list_b);
      }
    }
    NoteCap(more && level >= Cap(1000) && !list_a.isEmpty(), 1000);

    // Common ancestors.
    auto ancestors = [this](const QString& person) {
      std::vector<Entry> list;
      QSet<QString> numbers;  // the numbers of the list's entries, for "already in the list"
      for (const QString& g : Grandparents(person)) {
        if (g == kNone) continue;
        list.push_back({g, 2});
        numbers.insert(g);
      }
      for (int generation = 3; generation <= 10; ++generation) {
        QStringList collected;
        for (const Entry& e : list) {
          const QString fathers = FatherNumberOf(NameOfNumber(e.number));
          if (!numbers.contains(fathers)) collected += Pieces(fathers);
          const QString mothers = MotherNumberOf(NameOfNumber(e.number));
          if (!numbers.contains(mothers)) collected += Pieces(mothers);
        }
        // Groups of several numbers are never left out, so on cyclic data their entries come
        // back every generation, twice as often each time: give up (as capped) past this size.
        if (list.size() + collected.size() > 4000) {
          capped_ = true;
          break;
        }
        int appended = 0;
        for (const QString& c : collected) {
          if (c == kNone) continue;
          list.push_back({c, generation});
          numbers.insert(c);
          ++appended;
        }
        if (appended == 0) break;  // a side that stops growing never grows again
      }
      return list;
    };
    const std::vector<Entry> ancestors_a = ancestors(a);
    const std::vector<Entry> ancestors_b = ancestors(b);
    // For each x in order, the first y with the same number: the first y of each number is
    // looked up rather than searched for, as the lists can grow long on repeated entries.
    QHash<QString, int> first_generation_b;
    for (auto y = ancestors_b.rbegin(); y != ancestors_b.rend(); ++y) {
      first_generation_b[y->number] = y->generation;
    }
    for (const Entry& x : ancestors_a) {
      const auto y = first_generation_b.constFind(x.number);
      if (y != first_generation_b.cend()) {
        return b + " is a " + CousinWords(x.generation, y.value()) + " of " + a + " through " +
               NameOfNumber(x.number);
      }
    }
  }
  return kNoRelation;
}

QStringList LiteralRelations::Children(const QString& number) const {
  QStringList children;
  for (const IndexRow& row : rows_) {
    for (const QString& e : Pieces(FatherNumberOf(row.name)) + Pieces(MotherNumberOf(row.name))) {
      if (e == number) children.append(row.link.left(4));
    }
  }
  return children;
}

QStringList LiteralRelations::Descendants(const QString& name) {
  QStringList list;
  QStringList current = Children(NumberOfName(name));
  int generation = 1;
  for (; generation <= Cap(10000); ++generation) {
    QStringList next;
    for (const QString& d : current) {
      next += Children(d);
      list.append(NameOfNumber(d));
    }
    current.clear();
    for (const QString& e : next) {
      if (e != kNone) current.append(e);
    }
    if (current.isEmpty() || next.isEmpty()) break;
  }
  NoteCap(generation > Cap(10000), 10000);
  return list;
}

}  // namespace kinvale::reference

// The relation kinds, the finder's warnings and the descendants search transcribed literally, as
// slow oracles for the fast code: every lookup a linear scan of the rows, generation lists that
// keep "0000" entries and repeats and so double each generation, the limits as stated. A
// generation cap far below those limits lets them finish on cyclic families; capped() says
// when a walk hit it, and its answer is then not the literal one.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

#include "store/family_index.h"

namespace kinvale::reference {

class LiteralRelations {
 public:
  using GenderLookup = std::function<QString(const QString& name)>;

  LiteralRelations(std::vector<IndexRow> rows, GenderLookup gender_of, int generation_cap = 12);

  // The lookups of the family index, each a scan in row order.
  int FindRow(const QString& name) const;
  QString NumberOfName(const QString& name) const;
  QString NameOfNumber(const QString& number) const;

  // The primitives.
  QString FatherNumberOf(const QString& name) const;
  QString MotherNumberOf(const QString& name) const;
  QString SpouseNumberOf(const QString& name) const;
  QString SiblingNumbersOf(const QString& name) const;
  QString SameFather(const QString& a, const QString& b) const;
  QString SameMother(const QString& a, const QString& b) const;

  // The five kinds.
  QString SiblingRelation(const QString& a, const QString& b) const;
  QString SpouseRelation(const QString& a, const QString& b) const;
  QString DirectLineRelation(const QString& a, const QString& b);
  QString CollateralRelation(const QString& a, const QString& b);
  QString CousinRelation(const QString& a, const QString& b);

  // The descendants window's list.
  QStringList Descendants(const QString& name);

  // True when a walk since the last call stopped at the cap; clears the mark.
  bool TakeCapped() { return std::exchange(capped_, false); }

 private:
  const IndexRow* RowOf(const QString& name) const;
  QStringList ParentsInNextGeneration(const QStringList& generation) const;
  QStringList Grandparents(const QString& name) const;
  QStringList Children(const QString& number) const;
  bool AnyoneIn(const QStringList& generation) const;
  int Cap(int limit) const { return limit < cap_ ? limit : cap_; }
  // A walk that stopped at the cap rather than at the stated limit.
  void NoteCap(bool stopped_at_cap, int limit) {
    capped_ = capped_ || (stopped_at_cap && cap_ < limit);
  }

  std::vector<IndexRow> rows_;
  QStringList keys_;         // each row's name, spaces removed, upper-cased
  std::vector<int> values_;  // each row's own number as a value
  GenderLookup gender_of_;
  int cap_;
  bool capped_ = false;
};

}  // namespace kinvale::reference

#include "store/person_lookup.h"

#include "store/family_index.h"
#include "store/link_string.h"
#include "store/person_number.h"
#include "store/prompter.h"

namespace kinvale {

namespace {

// "#0012" or "#12": the number; 0 for any other text.
int NumberReference(const QString& text) {
  if (!text.startsWith(u'#') || text.size() < 2) return 0;
  for (qsizetype i = 1; i < text.size(); ++i) {
    if (!text[i].isDigit()) return 0;
  }
  return NumberValue(QStringView(text).sliced(1));
}

QString LifeSpan(const QString& birth, const QString& death) {
  const QString born = birth.trimmed();
  const QString died = death.trimmed();
  if (born.isEmpty() && died.isEmpty()) return {};
  return born + u'\u2013' + died;
}

}  // namespace

std::vector<int> RowsMatching(const FamilyIndex& index, const QString& text) {
  if (const int number = NumberReference(text); number > 0) {
    const int row = index.RowOfNumber(number);
    return row < 0 ? std::vector<int>() : std::vector<int>{row};
  }
  if (const int row = RowOfDescription(index, text); row >= 0) return {row};
  const std::vector<int>& exact = index.RowsWithExactName(text);
  return exact.empty() ? index.RowsWithName(text) : exact;
}

QString PersonDescription(const FamilyIndex& index, int row) {
  const IndexRow& r = index.row(row);
  QString details = OwnNumber(r.link).toString();
  const QString span = LifeSpan(r.birth_date, r.death_date);
  if (!span.isEmpty()) details += QStringLiteral(", ") + span;
  return r.name + QStringLiteral(" (") + details + u')';
}

int RowOfDescription(const FamilyIndex& index, const QString& text) {
  if (!text.endsWith(u')')) return -1;
  const qsizetype open = text.lastIndexOf(QStringLiteral(" ("));
  if (open < 0 || open + 6 > text.size()) return -1;
  const QStringView number = QStringView(text).sliced(open + 2, kEntryWidth);
  for (QChar c : number) {
    if (!c.isDigit()) return -1;
  }
  const QChar after = text[open + 2 + kEntryWidth];
  if (after != u')' && after != u',') return -1;
  const int row = index.RowOfNumber(number);
  return row >= 0 && index.row(row).name == QStringView(text).left(open) ? row : -1;
}

QString PersonLabel(const FamilyIndex& index, int row) {
  const QString& name = index.row(row).name;
  return index.RowsWithName(name).size() > 1 ? PersonDescription(index, row) : name;
}

Resolution ResolveTypedName(const FamilyIndex& index, Prompter& prompter, const QString& text,
                            const QString& question) {
  const std::vector<int> rows = RowsMatching(index, text);
  if (rows.empty()) return {};
  if (rows.size() == 1) return {Resolution::kPerson, rows.front()};
  QStringList choices;
  for (int row : rows) choices.append(PersonDescription(index, row));
  const int chosen = prompter.ChooseOne(question, kWhichPersonTitle, choices);
  if (chosen < 0 || chosen >= static_cast<int>(rows.size())) return {Resolution::kCancelled};
  return {Resolution::kPerson, rows[chosen]};
}

}  // namespace kinvale

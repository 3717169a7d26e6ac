#include "cli/person_argument.h"

#include <QRegularExpression>
#include <algorithm>

#include "relations/relation_texts.h"
#include "store/family_index.h"
#include "store/link_string.h"
#include "store/person_number.h"

namespace kinvale::cli {

namespace {

int RowOfNumberArgument(const FamilyIndex& index, const QString& digits, QString* error) {
  const int row = index.RowOfNumber(digits.toInt());
  if (row < 0) {
    *error = QStringLiteral("Nobody in this family has the person number %1.")
                 .arg(FormatPersonNumber(digits.toInt()));
  }
  return row;
}

QString SeveralPeopleMessage(const FamilyIndex& index, const QString& name,
                             const std::vector<int>& rows) {
  QString message =
      QStringLiteral("%1 people are named \"%2\"; name the one you mean by number, as #%3:")
          .arg(rows.size())
          .arg(name, OwnNumber(index.row(rows.front()).link));
  for (const int row : rows)
    message += QStringLiteral("\n  ") + PersonWithNumberAndDates(index, row);
  return message;
}

}  // namespace

int PersonRowOfArgument(const FamilyIndex& index, const QString& argument, QString* error) {
  static const QRegularExpression kNumber(QStringLiteral("^#(\\d{1,4})$"));
  if (const QRegularExpressionMatch number = kNumber.match(argument); number.hasMatch()) {
    return RowOfNumberArgument(index, number.captured(1), error);
  }
  const std::vector<int>& rows = index.RowsWithName(argument);
  if (rows.size() == 1) return rows.front();
  if (rows.empty()) {
    *error = NobodyNamedInFamily(argument);
    return -1;
  }
  const auto exact = [&](int row) { return index.row(row).name == argument; };
  if (std::count_if(rows.begin(), rows.end(), exact) == 1) {
    return *std::find_if(rows.begin(), rows.end(), exact);
  }
  *error = SeveralPeopleMessage(index, argument, rows);
  return -1;
}

QString PersonWithNumberAndDates(const FamilyIndex& index, int row) {
  const IndexRow& person = index.row(row);
  const QString number = OwnNumber(person.link).toString();
  if (person.birth_date.trimmed().isEmpty() && person.death_date.trimmed().isEmpty()) {
    return QStringLiteral("%1 (%2)").arg(person.name, number);
  }
  return QStringLiteral("%1 (%2, %3\u2013%4)")
      .arg(person.name, number, person.birth_date.trimmed(), person.death_date.trimmed());
}

}  // namespace kinvale::cli

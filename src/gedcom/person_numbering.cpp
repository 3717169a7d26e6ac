#include "gedcom/person_numbering.h"

#include <QSet>

#include "gedcom/gedcom_reader.h"
#include "store/person_number.h"

namespace kinvale {

namespace {

// The value of an "@I<digits>@" cross-reference; 0 for any other form.
int FileNumberOf(QStringView xref) {
  if (xref.size() < 4 || !xref.startsWith(u"@I") || !xref.endsWith(u'@')) return 0;
  const QStringView digits = xref.sliced(2, xref.size() - 3);
  int value = 0;
  for (QChar c : digits) {
    if (c < u'0' || c > u'9' || value > kHighestPersonNumber) return 0;
    value = value * 10 + (c.unicode() - u'0');
  }
  return value <= kHighestPersonNumber ? value : 0;
}

}  // namespace

QString PadPersonNumber(QStringView text) { return FormatPersonNumber(NumberValue(text)); }

PersonNumbering::PersonNumbering(const GedcomFile& file, const std::vector<int>& individuals) {
  std::vector<int> values;
  values.reserve(individuals.size());
  QSet<int> seen;
  uses_file_numbers_ = true;
  for (int line : individuals) {
    const int value = FileNumberOf(file.line(line).xref);
    if (value == 0 || seen.contains(value)) uses_file_numbers_ = false;
    seen.insert(value);
    values.push_back(value);
  }
  numbers_.reserve(individuals.size());
  for (size_t i = 0; i < individuals.size(); ++i) {
    numbers_.push_back(FormatPersonNumber(uses_file_numbers_ ? values[i] : int(i) + 1));
    const QStringView xref = file.line(individuals[i]).xref;
    if (!xref.isEmpty() && !position_by_xref_.contains(xref)) {
      position_by_xref_.insert(xref, static_cast<int>(i));
    }
  }
}

QString PersonNumbering::XrefToPersonNumber(QStringView xref) const {
  const auto found = position_by_xref_.constFind(xref);
  return found == position_by_xref_.constEnd() ? kNobody : numbers_[*found];
}

}  // namespace kinvale

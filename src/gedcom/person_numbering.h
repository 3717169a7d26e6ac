// Person numbers for the individuals of a GEDCOM file. When every individual's cross-reference
// is "I" and a number, with distinct values from 1 to 9999, the person number is that value
// (@I12@ is 0012); otherwise the individuals are numbered 0001 upwards in file order. Every
// reference to an individual is resolved through the same numbering.
#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <vector>

namespace kinvale {

class GedcomFile;

// The person number of the leading decimal number of text, zero-padded to four digits
// ("12" gives "0012"; "x" gives "0000"; larger values keep all their digits).
QString PadPersonNumber(QStringView text);

class PersonNumbering {
 public:
  // The numbering of the individuals, given as the lines of their INDI records in file order.
  PersonNumbering(const GedcomFile& file, const std::vector<int>& individuals);

  // True when the file's own "I" numbers are used.
  bool uses_file_numbers() const { return uses_file_numbers_; }
  // The person number of the individual at that position of the file order.
  QString NumberAt(int position) const { return numbers_[position]; }
  // The person number of the individual that a reference such as "@I7@" names; "0000" when no
  // individual of the file has that cross-reference.
  QString XrefToPersonNumber(QStringView xref) const;

 private:
  bool uses_file_numbers_ = false;
  std::vector<QString> numbers_;
  QHash<QStringView, int> position_by_xref_;
};

}  // namespace kinvale

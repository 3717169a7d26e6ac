// The family index as the relation walks see it. Every entry of a link string becomes a code
// (equal texts, equal codes) and each code leads to the person the index names for it. A person
// is resolved through the index maps when a walk first reaches them and then kept, so a walk
// costs time in proportion to the people it visits. A graph is valid while its index is
// unchanged: the windows build one when they open, since the index cannot change while they
// are open.
#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <vector>

namespace kinvale {

class FamilyIndex;

using Code = int;
inline constexpr Code kNobodyCode = 0;  // the entry "0000"

class RelationGraph {
 public:
  struct Person {
    int row = -1;  // -1 for nobody
    Code own = kNobodyCode;
    Code spouse = kNobodyCode;
    bool somebody = false;  // has a row and a number that names somebody
    std::span<const Code> fathers;
    std::span<const Code> mothers;
    std::span<const Code> siblings;
  };

  explicit RelationGraph(const FamilyIndex& index);
  RelationGraph(const RelationGraph&) = delete;
  RelationGraph& operator=(const RelationGraph&) = delete;

  const FamilyIndex& index() const { return index_; }

  // The person a name names (RowOfName); nullptr when it names nobody or when the person's own
  // number is "0000", the number every missing parent carries.
  const Person* PersonNamed(const QString& name);
  // The person an entry leads to: the row of the name that NameOfNumber gives for it. An entry
  // that names nobody leads to a person without row, whose fathers and mothers are "0000".
  const Person& PersonOf(Code code);
  // NameOfNumber of the entry.
  QString NameOf(Code code) const;
  // The code of a piece of a link string: its value when it is four digits, else a code of its
  // own, the same for the same text.
  Code CodeOf(QStringView piece);
  // One above the highest code handed out so far.
  int CodeCount() const { return kDigitCodes + static_cast<int>(other_values_.size()); }

 private:
  static constexpr int kDigitCodes = 10000;  // "0000" to "9999"

  const Person& PersonOfRow(int row);
  std::span<const Code> StorePieces(QStringView group);
  int ValueOf(Code code) const;

  const FamilyIndex& index_;
  Person nobody_;
  std::deque<Person> people_;                 // stable addresses as it grows
  std::vector<const Person*> person_of_row_;  // nullptr until resolved
  std::vector<const Person*> person_of_code_;
  QHash<QString, const Person*> person_named_;   // names asked for, exactly as asked
  QHash<QString, Code> other_codes_;             // pieces that are not four digits
  std::vector<int> other_values_;                // their numeric values, by code - kDigitCodes
  std::vector<std::unique_ptr<Code[]>> chunks_;  // the entries of resolved groups
  Code* chunk_free_ = nullptr;
  std::size_t chunk_left_ = 0;
};

// A set of codes, with one number kept for each, that empties in constant time.
class CodeSet {
 public:
  // True when the code was not in the set; the value is kept only then.
  bool Insert(Code code, int value = 0);
  bool Contains(Code code) const { return ValueOf(code) >= 0; }
  // The value kept for the code, -1 when it is not in the set.
  int ValueOf(Code code) const;
  void Clear() { ++epoch_; }

 private:
  std::vector<std::uint32_t> stamps_;
  std::vector<int> values_;
  std::uint32_t epoch_ = 1;
};

}  // namespace kinvale

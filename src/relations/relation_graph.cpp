#include "relations/relation_graph.h"

#include <algorithm>

#include "relations/relation_primitives.h"
#include "store/family_index.h"
#include "store/link_string.h"
#include "store/person_number.h"

namespace kinvale {

namespace {

constexpr Code kNobodyGroup[] = {kNobodyCode};
constexpr std::size_t kChunkSize = 16384;

bool IsFourDigits(QStringView piece) {
  return piece.size() == 4 &&
         std::all_of(piece.begin(), piece.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace

RelationGraph::RelationGraph(const FamilyIndex& index)
    : index_(index), person_of_row_(index.size(), nullptr), person_of_code_(kDigitCodes, nullptr) {
  // FatherNumberOf and MotherNumberOf give "0000" for a name without a row.
  nobody_.fathers = kNobodyGroup;
  nobody_.mothers = kNobodyGroup;
}

Code RelationGraph::CodeOf(QStringView piece) {
  if (IsFourDigits(piece)) return NumberValue(piece);
  const auto it = other_codes_.constFind(piece.toString());
  if (it != other_codes_.cend()) return it.value();
  const Code code = CodeCount();
  other_codes_.insert(piece.toString(), code);
  other_values_.push_back(NumberValue(piece));
  person_of_code_.push_back(nullptr);
  return code;
}

int RelationGraph::ValueOf(Code code) const {
  return code < kDigitCodes ? code : other_values_[code - kDigitCodes];
}

QString RelationGraph::NameOf(Code code) const {
  const int row = index_.RowOfNumber(ValueOf(code));
  return row < 0 ? QString() : index_.row(row).name;
}

std::span<const Code> RelationGraph::StorePieces(QStringView group) {
  const std::vector<QStringView> pieces = GroupPieces(group);
  if (pieces.size() > chunk_left_) {
    chunk_left_ = std::max(kChunkSize, pieces.size());
    chunks_.push_back(std::make_unique<Code[]>(chunk_left_));
    chunk_free_ = chunks_.back().get();
  }
  Code* const start = chunk_free_;
  for (QStringView piece : pieces) *chunk_free_++ = CodeOf(piece);
  chunk_left_ -= pieces.size();
  return {start, pieces.size()};
}

const RelationGraph::Person& RelationGraph::PersonOfRow(int row) {
  if (person_of_row_[row]) return *person_of_row_[row];
  const QString& link = index_.row(row).link;
  Person& person = people_.emplace_back();
  person.row = row;
  person.own = CodeOf(OwnNumber(link));
  person.spouse = CodeOf(SpouseNumber(link));
  person.somebody = ValueOf(person.own) != 0;
  person.fathers = StorePieces(GroupText(link, Group::kFather));
  person.mothers = StorePieces(GroupText(link, Group::kMother));
  person.siblings = StorePieces(GroupText(link, Group::kSibling));
  person_of_row_[row] = &person;
  return person;
}

const RelationGraph::Person* RelationGraph::PersonNamed(const QString& name) {
  const auto known = person_named_.constFind(name);
  if (known != person_named_.cend()) return known.value();
  const int row = RowOfName(index_, name);
  const Person* person = row < 0 ? nullptr : &PersonOfRow(row);
  if (person && !person->somebody) person = nullptr;
  person_named_.insert(name, person);
  return person;
}

const RelationGraph::Person& RelationGraph::PersonOf(Code code) {
  if (const Person* known = person_of_code_[code]) return *known;
  // By number, not by the name the number has: of two people of one name, each is reached.
  const int row = index_.RowOfNumber(ValueOf(code));
  const Person& person = row < 0 ? nobody_ : PersonOfRow(row);
  person_of_code_[code] = &person;
  return person;
}

bool CodeSet::Insert(Code code, int value) {
  if (code >= static_cast<Code>(stamps_.size())) {
    const std::size_t size = std::max<std::size_t>(std::size_t(code) + 1, 2 * stamps_.size());
    stamps_.resize(size, 0);
    values_.resize(size, 0);
  }
  if (stamps_[code] == epoch_) return false;
  stamps_[code] = epoch_;
  values_[code] = value;
  return true;
}

int CodeSet::ValueOf(Code code) const {
  if (code >= static_cast<Code>(stamps_.size()) || stamps_[code] != epoch_) return -1;
  return values_[code];
}

}  // namespace kinvale

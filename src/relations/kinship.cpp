#include "relations/kinship.h"

#include <cstdlib>
#include <tuple>

#include "relations/cousin.h"
#include "relations/relation_texts.h"

namespace kinvale {

namespace {

Text ByGender(GenderWords words, Text male, Text female, Text neutral) {
  switch (words) {
    case GenderWords::kMale:
      return male;
    case GenderWords::kFemale:
      return female;
    case GenderWords::kNeutral:
      break;
  }
  return neutral;
}

Text ChildWord(GenderWords words) { return ByGender(words, kSonWord, kDaughterWord, kChildWord); }

// " great" count times then " grand" and the word, without the leading blank.
QString GrandWords(int greats, const QString& word) {
  return (Greats(greats) + kGrand + word).mid(1);
}

QString SiblingParts(const Kinship& k) {
  return (k.same_father ? kWithSameFather : QString()) +
         (k.same_father && k.same_mother ? kPartJoiner : QString()) +
         (k.same_mother ? kWithSameMother : QString());
}

// A sibling of self's ancestor, level 0 for a parent's sibling.
QString UncleWords(int level, GenderWords words) {
  if (words == GenderWords::kNeutral) {
    return level == 0 ? kSiblingOfParent : kSiblingOfA + Greats(level - 1) + kGrandparent;
  }
  const QString noun = words == GenderWords::kMale ? kUncle : kAunt;
  return level == 0 ? noun.mid(1) : (Greats(level - 1) + kGreat + noun).mid(1);
}

// A descendant of self's sibling, level 0 for a sibling's child.
QString NephewWords(int level, GenderWords words) {
  if (words == GenderWords::kNeutral) {
    return (level == 0 ? kChildWord : GrandWords(level - 1, kChildWord)) + kOfASibling;
  }
  const QString noun = words == GenderWords::kMale ? kNephewWord : kNieceWord;
  return level == 0 ? noun.mid(1) : (Greats(level - 1) + kGreat + noun).mid(1);
}

QString BloodWords(const Kinship& k, GenderWords words) {
  if (k.Spouses()) return kSpouseWord;
  if (k.relative_up == 0) {
    if (k.self_up > 1) return GrandWords(k.self_up - 2, ParentWord(words));
    // A parent's word is that of the group listing them; a husband or wife standing in for the
    // parent has none and takes their own.
    if (k.marriage == Marriage::kRelative) return ParentWord(words);
    return k.self_parent_father ? kFatherWord : kMotherWord;
  }
  if (k.self_up == 0) {
    return k.relative_up == 1 ? ChildWord(words) : GrandWords(k.relative_up - 2, ChildWord(words));
  }
  if (k.self_up == 1 && k.relative_up == 1) {
    return kSiblingWord + (k.marriage == Marriage::kNone ? SiblingParts(k) : QString());
  }
  if (k.relative_up == 1) return UncleWords(k.self_up - 2, words);
  if (k.self_up == 1) return NephewWords(k.relative_up - 2, words);
  return CousinName(k.self_up, k.relative_up);
}

// The elder of a direct line or of an uncle and nephew is the subject of the sentence.
bool SelfIsElder(const Kinship& k) {
  return k.self_up == 0 || (k.self_up == 1 && k.relative_up >= 2);
}

// The relation finder's own sentences for an uncle or great uncle without gender words.
QString NeutralUncleSentence(const Kinship& k, const SentencePeople& p) {
  const QString by_marriage = k.marriage == Marriage::kNone ? QString() : kByMarriage;
  if (k.self_up >= 3) {
    return p.relative + kIsSiblingOf + p.self + kPossessive + Greats(k.self_up - 3) + kGrandparent +
           by_marriage + kFullStop;
  }
  const QString parent = k.self_parent_father ? kPossessiveFather : kPossessiveMother;
  switch (k.marriage) {
    case Marriage::kNone:
      return p.relative + kIsSiblingOf + p.self + parent;
    case Marriage::kRelative:
      return p.relative + kIsSpouseTo + p.relative_spouse + kWhoIsSiblingOf + p.self + parent;
    case Marriage::kSelf:
      break;
  }
  return p.relative + kIsSiblingOf + p.self + parent.chopped(1) + kByMarriage + kFullStop;
}

SentencePeople Reversed(const SentencePeople& p) {
  return {p.relative,        p.self,        p.relative_words, p.self_words,
          p.relative_spouse, p.self_spouse, p.ancestors};
}

}  // namespace

Text ParentWord(GenderWords words) {
  return ByGender(words, kFatherWord, kMotherWord, kParentWord);
}

Kinship Kinship::Reversed() const {
  Kinship k = *this;
  std::swap(k.self_up, k.relative_up);
  std::swap(k.self_parent_father, k.relative_parent_father);
  if (marriage != Marriage::kNone) {
    k.marriage = marriage == Marriage::kSelf ? Marriage::kRelative : Marriage::kSelf;
  }
  return k;
}

bool operator<(const Kinship& a, const Kinship& b) {
  auto key = [](const Kinship& k) {
    return std::tuple(k.self_up + k.relative_up + (k.marriage == Marriage::kNone ? 0 : 1),
                      std::abs(k.self_up - k.relative_up), k.self_up,
                      k.marriage != Marriage::kNone);
  };
  return key(a) < key(b);
}

QString KinshipWords(const Kinship& kinship, GenderWords relative_words) {
  const QString words = BloodWords(kinship, relative_words);
  if (kinship.marriage == Marriage::kNone || kinship.Spouses()) return words;
  return words + kByMarriage;
}

QString KinshipSentence(const Kinship& kinship, const SentencePeople& people) {
  if (kinship.Spouses()) return people.self + kIsSpouseOf + people.relative + kFullStop;
  if (kinship.self_up == 1 && kinship.relative_up == 1) {
    const QString siblings = kinship.marriage == Marriage::kNone
                                 ? kAreSiblings + SiblingParts(kinship) + kFullStop
                                 : kAreSiblingsByMarriage;
    return people.self + kNamesJoiner + people.relative + siblings;
  }
  if (SelfIsElder(kinship)) return KinshipSentence(kinship.Reversed(), Reversed(people));
  if (kinship.relative_up == 1 && people.relative_words == GenderWords::kNeutral) {
    return NeutralUncleSentence(kinship, people);
  }
  const QString words = KinshipWords(kinship, people.relative_words);
  const bool cousins = kinship.relative_up >= 2;
  const QString is_a = kinship.relative_up == 1 && kinship.self_up == 2 ? kIsAn : kCousinIsA;
  return people.relative + is_a + words + kOf + people.self +
         (cousins ? kThrough + people.ancestors.join(kNamesJoiner) : kFullStop);
}

}  // namespace kinvale

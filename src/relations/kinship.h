// The shape of a relationship between a person (self) and a relative: how many generations each
// stands below the ancestor where their lines meet, and whether a marriage stands at one end;
// and the program's words and sentences for it.
#pragma once

#include <QString>
#include <QStringList>

#include "relations/genders.h"
#include "store/text.h"

namespace kinvale {

// Which end of the relationship is a husband or wife standing in for their spouse, whose blood
// relationship it is.
enum class Marriage { kNone, kSelf, kRelative };

struct Kinship {
  int self_up = 0;      // generations from self up to the ancestor; 0 when self is the ancestor
  int relative_up = 0;  // the same from the relative
  // The first step up each line reaches a father (else a mother).
  bool self_parent_father = false;
  bool relative_parent_father = false;
  // For siblings: the parents the two share.
  bool same_father = false;
  bool same_mother = false;
  Marriage marriage = Marriage::kNone;

  bool Spouses() const { return self_up == 0 && relative_up == 0; }
  // The same relationship seen from the relative.
  Kinship Reversed() const;
  // Nearer relationships order first: fewer generations in all, then the two sides more even,
  // then self nearer the ancestor, blood before marriage.
  friend bool operator<(const Kinship& a, const Kinship& b);
};

// "father", "mother" or "parent" by the gender's words.
Text ParentWord(GenderWords words);

// What the relative is to self: "great grandmother", "uncle by marriage", "second cousin once
// removed", "sibling with the same mother", "grandson", "niece", by the relative's gender.
QString KinshipWords(const Kinship& kinship, GenderWords relative_words);

struct SentencePeople {
  QString self;
  QString relative;
  GenderWords self_words = GenderWords::kNeutral;
  GenderWords relative_words = GenderWords::kNeutral;
  // The blood relative each side's husband or wife stands in for, when a marriage is there.
  QString self_spouse;
  QString relative_spouse;
  QStringList ancestors;  // where the lines meet: one person or a couple
};

// The relationship as the relation finder words it, the elder or the uncle the subject and
// otherwise the relative: "Carl is a great grandfather of Ann.", "Ann and Bob are siblings with
// the same mother.", "Bob is a second cousin of Ann through Hal and Ivy" (cousins without a
// full stop), "Eve is an aunt by marriage of Ann.".
QString KinshipSentence(const Kinship& kinship, const SentencePeople& people);

}  // namespace kinvale

// Telling people apart. A person is a person number; a name is resolved only where the user
// typed it, and a name that several people carry is shown with their number and dates.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "store/store_texts.h"  // kWhichPersonQuestion, the usual question

namespace kinvale {

class FamilyIndex;
class Prompter;

// The rows a typed text may mean, in row order: "#NNNN" and a PersonDescription name one
// person; else the rows of exactly that name when there are any, else the rows whose name matches
// ignoring case and spaces (john smith is John Smith).
std::vector<int> RowsMatching(const FamilyIndex& index, const QString& text);

// "James Potter (0012, 1960–1981)": the name with the person number and the birth and death
// dates, as far as they are known.
QString PersonDescription(const FamilyIndex& index, int row);
// The row a PersonDescription (or a name followed by " (NNNN)") stands for; -1 for any other
// text, and when the number's person carries another name.
int RowOfDescription(const FamilyIndex& index, const QString& text);
// The line a list shows for a row: the name alone while nobody else of the family carries it
// (ignoring case and spaces), else PersonDescription.
QString PersonLabel(const FamilyIndex& index, int row);

// What a typed name turned out to mean.
struct Resolution {
  enum Kind { kNobody, kPerson, kCancelled } kind = kNobody;
  int row = -1;  // for kPerson
};
// Resolves a typed name: nobody, the one person it matches, or (when several match) the person
// the user picks from a list of them, asked with the question; kCancelled when they pick none.
Resolution ResolveTypedName(const FamilyIndex& index, Prompter& prompter, const QString& text,
                            const QString& question);

}  // namespace kinvale

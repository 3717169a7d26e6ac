// Putting a person who is not yet in the family into the family index with a fresh person
// number, and the checks a new person must pass first.
#pragma once

#include <QString>

namespace kinvale {

struct LoadedFamily;
struct Session;

// How a new person's first link string is made.
enum class NewPersonKind {
  kEditor,         // the link the details editor assembled, with its entries
  kBlankRelative,  // a father, mother or sibling: no links at all
  kDependent,      // the person of interest and the spouse shown as parents
  kSpouse,         // married to the person of interest
};

// What the details editor gives a person it creates.
struct EditorEntries {
  QString link;  // assembled by AssembleLinkString with the new person as person of interest
  QString gender;
  QString birth_date;
  QString death_date;
};

// Why name cannot become a new person of the open family, as a message for the user: no family
// is open, the name cannot be stored, or the family has used the last person number. Empty when
// it can.
QString NewPersonProblem(const LoadedFamily& family, const QString& name);

// Appends a row for a new person named name at the end of the index and gives the row; -1, with
// nothing appended, when NewPersonProblem objects or (for a dependent) nobody is shown.
int AddPerson(Session& session, const QString& name, NewPersonKind kind,
              const EditorEntries& editor = {});

// The link string of a child numbered number of the person of interest and the spouse shown: no
// spouse, the father group the man and the mother group the other (the person of interest's
// gender decides), the sibling group empty.
QString DependentLink(const Session& session, const QString& number);

}  // namespace kinvale

// Putting a person who is not yet in the family into the family index with a fresh person
// number, and the checks a new person must pass first.
#pragma once

#include <QString>

namespace kinvale {

struct Session;

// How a new person's first link string is made.
enum class NewPersonKind {
  kEditor,         // the link assembled last, with the details editor's entries
  kBlankRelative,  // a father, mother or sibling: no links at all
  kDependent,      // the person of interest and the spouse shown as parents
  kSpouse,         // married to the person of interest
};

// What the details editor shows for a person it creates.
struct EditorEntries {
  QString gender;
  QString birth_date;
  QString death_date;
};

// Why name cannot become a new person of the open family, as a message for the user: no family
// is open, the name cannot be stored, or the family has used the last person number. Empty when
// it can, and when the name is already a person of the family (who is then used as they are).
QString NewPersonProblem(const Session& session, const QString& name);

// Appends a row at the end of the index for a name that is not yet in the family (by the index's
// rule, ignoring case and spaces); does nothing when it is. A dependent is only created while
// the person of interest is in the family. Gives NewPersonProblem's message, with nothing
// appended, when the person cannot be created.
QString AddPerson(Session& session, const QString& name, NewPersonKind kind,
                  const EditorEntries& editor = {});

// The link string of a child numbered number of the person of interest and the spouse shown: no
// spouse, the father group the man and the mother group the other (the person of interest's
// gender decides), the sibling group empty.
QString DependentLink(const Session& session, const QString& number);

}  // namespace kinvale

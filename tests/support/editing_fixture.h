// A family set up for the editing tests: written from short "name|link|gender" lines, opened,
// and drawn for a person of interest, with the button operations reachable by name.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "session/session.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"

namespace kinvale::testing {

inline const QString kTestFamily = QStringLiteral("Family");

// "name|link" or "name|link|gender" (Male when left out), one person each.
std::vector<PersonSpec> ParsePeople(const QStringList& people);

using ButtonOperation = void (*)(Session&, Prompter&);
// "add father", "add mother", "add spouse", "add sibling", "add dependent", "remove father",
// "remove mother", "remove sibling", "remove dependent".
ButtonOperation OperationNamed(const QString& name);
// The list a "remove ..." or "add ..." operation works on; the spouse has none.
RelativeList* ListOf(MainView& view, const QString& operation);

struct EditingFixture {
  TempAppFolder folder;
  Session session;
  ScriptedPrompter prompter;

  // Writes and opens the family and draws poi (nobody shown when poi is empty).
  void Open(const QStringList& people, const QString& poi);
  // Runs the operation: an add answers the name entry with argument, a remove first selects
  // the first entry of its list equal to argument (nothing selected when there is none).
  void Run(const QString& operation, const QString& argument);
  // "name|link" for every row, in row order.
  QStringList Links() const;
  // "name|line 1 of the row's record file", in row order ("name|<missing>" without a file).
  QStringList RecordLinks() const;
  QStringList FamilyFiles() const;
};

}  // namespace kinvale::testing

// A person named on the command line, either by name or as "#NNNN" (a person number).
#pragma once

#include <QString>

namespace kinvale {
class FamilyIndex;
}

namespace kinvale::cli {

// The row of the person the argument names; -1 with the reason in *error when it names nobody,
// or names several people (the message lists them and asks for a number instead). A name is
// matched as the family index matches names (blanks and letter case ignored); of several such
// people, the one whose name is written exactly so is taken when there is one.
int PersonRowOfArgument(const FamilyIndex& index, const QString& argument, QString* error);

// "Name (NNNN, birth–death)", the way a person is told apart from others of the same name.
QString PersonWithNumberAndDates(const FamilyIndex& index, int row);

}  // namespace kinvale::cli

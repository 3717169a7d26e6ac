// Setting one detail field of a person by its caption and saving, as the details editor's
// "Apply" saves: the command line's way into the editor.
#pragma once

#include <QString>

#include "store/record_fields.h"

namespace kinvale {

struct Session;
class Prompter;

// Loads the person of interest into a details editor, sets the field to value (for a list, one
// entry per non-empty line) and applies. A record that cannot be read to its end is left as it
// is, with a message, as saving it would drop the values not read. False when nothing was
// saved.
bool SetDetailField(Session& session, Prompter& prompter, const FieldInfo& field,
                    const QString& value);

}  // namespace kinvale

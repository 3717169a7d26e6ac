// The keyword search's line test as a literal reading: a record file is read from its top once
// per term, line by line, until a line matches.
#pragma once

#include <QString>
#include <QStringList>

namespace kinvale::reference {

// True when some line of the text is no section header (holds no "***") and contains one of
// the terms ignoring case.
bool RecordTextMatches(const QString& text, const QStringList& terms);

}  // namespace kinvale::reference

#include "reference/keyword_search_reference.h"

#include "store/text_codec.h"
#include "store/text_helpers.h"

namespace kinvale::reference {

bool RecordTextMatches(const QString& text, const QStringList& terms) {
  for (const QString& term : terms) {
    for (const QString& line : SplitLines(text)) {
      if (ContainsText(line, term) && !line.contains(QStringLiteral("***"))) return true;
    }
  }
  return false;
}

}  // namespace kinvale::reference

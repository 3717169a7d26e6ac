#include "details/field_update.h"

#include "details/details_editor.h"
#include "details/details_texts.h"
#include "store/prompter.h"
#include "store/shared_texts.h"
#include "store/text_codec.h"

namespace kinvale {

bool SetDetailField(Session& session, Prompter& prompter, const FieldInfo& field,
                    const QString& value) {
  DetailsEditor editor(session, prompter);
  if (editor.Open() == RecordLoad::kPartial) {
    prompter.Message(kPartialRecordMessage.arg(editor.Subject()), kApplicationTitle,
                     MessageKind::kWarning);
    return false;
  }
  PersonDetails& details = editor.fields().details;
  if (field.kind == FieldKind::kList) {
    QStringList& entries = details.*field.list;
    entries.clear();
    for (const QString& line : SplitLines(value)) {
      if (!line.isEmpty()) entries.append(line);
    }
  } else {
    details.*field.text = value;
  }
  return editor.Apply();
}

}  // namespace kinvale

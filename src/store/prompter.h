// Every question a core operation asks the user. The window program answers with dialogs, the
// command line from its arguments, tests from a script; core code never opens a window itself.
#pragma once

#include <QString>
#include <QStringList>

namespace kinvale {

// What a message tells: shown with the icon of its kind, and on the command line a warning or an
// error makes the command fail.
enum class MessageKind {
  kInformation,  // how something went: "New Family Created", "File Saved"
  kWarning,      // a request refused or a result to doubt; nothing is lost
  kError,        // something could not be read or written
};

// What OK would do if pressed by mistake: a question whose OK replaces or deletes something
// offers Cancel as its default answer.
enum class Risk { kHarmless, kDestructive };

class Prompter {
 public:
  virtual ~Prompter() = default;
  // The one-line name entry: the text typed, exactly as typed; empty when the user cancelled.
  virtual QString LineEntry(const QString& prompt) = 0;
  // The same with text already in the box, to be corrected; answerers without a box to fill
  // answer as LineEntry does.
  virtual QString LineEntryStartingWith(const QString& prompt, const QString& /*text*/) {
    return LineEntry(prompt);
  }
  // An OK/Cancel question; true for OK.
  virtual bool Confirm(const QString& text, const QString& title, Risk risk) = 0;
  // A message with an OK button.
  virtual void Message(const QString& text, const QString& title, MessageKind kind) = 0;
  // A pick from a list: the index of the choice taken, -1 when the user took none.
  virtual int ChooseOne(const QString& question, const QString& title,
                        const QStringList& choices) = 0;
  // Whether to save typed changes before they are left behind.
  enum class SaveAnswer { kSave, kDiscard, kCancel };
  virtual SaveAnswer AskToSave(const QString& question, const QString& title) = 0;
};

}  // namespace kinvale

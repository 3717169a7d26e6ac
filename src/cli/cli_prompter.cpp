#include "cli/cli_prompter.h"

#include <cstdio>

namespace kinvale::cli {

namespace {

void PrintError(const QString& text) {
  const QByteArray bytes = (text + u'\n').toUtf8();
  std::fwrite(bytes.constData(), 1, bytes.size(), stderr);
}

}  // namespace

QString CliPrompter::LineEntry(const QString& /*prompt*/) {
  return answers_.isEmpty() ? QString() : answers_.takeFirst();
}

bool CliPrompter::Confirm(const QString& text, const QString& /*title*/, Risk /*risk*/) {
  if (assume_yes_) return true;
  PrintError(text + QStringLiteral(" (not confirmed: pass --yes to answer OK)"));
  return false;
}

void CliPrompter::Message(const QString& text, const QString& /*title*/, MessageKind kind) {
  if (kind != MessageKind::kInformation) ++problems_shown_;
  PrintError(text);
}

int CliPrompter::ChooseOne(const QString& question, const QString& /*title*/,
                           const QStringList& choices) {
  ++problems_shown_;
  PrintError(question + QStringLiteral(" Name the person as #NNNN:"));
  for (const QString& choice : choices) PrintError(QStringLiteral("  ") + choice);
  return -1;
}

Prompter::SaveAnswer CliPrompter::AskToSave(const QString& /*question*/, const QString& /*title*/) {
  return SaveAnswer::kSave;
}

}  // namespace kinvale::cli

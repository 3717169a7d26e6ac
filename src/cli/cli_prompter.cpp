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

bool CliPrompter::Confirm(const QString& text, const QString& /*title*/) {
  if (assume_yes_) return true;
  PrintError(text + QStringLiteral(" (not confirmed: pass --yes to answer OK)"));
  declined_ = true;
  return false;
}

void CliPrompter::Message(const QString& text, const QString& /*title*/) {
  ++messages_shown_;
  PrintError(text);
}

}  // namespace kinvale::cli

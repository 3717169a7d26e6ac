#include "support/cli_runner.h"

#include <QProcess>

namespace kinvale::testing {

CliResult RunCli(const QString& data_dir, const QStringList& args, const QByteArray& stdin_text) {
  QProcess process;
  process.start(QStringLiteral(KINVALE_CLI), QStringList{"--data-dir", data_dir} + args);
  process.write(stdin_text);
  process.closeWriteChannel();
  CliResult result;
  if (!process.waitForFinished(120000)) return result;
  result.exit_code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  QString out = QString::fromUtf8(process.readAllStandardOutput());
  if (out.endsWith(u'\n')) out.chop(1);
  result.out = out.isEmpty() ? QStringList() : out.split(u'\n');
  result.err = QString::fromUtf8(process.readAllStandardError());
  return result;
}

}  // namespace kinvale::testing

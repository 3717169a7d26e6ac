#include "support/cli_runner.h"

#include <QProcess>

namespace kinvale::testing {

CliResult RunCli(const QString& data_dir, const QStringList& args, const QByteArray& stdin_text,
                 const Environment& environment) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (auto it = environment.begin(); it != environment.end(); ++it)
    env.insert(it.key(), it.value());
  process.setProcessEnvironment(env);
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

namespace kinvale::testing {

Environment FailingWrites(long long after_bytes) {
  return {{"LD_PRELOAD", QStringLiteral(KINVALE_FAIL_WRITE_LIBRARY)},
          {"KINVALE_FAIL_WRITE_AFTER", QString::number(after_bytes)},
          // The sanitizer runtime need not come first when the preload library is there.
          {"ASAN_OPTIONS", "verify_asan_link_order=0:detect_leaks=0"}};
}

}  // namespace kinvale::testing

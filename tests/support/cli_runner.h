// Runs the built kinvale-cli for end-to-end tests.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace kinvale::testing {

struct CliResult {
  int exit_code = -1;
  QStringList out;  // stdout lines
  QString err;      // stderr text
};

using Environment = QMap<QString, QString>;

// Runs kinvale-cli --data-dir data_dir ARGS..., feeding stdin_text to its standard input, with
// extra environment variables.
CliResult RunCli(const QString& data_dir, const QStringList& args,
                 const QByteArray& stdin_text = {}, const Environment& environment = {});

// The environment that makes the file system refuse writes after the given number of bytes
// (ENOSPC, a full disk), through the preload library.
Environment FailingWrites(long long after_bytes);

}  // namespace kinvale::testing

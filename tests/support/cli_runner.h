// Runs the built kinvale-cli for end-to-end tests.
#pragma once

#include <QString>
#include <QStringList>

namespace kinvale::testing {

struct CliResult {
  int exit_code = -1;
  QStringList out;  // stdout lines
  QString err;      // stderr text
};

// Runs kinvale-cli --data-dir data_dir ARGS..., feeding stdin_text to its standard input.
CliResult RunCli(const QString& data_dir, const QStringList& args,
                 const QByteArray& stdin_text = {});

}  // namespace kinvale::testing

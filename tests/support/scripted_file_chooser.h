// A FileChooser for window tests: the files chosen come from a queue the test fills ("" stands
// for Cancel), and every request is recorded.
#pragma once

#include <QList>
#include <QStringList>

#include "common/ui/file_choice.h"

namespace kinvale::testing {

class ScriptedFileChooser : public FileChooser {
 public:
  QString FileToOpen(QWidget* /*parent*/, const FileRequest& request) override {
    return Answer(request);
  }
  QString FileToSave(QWidget* /*parent*/, const FileRequest& request) override {
    return Answer(request);
  }

  QStringList answers;          // the files chosen, in order; then "" (cancelled)
  QList<FileRequest> requests;  // every request, in order

 private:
  QString Answer(const FileRequest& request) {
    requests.append(request);
    return answers.isEmpty() ? QString() : answers.takeFirst();
  }
};

}  // namespace kinvale::testing

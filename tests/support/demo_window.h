// The main window started on a fresh application folder, which holds the demo family, and shown
// (window tests only: needs Qt Widgets).
#pragma once

#include <QDir>
#include <QtTest>

#include "mainwindow/ui/main_window.h"
#include "support/temp_family.h"

namespace kinvale::testing {

struct DemoWindow {
  TempAppFolder folder;
  MainWindow window;

  DemoWindow() {
    QString error;
    QVERIFY2(window.Start(QDir(folder.path()).filePath("app"), &error), qPrintable(error));
    window.show();
  }
};

}  // namespace kinvale::testing

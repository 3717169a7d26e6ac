// A session on the demo family in a fresh application folder, as the program starts on one.
#pragma once

#include <QString>
#include <QtTest>

#include "mainwindow/startup.h"
#include "store/session.h"
#include "support/scripted_prompter.h"

namespace kinvale::testing {

inline void StartDemoSession(const QString& app_folder, Session& session,
                             ScriptedPrompter& prompter) {
  session = Session();
  prompter = ScriptedPrompter();
  QString error;
  QVERIFY2(StartSession(
               session, prompter, app_folder, [](const QString&) {}, &error),
           qPrintable(error));
}

}  // namespace kinvale::testing

// The "Export To GEDCOM" window driven through its widgets: its controls, the file dialog it
// asks for the output file (proposing the family's name in the application folder), the
// progress bar and what it shows when done; and the whole way from the main window's menu.
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include "gedcom/ui/export_gedcom_dialog.h"
#include "support/demo_window.h"
#include "support/gedcom_fixture.h"
#include "support/scripted_file_chooser.h"
#include "support/test_main.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

class GedcomUiExportTest : public QObject {
  Q_OBJECT

 private slots:
  void ExportsToTheChosenFile() {
    TempAppFolder app;
    app.WriteFamily("Lee", {{"Ann Lee", "00010002F0000M0000S0000"},
                            {"Bo Lee", "00020001F0000M0000S0000", "Female"}});
    Session session = app.OpenSession("Lee");
    ScriptedPrompter prompter;
    ScriptedFileChooser chooser;
    ExportGedcomDialog dialog(session, prompter, chooser);
    dialog.show();
    Child<QPlainTextEdit>(dialog, "ContactInformation")->setPlainText("Jo Hill\n2 Mill Lane");

    chooser.answers = {app.path() + "/Lee export"};
    Click(dialog, "Export");
    QCOMPARE(chooser.requests.size(), 1);
    QCOMPARE(chooser.requests[0].start, app.path() + "/Lee.ged");
    const QByteArray written = ReadBytes(app.path() + "/Lee export.ged");
    QVERIFY(written.contains("1 FILE Lee export.ged\r\n"));
    QVERIFY(written.contains("0 @U1@ SUBM\r\n1 NAME Jo Hill\r\n1 ADDR 2 Mill Lane\r\n"));
    QCOMPARE(prompter.messages, QStringList{"Export Completed"});
    auto* progress = Child<QProgressBar>(dialog, "Progress");
    QCOMPARE(progress->maximum(), 2);
    QCOMPARE(progress->value(), 2);
    QVERIFY2(Child<QLabel>(dialog, "Status")->text().startsWith("Individuals exported: 2\n"),
             qPrintable(Child<QLabel>(dialog, "Status")->text()));

    // Cancel in the file dialog exports nothing.
    prompter.messages.clear();
    Click(dialog, "Export");
    QCOMPARE(prompter.messages, QStringList());
    QCOMPARE(prompter.questions, QStringList());

    Click(dialog, "Return");
    QVERIFY(!dialog.isVisible());
  }

  // From the menu item to the file, with the window program's own message boxes.
  void ExportsFromTheMainWindow() {
    ScriptedFileChooser chooser;  // outlives the window
    DemoWindow demo;
    demo.window.SetFileChooser(chooser);
    const QString path = QDir(demo.folder.path()).filePath("app/Demo.ged");
    chooser.answers = {path};
    QString shown_message;
    WhenModalShown([&](QWidget* exporter) {
      WhenModalShown(
          [&, exporter](QWidget* done) {
            auto* box = qobject_cast<QMessageBox*>(done);
            QVERIFY(box);
            shown_message = box->windowTitle() + ": " + box->text();
            box->button(QMessageBox::Ok)->click();
            QTimer::singleShot(0, exporter, [exporter] { Click(*exporter, "Return"); });
          },
          exporter);
      QTimer::singleShot(0, exporter, [exporter] { Click(*exporter, "Export"); });
    });
    demo.window.findChild<QAction*>("actionExportGedcom")->trigger();
    QCOMPARE(shown_message, QStringLiteral("Job Status: Export Completed"));
    QVERIFY(ReadBytes(path).startsWith("0 HEAD\r\n1 SOUR Kinvale\r\n"));
  }
};

KINVALE_TEST(GedcomUiExportTest)
#include "test_gedcom_ui_export.moc"

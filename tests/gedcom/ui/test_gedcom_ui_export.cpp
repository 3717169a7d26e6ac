// The "Export To GEDCOM" window driven through its widgets: its controls, the save-as window it
// asks for the output file with (proposing the family's name in the application folder), the
// progress bar and what it shows when done; and the whole way from the main window's menu.
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include "common/ui/save_as_dialog.h"
#include "gedcom/ui/export_gedcom_dialog.h"
#include "support/demo_window.h"
#include "support/gedcom_fixture.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

// Answers the save-as window with the file name typed, after noting what it proposed; then
// runs next.
void SaveAs(const QString& file_name, QString* proposed_folder, QString* proposed_name,
            QWidget* except, std::function<void()> next = {}) {
  WhenModalShown(
      [=](QWidget* modal) {
        auto* save_as = qobject_cast<SaveAsDialog*>(modal);
        QVERIFY(save_as);
        *proposed_folder = save_as->CurrentFolder();
        auto* name = Child<QLineEdit>(*save_as, "fileName");
        *proposed_name = name->text();
        name->setText(file_name);
        Click(*save_as, "saveButton");
        if (next) next();
      },
      except);
}

}  // namespace

class GedcomUiExportTest : public QObject {
  Q_OBJECT

 private slots:
  void ExportsToTheChosenFile() {
    TempAppFolder app;
    app.WriteFamily("Lee", {{"Ann Lee", "00010002F0000M0000S0000"},
                            {"Bo Lee", "00020001F0000M0000S0000", "Female"}});
    Session session = app.OpenSession("Lee");
    ScriptedPrompter prompter;
    ExportGedcomDialog dialog(session, prompter);
    QCOMPARE(dialog.objectName(), QStringLiteral("Export2GEDCOM"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Export To GEDCOM"));
    QCOMPARE(Child<QPushButton>(dialog, "Export")->text().remove(u'&'), QStringLiteral("Export"));
    QCOMPARE(Child<QPushButton>(dialog, "Return")->text().remove(u'&'), QStringLiteral("Return"));
    auto* contact = Child<QPlainTextEdit>(dialog, "ContactInformation");
    QVERIFY(dialog.findChild<QLabel*>()->text().remove(u'&') ==
            QStringLiteral("Contact Information:"));
    dialog.show();
    contact->setPlainText("Jo Hill\n2 Mill Lane");

    QString folder, name;
    SaveAs("Lee export", &folder, &name, &dialog);
    Click(dialog, "Export");
    QCOMPARE(folder, app.path());
    QCOMPARE(name, QStringLiteral("Lee.ged"));
    const QByteArray written = ReadBytes(app.path() + "/Lee export.ged");
    QVERIFY(written.contains("1 FILE Lee export.ged\r\n"));
    QVERIFY(written.contains("0 @U1@ SUBM\r\n1 NAME Jo Hill\r\n1 ADDR 2 Mill Lane\r\n"));
    QCOMPARE(prompter.messages, QStringList{"Export Completed"});
    auto* progress = Child<QProgressBar>(dialog, "Progress");
    QCOMPARE(progress->maximum(), 2);
    QCOMPARE(progress->value(), 2);
    QVERIFY2(Child<QLabel>(dialog, "Status")->text().startsWith("Individuals exported: 2\n"),
             qPrintable(Child<QLabel>(dialog, "Status")->text()));

    // Cancel in the save-as window exports nothing.
    prompter.messages.clear();
    WhenModalShown([](QWidget* save_as) { Click(*save_as, "cancelButton"); }, &dialog);
    Click(dialog, "Export");
    QCOMPARE(prompter.messages, QStringList());
    QCOMPARE(prompter.questions, QStringList());

    Click(dialog, "Return");
    QVERIFY(!dialog.isVisible());
  }

  // From the menu item to the file, with the window program's own message boxes.
  void ExportsFromTheMainWindow() {
    DemoWindow demo;
    QString shown_message, proposed_folder, proposed_name;
    WhenModalShown([&](QWidget* exporter) {
      QCOMPARE(exporter->objectName(), QStringLiteral("Export2GEDCOM"));
      SaveAs("Demo.ged", &proposed_folder, &proposed_name, exporter, [&, exporter] {
        WhenModalShown(
            [&, exporter](QWidget* done) {
              auto* box = qobject_cast<QMessageBox*>(done);
              QVERIFY(box);
              shown_message = box->windowTitle() + ": " + box->text();
              box->button(QMessageBox::Ok)->click();
              QTimer::singleShot(0, exporter, [exporter] { Click(*exporter, "Return"); });
            },
            exporter);
      });
      QTimer::singleShot(0, exporter, [exporter] { Click(*exporter, "Export"); });
    });
    demo.window.findChild<QAction*>("actionExportGedcom")->trigger();
    QCOMPARE(proposed_name, QStringLiteral("Demo.ged"));
    QCOMPARE(shown_message, QStringLiteral("Job Status: Export Completed"));
    QVERIFY(ReadBytes(QDir(demo.folder.path()).filePath("app/Demo.ged"))
                .startsWith("0 HEAD\r\n1 SOUR Kinvale\r\n"));
  }
};

QTEST_MAIN(GedcomUiExportTest)
#include "test_gedcom_ui_export.moc"

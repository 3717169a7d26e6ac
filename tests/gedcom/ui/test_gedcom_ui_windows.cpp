// The "Export To GEDCOM" and "Import From GEDCOM" windows driven through their widgets: the
// save-as window export asks with (proposing the family's name in the application folder), the
// file chosen for import, the progress bars and what they show when done, the reload of the open
// family, Resume unticked after an import; and export the whole way from the main window's menu.
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <QCheckBox>
#include <QFileSystemModel>
#include <QListView>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTreeView>
#include "gedcom/ui/export_gedcom_dialog.h"
#include "gedcom/ui/import_gedcom_dialog.h"
#include "common/ui/save_as_dialog.h"
#include "support/demo_window.h"
#include "support/gedcom_fixture.h"
#include "support/test_main.h"
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

const QString kCouple = QStringLiteral(
    "0 @I1@ INDI\r\n1 NAME Ann /Lee/\r\n1 FAMS @F1@\r\n0 @I2@ INDI\r\n1 NAME Bo /Lee/\r\n"
    "1 OCCU Smith\r\n1 FAMS @F1@\r\n0 @F1@ FAM\r\n1 WIFE @I1@\r\n1 HUSB @I2@\r\n1 MARR\r\n"
    "2 DATE 1 MAY 1950");

// Picks the file in the window's file list, as a click would.
void ChooseFile(ImportGedcomDialog& dialog, const QString& path) {
  auto* list = Child<QListView>(dialog, "FileList");
  auto* model = qobject_cast<QFileSystemModel*>(list->model());
  QTRY_VERIFY(model->index(path).isValid());
  list->setCurrentIndex(model->index(path));
}

}  // namespace

class GedcomWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void ExportsToTheChosenFile() {
    TempAppFolder app;
    app.WriteFamily("Lee", {{"Ann Lee", "00010002F0000M0000S0000"},
                            {"Bo Lee", "00020001F0000M0000S0000", "Female"}});
    Session session = app.OpenSession("Lee");
    ScriptedPrompter prompter;
    ExportGedcomDialog dialog(session, prompter);
    auto* contact = Child<QPlainTextEdit>(dialog, "ContactInformation");
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

  void StartsInTheApplicationFolderAndUnticksResume() {
    TempAppFolder app;
    Session session;
    session.app_folder = app.path();
    ScriptedPrompter prompter;
    ImportGedcomDialog dialog(session, prompter);
    auto* tree = Child<QTreeView>(dialog, "FolderTree");
    QCOMPARE(qobject_cast<QFileSystemModel*>(tree->model())->filePath(tree->currentIndex()),
             app.path());
    QVERIFY(Child<QLabel>(dialog, "Status")->isHidden());

    // Without a file there is nothing to import.
    Child<QPushButton>(dialog, "Import")->click();
    QCOMPARE(prompter.messages, QStringList{"Please choose a GEDCOM file (.ged) first."});

    // Resume is unticked once the import is done.
    ChooseFile(dialog, WriteGedcom(app, QStringLiteral("kin.ged"), MakeGedcom(kCouple)));
    auto* resume = Child<QCheckBox>(dialog, "Resume");
    resume->setChecked(true);
    prompter.confirmations = {true};
    Child<QPushButton>(dialog, "Import")->click();
    QCOMPARE(prompter.questions.size(), 1);  // the estimate only
    QVERIFY(!resume->isChecked());
    QCOMPARE(RecordFiles(app, QStringLiteral("kin")).size(), 2);
  }

  void ImportsIntoTheOpenFamilyAndReloadsIt() {
    TempAppFolder app;
    app.WriteFamily(QStringLiteral("kin"),
                    {{QStringLiteral("Ann Lee"), QStringLiteral("00010000F0000M0000S0000")}});
    Session session = app.OpenSession(QStringLiteral("kin"));
    session.view.person_of_interest = QStringLiteral("Ann Lee");
    const QString path = WriteGedcom(app, QStringLiteral("kin.ged"), MakeGedcom(kCouple));
    ScriptedPrompter prompter;
    prompter.confirmations = {true, true, true};
    ImportGedcomDialog dialog(session, prompter);
    QSignalSpy reloaded(&dialog, &ImportGedcomDialog::familyReloaded);
    dialog.show();
    ChooseFile(dialog, path);
    QCOMPARE(dialog.SelectedFile(), path);
    Child<QCheckBox>(dialog, "Resume")->setChecked(false);

    Child<QPushButton>(dialog, "Import")->click();

    QCOMPARE(prompter.questions.size(), 3);
    QCOMPARE(prompter.messages, QStringList{"Import Completed"});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Imported kin"));
    QVERIFY(Child<QLabel>(dialog, "Status")->isHidden());
    auto* progress = Child<QProgressBar>(dialog, "Progress");
    QCOMPARE(progress->value(), 2);
    QCOMPARE(progress->maximum(), 2);
    // The tabs show the last individual read.
    QCOMPARE(Child<QLineEdit>(dialog, "NameBox")->text(), QStringLiteral("Bo Lee"));
    QCOMPARE(Child<QLineEdit>(dialog, "LinkBox")->text(),
             QStringLiteral("00020001F0000M0000S0000"));
    QCOMPARE(Child<QLineEdit>(dialog, "Date Married")->text(), QStringLiteral("1 MAY 1950"));
    QVERIFY(Child<QPlainTextEdit>(dialog, "ImportReport")
                ->toPlainText()
                .startsWith(QStringLiteral("Individuals imported: 2\nFamilies linked: 1\n")));
    // The open family is loaded again, with the imported link strings.
    QCOMPARE(reloaded.count(), 1);
    QCOMPARE(session.index.size(), 2);
    QCOMPARE(session.view.spouse, QStringLiteral("Bo Lee"));
    QVERIFY(Child<QPushButton>(dialog, "Return")->isEnabled());
  }
};

KINVALE_TEST(GedcomWindowsTest)
#include "test_gedcom_ui_windows.moc"

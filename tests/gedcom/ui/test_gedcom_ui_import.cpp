// The "Import From GEDCOM" window driven through its widgets: choosing a file in the file
// dialog, importing into the open family, what it shows as it goes and when done, the reload of
// that family, and Resume unticked after an import.
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "gedcom/ui/import_gedcom_dialog.h"
#include "support/gedcom_fixture.h"
#include "support/scripted_file_chooser.h"
#include "support/test_main.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const QString kCouple = QStringLiteral(
    "0 @I1@ INDI\r\n1 NAME Ann /Lee/\r\n1 FAMS @F1@\r\n0 @I2@ INDI\r\n1 NAME Bo /Lee/\r\n"
    "1 OCCU Smith\r\n1 FAMS @F1@\r\n0 @F1@ FAM\r\n1 WIFE @I1@\r\n1 HUSB @I2@\r\n1 MARR\r\n"
    "2 DATE 1 MAY 1950");

// Picks the file in the file dialog the window's "Choose File..." opens ("" cancels it).
void ChooseFile(ImportGedcomDialog& dialog, ScriptedFileChooser& chooser, const QString& path) {
  chooser.answers = {path};
  Child<QPushButton>(dialog, "ChooseFile")->click();
}

}  // namespace

class GedcomUiImportTest : public QObject {
  Q_OBJECT

 private slots:
  void StartsInTheApplicationFolderAndUnticksResume() {
    TempAppFolder app;
    Session session;
    session.app_folder = app.path();
    ScriptedPrompter prompter;
    ScriptedFileChooser chooser;
    ImportGedcomDialog dialog(session, prompter, chooser);
    ChooseFile(dialog, chooser, "");
    QCOMPARE(chooser.requests.size(), 1);
    QCOMPARE(chooser.requests[0].start, app.path());

    // Without a file (the file dialog was cancelled) there is nothing to import.
    QCOMPARE(dialog.SelectedFile(), QString());
    Child<QPushButton>(dialog, "Import")->click();
    QCOMPARE(prompter.messages, QStringList{"Please choose a GEDCOM file (.ged) first."});

    // Resume is unticked once the import is done.
    const QString path = WriteGedcom(app, QStringLiteral("kin.ged"), MakeGedcom(kCouple));
    ChooseFile(dialog, chooser, path);
    QCOMPARE(Child<QLineEdit>(dialog, "GedcomFile")->text(), QDir::toNativeSeparators(path));
    auto* resume = Child<QCheckBox>(dialog, "Resume");
    resume->setChecked(true);
    prompter.confirmations = {true};
    Child<QPushButton>(dialog, "Import")->click();
    QCOMPARE(prompter.questions.size(), 1);  // the estimate only
    QVERIFY(!resume->isChecked());
    QCOMPARE(RecordFiles(app, QStringLiteral("kin")).size(), 2);
  }

  // The person shown before is not in the imported family: the reloaded family shows its first.
  void ImportsIntoTheOpenFamilyAndReloadsIt() {
    TempAppFolder app;
    app.WriteFamily(QStringLiteral("kin"),
                    {{QStringLiteral("Gone"), QStringLiteral("00010000F0000M0000S0000")}});
    Session session = app.OpenSession(QStringLiteral("kin"));
    session.view.person_of_interest = QStringLiteral("Gone");
    const QString path = WriteGedcom(app, QStringLiteral("kin.ged"), MakeGedcom(kCouple));
    ScriptedPrompter prompter;
    prompter.confirmations = {true, true, true};
    ScriptedFileChooser chooser;
    ImportGedcomDialog dialog(session, prompter, chooser);
    QSignalSpy reloaded(&dialog, &ImportGedcomDialog::familyReloaded);
    dialog.show();
    ChooseFile(dialog, chooser, path);
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
    QCOMPARE(Child<QLineEdit>(dialog, "Date Married")->text(), QStringLiteral("1 MAY 1950"));
    QVERIFY(Child<QPlainTextEdit>(dialog, "ImportReport")
                ->toPlainText()
                .startsWith(QStringLiteral("Individuals imported: 2\nFamilies linked: 1\n")));
    // The open family is loaded again, with the imported link strings.
    QCOMPARE(reloaded.count(), 1);
    QCOMPARE(session.index.size(), 2);
    QCOMPARE(session.view.person_of_interest, QStringLiteral("Ann Lee"));
    QCOMPARE(session.view.spouse, QStringLiteral("Bo Lee"));
    QVERIFY(Child<QPushButton>(dialog, "Return")->isEnabled());
  }
};

KINVALE_TEST(GedcomUiImportTest)
#include "test_gedcom_ui_import.moc"

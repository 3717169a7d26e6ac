// The windows the main window opens, driven through their controls: the family chooser, the
// name entry dialog, the save-as window and the person information window.
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>
#include <QtTest>

#include "editing/ui/line_entry_dialog.h"
#include "mainwindow/ui/family_chooser_dialog.h"
#include "mainwindow/ui/person_info_dialog.h"
#include "mainwindow/ui/save_as_dialog.h"
#include "store/families.h"
#include "store/record_fields.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

// How a test leaves a dialog.
void Leave(QDialog* dialog, const QString& how) {
  if (how == u"frame") {
    dialog->close();
  } else if (how.startsWith(u"key:")) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog,
                    how == u"key:escape" ? Qt::Key_Escape : Qt::Key_Return);
  } else {
    QTest::mouseClick(dialog->findChild<QPushButton*>(how), Qt::LeftButton);
  }
}

// A folder with the families Smith and Jones, and entries the chooser must not offer.
struct ChooserFolder {
  TempAppFolder folder;
  ScriptedPrompter prompter;
  ChooserFolder() {
    for (const char* name : {"Smith", "Jones", "Smith.old"}) QDir(folder.path()).mkdir(name);
    QFile file(QDir(folder.path()).filePath(QStringLiteral("notes")));
    QVERIFY(file.open(QIODevice::WriteOnly));
  }
};

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void ChooserAnswers_data() {
    QTest::addColumn<QString>("select");  // the family selected first; "" for none
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("family");
    QTest::newRow("Open") << "Smith"
                          << "openButton" << int(ChooserOutcome::kOpened) << "Smith";
    QTest::newRow("Enter opens") << "Jones"
                                 << "key:enter" << int(ChooserOutcome::kOpened) << "Jones";
    QTest::newRow("Cancel") << "Smith"
                            << "cancelButton" << int(ChooserOutcome::kCancelled) << "";
    QTest::newRow("Escape cancels") << "Smith"
                                    << "key:escape" << int(ChooserOutcome::kCancelled) << "";
    QTest::newRow("frame close") << "Smith"
                                 << "frame" << int(ChooserOutcome::kClosed) << "";
  }
  void ChooserAnswers() {
    QFETCH(QString, select);
    QFETCH(QString, how);
    ChooserFolder setup;
    QStringList offered;
    WhenModalShown([&](QWidget* widget) {
      auto* dialog = static_cast<QDialog*>(widget);
      auto* families = dialog->findChild<QListWidget*>(QStringLiteral("familyList"));
      offered = Entries(*families);
      families->setCurrentItem(families->findItems(select, Qt::MatchExactly).first());
      families->setFocus();
      Leave(dialog, how);
    });
    const FamilyChoice choice =
        FamilyChooserDialog::Choose(nullptr, setup.folder.path(), setup.prompter);
    QCOMPARE(offered, (QStringList{"Jones", "Smith"}));
    QTEST(int(choice.outcome), "outcome");
    QTEST(choice.family, "family");
  }

  void ChooserOpenNeedsASelection() {
    ChooserFolder setup;
    FamilyChooserDialog dialog(setup.folder.path(), setup.prompter);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("openButton")), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(int(dialog.choice().outcome), int(ChooserOutcome::kClosed));
  }

  void ChooserCreate_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("created");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::newRow("plain name") << "Whitfield" << true << "New Family Created"
                                << "Family File Start";
    QTest::newRow("name with spaces") << "Van Dyke" << true << "New Family Created"
                                      << "Family File Start";
    const QString refused = QStringLiteral("No special characters please");
    const QString name_error = QStringLiteral("Name Error");
    QTest::newRow("initial text") << kNewFamilyInitialText << false << refused << name_error;
    QTest::newRow("existing family")
        << "Smith" << false << "A family or file named \"Smith\" exists already." << name_error;
    QTest::newRow("empty") << "" << false << refused << name_error;
    QTest::newRow("blank") << "   " << false << refused << name_error;
    QTest::newRow("tab") << "A\tB" << false << refused << name_error;
    for (QChar c : QStringLiteral(",?'[]{}|=+!#$%^&*`~/\\.")) {
      QTest::addRow("character %s", qPrintable(QString(c)))
          << QStringLiteral("Ab%1cd").arg(c) << false << refused << name_error;
    }
  }
  void ChooserCreate() {
    QFETCH(QString, name);
    QFETCH(bool, created);
    ChooserFolder setup;
    FamilyChooserDialog dialog(setup.folder.path(), setup.prompter);
    dialog.show();
    auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("newFamily"));
    QCOMPARE(box->text(), kNewFamilyInitialText);
    box->setText(name);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("createButton")),
                      Qt::LeftButton);

    QTEST(setup.prompter.messages.value(0), "message");
    QTEST(setup.prompter.message_titles.value(0), "title");
    QCOMPARE(setup.prompter.messages.size(), 1);
    const QStringList families = ListFamilies(setup.folder.path());
    QCOMPARE(families.size(), created ? 3 : 2);
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("familyList"));
    QCOMPARE(Entries(*list), families);
    if (created) {
      QVERIFY(QFileInfo(QDir(setup.folder.path()).filePath(name)).isDir());
      QCOMPARE(list->currentItem()->text(), name);
    }
    QVERIFY(dialog.isVisible());
  }

  void LineEntryAnswers_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("answer");
    const QString typed = QStringLiteral("  Mary  Ann ");
    QTest::newRow("Apply keeps spaces") << typed << "applyButton" << typed;
    QTest::newRow("Enter applies") << typed << "key:enter" << typed;
    QTest::newRow("Cancel") << typed << "cancelButton"
                            << "";
    QTest::newRow("Escape cancels") << typed << "key:escape"
                                    << "";
    QTest::newRow("frame close") << typed << "frame"
                                 << "";
    QTest::newRow("Apply with nothing typed") << ""
                                              << "applyButton"
                                              << "";
  }
  void LineEntryAnswers() {
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QString title;
    QString prompt;
    WhenModalShown([&](QWidget* widget) {
      auto* dialog = static_cast<QDialog*>(widget);
      title = dialog->windowTitle();
      prompt = dialog->findChild<QLabel*>(QStringLiteral("prompt"))->text();
      auto* answer = dialog->findChild<QLineEdit*>(QStringLiteral("answer"));
      answer->setFocus();
      QTest::keyClicks(answer, typed);
      Leave(dialog, how);
    });
    const QString answer = LineEntryDialog::Ask(nullptr, QStringLiteral("Enter Father's Name"));
    QCOMPARE(title, QStringLiteral("Enter Name"));
    QCOMPARE(prompt, QStringLiteral("Enter Father's Name"));
    QTEST(answer, "answer");
  }

  void SaveAsGivesFolderAndName_data() {
    QTest::addColumn<QString>("subfolder");  // picked in the folder list; "" keeps the start
    QTest::addColumn<QString>("file_name");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("expected");  // relative to the start folder; "" for no path
    QTest::newRow("Save in the start folder") << ""
                                              << "tree.txt"
                                              << "saveButton"
                                              << "tree.txt";
    QTest::newRow("Save in a picked folder") << "out"
                                             << "tree.txt"
                                             << "saveButton"
                                             << "out/tree.txt";
    QTest::newRow("Enter saves") << ""
                                 << "a b.txt"
                                 << "key:enter"
                                 << "a b.txt";
    QTest::newRow("Cancel") << ""
                            << "tree.txt"
                            << "cancelButton"
                            << "";
    QTest::newRow("frame close") << ""
                                 << "tree.txt"
                                 << "frame"
                                 << "";
  }
  void SaveAsGivesFolderAndName() {
    QFETCH(QString, subfolder);
    QFETCH(QString, file_name);
    QFETCH(QString, how);
    QFETCH(QString, expected);
    TempAppFolder folder;
    QDir(folder.path()).mkdir(QStringLiteral("out"));
    int drives = 0;
    WhenModalShown([&](QWidget* widget) {
      auto* dialog = static_cast<SaveAsDialog*>(widget);
      drives = dialog->findChild<QComboBox*>(QStringLiteral("driveSelector"))->count();
      if (!subfolder.isEmpty()) {
        auto* tree = dialog->findChild<QTreeView*>(QStringLiteral("folderList"));
        auto* model = static_cast<QFileSystemModel*>(tree->model());
        tree->setCurrentIndex(model->index(QDir(folder.path()).filePath(subfolder)));
      }
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileName"));
      name->setText(file_name);
      name->setFocus();
      Leave(dialog, how);
    });
    const QString path = SaveAsDialog::ChooseSavePath(nullptr, folder.path(), "default.txt");
    QCOMPARE(path, expected.isEmpty() ? QString() : QDir(folder.path()).filePath(expected));
    QVERIFY(drives > 0);
  }

  void SaveAsNeedsAFileName() {
    TempAppFolder folder;
    SaveAsDialog dialog(folder.path(), QStringLiteral("default.txt"));
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("fileName"))->text(),
             QStringLiteral("default.txt"));
    dialog.findChild<QLineEdit*>(QStringLiteral("fileName"))->clear();
    QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("saveButton"))->isEnabled());
    QCOMPARE(dialog.CurrentFolder(), folder.path());
  }

  void InformationShowsEveryField() {
    TempAppFolder folder;
    PersonSpec pat{QStringLiteral("Pat Doe"), QStringLiteral("00010000F0000M0000S0000"),
                   QStringLiteral("Female")};
    pat.details.prefix = QStringLiteral("Dr");
    pat.details.birth_place = QStringLiteral("Ludlow");
    pat.details.burial = QStringLiteral("Old Church\r\nRow 4\r\n");
    pat.details.homepage = QStringLiteral("https://pat.example\r\n");
    pat.details.occupations = {QStringLiteral("Smith"), QStringLiteral("Farmer")};
    pat.details.sources = QStringLiteral("Parish register\r\n");
    folder.WriteFamily(QStringLiteral("F"), {pat});
    const Session session = folder.OpenSession(QStringLiteral("F"));

    PersonInfoDialog dialog(session, pat.name);

    QCOMPARE(dialog.windowTitle(), pat.name);
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tabs"));
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i) titles.append(tabs->tabText(i));
    QCOMPARE(titles,
             (QStringList{"General", "Milestones", "Addresses", "Notes", "Sources", "Other"}));
    for (const FieldInfo& field : DetailFields()) {
      QWidget* box = dialog.findChild<QWidget*>(field.caption);
      QVERIFY2(box, qPrintable(field.caption));
      if (auto* line = qobject_cast<QLineEdit*>(box)) QVERIFY(line->isReadOnly());
      if (auto* text = qobject_cast<QPlainTextEdit*>(box)) QVERIFY(text->isReadOnly());
      if (auto* list = qobject_cast<QListWidget*>(box)) QVERIFY(list->selectedItems().isEmpty());
    }
    auto text_of = [&](const char* name) {
      QWidget* box = dialog.findChild<QWidget*>(QString::fromUtf8(name));
      if (auto* line = qobject_cast<QLineEdit*>(box)) return line->text();
      if (auto* text = qobject_cast<QPlainTextEdit*>(box)) return text->toPlainText();
      return Entries(*qobject_cast<QListWidget*>(box)).join(u'|');
    };
    QCOMPARE(text_of("Prefix"), QStringLiteral("Dr"));
    QCOMPARE(text_of("Gender"), QStringLiteral("Female"));
    QCOMPARE(text_of("Birth Place"), QStringLiteral("Ludlow"));
    QCOMPARE(text_of("Burial Location"), QStringLiteral("Old Church\nRow 4"));
    QCOMPARE(text_of("Homepage Address (URL)"), QStringLiteral("https://pat.example"));
    QCOMPARE(text_of("Occupation"), QStringLiteral("Smith|Farmer"));
    QCOMPARE(text_of("Sources"), QStringLiteral("Parish register"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("dateLastChanged"))->text(),
             QStringLiteral("2026-01-01"));
  }
};

QTEST_MAIN(DialogsTest)
#include "test_mainwindow_ui_dialogs.moc"

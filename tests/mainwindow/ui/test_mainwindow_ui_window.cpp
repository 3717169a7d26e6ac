// The main window driven as a user drives it: start-up on the demo family, every menu item,
// double-click information, the person of interest button, opening a family, the manual, the
// about box, the import window on a given file, and exit.
#include <QtTest>
#include <QtWidgets>

#include "gedcom/ui/import_gedcom_dialog.h"
#include "mainwindow/ui/photo_view.h"
#include "mainwindow/user_manual.h"
#include "store/settings.h"
#include "store/text_codec.h"
#include "support/demo_window.h"
#include "support/test_table.h"
#include "support/url_recorder.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const QString kThomas = QStringLiteral("Thomas Whitfield");

QString AppFolder(const DemoWindow& demo) { return QDir(demo.folder.path()).filePath("app"); }
QStringList SavedSettings(const DemoWindow& demo) {
  return ReadTextLines(QDir(AppFolder(demo)).filePath(kSettingsFileName)).value_or(QStringList());
}
// The caption of a button, with "&" shown as itself.
QString Caption(const DemoWindow& demo, const QString& button) {
  return Child<QPushButton>(demo.window, button)->text().replace(QStringLiteral("&&"), "&");
}
QStringList List(const DemoWindow& demo, const QString& stem) {
  return Entries(*Child<QListWidget>(demo.window, stem + "List"));
}
// "photo" or "placeholder", whichever of the two alone is shown.
QString Photo(const DemoWindow& demo) {
  const bool photo = Child<PhotoView>(demo.window, "photo")->isVisible();
  if (photo == Child<QWidget>(demo.window, "photoPlaceholder")->isVisible())
    return "both or neither";
  return photo ? "photo" : "placeholder";
}
void Trigger(DemoWindow& demo, const QString& item) {
  demo.window.findChild<QAction*>(item)->trigger();
}
// Answers the family chooser with the family, by the button (or a frame close for "").
void AnswerChooser(const QString& family, const QString& button) {
  WhenModalShown([=](QWidget* chooser) {
    auto* families = chooser->findChild<QListWidget*>(QStringLiteral("familyList"));
    families->setCurrentItem(families->findItems(family, Qt::MatchExactly).first());
    if (button.isEmpty()) {
      chooser->close();
    } else {
      Click(*chooser, button);
    }
  });
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // stem, frame caption, the object names' middle part of "+" and "-", names
  void StartShowsDemoFamily_data() {
    Columns<QString, QString, QString, QStringList>();
    Row("father", "father", "Father", "Father", QStringList{"William Whitfield"});
    Row("mother", "mother", "Mother", "Mother", QStringList{"Mary Cole Whitfield"});
    Row("sibling", "sibling", "Siblings", "Sibling",
        QStringList{"Grace Whitfield Fisher", "Jack Whitfield", "Rose Whitfield"});
    Row("children", "children", "Children / Dependents", "Dependent",
        QStringList{"Peter Whitfield", "Susan Whitfield Grant"});
  }
  void StartShowsDemoFamily() {
    const auto [stem, caption, buttons, names] = Fetch<QString, QString, QString, QStringList>();
    DemoWindow demo;
    QCOMPARE(demo.window.windowTitle(), QStringLiteral("Kinvale"));
    QCOMPARE(Caption(demo, "personButton"), kThomas);
    QCOMPARE(Caption(demo, "spouseButton"), QStringLiteral("Eleanor Hart Whitfield"));
    QCOMPARE(Child<QGroupBox>(demo.window, stem + "Frame")->title(), caption);
    QCOMPARE(List(demo, stem), names);
    QCOMPARE(Caption(demo, "add" + buttons + "Button"), QStringLiteral("+"));
    QCOMPARE(Caption(demo, "remove" + buttons + "Button"), QStringLiteral("-"));
    QCOMPARE(Photo(demo), QStringLiteral("photo"));
  }

  // Every menu item: its caption, its shortcut, and the window it opens modally, by its title.
  // item, caption, shortcut, title ("": no window to see here, tested on their own)
  void MenuItemOpensItsWindow_data() {
    Columns<QString, QString, QKeySequence, QString>();
    auto row = [](const char* item, const char* caption, QKeySequence shortcut, const char* title) {
      Row(item, item, caption, shortcut, title);
    };
    row("LoadFamilyTree", "Load Family Tree", Qt::CTRL | Qt::Key_O, "Load Family Tree");
    row("ChangePhoto", "Change Photo", {}, "Change Photo");
    row("ImportPhoto", "Import a Photo", {}, "Import Photo");
    row("ExportGedcom", "Export to GEDCOM", {}, "");
    row("ImportGedcom", "Import from GEDCOM", {}, "Import From GEDCOM");
    row("Exit", "Exit", Qt::CTRL | Qt::Key_Q, "");
    row("RelationCheck", "Relation Check", {}, "Relation Search");
    row("KeywordSearch", "Keyword Search", {}, "Keyword Search");
    row("Descendants", "Descendants", {}, "Descendants");
    row("Relatives", "Relatives", {}, "Relatives");
    row("UserManual", "User Manual", Qt::Key_F1, "");
    row("About", "About Kinvale", {}, "Kinvale");
  }
  void MenuItemOpensItsWindow() {
    const auto [item, caption, shortcut, title] = Fetch<QString, QString, QKeySequence, QString>();
    DemoWindow demo;
    auto* action = demo.window.findChild<QAction*>("action" + item);
    QVERIFY(action);
    QCOMPARE(action->text().remove(u'&'), caption);  // the access key marked
    QCOMPARE(action->shortcut(), shortcut);
    if (title.isEmpty()) return;
    QString opened;
    WhenModalShown([&](QWidget* modal) {
      opened = modal->windowTitle();
      modal->close();
    });
    action->trigger();
    QCOMPARE(opened, title);
  }

  // Double-clicking a relative selects it and shows that person's information; the person of
  // interest stays.
  void DoubleClickShowsInformation_data() {  // stem, row, name, birth date
    Columns<QString, int, QString, QString>();
    Row("father", "father", 0, "William Whitfield", "7 JUL 1880");
    Row("child", "children", 1, "Susan Whitfield Grant", "4 JUN 1939");
  }
  void DoubleClickShowsInformation() {
    const auto [stem, row, name, birth] = Fetch<QString, int, QString, QString>();
    DemoWindow demo;
    MainView& view = demo.window.session().view;
    QString title, birth_date;
    WhenModalShown([&](QWidget* info) {
      title = info->windowTitle();
      birth_date = Child<QLineEdit>(*info, "Birth Date")->text();
      Click(*info, "returnButton");
    });
    auto* list = Child<QListWidget>(demo.window, stem + "List");
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);

    QCOMPARE(title, name);
    QCOMPARE(birth_date, birth);
    QCOMPARE(view.person_of_interest, kThomas);
    QCOMPARE(Caption(demo, "personButton"), kThomas);
    QCOMPARE((stem == u"father" ? view.fathers : view.children).selected, row);
    QVERIFY(!QApplication::activeModalWidget());
    // A selection made in the view shows in the list.
    view.siblings.selected = 2;
    demo.window.Redraw();
    QCOMPARE(Child<QListWidget>(demo.window, "siblingList")->currentRow(), 2);
  }

  // Photos are stored with the extension "pic"; the picture is recognised by its content.
  void PhotoLoadsEveryInstalledFormat_data() {
    QTest::addColumn<QByteArray>("format");  // "": a file that holds no picture
    // TIFF and WebP come from the image format plugins the install script adds.
    for (const char* format : {"PNG", "JPEG", "BMP", "TIFF", "WEBP", ""}) {
      QTest::newRow(*format ? format : "no picture") << QByteArray(format);
    }
  }
  void PhotoLoadsEveryInstalledFormat() {
    QFETCH(QByteArray, format);
    TempAppFolder dir;
    const QString path = QDir(dir.FamilyPath("F")).filePath(QStringLiteral("0001001_pat.pic"));
    dir.WriteFile("F", "0001001_pat.pic", "not a picture");
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QVERIFY(format.isEmpty() || picture.save(path, format.constData()));
    PhotoView photo;
    QCOMPARE(photo.Load(path), !format.isEmpty());
    QCOMPARE(photo.image().isNull(), format.isEmpty());
  }

  // Exit, Ctrl+Q and the frame's close button all end the session.
  void LeavingSavesSettingsAndRemovesTemporaryFiles_data() {
    QTest::addColumn<QString>("how");
    for (const char* how : {"Exit", "Ctrl+Q", "frame close"}) QTest::newRow(how) << how;
  }
  void LeavingSavesSettingsAndRemovesTemporaryFiles() {
    QFETCH(QString, how);
    DemoWindow demo;
    demo.folder.WriteFile("app/Demo", "x_0001.tmp", {});
    demo.window.session().view.person_of_interest = QStringLiteral("Jack Whitfield");

    if (how == u"Exit") {
      Trigger(demo, "actionExit");
    } else if (how == u"Ctrl+Q") {
      demo.window.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&demo.window));
      QTest::keyClick(&demo.window, Qt::Key_Q, Qt::ControlModifier);
    } else {
      demo.window.close();
    }

    QVERIFY(!demo.window.isVisible());
    QCOMPARE(SavedSettings(demo), (QStringList{"Demo", "Jack Whitfield", "0007"}));
    QVERIFY(!QFileInfo::exists(demo.folder.FamilyPath("app/Demo/x_0001.tmp")));
  }

  // With no family loaded the button asks for a family first; the chooser only sets the folder.
  // answer, the family the editor opened on ("-": not opened), the family afterwards
  void PersonButtonWithoutFamilyAsksForOne_data() {
    Columns<QString, QString, QString>();
    Row("open", "openButton", "Demo", "Demo");
    Row("cancel", "cancelButton", "-", "");
    Row("frame close, no family yet", "", "-", "");
  }
  void PersonButtonWithoutFamilyAsksForOne() {
    const auto [answer, editor, family] = Fetch<QString, QString, QString>();
    DemoWindow demo;
    QFile::remove(QDir(AppFolder(demo)).filePath(kSettingsFileName));
    QString error;
    QVERIFY(demo.window.Start(AppFolder(demo), &error));
    QVERIFY(demo.window.session().index.empty());
    QString family_seen_by_editor = "-";
    demo.window.SetDetailsEditor([&] { family_seen_by_editor = demo.window.session().family; });

    AnswerChooser("Demo", answer);
    Click(demo.window, "personButton");

    QCOMPARE(family_seen_by_editor, editor);
    QCOMPARE(demo.window.session().family, family);
    QVERIFY(demo.window.session().index.empty());  // the chooser loads nothing here
  }

  // The editor may rename the person of interest; Joseph Cole has no photo.
  void PersonButtonRedrawsAfterTheEditor() {
    DemoWindow demo;
    demo.window.SetDetailsEditor(
        [&] { demo.window.session().view.person_of_interest = QStringLiteral("Joseph Cole"); });
    Click(demo.window, "personButton");
    QCOMPARE(Caption(demo, "personButton"), QStringLiteral("Joseph Cole"));
    QCOMPARE(List(demo, "children"), QStringList{"Mary Cole Whitfield"});
    QCOMPARE(Photo(demo), QStringLiteral("placeholder"));
    QVERIFY(!demo.window.session().family_files.isEmpty());
  }

  // What each chooser answer opens, with Jack Whitfield shown and no settings saved yet.
  // The button ("": a frame close), the family and the person of interest button, the settings.
  void LoadFamilyTreeOpensChosenFamily_data() {
    Columns<QString, QString, QString>();
    Row("open another family", "openButton", "Empty|Person of Interest",
        "Empty|Person of Interest");
    Row("cancel changes nothing", "cancelButton", "Demo|Jack Whitfield", "");
    Row("frame close opens the current family again", "", "Demo|Thomas Whitfield",
        "Demo|Thomas Whitfield|0001");
  }
  void LoadFamilyTreeOpensChosenFamily() {
    const auto [button, shown, settings] = Fetch<QString, QString, QString>();
    DemoWindow demo;
    QDir(AppFolder(demo)).mkdir(QStringLiteral("Empty"));
    QVERIFY(QFile::remove(QDir(AppFolder(demo)).filePath(kSettingsFileName)));
    demo.window.session().view.person_of_interest = QStringLiteral("Jack Whitfield");
    AnswerChooser("Empty", button);
    Trigger(demo, "actionLoadFamilyTree");

    QCOMPARE(demo.window.session().family + '|' + Caption(demo, "personButton"), shown);
    QCOMPARE(SavedSettings(demo).join(u'|'), settings);
    if (button != u"openButton") return;
    QCOMPARE(Caption(demo, "spouseButton"), QStringLiteral("Spouse"));
    QCOMPARE(List(demo, "father"), QStringList());
    QCOMPARE(Photo(demo), QStringLiteral("placeholder"));
  }

  void UserManualIsWrittenAndOpened() {
    qputenv("BROWSER", "recorder");  // a browser to hand the page to; the handler stands in
    DemoWindow demo;
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "Open");
    demo.folder.WriteFile("app", kManualFileName, "an older manual");

    Trigger(demo, "actionUserManual");
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    qunsetenv("BROWSER");

    QFile built_in(QStringLiteral(":/docs/manual.html"));
    QVERIFY(built_in.open(QIODevice::ReadOnly));
    QCOMPARE(demo.folder.ReadFile("app", kManualFileName), built_in.readAll());
    QCOMPARE(recorder.urls,
             QList<QUrl>{QUrl::fromLocalFile(demo.folder.FamilyPath("app/" + kManualFileName))});
  }

  void AboutLogoOpensHomePage() {
    DemoWindow demo;
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "Open");
    bool logo_shown = false;
    WhenModalShown([&](QWidget* about) {
      auto* logo = Child<QLabel>(*about, "logo");
      logo_shown = !logo->pixmap().isNull();
      QTest::mouseClick(logo, Qt::LeftButton);
      Click(*about, "closeButton");
    });
    Trigger(demo, "actionAbout");
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));

    QVERIFY(logo_shown);
    QCOMPARE(recorder.urls.size(), 1);
    QCOMPARE(recorder.urls.first().scheme(), QStringLiteral("https"));
    QVERIFY(!QApplication::activeModalWidget());
  }

  // kinvale FILE.ged: the import window opens with the file chosen, in whatever folder it is; a
  // file that is not there is reported first and the window opens with none chosen.
  void ImportWindowOpensOnTheGivenFile_data() {
    Columns<QString, QString>();  // file under the test folder, message
    Row("present", "downloads/tree.ged", "");
    Row("missing", "downloads/gone.ged", "The GEDCOM file %1 cannot be found.");
  }
  void ImportWindowOpensOnTheGivenFile() {
    const auto [name, message] = Fetch<QString, QString>();
    DemoWindow demo;
    demo.folder.WriteFile("downloads", "tree.ged", "0 HEAD\r\n0 TRLR\r\n");
    const QString file = demo.folder.FamilyPath(name);
    QString shown_message;
    QString chosen = "(no import window)";
    auto answer_import = [&] {
      WhenModalShown([&](QWidget* import) {
        chosen = qobject_cast<ImportGedcomDialog*>(import)->SelectedFile();
        import->close();
      });
    };
    if (message.isEmpty()) {
      answer_import();
    } else {
      WhenModalShown([&](QWidget* box) {
        shown_message = qobject_cast<QMessageBox*>(box)->text();
        box->close();
        answer_import();
      });
    }
    demo.window.OpenImportWindow(file);
    QCOMPARE(shown_message, message.isEmpty() ? message : message.arg(file));
    QCOMPARE(chosen, message.isEmpty() ? file : QString());
  }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow_ui_window.moc"

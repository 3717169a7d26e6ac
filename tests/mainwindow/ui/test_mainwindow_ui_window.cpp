// The main window driven as a user drives it: start-up on the demo family, every menu item,
// double-click information, the person of interest button, opening a family, the manual, the
// about box, and exit.
#include <QtTest>
#include <QtWidgets>

#include "mainwindow/ui/main_window.h"
#include "mainwindow/ui/photo_view.h"
#include "mainwindow/user_manual.h"
#include "store/settings.h"
#include "store/text_codec.h"
#include "support/temp_family.h"
#include "support/url_recorder.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const QString kThomas = QStringLiteral("Thomas Whitfield");

// A started window on a fresh application folder, which holds the demo family.
struct DemoWindow {
  TempAppFolder folder;
  QString app_folder = QDir(folder.path()).filePath(QStringLiteral("app"));
  MainWindow window;

  DemoWindow() {
    QString error;
    QVERIFY2(window.Start(app_folder, &error), qPrintable(error));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
  }
  QStringList Settings() const {
    return ReadTextLines(QDir(app_folder).filePath(kSettingsFileName)).value_or(QStringList());
  }
  // The caption of a button, with "&" shown as itself.
  QString Caption(const char* button) const {
    return Child<QPushButton>(window, button)->text().replace(QStringLiteral("&&"), "&");
  }
  QStringList List(const QString& stem) const {
    return Entries(*Child<QListWidget>(window, stem + "List"));
  }
  // "photo" or "placeholder", whichever of the two alone is shown.
  QString Photo() const {
    const bool photo = Child<PhotoView>(window, "photo")->isVisible();
    if (photo == Child<QWidget>(window, "photoPlaceholder")->isVisible()) return "both or neither";
    return photo ? "photo" : "placeholder";
  }
  void Trigger(const QString& item) { window.findChild<QAction*>(item)->trigger(); }
  // Answers the family chooser with the family, by the button (or a frame close for "").
  static void AnswerChooser(const QString& family, const QString& button) {
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
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void StartShowsDemoFamily_data() {
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("buttons");  // the object names' middle part of "+" and "-"
    QTest::addColumn<QStringList>("names");
    auto row = [](const char* stem, const char* caption, const char* buttons,
                  const QStringList& names) {
      QTest::newRow(stem) << QString(stem) << QString(caption) << QString(buttons) << names;
    };
    row("father", "Father", "Father", {"William Whitfield"});
    row("mother", "Mother", "Mother", {"Mary Cole Whitfield"});
    row("sibling", "Siblings", "Sibling",
        {"Grace Whitfield Fisher", "Jack Whitfield", "Rose Whitfield"});
    row("children", "Children / Dependents", "Dependent",
        {"Peter Whitfield", "Susan Whitfield Grant"});
  }
  void StartShowsDemoFamily() {
    QFETCH(QString, stem);
    QFETCH(QString, buttons);
    DemoWindow demo;
    QCOMPARE(demo.window.windowTitle(), QStringLiteral("Kinvale"));
    QCOMPARE(demo.Caption("personButton"), kThomas);
    QCOMPARE(demo.Caption("spouseButton"), QStringLiteral("Eleanor Hart Whitfield"));
    QTEST(Child<QGroupBox>(demo.window, stem + "Frame")->title(), "caption");
    QTEST(demo.List(stem), "names");
    QCOMPARE(demo.Caption(qPrintable("add" + buttons + "Button")), QStringLiteral("+"));
    QCOMPARE(demo.Caption(qPrintable("remove" + buttons + "Button")), QStringLiteral("-"));
    QCOMPARE(demo.Photo(), QStringLiteral("photo"));
  }

  // Every menu item: its caption, its shortcut, and the window it opens modally, by its title.
  void MenuItemOpensItsWindow_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<QString>("title");  // "": no window to see here (tested on their own)
    auto row = [](const char* item, const char* caption, QKeySequence shortcut, const char* title) {
      QTest::newRow(item) << QString(item) << QString(caption) << shortcut << QString(title);
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
    row("UserManual", "User Manual", Qt::Key_F1, "");
    row("About", "About Kinvale", {}, "Kinvale");
  }
  void MenuItemOpensItsWindow() {
    QFETCH(QString, item);
    QFETCH(QString, title);
    DemoWindow demo;
    auto* action = demo.window.findChild<QAction*>("action" + item);
    QVERIFY(action);
    QTEST(action->text(), "caption");
    QTEST(action->shortcut(), "shortcut");
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
  void DoubleClickShowsInformation_data() {
    QTest::addColumn<QString>("stem");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("birth_date");
    QTest::newRow("father") << "father" << 0 << "William Whitfield" << QString("7 JUL 1880");
    QTest::newRow("child") << "children" << 1 << "Susan Whitfield Grant" << QString("4 JUN 1939");
  }
  void DoubleClickShowsInformation() {
    QFETCH(QString, stem);
    QFETCH(int, row);
    DemoWindow demo;
    MainView& view = demo.window.session().view;
    view.selected_person = QStringLiteral("Earlier Choice");
    QString title, birth_date, selected_while_open;
    WhenModalShown([&](QWidget* info) {
      title = info->windowTitle();
      birth_date = Child<QLineEdit>(*info, "Birth Date")->text();
      selected_while_open = view.selected_person;
      Click(*info, "returnButton");
    });
    auto* list = Child<QListWidget>(demo.window, stem + "List");
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);

    QTEST(title, "name");
    QTEST(selected_while_open, "name");
    QTEST(birth_date, "birth_date");
    QCOMPARE(view.person_of_interest, kThomas);
    QCOMPARE(demo.Caption("personButton"), kThomas);
    QCOMPARE(view.selected_person, QStringLiteral("Earlier Choice"));
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
      demo.Trigger("actionExit");
    } else if (how == u"Ctrl+Q") {
      demo.window.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&demo.window));
      QTest::keyClick(&demo.window, Qt::Key_Q, Qt::ControlModifier);
    } else {
      demo.window.close();
    }

    QVERIFY(!demo.window.isVisible());
    QCOMPARE(demo.Settings(), (QStringList{"Demo", "Jack Whitfield"}));
    QVERIFY(!QFileInfo::exists(demo.folder.FamilyPath("app/Demo/x_0001.tmp")));
  }

  // With no family loaded the button asks for a family first; the chooser only sets the folder.
  void PersonButtonWithoutFamilyAsksForOne_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("editor");  // the family the editor opened on; "-": not opened
    QTest::addColumn<QString>("family");
    auto row = [](const char* tag, const char* answer, const char* editor, const char* family) {
      QTest::newRow(tag) << QString(answer) << QString(editor) << QString(family);
    };
    row("open", "openButton", "Demo", "Demo");
    row("cancel", "cancelButton", "-", "");
    row("frame close, no family yet", "", "-", "");
  }
  void PersonButtonWithoutFamilyAsksForOne() {
    QFETCH(QString, answer);
    DemoWindow demo;
    QFile::remove(QDir(demo.app_folder).filePath(kSettingsFileName));
    QString error;
    QVERIFY(demo.window.Start(demo.app_folder, &error));
    QVERIFY(demo.window.session().index.empty());
    QString family_seen_by_editor = "-";
    demo.window.SetDetailsEditor([&] { family_seen_by_editor = demo.window.session().family; });

    DemoWindow::AnswerChooser("Demo", answer);
    Click(demo.window, "personButton");

    QTEST(family_seen_by_editor, "editor");
    QTEST(demo.window.session().family, "family");
    QVERIFY(demo.window.session().index.empty());  // the chooser loads nothing here
  }

  // The editor may rename the person of interest; Joseph Cole has no photo.
  void PersonButtonRedrawsAfterTheEditor() {
    DemoWindow demo;
    demo.window.SetDetailsEditor(
        [&] { demo.window.session().view.person_of_interest = QStringLiteral("Joseph Cole"); });
    Click(demo.window, "personButton");
    QCOMPARE(demo.Caption("personButton"), QStringLiteral("Joseph Cole"));
    QCOMPARE(demo.List("children"), QStringList{"Mary Cole Whitfield"});
    QCOMPARE(demo.Photo(), QStringLiteral("placeholder"));
    QVERIFY(!demo.window.session().family_files.isEmpty());
  }

  // What each chooser answer opens, with Jack Whitfield shown and no settings saved yet.
  void LoadFamilyTreeOpensChosenFamily_data() {
    QTest::addColumn<QString>("button");  // "": a frame close
    QTest::addColumn<QString>("shown");   // the family and the person of interest button
    QTest::addColumn<QString>("settings");
    auto row = [](const char* tag, const char* button, const char* shown, const char* settings) {
      QTest::newRow(tag) << QString(button) << QString(shown) << QString(settings);
    };
    row("open another family", "openButton", "Empty|Person of Interest",
        "Empty|Person of Interest");
    row("cancel changes nothing", "cancelButton", "Demo|Jack Whitfield", "");
    row("frame close opens the current family again", "", "Demo|Thomas Whitfield",
        "Demo|Thomas Whitfield");
  }
  void LoadFamilyTreeOpensChosenFamily() {
    QFETCH(QString, button);
    DemoWindow demo;
    QDir(demo.app_folder).mkdir(QStringLiteral("Empty"));
    QVERIFY(QFile::remove(QDir(demo.app_folder).filePath(kSettingsFileName)));
    demo.window.session().view.person_of_interest = QStringLiteral("Jack Whitfield");
    DemoWindow::AnswerChooser("Empty", button);
    demo.Trigger("actionLoadFamilyTree");

    QTEST(demo.window.session().family + '|' + demo.Caption("personButton"), "shown");
    QTEST(demo.Settings().join(u'|'), "settings");
    if (button != u"openButton") return;
    QCOMPARE(demo.Caption("spouseButton"), QStringLiteral("Spouse"));
    QCOMPARE(demo.List("father"), QStringList());
    QCOMPARE(demo.Photo(), QStringLiteral("placeholder"));
  }

  void UserManualIsWrittenAndOpened() {
    DemoWindow demo;
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "Open");
    demo.folder.WriteFile("app", kManualFileName, "an older manual");

    demo.Trigger("actionUserManual");
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

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
    demo.Trigger("actionAbout");
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));

    QVERIFY(logo_shown);
    QCOMPARE(recorder.urls.size(), 1);
    QCOMPARE(recorder.urls.first().scheme(), QStringLiteral("https"));
    QVERIFY(!QApplication::activeModalWidget());
  }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow_ui_window.moc"

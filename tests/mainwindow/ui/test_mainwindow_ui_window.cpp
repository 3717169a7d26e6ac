// The main window driven as a user drives it: start-up on the demo family, menus, double-click
// information, the person of interest button, opening a family, the manual, the about box, and
// exit.
#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

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

QString Caption(const QPushButton* button) {
  return button->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
}

void DoubleClick(QListWidget* list, int row) {
  const QPoint at = list->visualItemRect(list->item(row)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

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
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void StartShowsDemoFamily_data() {
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("fathers") << "fatherFrame"
                             << "Father"
                             << "fatherList" << QStringList{"William Whitfield"};
    QTest::newRow("mothers") << "motherFrame"
                             << "Mother"
                             << "motherList" << QStringList{"Mary Cole Whitfield"};
    QTest::newRow("siblings") << "siblingFrame"
                              << "Siblings"
                              << "siblingList"
                              << QStringList{"Grace Whitfield Fisher", "Jack Whitfield",
                                             "Rose Whitfield"};
    QTest::newRow("children") << "childrenFrame"
                              << "Children / Dependents"
                              << "childrenList"
                              << QStringList{"Peter Whitfield", "Susan Whitfield Grant"};
  }
  void StartShowsDemoFamily() {
    QFETCH(QString, frame);
    QFETCH(QString, list);
    DemoWindow demo;
    QCOMPARE(demo.window.windowTitle(), QStringLiteral("Kinvale"));
    QCOMPARE(Caption(Child<QPushButton>(demo.window, "personButton")), kThomas);
    QCOMPARE(Caption(Child<QPushButton>(demo.window, "spouseButton")),
             QStringLiteral("Eleanor Hart Whitfield"));
    QTEST(Child<QGroupBox>(demo.window, frame)->title(), "caption");
    QTEST(Entries(*Child<QListWidget>(demo.window, list)), "names");
    QVERIFY(Child<PhotoView>(demo.window, "photo")->isVisible());
    QVERIFY(!Child<QWidget>(demo.window, "photoPlaceholder")->isVisible());
  }

  // Every menu item and button of the main window, by object name, with its caption.
  void ControlsCarryTheirCaptions_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    const QStringList items = {"LoadFamilyTree=Load Family Tree",
                               "ChangePhoto=Change Photo",
                               "ImportPhoto=Import a Photo",
                               "ExportGedcom=Export to GEDCOM",
                               "ImportGedcom=Import from GEDCOM",
                               "Exit=Exit",
                               "RelationCheck=Relation Check",
                               "KeywordSearch=Keyword Search",
                               "Descendants=Descendants",
                               "UserManual=User Manual",
                               "About=About Kinvale"};
    const QMap<QString, QKeySequence> shortcuts = {
        {"LoadFamilyTree", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"Exit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"UserManual", QKeySequence(Qt::Key_F1)}};
    for (const QString& item : items) {
      const QString name = item.section(u'=', 0, 0);
      QTest::newRow(qPrintable(name))
          << "action" + name << item.section(u'=', 1) << shortcuts.value(name);
    }
    for (const char* kind : {"Father", "Mother", "Sibling", "Dependent"}) {
      QTest::addRow("add %s", kind)
          << QStringLiteral("add%1Button").arg(kind) << "+" << QKeySequence();
      QTest::addRow("remove %s", kind)
          << QStringLiteral("remove%1Button").arg(kind) << "-" << QKeySequence();
    }
    QTest::newRow("person") << "personButton"
                            << "Person of Interest" << QKeySequence();
    QTest::newRow("spouse") << "spouseButton"
                            << "Spouse" << QKeySequence();
  }
  void ControlsCarryTheirCaptions() {
    QFETCH(QString, control);
    MainWindow window;
    if (auto* action = window.findChild<QAction*>(control)) {
      QTEST(action->text(), "caption");
      QTEST(action->shortcut(), "shortcut");
    } else {
      QTEST(Caption(Child<QPushButton>(window, control)), "caption");
    }
  }

  // Double-clicking a relative shows that person's information; the person of interest stays.
  void DoubleClickShowsInformation_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("birth_date");
    QTest::newRow("father") << "fatherList" << 0 << "William Whitfield"
                            << "7 JUL 1880";
    QTest::newRow("sibling") << "siblingList" << 1 << "Jack Whitfield"
                             << "16 APR 1921";
    QTest::newRow("child") << "childrenList" << 1 << "Susan Whitfield Grant"
                           << "4 JUN 1939";
  }
  void DoubleClickShowsInformation() {
    QFETCH(QString, list);
    QFETCH(int, row);
    DemoWindow demo;
    demo.window.session().view.selected_person = QStringLiteral("Earlier Choice");
    QString title;
    QString birth_date;
    QString selected_while_open;
    WhenModalShown([&](QWidget* info) {
      title = info->windowTitle();
      birth_date = info->findChild<QLineEdit*>(QStringLiteral("Birth Date"))->text();
      selected_while_open = demo.window.session().view.selected_person;
      QTest::mouseClick(info->findChild<QPushButton*>(QStringLiteral("returnButton")),
                        Qt::LeftButton);
    });
    DoubleClick(Child<QListWidget>(demo.window, list), row);

    QTEST(title, "name");
    QTEST(selected_while_open, "name");
    QTEST(birth_date, "birth_date");
    QCOMPARE(demo.window.session().view.person_of_interest, kThomas);
    QCOMPARE(Caption(Child<QPushButton>(demo.window, "personButton")), kThomas);
    QCOMPARE(demo.window.session().view.selected_person, QStringLiteral("Earlier Choice"));
    QVERIFY(!QApplication::activeModalWidget());
  }

  void ClickingRelativeSelectsItInTheView() {
    DemoWindow demo;
    QListWidget* siblings = Child<QListWidget>(demo.window, "siblingList");
    QTest::mouseClick(siblings->viewport(), Qt::LeftButton, {},
                      siblings->visualItemRect(siblings->item(2)).center());
    QCOMPARE(demo.window.session().view.siblings.selected, 2);
    demo.window.session().view.fathers.selected = 0;
    demo.window.Redraw();
    QCOMPARE(Child<QListWidget>(demo.window, "fatherList")->currentRow(), 0);
  }

  void PersonWithoutPhotoShowsPlaceholder() {
    DemoWindow demo;
    demo.window.session().view.person_of_interest = QStringLiteral("Joseph Cole");
    demo.window.ReloadFamily();
    QVERIFY(!Child<PhotoView>(demo.window, "photo")->isVisible());
    QVERIFY(Child<QWidget>(demo.window, "photoPlaceholder")->isVisible());
    QCOMPARE(Entries(*Child<QListWidget>(demo.window, "childrenList")),
             QStringList{"Mary Cole Whitfield"});
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
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("0001001_pat.pic"));
    if (format.isEmpty()) {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a picture") > 0);
    } else {
      QImage picture(40, 30, QImage::Format_RGB32);
      picture.fill(Qt::darkGreen);
      QVERIFY2(picture.save(path, format.constData()), "writing the picture");
    }
    PhotoView photo;
    QCOMPARE(photo.Load(path), !format.isEmpty());
    QCOMPARE(photo.image().isNull(), format.isEmpty());
  }

  // Exit, Ctrl+Q and the frame's close button all end the session.
  void LeavingSavesSettingsAndRemovesTemporaryFiles_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit") << "exit";
    QTest::newRow("Ctrl+Q") << "keys";
    QTest::newRow("frame close") << "frame";
  }
  void LeavingSavesSettingsAndRemovesTemporaryFiles() {
    QFETCH(QString, how);
    DemoWindow demo;
    const QString tmp = QDir(QDir(demo.app_folder).filePath("Demo")).filePath("x_0001.tmp");
    QFile file(tmp);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    demo.window.session().view.person_of_interest = QStringLiteral("Jack Whitfield");

    if (how == u"exit") {
      demo.window.findChild<QAction*>(QStringLiteral("actionExit"))->trigger();
    } else if (how == u"keys") {
      demo.window.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&demo.window));
      QTest::keyClick(&demo.window, Qt::Key_Q, Qt::ControlModifier);
    } else {
      demo.window.close();
    }

    QVERIFY(!demo.window.isVisible());
    QCOMPARE(demo.Settings(), (QStringList{"Demo", "Jack Whitfield"}));
    QVERIFY(!QFileInfo::exists(tmp));
  }

  // With no family loaded the button asks for a family first; the chooser only sets the folder.
  void PersonButtonWithoutFamilyAsksForOne_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("editor_opened");
    QTest::addColumn<QString>("family");
    QTest::newRow("open") << "openButton" << true << "Demo";
    QTest::newRow("cancel") << "cancelButton" << false << "";
    QTest::newRow("frame close, no family yet") << "" << false << "";
  }
  void PersonButtonWithoutFamilyAsksForOne() {
    QFETCH(QString, answer);
    DemoWindow demo;
    QFile::remove(QDir(demo.app_folder).filePath(kSettingsFileName));
    QString error;
    QVERIFY(demo.window.Start(demo.app_folder, &error));
    QVERIFY(demo.window.session().index.empty());
    QString family_seen_by_editor;
    bool editor_opened = false;
    demo.window.SetDetailsEditor([&] {
      editor_opened = true;
      family_seen_by_editor = demo.window.session().family;
    });

    WhenModalShown([&](QWidget* chooser) {
      auto* families = chooser->findChild<QListWidget*>(QStringLiteral("familyList"));
      families->setCurrentItem(families->findItems("Demo", Qt::MatchExactly).first());
      if (answer.isEmpty()) {
        chooser->close();
      } else {
        QTest::mouseClick(chooser->findChild<QPushButton*>(answer), Qt::LeftButton);
      }
    });
    QTest::mouseClick(Child<QPushButton>(demo.window, "personButton"), Qt::LeftButton);

    QTEST(editor_opened, "editor_opened");
    QTEST(demo.window.session().family, "family");
    if (editor_opened) QTEST(family_seen_by_editor, "family");
    QVERIFY(demo.window.session().index.empty());  // the chooser loads nothing here
  }

  void PersonButtonRedrawsAfterTheEditor() {
    DemoWindow demo;
    demo.window.SetDetailsEditor(
        [&] { demo.window.session().view.person_of_interest = QStringLiteral("Jack Whitfield"); });
    QTest::mouseClick(Child<QPushButton>(demo.window, "personButton"), Qt::LeftButton);
    QCOMPARE(Caption(Child<QPushButton>(demo.window, "personButton")),
             QStringLiteral("Jack Whitfield"));
    QCOMPARE(Entries(*Child<QListWidget>(demo.window, "childrenList")),
             QStringList{"Colin Whitfield"});
    QVERIFY(!demo.window.session().family_files.isEmpty());
  }

  void LoadFamilyTreeOpensChosenFamily() {
    DemoWindow demo;
    QDir(demo.app_folder).mkdir(QStringLiteral("Empty"));
    WhenModalShown([](QWidget* chooser) {
      auto* families = chooser->findChild<QListWidget*>(QStringLiteral("familyList"));
      families->setCurrentItem(families->findItems("Empty", Qt::MatchExactly).first());
      QTest::mouseClick(chooser->findChild<QPushButton*>("openButton"), Qt::LeftButton);
    });
    demo.window.findChild<QAction*>(QStringLiteral("actionLoadFamilyTree"))->trigger();

    QCOMPARE(demo.window.session().family, QStringLiteral("Empty"));
    QCOMPARE(Caption(Child<QPushButton>(demo.window, "personButton")), kNoPersonCaption);
    QCOMPARE(Caption(Child<QPushButton>(demo.window, "spouseButton")), QStringLiteral("Spouse"));
    QVERIFY(Entries(*Child<QListWidget>(demo.window, "fatherList")).isEmpty());
    QVERIFY(!Child<PhotoView>(demo.window, "photo")->isVisible());
    QCOMPARE(demo.Settings(), (QStringList{"Empty", kNoPersonCaption}));
  }

  void UserManualIsWrittenAndOpened() {
    DemoWindow demo;
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "Open");
    const QString manual = QDir(demo.app_folder).filePath(kManualFileName);
    QFile stale(manual);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("an older manual");
    stale.close();

    demo.window.findChild<QAction*>(QStringLiteral("actionUserManual"))->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    QFile built_in(QStringLiteral(":/docs/manual.html"));
    QVERIFY(built_in.open(QIODevice::ReadOnly));
    QFile written(manual);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), built_in.readAll());
    QCOMPARE(recorder.urls, QList<QUrl>{QUrl::fromLocalFile(manual)});
  }

  void AboutLogoOpensHomePage() {
    DemoWindow demo;
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "Open");
    bool logo_shown = false;
    QString title;
    WhenModalShown([&](QWidget* about) {
      title = about->windowTitle();
      auto* logo = about->findChild<QLabel*>(QStringLiteral("logo"));
      logo_shown = !logo->pixmap().isNull();
      QTest::mouseClick(logo, Qt::LeftButton);
      QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("closeButton")),
                        Qt::LeftButton);
    });
    demo.window.findChild<QAction*>(QStringLiteral("actionAbout"))->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));

    QCOMPARE(title, QStringLiteral("Kinvale"));
    QVERIFY(logo_shown);
    QCOMPARE(recorder.urls.size(), 1);
    QCOMPARE(recorder.urls.first().scheme(), QStringLiteral("https"));
    QVERIFY(!QApplication::activeModalWidget());
  }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow_ui_window.moc"

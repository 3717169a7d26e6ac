// The main window driven as a user drives it (its menus and keys are walked in the keyboard test):
// double-click information, the person of interest button, opening a family, the about box's
// logo, the import window on a given file, exit; moving through the demo family by keyboard alone
// (Ctrl+Return on a relative, Enter and "Go to", Back and Forward, "Find person") without changing
// a record; and the windows it opens driven through their controls: the family chooser, the name
// entry, save-as and the person information window.
#include <QtTest>
#include <QtWidgets>

#include "common/ui/file_choice.h"
#include "common/ui/line_entry_dialog.h"
#include "gedcom/ui/import_gedcom_dialog.h"
#include "mainwindow/ui/family_board.h"
#include "mainwindow/ui/family_chooser_dialog.h"
#include "mainwindow/ui/name_button.h"
#include "mainwindow/ui/person_info_dialog.h"
#include "mainwindow/ui/photo_view.h"
#include "store/families.h"
#include "store/record_writer.h"
#include "store/settings.h"
#include "store/text_codec.h"
#include "support/demo_window.h"
#include "support/filled_details.h"
#include "support/scripted_file_chooser.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"
#include "support/test_main.h"
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
  return Child<QAbstractButton>(demo.window, button)->text().replace(QStringLiteral("&&"), "&");
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
// Leaves a dialog by each step in turn: "frame" closes it, "enter" and "escape" are keys, any
// other step clicks the button of that name.
void Leave(QDialog* dialog, const QString& steps) {
  for (const QString& step : steps.split(u' ')) {
    if (step == u"frame") {
      dialog->close();
    } else if (step == u"enter" || step == u"escape") {
      QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog,
                      step == u"escape" ? Qt::Key_Escape : Qt::Key_Return);
    } else {
      Click(*dialog, step);
    }
  }
}

// Answers the family chooser with the family selected ("": none) and left by the steps.
void AnswerChooser(const QString& family, const QString& steps) {
  WhenModalShown([=](QWidget* chooser) {
    auto* families = Child<QListWidget>(*chooser, "familyList");
    if (!family.isEmpty())
      families->setCurrentItem(families->findItems(family, Qt::MatchExactly).first());
    families->setFocus();
    Leave(static_cast<QDialog*>(chooser), steps);
  });
}

// Whether the point lies on the rectangle's border, give or take a pixel.
bool OnEdge(QPoint point, const QRect& rect) {
  return rect.adjusted(-1, -1, 1, 1).contains(point) &&
         !rect.adjusted(2, 2, -2, -2).contains(point);
}

// Presses key where the focus is: on line of the named list when one is named. The window is
// made active again first, as it is once a dialog over it has closed.
void Press(QWidget& window, QKeyCombination key, const QString& list_name = {}, int line = 0) {
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  if (!list_name.isEmpty()) {
    auto* list = Child<QListWidget>(window, list_name);
    list->setFocus();
    list->setCurrentRow(line);
  }
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus ? focus : &window, key.key(), key.keyboardModifiers());
}

// A folder with the families Smith and Jones, and entries the chooser must not offer.
struct ChooserFolder {
  TempAppFolder folder;
  ScriptedPrompter prompter;
  ChooserFolder() {
    for (const char* name : {"Smith", "Jones", "Smith.old"}) QDir(folder.path()).mkdir(name);
    folder.WriteFile(".", "notes", "x");
  }
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // At a large font the board grows to fit: every piece gets at least its minimum size, none
  // covers another, and each connector line runs from the edge of one piece to the edge of
  // another, also once the window is made larger (and the photo with it).
  void BoardFitsALargeFont() {
    const QFont normal = QApplication::font();
    const auto restore = qScopeGuard([&normal] { QApplication::setFont(normal); });
    QFont large = normal;
    large.setPointSize(20);
    QApplication::setFont(large);
    DemoWindow demo;
    auto* board = Child<FamilyBoard>(demo.window, "familyBoard");
    const QList<QWidget*> joined = {
        board->fathers.frame, board->mothers.frame, board->siblings.frame, board->children.frame,
        board->person_button, board->spouse_button, board->photo};
    QSize photo_before;
    for (const QSize grown : {QSize(0, 0), QSize(300, 150)}) {
      demo.window.resize(demo.window.size() + grown);
      QCoreApplication::processEvents();
      QVERIFY(board->photo->width() > photo_before.width() &&
              board->photo->height() > photo_before.height());  // the photo grows with the window
      photo_before = board->photo->size();
      QList<QWidget*> pieces;
      for (QWidget* piece : board->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (piece->isVisible()) pieces.append(piece);
      }
      QCOMPARE(pieces.size(), 15);  // four frames, eight "+" and "-", two names, the photo
      for (const QWidget* piece : pieces) {
        const QSize needed = piece->minimumSizeHint();
        QVERIFY2(piece->width() >= needed.width() && piece->height() >= needed.height(),
                 qPrintable(piece->objectName()));
        for (const QWidget* other : pieces) {
          QVERIFY2(piece == other || !piece->geometry().intersects(other->geometry()),
                   qPrintable(piece->objectName() + " covers " + other->objectName()));
        }
      }
      QSet<const QWidget*> reached;
      for (const QPolygon& line : board->ConnectorLines()) {
        for (const QPoint end : {line.first(), line.last()}) {
          const auto at = std::find_if(joined.begin(), joined.end(), [end](const QWidget* piece) {
            return OnEdge(end, piece->geometry());
          });
          QVERIFY2(at != joined.end(), "a line ends in the open");
          reached.insert(*at);
        }
      }
      QCOMPARE(reached.size(), joined.size());
    }
  }

  // A family of one: the status line counts one person, and a long name loses its middle (the
  // whole name in the tooltip) until the window is wide enough to show it.
  void OnePersonWithALongName() {
    const QString name =
        QStringLiteral("Maximilian Bartholomew Fitzgerald-Wolverhampton & Sons of Little Snoring");
    DemoWindow demo;
    demo.folder.WriteFamily("app/Alone", {{name, QStringLiteral("00010000F0000M0000S0000")}});
    AnswerChooser("Alone", "openButton");
    Trigger(demo, "actionLoadFamilyTree");
    QCOMPARE(Child<QLabel>(demo.window, "familyStatus")->text(),
             QStringLiteral("Family: Alone  \u00b7  1 person"));

    auto* person = Child<QPushButton>(demo.window, "personButton");
    const QString shown = Caption(demo, "personButton");
    QVERIFY2(shown.size() < name.size() && shown.startsWith(name.left(4)) &&
                 shown.endsWith(name.right(4)) && shown.contains(QChar(0x2026)),
             qPrintable(shown));
    QVERIFY(person->toolTip().startsWith(name + u'\n'));
    demo.window.resize(demo.window.width() * 4, demo.window.height());
    QCoreApplication::processEvents();
    QCOMPARE(Caption(demo, "personButton"), name);
    QVERIFY(!person->toolTip().contains(name));
  }

  // Double-clicking a relative (the second child) selects it and shows that person's
  // information; the person of interest stays.
  void DoubleClickShowsInformation() {
    DemoWindow demo;
    MainView& view = demo.window.session().view;
    QString title, birth_date;
    WhenModalShown([&](QWidget* info) {
      title = info->windowTitle();
      birth_date = Child<QLineEdit>(*info, "Birth Date")->text();
      Click(*info, "returnButton");
    });
    auto* list = Child<QListWidget>(demo.window, "childrenList");
    const QPoint at = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);

    QCOMPARE(title, QStringLiteral("Susan Whitfield Grant"));
    QCOMPARE(birth_date, QStringLiteral("4 JUN 1939"));
    QCOMPARE(view.person_of_interest, kThomas);
    QCOMPARE(Caption(demo, "personButton"), kThomas);
    QCOMPARE(view.children.selected, 1);
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
    Row("frame close, no family yet", "frame", "-", "");
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

  // What each way of leaving the chooser opens, with Jack Whitfield shown and no settings saved
  // yet. The family selected, how the chooser is left, the family and the person of interest
  // button, the settings.
  void LoadFamilyTreeOpensChosenFamily_data() {
    Columns<QString, QString, QString, QString>();
    const QString opened = "Empty|Person of Interest";
    const QString unchanged = "Demo|Jack Whitfield";
    const QString reopened = "Demo|Thomas Whitfield";
    Row("open another family", "Empty", "openButton", opened, opened);
    Row("Enter opens", "Empty", "enter", opened, opened);
    Row("cancel changes nothing", "Empty", "cancelButton", unchanged, "");
    Row("Escape cancels", "Empty", "escape", unchanged, "");
    Row("frame close opens the current family again", "Empty", "frame", reopened,
        reopened + "|0001");
    Row("Open needs a selection", "", "openButton frame", reopened, reopened + "|0001");
  }
  void LoadFamilyTreeOpensChosenFamily() {
    const auto [family, steps, shown, settings] = Fetch<QString, QString, QString, QString>();
    DemoWindow demo;
    QDir(AppFolder(demo)).mkdir(QStringLiteral("Empty"));
    QVERIFY(QFile::remove(QDir(AppFolder(demo)).filePath(kSettingsFileName)));
    demo.window.session().view.person_of_interest = QStringLiteral("Jack Whitfield");
    AnswerChooser(family, steps);
    Trigger(demo, "actionLoadFamilyTree");

    QCOMPARE(demo.window.session().family + '|' + Caption(demo, "personButton"), shown);
    QCOMPARE(SavedSettings(demo).join(u'|'), settings);
    // The photo of the family shown before gives way to the placeholder.
    if (shown.startsWith(u"Empty")) QCOMPARE(Photo(demo), QStringLiteral("placeholder"));
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

  void WalkByKeyboardSavesNothing() {
    DemoWindow demo;
    MainWindow& window = demo.window;
    const QString family = window.session().FamilyPath();
    const QMap<QString, QByteArray> before = FolderBytes(family);
    const auto shows = [&window](const QString& person, bool back, bool forward) {
      return window.session().view.person_of_interest == person &&
             window.findChild<QAction*>("actionBack")->isEnabled() == back &&
             window.findChild<QAction*>("actionForward")->isEnabled() == forward;
    };

    QVERIFY(shows("Thomas Whitfield", false, false));
    Press(window, Qt::CTRL | Qt::Key_Return, "fatherList", 0);
    QVERIFY(shows("William Whitfield", true, false));
    Press(window, Qt::ALT | Qt::Key_Left);
    QVERIFY(shows("Thomas Whitfield", false, true));
    Press(window, Qt::ALT | Qt::Key_Right);
    QVERIFY(shows("William Whitfield", true, false));
    Press(window, Qt::ALT | Qt::Key_Left);
    WhenModalShown([](QWidget* info) { Click(*info, "goToButton"); });
    Press(window, QKeyCombination(Qt::Key_Return), "childrenList", 1);
    QVERIFY(shows("Susan Whitfield Grant", true, false));  // William, ahead, is forgotten
    Press(window, Qt::ALT | Qt::Key_Left);
    Press(window, Qt::ALT | Qt::Key_Left);
    QVERIFY(shows("Thomas Whitfield", false, true));
    Press(window, Qt::CTRL | Qt::Key_F);
    QTest::keyClicks(QApplication::focusWidget(), "william whitfield");
    Press(window, QKeyCombination(Qt::Key_Return));
    QVERIFY(shows("William Whitfield", true, false));

    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(FolderBytes(family) == before);
  }

  // The names the store refuses are its tests; here, what the window says and lists for a name
  // made, one refused and one taken.
  void ChooserCreate_data() {  // name, message (titled "Family File Start" when created)
    Columns<QString, QString>();
    Row("plain name", "Whitfield", "New Family Created");
    Row("existing family", "Smith", "A family or file named \"Smith\" exists already.");
  }
  void ChooserCreate() {
    const auto [name, message] = Fetch<QString, QString>();
    const bool created = message == kFamilyCreatedMessage;
    ChooserFolder setup;
    FamilyChooserDialog dialog(setup.folder.path(), setup.prompter);
    dialog.show();
    Child<QLineEdit>(dialog, "newFamily")->setText(name);
    Click(dialog, "createButton");

    QCOMPARE(setup.prompter.messages, QStringList{message});
    QCOMPARE(setup.prompter.message_titles,
             QStringList{created ? "Family File Start" : "Name Error"});
    const QStringList families = ListFamilies(setup.folder.path());
    QCOMPARE(families.size(), created ? 3 : 2);
    auto* list = Child<QListWidget>(dialog, "familyList");
    QCOMPARE(Entries(*list), families);
    if (created) QCOMPARE(list->currentItem()->text(), name);
    QVERIFY(dialog.isVisible());
  }

  // Apply and Cancel are pressed by the main window's button tests.
  void LineEntryAnswers_data() {  // typed, how the entry is left, answer
    Columns<QString, QString, QString>();
    Row("Enter applies, spaces kept", "  Mary  Ann ", "enter", "  Mary  Ann ");
    Row("Escape cancels", "Mary", "escape", "");
    Row("frame close", "Mary", "frame", "");
    Row("Apply with nothing typed", "", "applyButton", "");
  }
  void LineEntryAnswers() {
    const auto [typed, how, expected] = Fetch<QString, QString, QString>();
    QString prompt;
    WhenModalShown([&](QWidget* widget) {
      prompt = Child<QLabel>(*widget, "prompt")->text();
      auto* answer = Child<QLineEdit>(*widget, "answer");
      answer->setFocus();
      QTest::keyClicks(answer, typed);
      Leave(static_cast<QDialog*>(widget), how);
    });
    const QString answer = LineEntryDialog::Ask(nullptr, QStringLiteral("Enter Father's Name"));
    QCOMPARE(prompt, QStringLiteral("Enter Father's Name"));
    QCOMPARE(answer, expected);
  }

  // The standard file dialog as each choice asks it: save or open, the file picked ("" cancels),
  // and the file given back, in the start folder.
  void StandardFileDialog_data() {
    Columns<bool, QString, QString>();
    Row("save adds the ending", true, "tree", "tree.txt");
    Row("save keeps an ending typed", true, "tree.text", "tree.text");
    Row("open", false, "old.txt", "old.txt");
    Row("cancel", false, "", "");
  }
  void StandardFileDialog() {
    const auto [save, picked, chosen] = Fetch<bool, QString, QString>();
    TempAppFolder folder;
    folder.WriteFile(".", "old.txt", "x");
    const FileRequest request{"Save As", save ? folder.path() + "/proposed.txt" : folder.path(),
                              "Text files (*.txt)", "txt"};
    QStringList asked;
    WhenModalShown([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      if (!dialog) {
        modal->close();
        return;
      }
      // The window that asked replaces files in its own words, after the dialog.
      asked = QStringList{dialog->windowTitle(),
                          dialog->directory().absolutePath(),
                          dialog->nameFilters().join(";;"),
                          dialog->acceptMode() == QFileDialog::AcceptSave ? "save" : "open",
                          dialog->selectedFiles().join(";;"),
                          dialog->testOption(QFileDialog::DontConfirmOverwrite) ? "asks" : "-"};
      if (picked.isEmpty()) return dialog->reject();
      // selectFile leaves the name box alone while it has the focus, which it may get late.
      if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
      dialog->selectFile(picked);
      static_cast<QDialog*>(dialog)->accept();
      // A dialog that refused the name fails the comparisons below instead of waiting.
      QTimer::singleShot(0, dialog, [dialog] { dialog->reject(); });
    });
    StandardFileChooser chooser;
    const QString path =
        save ? chooser.FileToSave(nullptr, request) : chooser.FileToOpen(nullptr, request);
    QCOMPARE(asked,
             (QStringList{"Save As", folder.path(), "Text files (*.txt)", save ? "save" : "open",
                          save ? folder.path() + "/proposed.txt" : QString(), "asks"}));
    QCOMPARE(path, chosen.isEmpty() ? QString() : folder.path() + '/' + chosen);
  }

  // Each kind of file starts where a file of that kind was chosen last, kept in kinvale.ini in
  // the application folder; before that (or once that folder is gone) in the Pictures folder,
  // the application folder, the Documents folder. Steps: kind, the file chosen ("" cancels;
  // "-" removes the folder chosen before and cancels), the folder the dialog starts in.
  void FoldersRememberedPerKind() {
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    for (const char* folder : {"Pictures", "Documents", "trip", "trees"}) {
      QVERIFY(QDir(home.path()).mkdir(folder));
    }
    TempAppFolder app;
    const struct {
      FileKind kind;
      QString chosen, start;
    } steps[] = {
        {FileKind::kPicture, "trip/a.png", "Pictures"},
        {FileKind::kGedcom, "trees/b.ged", "<app>"},
        {FileKind::kText, "", "Documents"},
        {FileKind::kText, "trees/list.txt", "Documents"},
        {FileKind::kPicture, "", "trip"},
        {FileKind::kGedcom, "", "trees"},
        {FileKind::kText, "-", "trees"},
        {FileKind::kText, "", "Documents"},
        {FileKind::kGedcom, "", "<app>"},
    };
    ScriptedFileChooser chooser;
    const QString in_home = home.path() + '/';
    for (const auto& step : steps) {
      chooser.answers = {step.chosen.size() > 1 ? in_home + step.chosen : QString()};
      if (step.kind == FileKind::kText) {
        ChooseFileToSave(chooser, nullptr, app.path(), step.kind, "Save As", "list.txt");
      } else {
        ChooseFileToOpen(chooser, nullptr, app.path(), step.kind, "Open");
      }
      const QString folder = step.start == "<app>" ? app.path() : in_home + step.start;
      QCOMPARE(chooser.requests.last().start,
               step.kind == FileKind::kText ? folder + "/list.txt" : folder);
      if (step.chosen == "-") QVERIFY(QDir(in_home + "trees").removeRecursively());
    }
    QVERIFY(QFile::exists(app.path() + "/kinvale.ini"));
    // Without an application folder nothing is remembered, and nothing written.
    chooser.answers = {home.path() + "/trip/c.png"};
    ChooseFileToOpen(chooser, nullptr, QString(), FileKind::kPicture, "Open");
    QVERIFY(!QFile::exists("kinvale.ini"));
  }

  // Every field of the record in its read-only box, which looks read-only and which keys do not
  // change; a block shows its lines, the home page shows them on one line.
  void InformationShowsEveryField() {
    TempAppFolder folder;
    const PersonDetails d = EveryFieldFilled();
    folder.WriteFile("F", "Pat Doe_0001.dat",
                     FormatFullRecord("00010000F0000M0000S0000", "2026-01-01", d));
    const Session session = folder.OpenSession("F");

    PersonInfoDialog dialog(session, session.index.FindRowExact("Pat Doe"));

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Pat Doe"));
    for (const FieldInfo& field : DetailFields()) {
      QWidget* box = Child(dialog, field.caption);
      QCOMPARE(box->palette().color(QPalette::Base), box->palette().color(QPalette::Window));
      QTest::keyClicks(box, "x");
      for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_F2}) QTest::keyClick(box, key);
      QString shown;
      if (auto* line = qobject_cast<QLineEdit*>(box)) {
        QVERIFY(line->isReadOnly());
        shown = line->text();
      } else if (auto* text = qobject_cast<QPlainTextEdit*>(box)) {
        QVERIFY(text->isReadOnly());
        shown = text->toPlainText();
      } else {
        auto* list = qobject_cast<QListWidget*>(box);
        QVERIFY(list && list->selectedItems().isEmpty());
        shown = Entries(*list).join(u'\n');
      }
      const QStringList value =
          field.kind == FieldKind::kList ? d.*field.list : SplitLines(d.*field.text);
      QCOMPARE(shown, value.join(field.text == &PersonDetails::homepage ? u' ' : u'\n'));
    }
    QCOMPARE(Child<QLabel>(dialog, "dateLastChanged")->text(), QStringLiteral("2026-01-01"));
  }
};

KINVALE_TEST(MainWindowTest)
#include "test_mainwindow_ui.moc"

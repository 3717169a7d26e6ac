// The details editor and the photo window as the user reaches them from the main window: edit a
// field, Apply, Return, open again and see it; rename; import a sample picture as the default
// photo and see it on the main window.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "mainwindow/ui/main_window.h"
#include "mainwindow/ui/photo_view.h"
#include "support/temp_family.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

struct DemoWindow {
  TempAppFolder folder;
  MainWindow window;
  DemoWindow() {
    QString error;
    QVERIFY2(window.Start(QDir(folder.path()).filePath("app"), &error), qPrintable(error));
    window.show();
  }
  void OpenEditor(std::function<void(QWidget*)> act) {
    WhenModalShown(std::move(act));
    Click(window, "personButton");
  }
};

}  // namespace

class DetailsFromMainTest : public QObject {
  Q_OBJECT

 private slots:
  void EditApplyReturnAndSeeItAgain() {
    DemoWindow demo;
    demo.OpenEditor([](QWidget* editor) {
      auto* place = Child<QLineEdit>(*editor, "Birth Place");
      place->setText("Hereford");
      Click(*editor, "applyButton");
      QVERIFY(editor->isVisible());  // Apply keeps the window open
      Click(*editor, "returnButton");
    });
    QCOMPARE(demo.window.session().view.person_of_interest, QStringLiteral("Thomas Whitfield"));
    QString shown;
    demo.OpenEditor([&shown](QWidget* editor) {
      shown = Child<QLineEdit>(*editor, "Birth Place")->text();
      Click(*editor, "cancelButton");
    });
    QCOMPARE(shown, QStringLiteral("Hereford"));
  }

  void RenameFromTheEditor() {
    DemoWindow demo;
    demo.OpenEditor([](QWidget* editor) {
      ClickEntry(*Child<QListWidget>(*editor, "nameList"), "Rose Whitfield");
      WhenModalShown(
          [](QWidget* entry) {
            QTest::keyClicks(Child<QLineEdit>(*entry, "answer"), "Rosa Whitfield");
            Click(*entry, "applyButton");
            WhenModalShown([](QWidget* confirm) {
              auto* box = qobject_cast<QMessageBox*>(confirm);
              QCOMPARE(box->text(), QStringLiteral("Change Rose Whitfield to Rosa Whitfield?"));
              box->button(QMessageBox::Ok)->click();
            });
          },
          editor);
      Click(*editor, "changeNameButton");
      QTRY_VERIFY(Entries(*Child<QListWidget>(*editor, "nameList")).contains("Rosa Whitfield"));
      Click(*editor, "cancelButton");
    });
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(Entries(*Child<QListWidget>(demo.window, "siblingList")).contains("Rosa Whitfield"));
    QVERIFY(QFileInfo::exists(demo.window.session().FamilyFilePath("Rosa Whitfield_0019.dat")));
    QVERIFY(!QFileInfo::exists(demo.window.session().FamilyFilePath("Rose Whitfield_0019.dat")));
  }

  void ImportedDefaultPhotoShowsOnTheMainWindow() {
    DemoWindow demo;
    demo.window.session().last_photo_import_folder = QStringLiteral(KINVALE_SAMPLES_DIR);
    WhenModalShown([](QWidget* photos) {
      ClickEntry(*Child<QListWidget>(*photos, "fileList"), "torture-ImgFile.PNG");
      Click(*photos, "useAsDefault");
      WhenModalShown(
          [photos](QWidget* done) {
            QCOMPARE(qobject_cast<QMessageBox*>(done)->text(),
                     QStringLiteral("Picture successfully imported"));
            qobject_cast<QMessageBox*>(done)->button(QMessageBox::Ok)->click();
            QTimer::singleShot(0, photos, [photos] { Click(*photos, "exitButton"); });
          },
          photos);
      Click(*photos, "actionButton");
    });
    demo.window.findChild<QAction*>("actionImportPhoto")->trigger();
    const QString photo = demo.window.session().FamilyFilePath("0001003_torture-ImgFile.pic");
    QCOMPARE(demo.window.session().view.photo_path, photo);
    QVERIFY(Child<PhotoView>(demo.window, "photo")->isVisible());
    // The record says so too: the photo is still shown after the family is read again.
    demo.window.ReloadFamily();
    QCOMPARE(demo.window.session().view.photo_path, photo);
  }
};

QTEST_MAIN(DetailsFromMainTest)
#include "test_details_ui_from_main.moc"

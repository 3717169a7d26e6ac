// The photo window driven through its widgets: whose photo it says it handles, the person's own
// photos as numbered thumbnails in change mode, and a sample picture chosen in the file dialog,
// previewed and imported as the default photo from the main window's menu, the file dialog then
// starting in the folder the picture came from.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "mainwindow/ui/photo_view.h"
#include "photos/ui/import_photo_dialog.h"
#include "support/demo_window.h"
#include "support/details_fixture.h"
#include "support/scripted_file_chooser.h"
#include "support/test_main.h"
#include "support/test_table.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const QString kSamples = QStringLiteral(KINVALE_SAMPLES_DIR);

QByteArray SamplePicture() {
  QFile sample(kSamples + "/torture-ImgFile.PNG");
  return sample.open(QIODevice::ReadOnly) ? sample.readAll() : QByteArray();
}

bool PreviewShown(const QWidget& photos) {
  return !Child<QLabel>(photos, "preview")->pixmap().isNull();
}

// The Lee family with Anne's photos 1 and 2 (2 shown now) and 3 (not a picture), and Bob's 1.
struct PhotoFamily {
  PhotoFamily() {
    for (const char* photo : {"0001002_b.pic", "0001001_a.pic", "0002001_bob.pic"}) {
      fixture.folder.WriteFile(kLeeFamily, photo, SamplePicture());
    }
    fixture.folder.WriteFile(kLeeFamily, "0001003_c.pic", "just text");
    fixture.session.view.photo_path = fixture.session.FamilyFilePath("0001002_b.pic");
  }
  DetailsFixture fixture;
  ScriptedFileChooser chooser;
};

}  // namespace

class PhotoWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // Mode, person of interest, what the window says, the photos listed (change mode), and
  // whether the action can run.
  void SaysWhosePhoto_data() {
    Columns<bool, QString, QString, QStringList, bool>();
    Row("change: own photos only", true, "Anne Lee", "Choose the photo of Anne Lee to show.",
        QStringList{"Photo 1", "Photo 2", "Photo 3"}, true);
    Row("change: no photos yet", true, "Carl Lee",
        "Carl Lee has no photos yet: add one with Import a Photo.", QStringList(), false);
    Row("import", false, "Anne Lee", "Choose a picture to import as a photo of Anne Lee.",
        QStringList(), false);
    Row("import: nobody shown", false, "Person of Interest",
        "Photos belong to the person of interest: choose a person of the family first.",
        QStringList(), false);
  }
  void SaysWhosePhoto() {
    const auto [change, person, says, listed, can_act] =
        Fetch<bool, QString, QString, QStringList, bool>();
    PhotoFamily family;
    family.fixture.session.view.person_of_interest = person;
    ImportPhotoDialog dialog(family.fixture.session, family.fixture.prompter, family.chooser,
                             change ? PhotoMode::kChange : PhotoMode::kImport);
    dialog.show();
    auto* use_as_default = Child<QCheckBox>(dialog, "useAsDefault");
    QCOMPARE(use_as_default->isVisible(), !change);
    QVERIFY(!use_as_default->isChecked());
    QCOMPARE(Child<QLabel>(dialog, "owner")->text(), says);
    QCOMPARE(Child<QPushButton>(dialog, "actionButton")->isEnabled(), can_act);
    if (change) {
      QCOMPARE(Entries(*Child<QListWidget>(dialog, "photos")), listed);
    } else {
      QCOMPARE(Child<QPushButton>(dialog, "choosePicture")->isEnabled(),
               person != "Person of Interest");
    }
  }

  // The photo shown now is selected at first; the arrow keys move the preview, Enter changes.
  void ChangeMakesTheSelectedPhotoShown() {
    PhotoFamily family;
    Session& session = family.fixture.session;
    ImportPhotoDialog dialog(session, family.fixture.prompter, family.chooser, PhotoMode::kChange);
    dialog.show();
    auto* photos = Child<QListWidget>(dialog, "photos");
    QCOMPARE(photos->currentItem()->text(), "Photo 2");
    QVERIFY(PreviewShown(dialog));
    QVERIFY(!photos->item(0)->icon().isNull());
    QVERIFY(photos->item(2)->icon().isNull());  // "Photo 3" is no picture
    photos->setFocus();
    QTest::keyClick(photos, Qt::Key_Right);
    QVERIFY(!PreviewShown(dialog));
    QTest::keyClick(photos, Qt::Key_Home);
    QCOMPARE(photos->currentItem()->text(), "Photo 1");
    QVERIFY(PreviewShown(dialog));
    QTest::keyClick(photos, Qt::Key_Return);
    const QString first = session.FamilyFilePath("0001001_a.pic");
    QCOMPARE(session.view.photo_path, first);
    QCOMPARE(family.fixture.Read(kAnneFile).record.details.photo_path, first);
    QVERIFY(family.fixture.prompter.messages.isEmpty());
    QVERIFY(dialog.isVisible());  // open until Exit
  }

  void ImportedDefaultPhotoShowsOnTheMainWindow() {
    ScriptedFileChooser chooser;  // outlives the window
    DemoWindow demo;
    demo.window.SetFileChooser(chooser);
    chooser.answers = {kSamples + "/TORTURE-README.txt", kSamples + "/torture-ImgFile.PNG"};
    QStringList seen;
    WhenModalShown([&seen](QWidget* photos) {
      seen.append(Child<QLineEdit>(*photos, "picturePath")->text());
      seen.append(PreviewShown(*photos) ? "preview" : "no preview");
      Click(*photos, "choosePicture");
      seen.append(PreviewShown(*photos) ? "preview" : "no preview");
      Click(*photos, "useAsDefault");
      WhenModalShown(
          [photos, &seen](QWidget* done) {
            auto* box = qobject_cast<QMessageBox*>(done);
            seen.append(box->text());
            box->button(QMessageBox::Ok)->click();
            // The window stays open after the import, until Exit.
            QTimer::singleShot(0, photos, [photos, &seen] {
              seen.append(photos->isVisible() ? "open" : "closed");
              Click(*photos, "exitButton");
            });
          },
          photos);
      Click(*photos, "actionButton");
    });
    Child<QAction>(demo.window, "actionImportPhoto")->trigger();
    QCOMPARE(seen, (QStringList{QDir::toNativeSeparators(kSamples + "/TORTURE-README.txt"),
                                "no preview", "preview", "Picture successfully imported", "open"}));
    QVERIFY(!QApplication::activeModalWidget());
    const QString photo = demo.window.session().FamilyFilePath("0001003_torture-ImgFile.pic");
    QCOMPARE(demo.window.session().view.photo_path, photo);
    QVERIFY(Child<PhotoView>(demo.window, "photo")->isVisible());

    // Cancelling the file dialog opens no window; the dialog starts where the picture was
    // found, kept in the application folder for the next run.
    QString opened;
    QTimer::singleShot(0, [&opened] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        opened = modal->windowTitle();
        modal->close();
      }
    });
    Child<QAction>(demo.window, "actionImportPhoto")->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(opened, QString());
    QCOMPARE(chooser.requests.size(), 3);
    QCOMPARE(chooser.requests[2].start, kSamples);
  }
};

KINVALE_TEST(PhotoWindowTest)
#include "test_photos_ui_import.moc"

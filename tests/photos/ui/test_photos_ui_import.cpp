// The photo window driven through its widgets: the two modes, the volume picker, and a sample
// picture imported as the default photo from the main window's menu, previewed first and then
// shown on the main window.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "mainwindow/ui/photo_view.h"
#include "photos/ui/import_photo_dialog.h"
#include "support/demo_window.h"
#include "support/details_fixture.h"
#include "support/test_table.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const QString kSamples = QStringLiteral(KINVALE_SAMPLES_DIR);

// The photo window on the Lee family, which has one photo of Bob; import mode starts in the
// samples folder, the folder of the last import.
struct PhotoWindow {
  explicit PhotoWindow(PhotoMode mode) {
    fixture.folder.WriteFile(kLeeFamily, "0002001_bob.pic", "x");
    fixture.session.last_photo_import_folder = kSamples;
    dialog = std::make_unique<ImportPhotoDialog>(fixture.session, fixture.prompter, mode);
    dialog->show();
  }
  QString FolderShown() const { return Child<QLabel>(*dialog, "folderPath")->text(); }
  QStringList FilesListed() const { return Entries(*Child<QListWidget>(*dialog, "fileList")); }

  DetailsFixture fixture;
  std::unique_ptr<ImportPhotoDialog> dialog;
};

bool PreviewShown(const QWidget& photos) {
  return !Child<QLabel>(photos, "preview")->pixmap().isNull();
}

}  // namespace

class PhotoWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void Modes_data() {
    Columns<bool, QString, QString, bool>();  // change, title, action, check box shown
    Row("change", true, "Change Photo", "Change", false);
    Row("import", false, "Import Photo", "Import", true);
  }
  void Modes() {
    const auto [change, title, action, check_box_shown] = Fetch<bool, QString, QString, bool>();
    const PhotoWindow window(change ? PhotoMode::kChange : PhotoMode::kImport);
    QCOMPARE(window.dialog->windowTitle(), title);
    QCOMPARE(Child<QPushButton>(*window.dialog, "actionButton")->text().remove(u'&'), action);
    auto* use_as_default = Child<QCheckBox>(*window.dialog, "useAsDefault");
    QCOMPARE(use_as_default->isVisible(), check_box_shown);
    QVERIFY(!use_as_default->isChecked());
    QCOMPARE(window.FolderShown(), change ? window.fixture.session.FamilyPath() : kSamples);
    const QStringList files = window.FilesListed();
    if (change) {
      QCOMPARE(files, QStringList{"0002001_bob.pic"});
    } else {
      QVERIFY(files.contains("torture-ImgFile.PNG"));
      QVERIFY(files.contains("TORTURE-README.txt"));
    }
  }

  void VolumePickerGoesToFamilyFolder() {
    const PhotoWindow window(PhotoMode::kImport);
    auto* drives = Child<QComboBox>(*window.dialog, "drivePicker");
    QVERIFY(drives->count() > 0);
    emit drives->activated(drives->count() - 1);
    QCOMPARE(window.FolderShown(), window.fixture.session.FamilyPath());
    QCOMPARE(window.FilesListed(), (QStringList{"0002001_bob.pic", "Anne Lee_0001.dat",
                                                "Bob Lee_0002.dat", "Carl Lee_0003.dat"}));
  }

  void ImportedDefaultPhotoShowsOnTheMainWindow() {
    DemoWindow demo;
    demo.window.session().last_photo_import_folder = kSamples;
    QStringList seen;
    WhenModalShown([&seen](QWidget* photos) {
      ClickEntry(*Child<QListWidget>(*photos, "fileList"), "TORTURE-README.txt");
      seen.append(PreviewShown(*photos) ? "preview" : "no preview");
      ClickEntry(*Child<QListWidget>(*photos, "fileList"), "torture-ImgFile.PNG");
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
    QCOMPARE(seen, (QStringList{"no preview", "preview", "Picture successfully imported", "open"}));
    QVERIFY(!QApplication::activeModalWidget());
    const QString photo = demo.window.session().FamilyFilePath("0001003_torture-ImgFile.pic");
    QCOMPARE(demo.window.session().view.photo_path, photo);
    QVERIFY(Child<PhotoView>(demo.window, "photo")->isVisible());
    // The record says so too: the photo is still shown after the family is read again.
    demo.window.ReloadFamily();
    QCOMPARE(demo.window.session().view.photo_path, photo);
  }
};

QTEST_MAIN(PhotoWindowTest)
#include "test_photos_ui_import.moc"

// The photo window driven through its widgets: the two modes, the preview, importing a sample
// picture as the default photo, and the volume picker.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "photos/ui/import_photo_dialog.h"
#include "support/details_fixture.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const QString kSamples = QStringLiteral(KINVALE_SAMPLES_DIR);

const QStringList kFamilyFiles = {"0002001_bob.pic", "Anne Lee_0001.dat", "Bob Lee_0002.dat",
                                  "Carl Lee_0003.dat"};

// The photo window on the Lee family, which has one photo of Bob; import mode starts in the
// samples folder, the folder of the last import.
struct PhotoWindow {
  explicit PhotoWindow(PhotoMode mode) {
    fixture.folder.WriteFile(kLeeFamily, "0002001_bob.pic", "x");
    fixture.session.last_photo_import_folder = kSamples;
    dialog = std::make_unique<ImportPhotoDialog>(fixture.session, fixture.prompter, mode);
    dialog->show();
  }

  template <typename Widget = QWidget>
  Widget* Find(const QString& name) const {
    return Child<Widget>(*dialog, name);
  }
  void Click(const QString& name) const { testing::Click(*dialog, name); }
  void ClickFile(const QString& file_name) const {
    ClickEntry(*Find<QListWidget>("fileList"), file_name);
  }
  bool PreviewShown() const { return !Find<QLabel>("preview")->pixmap().isNull(); }
  QStringList FilesListed() const { return Entries(*Find<QListWidget>("fileList")); }

  DetailsFixture fixture;
  std::unique_ptr<ImportPhotoDialog> dialog;
};

}  // namespace

class PhotoWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void Modes_data();
  void Modes();
  void ImportDefaultPhoto();
  void VolumePickerGoesToFamilyFolder();
};

void PhotoWindowTest::Modes_data() {
  QTest::addColumn<bool>("change");
  QTest::addColumn<QString>("title");
  QTest::addColumn<QString>("action");
  QTest::addColumn<bool>("check_box_shown");
  QTest::addColumn<QString>("folder");  // empty: the family folder
  QTest::newRow("change") << true << "Change Photo"
                          << "Change" << false << "";
  QTest::newRow("import") << false << "Import Photo"
                          << "Import" << true << kSamples;
}

void PhotoWindowTest::Modes() {
  QFETCH(bool, change);
  QFETCH(QString, title);
  QFETCH(QString, action);
  QFETCH(bool, check_box_shown);
  QFETCH(QString, folder);
  const PhotoWindow window(change ? PhotoMode::kChange : PhotoMode::kImport);

  QCOMPARE(window.dialog->windowTitle(), title);
  QCOMPARE(window.Find<QPushButton>("actionButton")->text(), action);
  QCOMPARE(window.Find<QCheckBox>("useAsDefault")->isVisible(), check_box_shown);
  QVERIFY(!window.Find<QCheckBox>("useAsDefault")->isChecked());
  const QString shown = folder.isEmpty() ? window.fixture.session.FamilyPath() : folder;
  QCOMPARE(window.Find<QLabel>("folderPath")->text(), shown);
  const QStringList files = window.FilesListed();
  if (change) {
    QCOMPARE(files, QStringList{"0002001_bob.pic"});
  } else {
    QVERIFY(files.contains("torture-ImgFile.PNG"));
    QVERIFY(files.contains("TORTURE-README.txt"));
  }
}

void PhotoWindowTest::ImportDefaultPhoto() {
  const PhotoWindow window(PhotoMode::kImport);
  const DetailsFixture& fixture = window.fixture;

  window.ClickFile("TORTURE-README.txt");
  QVERIFY(!window.PreviewShown());
  window.ClickFile("torture-ImgFile.PNG");
  QVERIFY(window.PreviewShown());
  window.Click("useAsDefault");
  window.Click("actionButton");

  const QString photo = fixture.session.FamilyFilePath("0001001_torture-ImgFile.pic");
  QCOMPARE(fixture.prompter.messages, QStringList{"Picture successfully imported"});
  QVERIFY(fixture.session.view.photo_visible);
  QCOMPARE(fixture.session.view.photo_path, photo);
  QCOMPARE(fixture.Read("Anne Lee_0001.dat").record.details.photo_path, photo);
  QVERIFY(window.dialog->isVisible());  // open until Exit
  window.Click("exitButton");
  QVERIFY(!window.dialog->isVisible());
}

void PhotoWindowTest::VolumePickerGoesToFamilyFolder() {
  const PhotoWindow window(PhotoMode::kImport);
  auto* drives = window.Find<QComboBox>("drivePicker");
  QVERIFY(drives->count() > 0);

  emit drives->activated(drives->count() - 1);

  QCOMPARE(window.Find<QLabel>("folderPath")->text(), window.fixture.session.FamilyPath());
  QCOMPARE(window.FilesListed(), kFamilyFiles);
}

QTEST_MAIN(PhotoWindowTest)
#include "test_photos_ui_import.moc"

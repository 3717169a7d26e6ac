// The photo window driven through its widgets: the two modes, importing a sample picture as
// the default photo, the preview of a file that is not a picture, and the volume picker.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "photos/ui/import_photo_dialog.h"
#include "support/details_fixture.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const QString kSamples = QStringLiteral(KINVALE_SAMPLES_DIR);

template <typename Widget>
Widget* Child(const QWidget& parent, const char* name) {
  auto* child = parent.findChild<Widget*>(name);
  if (!child) qFatal("no child %s", name);
  return child;
}

QStringList Entries(const QListWidget& list) {
  QStringList entries;
  for (int i = 0; i < list.count(); ++i) entries.append(list.item(i)->text());
  return entries;
}

void ClickFile(const QWidget& dialog, const QString& file_name) {
  auto* files = Child<QListWidget>(dialog, "fileList");
  const QList<QListWidgetItem*> found = files->findItems(file_name, Qt::MatchExactly);
  QVERIFY(!found.isEmpty());
  QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                    files->visualItemRect(found.first()).center());
}

bool PreviewShown(const QWidget& dialog) {
  return !Child<QLabel>(dialog, "preview")->pixmap().isNull();
}

}  // namespace

class PhotoWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void Modes_data();
  void Modes();
  void ImportDefaultPhoto();
  void FileThatIsNotAPicture();
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
  DetailsFixture fixture;
  fixture.folder.WriteFile(kLeeFamily, "0002001_bob.pic", "x");
  fixture.session.last_photo_import_folder = kSamples;
  ImportPhotoDialog dialog(fixture.session, fixture.prompter,
                           change ? PhotoMode::kChange : PhotoMode::kImport);
  dialog.show();

  QCOMPARE(dialog.windowTitle(), title);
  QCOMPARE(Child<QPushButton>(dialog, "actionButton")->text(), action);
  QCOMPARE(Child<QCheckBox>(dialog, "useAsDefault")->isVisible(), check_box_shown);
  QVERIFY(!Child<QCheckBox>(dialog, "useAsDefault")->isChecked());
  const QString shown = folder.isEmpty() ? fixture.session.FamilyPath() : folder;
  QCOMPARE(Child<QLabel>(dialog, "folderPath")->text(), shown);
  const QStringList files = Entries(*Child<QListWidget>(dialog, "fileList"));
  if (change) {
    QCOMPARE(files, QStringList{"0002001_bob.pic"});
  } else {
    QVERIFY(files.contains("torture-ImgFile.PNG"));
    QVERIFY(files.contains("TORTURE-README.txt"));
  }
}

void PhotoWindowTest::ImportDefaultPhoto() {
  DetailsFixture fixture;
  fixture.session.last_photo_import_folder = kSamples;
  ImportPhotoDialog dialog(fixture.session, fixture.prompter, PhotoMode::kImport);
  dialog.show();

  ClickFile(dialog, "torture-ImgFile.PNG");
  QVERIFY(PreviewShown(dialog));
  QTest::mouseClick(Child<QCheckBox>(dialog, "useAsDefault"), Qt::LeftButton);
  QTest::mouseClick(Child<QPushButton>(dialog, "actionButton"), Qt::LeftButton);

  const QString photo = fixture.session.FamilyFilePath("0001001_torture-ImgFile.pic");
  QCOMPARE(fixture.prompter.messages, QStringList{"Picture successfully imported"});
  QVERIFY(fixture.session.view.photo_visible);
  QCOMPARE(fixture.session.view.photo_path, photo);
  QCOMPARE(fixture.Read("Anne Lee_0001.dat").record.details.photo_path, photo);
  QVERIFY(dialog.isVisible());  // open until Exit
  QTest::mouseClick(Child<QPushButton>(dialog, "exitButton"), Qt::LeftButton);
  QVERIFY(!dialog.isVisible());
}

void PhotoWindowTest::FileThatIsNotAPicture() {
  DetailsFixture fixture;
  fixture.session.last_photo_import_folder = kSamples;
  ImportPhotoDialog dialog(fixture.session, fixture.prompter, PhotoMode::kImport);
  dialog.show();
  ClickFile(dialog, "torture-ImgFile.GIF");
  QVERIFY(PreviewShown(dialog));

  ClickFile(dialog, "TORTURE-README.txt");
  QVERIFY(!PreviewShown(dialog));
  QTest::mouseClick(Child<QPushButton>(dialog, "actionButton"), Qt::LeftButton);

  QCOMPARE(fixture.prompter.messages, QStringList{"Error handling import request."});
  QCOMPARE(fixture.session.last_photo_import_folder, kSamples);
  QCOMPARE(fixture.Files(),
           (QStringList{"Anne Lee_0001.dat", "Bob Lee_0002.dat", "Carl Lee_0003.dat"}));
}

void PhotoWindowTest::VolumePickerGoesToFamilyFolder() {
  DetailsFixture fixture;
  fixture.session.last_photo_import_folder = kSamples;
  ImportPhotoDialog dialog(fixture.session, fixture.prompter, PhotoMode::kImport);
  dialog.show();
  auto* drives = Child<QComboBox>(dialog, "drivePicker");
  QVERIFY(drives->count() > 0);

  emit drives->activated(drives->count() - 1);

  QCOMPARE(Child<QLabel>(dialog, "folderPath")->text(), fixture.session.FamilyPath());
  QCOMPARE(Entries(*Child<QListWidget>(dialog, "fileList")),
           (QStringList{"Anne Lee_0001.dat", "Bob Lee_0002.dat", "Carl Lee_0003.dat"}));
}

QTEST_MAIN(PhotoWindowTest)
#include "test_photos_ui_import.moc"

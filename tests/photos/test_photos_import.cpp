// Importing and changing photos: the photo copied under its new name, the record rewritten with
// only its photo line and date changed, the main view and the last import folder, every
// message of the refusals; and the folders and files the photo window offers.
#include <QtTest>

#include "photos/photo_import.h"
#include "photos/picture_signature.h"
#include "store/record_writer.h"
#include "support/details_fixture.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

QByteArray SamplePicture() {
  QFile file(KINVALE_SAMPLES_DIR "/torture-ImgFile.PNG");
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class PhotoImportTest : public QObject {
  Q_OBJECT

 private slots:
  void PhotoAction_data();
  void PhotoAction();
  void StartFolders_data();
  void StartFolders();
  void FileChoices();
};

void PhotoImportTest::PhotoAction_data() {
  QTest::addColumn<bool>("change");
  QTest::addColumn<QString>("file_name");  // in the source folder; "family/" + name: in the family
  QTest::addColumn<bool>("picture");
  QTest::addColumn<bool>("use_as_default");
  QTest::addColumn<QString>("setup");  // "photo 999", "nobody shown", "short record"
  QTest::addColumn<QStringList>("messages");
  QTest::addColumn<QString>("new_photo");   // the file copied into the family folder
  QTest::addColumn<QString>("photo_line");  // %1 the family folder

  const QStringList imported = {"Picture successfully imported|File Transfer Complete"};
  const QStringList error = {"Error handling import request.|Kinvale"};
  QTest::newRow("default photo") << false << "grandpa.jpg" << true << true << "" << imported
                                 << "0001001_grandpa.pic"
                                 << "%1/0001001_grandpa.pic";
  QTest::newRow("not the default photo") << false << "grandpa.jpg" << true << false << ""
                                         << imported << "0001001_grandpa.pic" << kAnnesPhoto;
  QTest::newRow("upper-case .PIC") << false << "grandpa.PIC" << true << false << "" << imported
                                   << "0001001_grandpa.pic" << kAnnesPhoto;
  QTest::newRow("first dot followed by pho") << false << "my.photo.pic" << true << false << ""
                                             << imported << "0001001_my.pic" << kAnnesPhoto;
  QTest::newRow("previously imported")
      << false << "grandpa.pic" << true << true << ""
      << QStringList{"Photo previously imported. Use Change Photo.|Status"} << ""
      << "";
  QTest::newRow("too many photos") << false << "grandpa.jpg" << true << true << "photo 999"
                                   << QStringList{"Too many photos!|Error"} << ""
                                   << "";
  QTest::newRow("not a picture") << false << "notes.txt" << false << true << "" << error << ""
                                 << "";
  QTest::newRow("record that cannot be read whole")
      << false << "grandpa.jpg" << true << true << "short record" << error << ""
      << "";
  QTest::newRow("nobody shown")
      << false << "grandpa.jpg" << true << true << "nobody shown"
      << QStringList{"Photos belong to the person of interest: choose a person of the family "
                     "first.|Kinvale"}
      << "" << "";
  QTest::newRow("change to a stored photo")
      << true << "family/0002001_bob.pic" << true << false << "" << QStringList() << ""
      << "%1/0002001_bob.pic";
  QTest::newRow("change to a file that is not a picture")
      << true << "family/0002001_bob.pic" << false << false << "" << error << ""
      << "";
}

void PhotoImportTest::PhotoAction() {
  QFETCH(bool, change);
  QFETCH(QString, file_name);
  QFETCH(bool, picture);
  QFETCH(bool, use_as_default);
  QFETCH(QString, setup);
  QFETCH(QStringList, messages);
  QFETCH(QString, new_photo);
  QFETCH(QString, photo_line);
  DetailsFixture fixture;
  Session& session = fixture.session;
  QTemporaryDir sources;
  const QString family = session.FamilyPath();
  const bool in_family = file_name.startsWith("family/");
  const QString folder = in_family ? family : sources.path();
  file_name.remove("family/");
  const QByteArray content = picture ? SamplePicture() : QByteArray("just text\r\n");
  QFile source(QDir(folder).filePath(file_name));
  QVERIFY(source.open(QIODevice::WriteOnly) && source.write(content) == content.size());
  source.close();
  if (setup.startsWith("photo ")) {
    fixture.folder.WriteFile(kLeeFamily, "0001" + setup.mid(6) + "_old.pic", content);
  }
  if (setup == "nobody shown") session.view.person_of_interest = "Person of Interest";
  if (setup == "short record") {
    fixture.folder.WriteFile(kLeeFamily, kAnneFile, fixture.Bytes(kAnneFile).left(200));
  }
  const QStringList files = fixture.Files();
  const QByteArray record = fixture.Bytes(kAnneFile);
  const MainView view = session.view;

  const bool done =
      change ? ChangePhoto(session, fixture.prompter, folder, file_name, HasPictureSignature)
             : ImportPhoto(session, fixture.prompter, folder, file_name, use_as_default,
                           HasPictureSignature)
                   .has_value();

  QStringList shown;
  for (qsizetype i = 0; i < fixture.prompter.messages.size(); ++i) {
    shown.append(fixture.prompter.messages[i] + u'|' + fixture.prompter.message_titles[i]);
  }
  QCOMPARE(shown, messages);
  QCOMPARE(done, !photo_line.isEmpty());
  QStringList expected_files = files;
  if (!new_photo.isEmpty()) {
    expected_files.append(new_photo);
    expected_files.sort();
    QCOMPARE(fixture.Bytes(new_photo), content);
  }
  QCOMPARE(fixture.Files(), expected_files);
  const bool imported = done && !change;
  QCOMPARE(session.last_photo_import_folder, imported ? folder : QString());
  if (!done) {
    QCOMPARE(fixture.Bytes(kAnneFile), record);
    QCOMPARE(session.view.photo_path, view.photo_path);
    return;
  }
  // Only the photo line and the date change; the main view shows the new photo.
  const QString line = QString(photo_line).replace("%1", family);
  const RecordRead saved = fixture.Read(kAnneFile);
  PersonDetails expected = EveryFieldFilled();
  expected.photo_path = line;
  QCOMPARE(saved.record.details, expected);
  QCOMPARE(saved.record.date_changed, TodayForRecord());
  QCOMPARE(session.current_photo_path, line);
  const bool shows_new_photo = change || use_as_default;
  QCOMPARE(session.view.photo_visible, shows_new_photo || view.photo_visible);
  QCOMPARE(session.view.photo_path, shows_new_photo ? line : view.photo_path);
}

void PhotoImportTest::StartFolders_data() {
  QTest::addColumn<bool>("change");
  QTest::addColumn<bool>("pictures_folder_exists");
  QTest::addColumn<QString>("last_import");
  QTest::addColumn<QString>("start");  // %1 the family folder, %2 the home folder
  QTest::newRow("first import") << false << true << ""
                                << "%2/Pictures";
  QTest::newRow("first import, no pictures folder") << false << false << ""
                                                    << "%2";
  QTest::newRow("after an import") << false << true << "/some/folder"
                                   << "/some/folder";
}

void PhotoImportTest::StartFolders() {
  QFETCH(bool, change);
  QFETCH(bool, pictures_folder_exists);
  QFETCH(QString, last_import);
  QFETCH(QString, start);
  QTemporaryDir home;
  qputenv("HOME", home.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
  if (pictures_folder_exists) QVERIFY(QDir(home.path()).mkdir("Pictures"));
  DetailsFixture fixture;
  fixture.session.last_photo_import_folder = last_import;
  QCOMPARE(PhotoStartFolder(fixture.session, change ? PhotoMode::kChange : PhotoMode::kImport),
           start.replace("%1", fixture.session.FamilyPath()).replace("%2", home.path()));
}

void PhotoImportTest::FileChoices() {
  TempAppFolder folder;
  for (const char* file : {"c.jpg", "a.pic", "B.PIC", "noext", "0002001_x.pic", "d.pict"}) {
    folder.WriteFile("F", file, "x");
  }
  QDir(folder.FamilyPath("F")).mkdir("sub.pic");
  const QString path = folder.FamilyPath("F");
  QCOMPARE(PhotoFileChoices(path, PhotoMode::kChange),
           (QStringList{"0002001_x.pic", "a.pic", "B.PIC"}));
  QCOMPARE(PhotoFileChoices(path, PhotoMode::kImport),
           (QStringList{"0002001_x.pic", "a.pic", "B.PIC", "c.jpg", "d.pict", "noext"}));
}

QTEST_GUILESS_MAIN(PhotoImportTest)
#include "test_photos_import.moc"

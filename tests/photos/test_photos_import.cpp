// Photos: an imported picture's file name, a person's stored photos and the next photo number
// whatever order the folder lists them in, picture signatures; importing and changing photos (the
// photo copied under its new name, the record rewritten with only its photo line and date
// changed, the main view, every message of the refusals).
#include <QtTest>

#include "photos/photo_import.h"
#include "photos/photo_names.h"
#include "photos/picture_signature.h"
#include "store/record_writer.h"
#include "support/details_fixture.h"
#include "support/temp_family.h"
#include "support/test_main.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

class PhotoImportTest : public QObject {
  Q_OBJECT

 private slots:
  // The file ("family/" + name: a stored photo, to change to), whether it is a picture, use as
  // default, the setup ("photo 999", "nobody shown", "short record", "change": change to a file
  // outside the family), message|title of the one
  // message shown (<folder> the picture's folder), the file copied into the family folder, and
  // the photo line saved (%1 the family folder; "": nothing saved).
  void PhotoAction_data() {
    Columns<QString, bool, bool, QString, QString, QString, QString>();
    const QString imported = "Picture successfully imported|File Transfer Complete";
    const QString error = "Error handling import request.\n%1|Kinvale";
    const QString no_picture = error.arg("<folder>/%1 is not a picture.");
    Row("default photo", "grandpa.jpg", true, true, "", imported, "0001001_grandpa.pic",
        "%1/0001001_grandpa.pic");
    Row("not the default photo", "grandpa.jpg", true, false, "", imported, "0001001_grandpa.pic",
        kAnnesPhoto);
    Row("upper-case .PIC", "grandpa.PIC", true, false, "", imported, "0001001_grandpa.pic",
        kAnnesPhoto);
    Row("first dot followed by pho", "my.photo.pic", true, false, "", imported, "0001001_my.pic",
        kAnnesPhoto);
    Row("previously imported", "grandpa.pic", true, true, "",
        "Photo previously imported. Use Change Photo.|Status", "", "");
    Row("too many photos", "grandpa.jpg", true, true, "photo 999", "Too many photos!|Error", "",
        "");
    Row("not a picture", "notes.txt", false, true, "", no_picture.arg("notes.txt"), "", "");
    Row("record that cannot be read whole", "grandpa.jpg", true, true, "short record",
        error.arg("The record of Anne Lee could not be read to its end, so it was not rewritten."),
        "", "");
    Row("nobody shown", "grandpa.jpg", true, true, "nobody shown",
        "Photos belong to the person of interest: choose a person of the family first.|Kinvale", "",
        "");
    Row("change to a stored photo", "family/0002001_bob.pic", true, false, "", "", "",
        "%1/0002001_bob.pic");
    Row("change to a file that is not a picture", "family/0002001_bob.pic", false, false, "",
        no_picture.arg("0002001_bob.pic"), "", "");
    Row("change to a picture kept elsewhere", "0002001_bob.pic", true, false, "change",
        error.arg("<folder>/0002001_bob.pic is not a photo kept in this family; use Import Photo "
                  "to bring it in."),
        "", "");
  }
  void PhotoAction() {
    auto [file_name, picture, use_as_default, setup, message, new_photo, photo_line] =
        Fetch<QString, bool, bool, QString, QString, QString, QString>();
    DetailsFixture fixture;
    Session& session = fixture.session;
    const QString family = session.FamilyPath();
    const bool in_family = file_name.startsWith("family/");
    const bool change = in_family || setup == "change";
    const QString source_family = in_family ? kLeeFamily : QStringLiteral("Sources");
    const QString folder = fixture.folder.FamilyPath(source_family);
    file_name.remove("family/");
    QFile sample(KINVALE_SAMPLES_DIR "/torture-ImgFile.PNG");
    QVERIFY(sample.open(QIODevice::ReadOnly));
    const QByteArray content = picture ? sample.readAll() : "just text\r\n";
    fixture.folder.WriteFile(source_family, file_name, content);
    if (setup == "photo 999") fixture.folder.WriteFile(kLeeFamily, "0001999_old.pic", content);
    if (setup == "nobody shown") session.view.person_of_interest = "Person of Interest";
    if (setup == "short record") {
      fixture.folder.WriteFile(kLeeFamily, kAnneFile, fixture.Bytes(kAnneFile).left(200));
    }
    QStringList files = fixture.Files();
    const QByteArray record = fixture.Bytes(kAnneFile);
    const MainView view = session.view;

    const bool done =
        change ? ChangePhoto(session, fixture.prompter, folder, file_name, HasPictureSignature)
               : ImportPhoto(session, fixture.prompter, folder, file_name, use_as_default,
                             HasPictureSignature)
                     .has_value();

    QStringList shown = fixture.prompter.messages;
    for (qsizetype i = 0; i < shown.size(); ++i)
      shown[i] += '|' + fixture.prompter.message_titles[i];
    QCOMPARE(shown.join('\n'), QString(message).replace("<folder>", folder));
    QCOMPARE(done, !photo_line.isEmpty());
    if (!new_photo.isEmpty()) {
      files.append(new_photo);
      files.sort();
      QCOMPARE(fixture.Bytes(new_photo), content);
    }
    QCOMPARE(fixture.Files(), files);
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

  void PhotosAndNextNumber_data() {
    Columns<QStringList, QString, int>();
    Row("no photo yet", QStringList{"Anne_0005.dat"}, "", 1);
    Row("after 099", QStringList{"0005099_a.pic"}, "99", 100);
    Row("created out of order", QStringList{"0005003_c.pic", "0005010_j.pic", "0005001_a.pic"},
        "1 3 10", 11);
    Row("name without a number listed last", QStringList{"0005002_b.pic", "0005abc_x.pic"}, "2", 3);
    Row("ending in other letters", QStringList{"0005004_a.PIC"}, "4", 5);
    Row("named without a dot by earlier versions", QStringList{"0005006_scanpic"}, "6", 7);
    Row("photos of other people", QStringList{"0006001_a.pic", "0050002_b.pic", "0005001_a.jpg"},
        "", 1);
  }
  void PhotosAndNextNumber() {
    const auto [files, photos, next] = Fetch<QStringList, QString, int>();
    TempAppFolder folder;
    for (const QString& file : files) folder.WriteFile("F", file, "x");
    QStringList numbers;
    for (const StoredPhoto& photo : PhotosOf(folder.FamilyPath("F"), "0005")) {
      QVERIFY(files.contains(photo.file_name));
      numbers.append(QString::number(photo.number));
    }
    QCOMPARE(numbers.join(u' '), photos);
    QCOMPARE(NextPhotoID(folder.FamilyPath("F"), "0005"), next);
  }

  void PictureSignatures_data() {
    Columns<QString, bool>();  // file, picture
    for (const char* ending : {"BMP", "JPG", "TIF"})
      Row(ending, "torture-ImgFile." + QString(ending), true);
    Row("text file", "TORTURE-README.txt", false);
    Row("missing file", "no-such-picture.png", false);
  }
  void PictureSignatures() {
    const auto [file, picture] = Fetch<QString, bool>();
    QCOMPARE(HasPictureSignature(KINVALE_SAMPLES_DIR "/" + file), picture);
  }
};

KINVALE_TEST(PhotoImportTest)
#include "test_photos_import.moc"

// Photo names: the file name of an imported picture, a person's photos and next photo number
// whatever order the folder lists the photos in, and picture signatures.
#include <QtTest>

#include "photos/photo_names.h"
#include "photos/picture_signature.h"
#include "support/temp_family.h"
#include "support/test_table.h"

using namespace kinvale;
using namespace kinvale::testing;

class PhotoNamesTest : public QObject {
  Q_OBJECT

 private slots:
  void PhotoFileNames_data() {  // photo number, source, photo
    Columns<int, QString, QString>();
    Row("first photo", 1, "grandpa.jpg", "0005001_grandpa.pic");
    Row("cut at the first dot", 1, "my.old.photo.jpg", "0005001_my.pic");
    Row("no dot: given one", 1, "scan", "0005001_scan.pic");
    Row("two digits", 10, "a.png", "0005010_a.pic");
    Row("blanks kept, the highest number", 999, "Aunt May 1950.gif", "0005999_Aunt May 1950.pic");
  }
  void PhotoFileNames() {
    const auto [photo_number, source, photo] = Fetch<int, QString, QString>();
    QCOMPARE(PhotoFileName("0005", photo_number, source), photo);
  }

  // The files, created in this order; the person's photos by number; the next number.
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

QTEST_GUILESS_MAIN(PhotoNamesTest)
#include "test_photos_names.moc"

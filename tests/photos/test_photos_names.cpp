// Photo names: the file name of an imported picture, the next photo number of a person whatever
// order the folder lists the photos in, and picture signatures.
#include <QtTest>

#include "photos/photo_names.h"
#include "photos/picture_signature.h"
#include "support/temp_family.h"
#include "support/test_main.h"
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

  void NextPhotoNumber_data() {
    Columns<QStringList, int>();  // the files, created in this order; the next number
    Row("no photo yet", QStringList{"Anne_0005.dat"}, 1);
    Row("after 099", QStringList{"0005099_a.pic"}, 100);
    Row("created out of order", QStringList{"0005003_c.pic", "0005010_j.pic", "0005001_a.pic"}, 11);
    Row("name without a number listed last", QStringList{"0005002_b.pic", "0005abc_x.pic"}, 3);
    Row("ending in other letters", QStringList{"0005004_a.PIC"}, 5);
    Row("named without a dot by earlier versions", QStringList{"0005006_scanpic"}, 7);
    Row("photos of other people", QStringList{"0006001_a.pic", "0050002_b.pic", "0005001_a.jpg"},
        1);
  }
  void NextPhotoNumber() {
    const auto [files, next] = Fetch<QStringList, int>();
    TempAppFolder folder;
    for (const QString& file : files) folder.WriteFile("F", file, "x");
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

KINVALE_TEST(PhotoNamesTest)
#include "test_photos_names.moc"

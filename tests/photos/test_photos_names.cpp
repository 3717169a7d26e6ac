// Photo names: the file name of an imported picture, the next photo number of a person whatever
// order the folder lists the photos in, and picture signatures.
#include <QtTest>

#include "photos/photo_names.h"
#include "photos/picture_signature.h"
#include "support/temp_family.h"

using namespace kinvale;
using namespace kinvale::testing;

class PhotoNamesTest : public QObject {
  Q_OBJECT

 private slots:
  void PhotoFileNames_data() {
    QTest::addColumn<int>("photo_number");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("photo");
    auto row = [](const char* title, int number, QString source, QString photo) {
      QTest::newRow(title) << number << source << photo;
    };
    row("first photo", 1, "grandpa.jpg", "0005001_grandpa.pic");
    row("cut at the first dot", 1, "my.old.photo.jpg", "0005001_my.pic");
    row("no dot", 1, "scan", "0005001_scanpic");
    row("two digits", 10, "a.png", "0005010_a.pic");
    row("blanks kept, the highest number", 999, "Aunt May 1950.gif", "0005999_Aunt May 1950.pic");
  }
  void PhotoFileNames() {
    QFETCH(int, photo_number);
    QFETCH(QString, source);
    QTEST(PhotoFileName("0005", photo_number, source), "photo");
  }

  void NextPhotoNumber_data() {
    QTest::addColumn<QStringList>("files");  // created in this order
    QTest::addColumn<int>("next");
    QTest::newRow("no photo yet") << QStringList{"Anne_0005.dat"} << 1;
    QTest::newRow("after 099") << QStringList{"0005099_a.pic"} << 100;
    QTest::newRow("created out of order")
        << QStringList{"0005003_c.pic", "0005010_j.pic", "0005001_a.pic"} << 11;
    QTest::newRow("name without a number listed last")
        << QStringList{"0005002_b.pic", "0005abc_x.pic"} << 3;
    QTest::newRow("ending in other letters") << QStringList{"0005004_a.PIC"} << 5;
    QTest::newRow("photos of other people")
        << QStringList{"0006001_a.pic", "0050002_b.pic", "0005001_a.jpg"} << 1;
  }
  void NextPhotoNumber() {
    QFETCH(QStringList, files);
    TempAppFolder folder;
    for (const QString& file : files) folder.WriteFile("F", file, "x");
    QTEST(NextPhotoID(folder.FamilyPath("F"), "0005"), "next");
  }

  void PictureSignatures_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("picture");
    for (const char* ending : {"BMP", "JPG", "TIF"}) {
      QTest::newRow(ending) << "torture-ImgFile." + QString(ending) << true;
    }
    QTest::newRow("text file") << "TORTURE-README.txt" << false;
    QTest::newRow("missing file") << "no-such-picture.png" << false;
  }
  void PictureSignatures() {
    QFETCH(QString, file);
    QTEST(HasPictureSignature(KINVALE_SAMPLES_DIR "/" + file), "picture");
  }
};

QTEST_GUILESS_MAIN(PhotoNamesTest)
#include "test_photos_names.moc"

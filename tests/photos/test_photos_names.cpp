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
  void PhotoFileNames_data();
  void PhotoFileNames();
  void NextPhotoNumber_data();
  void NextPhotoNumber();
  void PictureSignatures_data();
  void PictureSignatures();
};

void PhotoNamesTest::PhotoFileNames_data() {
  QTest::addColumn<int>("photo_number");
  QTest::addColumn<QString>("source");
  QTest::addColumn<QString>("photo");
  QTest::newRow("first photo") << 1 << "grandpa.jpg"
                               << "0005001_grandpa.pic";
  QTest::newRow("cut at the first dot") << 1 << "my.old.photo.jpg"
                                        << "0005001_my.pic";
  QTest::newRow("no dot") << 1 << "scan"
                          << "0005001_scanpic";
  QTest::newRow("upper-case ending") << 1 << "grandpa.PIC"
                                     << "0005001_grandpa.pic";
  QTest::newRow("two digits") << 10 << "a.png"
                              << "0005010_a.pic";
  QTest::newRow("three digits") << 100 << "a.png"
                                << "0005100_a.pic";
  QTest::newRow("blanks kept") << 999 << "Aunt May 1950.gif"
                               << "0005999_Aunt May 1950.pic";
}

void PhotoNamesTest::PhotoFileNames() {
  QFETCH(int, photo_number);
  QFETCH(QString, source);
  QFETCH(QString, photo);
  QCOMPARE(PhotoFileName("0005", photo_number, source), photo);
}

void PhotoNamesTest::NextPhotoNumber_data() {
  QTest::addColumn<QStringList>("files");  // created in this order
  QTest::addColumn<int>("next");
  QTest::newRow("no photo yet") << QStringList{"Anne_0005.dat"} << 1;
  QStringList nine;
  for (int i = 1; i <= 9; ++i)
    nine.append(QStringLiteral("0005%1_x.pic").arg(i, 3, 10, QChar('0')));
  QTest::newRow("after 009") << nine << 10;
  QTest::newRow("after 099") << QStringList{"0005099_a.pic"} << 100;
  QTest::newRow("created out of order")
      << QStringList{"0005003_c.pic", "0005010_j.pic", "0005001_a.pic"} << 11;
  QTest::newRow("name without a number listed last")
      << QStringList{"0005002_b.pic", "0005abc_x.pic"} << 3;
  QTest::newRow("ending in other letters") << QStringList{"0005004_a.PIC"} << 5;
  QTest::newRow("photos of other people")
      << QStringList{"0006001_a.pic", "0050002_b.pic", "0005001_a.jpg"} << 1;
}

void PhotoNamesTest::NextPhotoNumber() {
  QFETCH(QStringList, files);
  QFETCH(int, next);
  TempAppFolder folder;
  for (const QString& file : files) folder.WriteFile("F", file, "x");
  QCOMPARE(NextPhotoID(folder.FamilyPath("F"), "0005"), next);
}

void PhotoNamesTest::PictureSignatures_data() {
  QTest::addColumn<QString>("path");
  QTest::addColumn<bool>("picture");
  for (const char* ending : {"BMP", "JPG", "TIF"}) {
    QTest::newRow(ending) << KINVALE_SAMPLES_DIR "/torture-ImgFile." + QString(ending) << true;
  }
  QTest::newRow("text file") << KINVALE_SAMPLES_DIR "/TORTURE-README.txt" << false;
  QTest::newRow("missing file") << KINVALE_SAMPLES_DIR "/no-such-picture.png" << false;
}

void PhotoNamesTest::PictureSignatures() {
  QFETCH(QString, path);
  QFETCH(bool, picture);
  QCOMPARE(HasPictureSignature(path), picture);
}

QTEST_GUILESS_MAIN(PhotoNamesTest)
#include "test_photos_names.moc"

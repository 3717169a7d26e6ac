// kinvale-cli set, rename and photo: what they save, what they print, and the exit codes of
// refused or mistaken commands.
#include <QProcess>
#include <QtTest>

#include "store/record_fields.h"
#include "support/details_fixture.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const QString kPicture = QStringLiteral(KINVALE_SAMPLES_DIR "/torture-ImgFile.PNG");

}  // namespace

class DetailsCliTest : public QObject {
  Q_OBJECT

 private slots:
  void Commands_data();
  void Commands();
};

void DetailsCliTest::Commands_data() {
  QTest::addColumn<QStringList>("args");
  QTest::addColumn<int>("exit_code");
  QTest::addColumn<QString>("out");   // %F: the family folder
  QTest::addColumn<QString>("err");   // the first line
  QTest::addColumn<QString>("file");  // the record checked afterwards
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("value");  // a list's entries joined by "|"

  QTest::newRow("set a line") << QStringList{"set", "Lee", "Anne Lee", "Birth Date", "1 JAN 1931"}
                              << 0 << ""
                              << ""
                              << "Anne Lee_0001.dat"
                              << "Birth Date"
                              << "1 JAN 1931";
  QTest::newRow("set a list") << QStringList{"set", "Lee", "Bob Lee", "occupation",
                                             "Pilot\n\nSailor"}
                              << 0 << ""
                              << ""
                              << "Bob Lee_0002.dat"
                              << "Occupation"
                              << "Pilot|Sailor";
  QTest::newRow("set a text block")
      << QStringList{"set", "Lee", "Anne Lee", "Notes:", "a\nb"} << 0 << ""
      << ""
      << "Anne Lee_0001.dat"
      << "Notes:"
      << "a\r\nb\r\n";
  QTest::newRow("set a value the record cannot hold")
      << QStringList{"set", "Lee", "Anne Lee", "Employers", "***Boss"} << 1 << ""
      << "A line of \"Employers\" begins with \"***\", which the record file keeps for its "
         "section headers; please change it."
      << "Anne Lee_0001.dat"
      << "Employers"
      << "City of Boston|Salem Press";
  QTest::newRow("set an unknown caption")
      << QStringList{"set", "Lee", "Anne Lee", "Shoe Size", "9"} << 2 << ""
      << "CAPTION must be one of Prefix, Suffix, Gender, Birth Date, Birth Place, Death Date, "
         "Death Place, Burial Location, Occupation, Elementary School, Intermediate School, "
         "High School, Universities, Employers, Date Married, Residential Addresses, Business "
         "Addresses, Homepage Address (URL), E-Mail Addresses, Religion, Religious Name, Notes:, "
         "Sources, Immigration Date, Immigration Place, Social Security Number."
      << ""
      << ""
      << "";
  QTest::newRow("set for nobody") << QStringList{"set", "Lee", "anne lee", "Birth Date", "x"} << 1
                                  << ""
                                  << "There is nobody named \"anne lee\" in the family \"Lee\"."
                                  << ""
                                  << ""
                                  << "";
  QTest::newRow("rename") << QStringList{"rename", "Lee", "Bob Lee", "Robert Lee"} << 0 << ""
                          << ""
                          << "Robert Lee_0002.dat"
                          << "Gender"
                          << "Male";
  QTest::newRow("rename to a name taken")
      << QStringList{"rename", "Lee", "Bob Lee", "Carl Lee"} << 1 << ""
      << "\"Carl Lee\" cannot be the new name: the family already has \"Carl Lee\". Choose a "
         "name nobody has."
      << "Bob Lee_0002.dat"
      << "Gender"
      << "Male";
  QTest::newRow("import the default photo")
      << QStringList{"photo", "Lee", "Anne Lee", kPicture, "--default"} << 0
      << "%F/0001001_torture-ImgFile.pic"
      << "Picture successfully imported"
      << "Anne Lee_0001.dat"
      << "photo"
      << "%F/0001001_torture-ImgFile.pic";
  QTest::newRow("import a file that is not a picture")
      << QStringList{"photo", "Lee", "Anne Lee", KINVALE_SAMPLES_DIR "/TORTURE-README.txt"} << 1
      << ""
      << "Error handling import request."
      << "Anne Lee_0001.dat"
      << "photo" << kAnnesPhoto;
  QTest::newRow("change to a stored photo")
      << QStringList{"photo", "Lee", "Bob Lee", "--change", "0002001_bob.pic"} << 0 << ""
      << ""
      << "Bob Lee_0002.dat"
      << "photo"
      << "%F/0002001_bob.pic";
  QTest::newRow("change and default together")
      << QStringList{"photo", "Lee", "Bob Lee", "--change", "0002001_bob.pic", "--default"} << 2
      << ""
      << "Usage: kinvale-cli photo FAMILY NAME FILE [--default] | FAMILY NAME --change PHOTO"
      << ""
      << ""
      << "";
}

void DetailsCliTest::Commands() {
  QFETCH(QStringList, args);
  QFETCH(int, exit_code);
  QFETCH(QString, out);
  QFETCH(QString, err);
  QFETCH(QString, file);
  QFETCH(QString, caption);
  QFETCH(QString, value);
  DetailsFixture fixture;
  const QString family = fixture.session.FamilyPath();
  QVERIFY(QFile::copy(kPicture, fixture.RecordPath("0002001_bob.pic")));
  QProcess cli;
  cli.start(KINVALE_CLI, QStringList{"--data-dir", fixture.folder.path()} + args);
  QVERIFY(cli.waitForFinished(30000));

  QCOMPARE(cli.exitCode(), exit_code);
  QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()).trimmed(),
           QString(out).replace("%F", family));
  QCOMPARE(QString::fromUtf8(cli.readAllStandardError()).split(u'\n').value(0), err);
  if (file.isEmpty()) return;
  const PersonDetails details = fixture.Read(file).record.details;
  const FieldInfo* field = FindDetailField(caption);
  const QString saved = caption == "photo"                ? details.photo_path
                        : field->kind == FieldKind::kList ? (details.*field->list).join(u'|')
                                                          : details.*field->text;
  QCOMPARE(saved, value.replace("%F", family));
}

QTEST_GUILESS_MAIN(DetailsCliTest)
#include "test_details_cli.moc"

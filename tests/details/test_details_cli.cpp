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

  QTest::newRow("set a line") << QStringList{"set", "Lee", "Anne Lee", "birth date", "1931"} << 0
                              << ""
                              << "" << kAnneFile << "Birth Date"
                              << "1931";
  QTest::newRow("set a list") << QStringList{"set", "Lee", "Bob Lee", "Occupation", "Pilot\n\nCook"}
                              << 0 << ""
                              << ""
                              << "Bob Lee_0002.dat"
                              << "Occupation"
                              << "Pilot|Cook";
  QTest::newRow("set a value the record cannot hold")
      << QStringList{"set", "Lee", "Anne Lee", "Employers", "***Boss"} << 1 << ""
      << "A line of \"Employers\" begins with \"***\", which the record file keeps for its "
         "section headers; please change it."
      << kAnneFile << "Employers"
      << "City of Boston|Salem Press";
  QTest::newRow("rename") << QStringList{"rename", "Lee", "Bob Lee", "Robert Lee"} << 0 << ""
                          << ""
                          << "Robert Lee_0002.dat"
                          << "Gender"
                          << "Male";
  QTest::newRow("import the default photo")
      << QStringList{"photo", "Lee", "Anne Lee", kPicture, "--default"} << 0
      << "%F/0001001_torture-ImgFile.pic"
      << "Picture successfully imported" << kAnneFile << "photo"
      << "%F/0001001_torture-ImgFile.pic";
  QTest::newRow("change to a stored photo")
      << QStringList{"photo", "Lee", "Bob Lee", "--change", "0002001_bob.pic"} << 0 << ""
      << ""
      << "Bob Lee_0002.dat"
      << "photo"
      << "%F/0002001_bob.pic";
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

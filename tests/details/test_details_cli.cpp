// kinvale-cli set, rename and photo: what they save, what they print, and the exit codes of
// refused or mistaken commands.
#include <QtTest>

#include "store/record_fields.h"
#include "support/cli_runner.h"
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
  auto row = [](const char* title, QStringList args, int exit_code, QString out, QString err,
                QString file, QString caption, QString value) {
    QTest::newRow(title) << args << exit_code << out << err << file << caption << value;
  };
  row("set a line", {"set", "Lee", "Anne Lee", "birth date", "1931"}, 0, "", "", kAnneFile,
      "Birth Date", "1931");
  row("set a list", {"set", "Lee", "Bob Lee", "Occupation", "Pilot\n\nCook"}, 0, "", "",
      "Bob Lee_0002.dat", "Occupation", "Pilot|Cook");
  row("set a value the record cannot hold", {"set", "Lee", "Anne Lee", "Employers", "***Boss"}, 1,
      "",
      "A line of \"Employers\" begins with \"***\", which the record file keeps for its section "
      "headers; please change it.",
      kAnneFile, "Employers", "City of Boston|Salem Press");
  row("rename", {"rename", "Lee", "Bob Lee", "Robert Lee"}, 0, "", "", "Robert Lee_0002.dat",
      "Gender", "Male");
  row("import the default photo", {"photo", "Lee", "Anne Lee", kPicture, "--default"}, 0,
      "%F/0001001_torture-ImgFile.pic", "Picture successfully imported", kAnneFile, "photo",
      "%F/0001001_torture-ImgFile.pic");
  row("change to a stored photo", {"photo", "Lee", "Bob Lee", "--change", "0002001_bob.pic"}, 0, "",
      "", "Bob Lee_0002.dat", "photo", "%F/0002001_bob.pic");
}

void DetailsCliTest::Commands() {
  QFETCH(QStringList, args);
  QFETCH(QString, out);
  QFETCH(QString, file);
  QFETCH(QString, caption);
  QFETCH(QString, value);
  DetailsFixture fixture;
  const QString family = fixture.session.FamilyPath();
  QVERIFY(QFile::copy(kPicture, fixture.RecordPath("0002001_bob.pic")));
  const CliResult cli = RunCli(fixture.folder.path(), args);

  QTEST(cli.exit_code, "exit_code");
  QCOMPARE(cli.out.join('\n'), out.replace("%F", family));
  QTEST(cli.err.section(u'\n', 0, 0), "err");
  const PersonDetails details = fixture.Read(file).record.details;
  const FieldInfo* field = FindDetailField(caption);
  const QString saved = caption == "photo"                ? details.photo_path
                        : field->kind == FieldKind::kList ? (details.*field->list).join(u'|')
                                                          : details.*field->text;
  QCOMPARE(saved, value.replace("%F", family));
}

QTEST_GUILESS_MAIN(DetailsCliTest)
#include "test_details_cli.moc"

// kinvale-cli set, rename and photo: what they save, what they print, and the exit codes of
// refused or mistaken commands.
#include <QtTest>

#include "store/record_fields.h"
#include "support/cli_runner.h"
#include "support/details_fixture.h"
#include "support/test_main.h"
#include "support/test_table.h"

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
  // Arguments, exit code, stdout (%F: the family folder), the first line of stderr, and the
  // record checked afterwards with the caption and value of its field (a list's entries joined by
  // "|").
  Columns<QStringList, int, QString, QString, QString, QString, QString>();
  const auto row = [](const char* title, const QStringList& args, auto... cells) {
    Row(title, args, cells...);
  };
  row("set a line", {"set", "Lee", "Anne Lee", "birth date", "1931"}, 0, "", "", kAnneFile,
      "Birth Date", "1931");
  row("set a list", {"set", "Lee", "Bob Lee", "Occupation", "Pilot\n\nCook"}, 0, "", "",
      "Bob Lee_0002.dat", "Occupation", "Pilot|Cook");
  row("set a value the record cannot hold", {"set", "Lee", "Anne Lee", "Employers", "***Boss"}, 1,
      "",
      "A line of \"Employers\" begins with \"***\", which the record file keeps for its section "
      "headers; please change it.",
      kAnneFile, "Employers", "Employers|Employers 2");
  row("rename", {"rename", "Lee", "Bob Lee", "Robert Lee"}, 0, "", "", "Robert Lee_0002.dat",
      "Gender", "Male");
  row("import the default photo", {"photo", "Lee", "Anne Lee", kPicture, "--default"}, 0,
      "%F/0001001_torture-ImgFile.pic", "Picture successfully imported", kAnneFile, "photo",
      "%F/0001001_torture-ImgFile.pic");
  row("change to a stored photo", {"photo", "Lee", "Bob Lee", "--change", "0002001_bob.pic"}, 0, "",
      "", "Bob Lee_0002.dat", "photo", "%F/0002001_bob.pic");
}

void DetailsCliTest::Commands() {
  auto [args, exit_code, out, err, file, caption, value] =
      Fetch<QStringList, int, QString, QString, QString, QString, QString>();
  DetailsFixture fixture;
  const QString family = fixture.session.FamilyPath();
  QVERIFY(QFile::copy(kPicture, fixture.RecordPath("0002001_bob.pic")));
  const CliResult cli = RunCli(fixture.folder.path(), args);

  QCOMPARE(cli.exit_code, exit_code);
  QCOMPARE(cli.out.join('\n'), out.replace("%F", family));
  QCOMPARE(cli.err.section(u'\n', 0, 0), err);
  const PersonDetails details = fixture.Read(file).record.details;
  const FieldInfo* field = FindDetailField(caption);
  const QString saved = caption == "photo"                ? details.photo_path
                        : field->kind == FieldKind::kList ? (details.*field->list).join(u'|')
                                                          : details.*field->text;
  QCOMPARE(saved, value.replace("%F", family));
}

KINVALE_TEST(DetailsCliTest)
#include "test_details_cli.moc"

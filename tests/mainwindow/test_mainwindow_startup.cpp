// Start-up with and without settings, and what the family chooser's answer opens.
#include <QDir>
#include <QFile>
#include <QtTest>

#include "mainwindow/family_choice.h"
#include "mainwindow/startup.h"
#include "store/settings.h"
#include "store/text_codec.h"
#include "support/scripted_prompter.h"
#include "support/temp_family.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

const std::vector<PersonSpec> kSmiths = {
    {QStringLiteral("John Smith"), QStringLiteral("00010002F0003M0004S0000")},
    {QStringLiteral("Mary Smith"), QStringLiteral("00020001F0000M0000S0000"),
     QStringLiteral("Female")},
    {QStringLiteral("Adam Smith"), QStringLiteral("00030004F0000M0000S0000")},
    {QStringLiteral("Eve Smith"), QStringLiteral("00040003F0000M0000S0000"),
     QStringLiteral("Female")},
};

void WriteSettings(const QString& app_folder, const QByteArray& bytes) {
  QFile file(QDir(app_folder).filePath(kSettingsFileName));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QStringList SettingsLines(const QString& app_folder) {
  return ReadTextLines(QDir(app_folder).filePath(kSettingsFileName)).value_or(QStringList());
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void StartSessionFollowsSettings_data() {
    QTest::addColumn<bool>("fresh_folder");
    QTest::addColumn<QByteArray>("settings");  // empty: no settings.db
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("person");
    QTest::addColumn<QString>("spouse");
    QTest::addColumn<QStringList>("fathers");

    const QStringList adam = {QStringLiteral("Adam Smith")};
    QTest::newRow("no settings file")
        << false << QByteArray() << "" << kNoPersonCaption << kNoSpouseCaption << QStringList();
    QTest::newRow("family and person") << false << QByteArray("Smith\r\nJohn Smith\r\n") << "Smith"
                                       << "John Smith"
                                       << "Mary Smith" << adam;
    QTest::newRow("person no longer in the family")
        << false << QByteArray("Smith\r\nGone Away\r\n") << "Smith"
        << "Gone Away" << kNoSpouseCaption << QStringList();
    QTest::newRow("empty person line") << false << QByteArray("Smith\r\n\r\n") << "Smith"
                                       << kNoPersonCaption << kNoSpouseCaption << QStringList();
    QTest::newRow("one line only") << false << QByteArray("Smith\r\n") << "" << kNoPersonCaption
                                   << kNoSpouseCaption << QStringList();
    QTest::newRow("path in the family line")
        << false << QByteArray("../x\r\nJohn Smith\r\n") << "" << kNoPersonCaption
        << kNoSpouseCaption << QStringList();
    QTest::newRow("fresh folder opens the demo family")
        << true << QByteArray() << "Demo"
        << "Thomas Whitfield"
        << "Eleanor Hart Whitfield" << QStringList{QStringLiteral("William Whitfield")};
  }
  void StartSessionFollowsSettings() {
    QFETCH(bool, fresh_folder);
    QFETCH(QByteArray, settings);
    TempAppFolder folder;
    folder.WriteFamily(QStringLiteral("Smith"), kSmiths);
    if (!settings.isEmpty()) WriteSettings(folder.path(), settings);
    const QString app_folder =
        fresh_folder ? QDir(folder.path()).filePath(QStringLiteral("new")) : folder.path();

    Session session;
    ScriptedPrompter prompter;
    QStringList titles;
    QString error;
    QVERIFY(StartSession(
        session, prompter, app_folder, [&titles](const QString& t) { titles.append(t); }, &error));

    QCOMPARE(titles, (QStringList{kTitleLoading, kTitleSettingUp, kTitleReady}));
    QTEST(session.family, "family");
    QTEST(session.view.person_of_interest, "person");
    QTEST(session.view.spouse, "spouse");
    QTEST(session.view.fathers.names, "fathers");
    QCOMPARE(prompter.messages, QStringList());
  }

  // What each chooser answer opens, starting with Adam Smith shown in the family Smith.
  void ChooserAnswerOpensFamily_data() {
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("person");
    QTest::addColumn<bool>("settings_written");
    QTest::newRow("open another family") << int(ChooserOutcome::kOpened) << "Jones"
                                         << "Jones"
                                         << "Ann Jones" << true;
    QTest::newRow("cancel changes nothing") << int(ChooserOutcome::kCancelled) << "Jones"
                                            << "Smith"
                                            << "Adam Smith" << false;
    QTest::newRow("frame close opens the current family again")
        << int(ChooserOutcome::kClosed) << ""
        << "Smith"
        << "John Smith" << true;
  }
  void ChooserAnswerOpensFamily() {
    QFETCH(int, outcome);
    QFETCH(QString, chosen);
    QFETCH(QString, family);
    QFETCH(QString, person);
    QFETCH(bool, settings_written);
    TempAppFolder folder;
    folder.WriteFamily(QStringLiteral("Smith"), kSmiths);
    folder.WriteFamily(QStringLiteral("Jones"),
                       {{QStringLiteral("Ann Jones"), QStringLiteral("00010000F0000M0000S0000")}});
    Session session = folder.OpenSession(QStringLiteral("Smith"));
    session.view.person_of_interest = QStringLiteral("Adam Smith");
    RefreshMainView(session);
    ScriptedPrompter prompter;

    OpenChosenFamily(session, prompter, {ChooserOutcome(outcome), chosen});

    QCOMPARE(session.family, family);
    QCOMPARE(session.view.person_of_interest, person);
    QCOMPARE(session.index.FindRowExact(person) >= 0, true);
    if (settings_written) {
      QCOMPARE(SettingsLines(folder.path()), (QStringList{family, person}));
    } else {
      QVERIFY(!QFileInfo::exists(QDir(folder.path()).filePath(kSettingsFileName)));
    }
  }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "test_mainwindow_startup.moc"

// Two running copies: while one holds the application folder, a second one refuses to change
// anything and says why, but may still read; a copy that ends, however it ends, frees it.
#include <QProcess>
#include <QtTest>

#include "store/app_lock.h"
#include "support/cli_runner.h"
#include "support/test_main.h"

using namespace kinvale;
using namespace kinvale::testing;

class LockTest : public QObject {
  Q_OBJECT

 private slots:
  void SecondCopyStaysReadOnly() {
    QTemporaryDir dir;
    const QString app = QDir(dir.path()).filePath("app");
    QCOMPARE(RunCli(app, {"families"}).exit_code, 0);
    {
      AppFolderLock first(app);
      QVERIFY(first.TryLock());
      const CliResult change =
          RunCli(app, {"add", "Demo", "Thomas Whitfield", "father", "Ezra Whitfield"});
      QCOMPARE(change.exit_code, 1);
      QVERIFY2(change.err.contains("Another Kinvale"), qPrintable(change.err));
      QVERIFY2(change.err.contains(QString::number(QCoreApplication::applicationPid())),
               qPrintable(change.err));
      QCOMPARE(RunCli(app, {"people", "Demo"}).exit_code, 0);
      QVERIFY(!RunCli(app, {"people", "Demo"}).out.join('\n').contains("Ezra"));
    }
    QCOMPARE(RunCli(app, {"add", "Demo", "Thomas Whitfield", "father", "Ezra Whitfield"}).exit_code,
             0);
  }

  void KilledHolderFreesTheFolder() {
    QTemporaryDir dir;
    const QString app = QDir(dir.path()).filePath("app");
    QCOMPARE(RunCli(app, {"families"}).exit_code, 0);
    // A window program holding the lock, killed without a chance to clean up.
    QProcess holder;
    holder.setProgram(QStringLiteral(KINVALE_GUI));
    holder.setArguments({"--data-dir", app});
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    holder.setProcessEnvironment(env);
    holder.start();
    QVERIFY(holder.waitForStarted());
    // Polling with a command would race the window program for the lock; wait for its number.
    auto lock_holder = [&app] {
      QFile file(QDir(app).filePath(kLockFileName));
      return file.open(QIODevice::ReadOnly) ? file.readLine().trimmed().toLongLong() : 0;
    };
    QTRY_COMPARE_WITH_TIMEOUT(lock_holder(), holder.processId(), 20000);
    QCOMPARE(RunCli(app, {"check", "Demo"}).exit_code, 1);
    holder.kill();
    holder.waitForFinished();
    QCOMPARE(RunCli(app, {"check", "Demo"}).exit_code, 0);
  }
};

KINVALE_TEST(LockTest)
#include "test_reliability_lock.moc"

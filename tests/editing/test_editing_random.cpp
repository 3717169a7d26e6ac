// Random sequences of adds and removes on random families: after every operation line 1 of each
// row's record equals its link string, every other byte of each record is as it was, new people
// have minimal records, other files are untouched, nothing else is in the folder, and reloading
// gives the same links.
#include <QtTest>
#include <map>
#include <random>
#include <set>

#include "editing/save_link_strings.h"
#include "session/main_view.h"
#include "store/person_number.h"
#include "store/record.h"
#include "store/record_writer.h"
#include "store/text_codec.h"
#include "support/editing_fixture.h"
#include "support/test_main.h"

using namespace kinvale;
using namespace kinvale::testing;

class EditingRandomTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void RecordsFollowTheIndex_data();
  void RecordsFollowTheIndex();
};

namespace {

constexpr int kStepsPerFamily = 50;

const QStringList kOperations = {"add father",    "add mother",     "add spouse",
                                 "add sibling",   "add dependent",  "remove father",
                                 "remove mother", "remove sibling", "remove dependent"};

class RandomFamily {
 public:
  explicit RandomFamily(unsigned seed) : random_(seed) {}

  int Below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

  // n records numbered from a range with gaps, with random links among them, in the forms met
  // on disk: full (with or without notes), short, LF line ends, no final line end. Now and then
  // a file name carries another number than its line 1. Gives every file's bytes by name.
  std::map<QString, QByteArray> Records(int n) {
    std::vector<int> numbers;
    for (int i = 1; numbers.size() < static_cast<size_t>(n); ++i) {
      if (Below(4) != 0) numbers.push_back(i);
    }
    auto number = [&] { return FormatPersonNumber(numbers[Below(n)]); };
    auto group = [&](int most) {
      QString text;
      for (int e = Below(most + 1); e > 0; --e) text += number();
      return text.isEmpty() && Below(2) ? kNobody : text;
    };
    std::map<QString, QByteArray> records;
    for (int i = 0; i < n; ++i) {
      const QString own = FormatPersonNumber(numbers[i]);
      const QString link = own + (Below(2) ? kNobody : number()) + u'F' + group(2) + u'M' +
                           group(2) + u'S' + group(3);
      PersonDetails details;
      details.gender = Below(2) ? QStringLiteral("Male") : QStringLiteral("Female");
      details.notes = Below(2) ? QStringLiteral("a\r\nb\r\n") : QString();
      const int form = Below(4);
      const QByteArray bytes = form == 0   ? (link + "\r\n2020-01-01\r\nend").toLatin1()
                               : form == 1 ? (link + "\n\n\n#\n").toLatin1()
                                           : FormatFullRecord(link, "2020-01-01", details);
      const QString name = QStringLiteral("Person %1").arg(QChar(u'A' + i));
      records[RecordFileName(name, Below(8) ? own : QStringLiteral("0999"))] = bytes;
    }
    return records;
  }

  // An answer for the name entry: an existing name (sometimes in another case), a new one, or
  // cancel.
  QString Answer(const FamilyIndex& index) {
    const int pick = Below(10);
    if (pick == 0) return {};
    if (pick < 5) return QStringLiteral("New %1").arg(++new_people_);
    const QString name = index.row(Below(index.size())).name;
    return pick == 5 ? name.toLower() : name;
  }

 private:
  std::mt19937 random_;
  int new_people_ = 0;
};

// The bytes after line 1, line end included; a lone line 1 gets CR LF when it is rewritten.
QByteArray RestAfterLine1(const QByteArray& bytes) {
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' || bytes[i] == '\n') return bytes.mid(i);
  }
  return "\r\n";
}

struct DiskModel {
  std::map<QString, QByteArray> original;  // every record file as first seen

  void Check(const EditingFixture& fixture) {
    const Session& session = fixture.session;
    std::set<QString> record_files;
    for (const IndexRow& row : session.index.rows()) {
      const QString file = RecordFileName(row.name, row.link.left(4));
      record_files.insert(file);
      const QByteArray bytes = fixture.folder.ReadFile(kTestFamily, file);
      QCOMPARE(SplitLines(DecodeText(bytes)).value(0), row.link);
      auto known = original.find(file);
      if (known == original.end()) {
        QCOMPARE(bytes, FormatMinimalRecord(row.link));
        original[file] = bytes;
      } else if (bytes != known->second) {
        QCOMPARE(bytes, row.link.toLatin1() + RestAfterLine1(known->second));
      }
    }
    QStringList files;
    for (const auto& [file, bytes] : original) {
      files.append(file);
      if (!record_files.count(file)) QCOMPARE(fixture.folder.ReadFile(kTestFamily, file), bytes);
    }
    QCOMPARE(fixture.FamilyFiles(), files);
  }
};

QSet<QString> NamesWithLinks(const FamilyIndex& index) {
  QSet<QString> links;
  for (const IndexRow& row : index.rows()) links.insert(row.name + u'|' + row.link);
  return links;
}

}  // namespace

void EditingRandomTest::initTestCase() {
  // Thousands of synced writes: a folder in memory keeps them fast where there is one. The
  // test is about what the records hold, not about surviving a power cut.
  if (QFileInfo(QStringLiteral("/dev/shm")).isWritable()) qputenv("TMPDIR", "/dev/shm");
}

void EditingRandomTest::RecordsFollowTheIndex_data() {
  QTest::addColumn<unsigned>("seed");
  for (unsigned seed = 1; seed <= 40; ++seed) {
    QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
  }
}

void EditingRandomTest::RecordsFollowTheIndex() {
  QFETCH(unsigned, seed);
  RandomFamily random(seed);
  EditingFixture fixture;
  DiskModel disk{random.Records(4 + random.Below(14))};
  for (const auto& [file, bytes] : disk.original)
    fixture.folder.WriteFile(kTestFamily, file, bytes);
  Session& session = fixture.session;
  session = fixture.folder.OpenSession(kTestFamily);
  // A file named with another number than its line 1 leaves its row without a record until the
  // first pass; the operations start from a saved family.
  SaveLinkStrings(session, fixture.prompter, "Test step");
  disk.Check(fixture);

  for (int step = 0; step < kStepsPerFamily; ++step) {
    if (step % 10 == 0) {
      session.view.person_of_interest = session.index.row(random.Below(session.index.size())).name;
      RefreshMainView(session);
    }
    const QString operation = kOperations[random.Below(kOperations.size())];
    QString argument;
    if (operation.startsWith(u"add")) {
      argument = random.Answer(session.index);
    } else {
      const QStringList& names = ListOf(session.view, operation)->names;
      if (names.isEmpty()) continue;
      argument = names[random.Below(names.size())];
    }
    fixture.Run(operation, argument);
    for (const QString& message : fixture.prompter.messages) {
      QVERIFY2(message.contains(" cannot be their own ") ||
                   message.contains(" would become their own ancestor."),
               qPrintable(message));
    }
    disk.Check(fixture);
    if (QTest::currentTestFailed()) {
      QFAIL(qPrintable(
          QStringLiteral("after step %1: %2 \"%3\"").arg(step).arg(operation, argument)));
    }
  }
  // Files named with another number than their line 1 load as well, so the reloaded family
  // holds every row of the session and possibly more.
  const QSet<QString> reloaded = NamesWithLinks(fixture.folder.OpenSession(kTestFamily).index);
  QVERIFY(reloaded.contains(NamesWithLinks(session.index)));
}

KINVALE_TEST(EditingRandomTest)
#include "test_editing_random.moc"

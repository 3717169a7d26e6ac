// The Update Personal Information window as the user reaches it from the main window: what it
// shows of the person of interest, an edit kept by Apply and Return and dropped by Cancel as the
// reopened window shows it, and a rename through the real name entry and confirmation.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "store/record_reader.h"
#include "support/demo_window.h"
#include "support/test_main.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

namespace {

// Opens the editor with the main window's person of interest button and runs act in it.
void OpenEditor(DemoWindow& demo, std::function<void(QWidget*)> act) {
  WhenModalShown(std::move(act));
  Click(demo.window, "personButton");
}

// Whom the window says it edits: the name box's caption and the name list's bold lines.
QString Whom(const QWidget& editor) {
  auto* list = Child<QListWidget>(editor, "nameList");
  QStringList bold;
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->font().bold()) bold.append(list->item(i)->text());
  }
  return Child<QLabel>(editor, "nameCaption")->text() + '|' + bold.join(',');
}

// Birth place, notes and gender as the window shows them.
QString Fields(const QWidget& editor) {
  return QStringList{Child<QLineEdit>(editor, "Birth Place")->text(),
                     Child<QPlainTextEdit>(editor, "Notes:")->toPlainText(),
                     Child<QComboBox>(editor, "Gender")->currentText()}
      .join('|');
}

}  // namespace

class DetailsFromMainTest : public QObject {
  Q_OBJECT

 private slots:
  void EditKeptByApplyAndReturnDroppedByCancel() {
    DemoWindow demo;
    QString date;
    OpenEditor(demo, [&date](QWidget* editor) {
      date = Child<QLabel>(*editor, "dateLastChanged")->text();
      // The window says whom it edits (the person of interest), and that a name nobody has is
      // someone new.
      const QString thomas = "Editing Family Member: Thomas Whitfield|Thomas Whitfield";
      auto* name_box = Child<QLineEdit>(*editor, "nameBox");
      QTRY_COMPARE(Whom(*editor), thomas);
      QTest::keyClicks(name_box, " Jr");
      QTRY_COMPARE(Whom(*editor), QStringLiteral("Enter Name of New Family Member:|"));
      for (int i = 0; i < 3; ++i) QTest::keyClick(name_box, Qt::Key_Backspace);
      QTRY_COMPARE(Whom(*editor), thomas);
      auto* place = Child<QLineEdit>(*editor, "Birth Place");
      place->selectAll();
      QTest::keyClicks(place, "Hereford");
      Child<QPlainTextEdit>(*editor, "Notes:")->setPlainText("first\nsecond");
      Child<QComboBox>(*editor, "Gender")->setCurrentIndex(1);
      Click(*editor, "applyButton");
      QVERIFY(editor->isVisible());  // Apply keeps the window open
      Click(*editor, "returnButton");
    });
    QCOMPARE(date, QStringLiteral("2026-11-30"));
    QCOMPARE(demo.window.session().view.person_of_interest, QStringLiteral("Thomas Whitfield"));
    // Cancel and Escape ask about typed changes; Discard drops them.
    QStringList shown, asked;
    for (const char* birth_place : {"Nowhere", ""}) {
      OpenEditor(demo, [&shown, &asked, birth_place](QWidget* editor) {
        shown.append(Fields(*editor));
        Child<QLineEdit>(*editor, "Birth Place")->setText(birth_place);
        WhenModalShown([&asked](QWidget* question) {
          auto* box = qobject_cast<QMessageBox*>(question);
          asked.append(box->text());
          box->button(QMessageBox::Discard)->click();
        });
        if (*birth_place) {
          Click(*editor, "cancelButton");
        } else {
          QTest::keyClick(editor, Qt::Key_Escape);
        }
      });
    }
    QCOMPARE(shown, QStringList(2, "Hereford|first\nsecond|Female"));
    QCOMPARE(asked, QStringList(2, "Save the changes to Thomas Whitfield?"));
  }

  // The name list's current line is the person shown however it moves (arrow keys, typing the
  // first letters), and Return writes that person and nobody else.
  void KeyboardChoosesWhomReturnWrites() {
    DemoWindow demo;
    const QDir family(demo.window.session().FamilyPath());
    auto birth_date = [&](const QString& file) {
      return ReadRecordFile(family.filePath(file)).record.details.birth_date;
    };
    QFile thomas_file(family.filePath("Thomas Whitfield_0001.dat"));
    QVERIFY(thomas_file.open(QIODevice::ReadOnly));
    const QByteArray thomas = thomas_file.readAll();
    thomas_file.close();
    const QString rose = "Rose Whitfield_0019.dat";
    const QString rose_born = birth_date(rose);
    QStringList shown;
    OpenEditor(demo, [&](QWidget* editor) {
      auto* list = Child<QListWidget>(*editor, "nameList");
      auto* born = Child<QLineEdit>(*editor, "Birth Date");
      list->setFocus();
      QTest::keyClick(list, Qt::Key_Home);
      QTest::keyClicks(list, "Rose");
      shown.append(born->text());
      QTest::keyClick(list, Qt::Key_Down);
      QTest::keyClick(list, Qt::Key_Up);  // back on Rose
      shown.append(born->text());
      QTRY_COMPARE(Whom(*editor),
                   QStringLiteral("Editing Family Member: Rose Whitfield|Rose Whitfield"));
      born->setText("1 JAN 1920");
      Click(*editor, "returnButton");
    });
    QCOMPARE(shown, QStringList({rose_born, rose_born}));
    QCOMPARE(birth_date(rose), QStringLiteral("1 JAN 1920"));
    QVERIFY(thomas_file.open(QIODevice::ReadOnly));
    QCOMPARE(thomas_file.readAll(), thomas);
    QCOMPARE(demo.window.session().view.person_of_interest, QStringLiteral("Rose Whitfield"));
  }

  void RenameFromTheEditor() {
    DemoWindow demo;
    OpenEditor(demo, [](QWidget* editor) {
      ClickEntry(*Child<QListWidget>(*editor, "nameList"), "Rose Whitfield");
      WhenModalShown(
          [](QWidget* entry) {
            QCOMPARE(Child<QLineEdit>(*entry, "answer")->selectedText(), "Rose Whitfield");
            QTest::keyClicks(Child<QLineEdit>(*entry, "answer"), "Rosa Whitfield");
            Click(*entry, "applyButton");
            WhenModalShown([](QWidget* confirm) {
              auto* box = qobject_cast<QMessageBox*>(confirm);
              QCOMPARE(box->text(), QStringLiteral("Change Rose Whitfield to Rosa Whitfield?"));
              box->button(QMessageBox::Ok)->click();
            });
          },
          editor);
      Click(*editor, "changeNameButton");
      QTRY_VERIFY(Entries(*Child<QListWidget>(*editor, "nameList")).contains("Rosa Whitfield"));
      Click(*editor, "cancelButton");
    });
    QTRY_VERIFY(!QApplication::activeModalWidget());
    // The main window lists the new name once the editor closes; the files are ChangeName's tests.
    QVERIFY(Entries(*Child<QListWidget>(demo.window, "siblingList")).contains("Rosa Whitfield"));
  }
};

KINVALE_TEST(DetailsFromMainTest)
#include "test_details_ui_from_main.moc"

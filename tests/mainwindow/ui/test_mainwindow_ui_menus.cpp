// Every menu item of the main window opens its window, modally, with its title.
#include <QAction>
#include <QDir>
#include <QtTest>

#include "mainwindow/ui/main_window.h"
#include "support/temp_family.h"
#include "support/widget_helpers.h"

using namespace kinvale;
using namespace kinvale::testing;

class MenusTest : public QObject {
  Q_OBJECT

 private slots:
  void MenuItemOpensItsWindow_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::newRow("relation check") << "actionRelationCheck"
                                    << "RelationCheck"
                                    << "Relation Search";
    QTest::newRow("keyword search") << "actionKeywordSearch"
                                    << "Keyword"
                                    << "Keyword Search";
    QTest::newRow("descendants") << "actionDescendants"
                                 << "Descendants"
                                 << "Descendants";
    QTest::newRow("import a photo") << "actionImportPhoto"
                                    << "ImportPhoto"
                                    << "Import Photo";
    QTest::newRow("change photo") << "actionChangePhoto"
                                  << "ImportPhoto"
                                  << "Change Photo";
    QTest::newRow("import GEDCOM") << "actionImportGedcom"
                                   << "ImportGEDCOM"
                                   << "Import From GEDCOM";
    QTest::newRow("load family tree") << "actionLoadFamilyTree"
                                      << "familyChooser"
                                      << "Load Family Tree";
    QTest::newRow("about") << "actionAbout"
                           << "aboutDialog"
                           << "Kinvale";
  }
  void MenuItemOpensItsWindow() {
    QFETCH(QString, action);
    TempAppFolder folder;
    MainWindow window;
    QString error;
    QVERIFY2(window.Start(QDir(folder.path()).filePath("app"), &error), qPrintable(error));
    window.show();
    QString opened, title;
    WhenModalShown([&](QWidget* modal) {
      opened = modal->objectName();
      title = modal->windowTitle();
      modal->close();
    });
    window.findChild<QAction*>(action)->trigger();
    QTEST(opened, "window");
    QTEST(title, "title");
  }
};

QTEST_MAIN(MenusTest)
#include "test_mainwindow_ui_menus.moc"

#include "mainwindow/ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>

#include "chart/chart_texts.h"
#include "chart/ui/chart_window.h"
#include "details/ui/update_person_dialog.h"
#include "editing/family_editing.h"
#include "gedcom/ui/export_gedcom_dialog.h"
#include "gedcom/ui/import_gedcom_dialog.h"
#include "mainwindow/family_choice.h"
#include "mainwindow/startup.h"
#include "mainwindow/ui/about_dialog.h"
#include "mainwindow/ui/family_board.h"
#include "mainwindow/ui/family_chooser_dialog.h"
#include "mainwindow/ui/help_actions.h"
#include "mainwindow/ui/person_info_dialog.h"
#include "mainwindow/ui/photo_view.h"
#include "mainwindow/ui/save_as_dialog.h"
#include "mainwindow/undo.h"
#include "mainwindow/window_texts.h"
#include "photos/ui/import_photo_dialog.h"
#include "relations/ui/descendants_dialog.h"
#include "relations/ui/relation_check_dialog.h"
#include "relations/ui/relatives_dialog.h"
#include "search/ui/keyword_search_dialog.h"
#include "store/person_lookup.h"
#include "store/link_string.h"
#include "store/person_number.h"

namespace kinvale {

namespace {

// A name on a button: "&" is shown as itself, not taken as a shortcut mark.
QString ButtonText(const QString& text) {
  return QString(text).replace(u'&', QStringLiteral("&&"));
}

QAction* AddItem(QMenu* menu, const QString& caption, const QString& object_name,
                 const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(object_name);
  action->setShortcut(shortcut);
  return action;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), prompter_(this) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(kTitleReady);
  board_ = new FamilyBoard(this);
  setCentralWidget(board_);
  lists_ = {{board_->fathers.list, &MainView::fathers},
            {board_->mothers.list, &MainView::mothers},
            {board_->siblings.list, &MainView::siblings},
            {board_->children.list, &MainView::children}};
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("familyStatus"));
  status_->setContentsMargins(6, 0, 6, 0);
  statusBar()->addWidget(status_);
  details_editor_ = [this] {
    UpdatePersonDialog editor(session_, prompter_, this);
    editor.exec();
  };
  BuildMenus();
  ConnectBoard();
  resize(board_->sizeHint() * 1.15 + QSize(0, menuBar()->sizeHint().height()));
  Redraw();
}

bool MainWindow::Start(const QString& app_folder, QString* error) {
  started_ = StartSession(
      session_, prompter_, app_folder, [this](const QString& title) { setWindowTitle(title); },
      error);
  Redraw();
  return started_;
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(u'&' + kFileMenu);
  connect(AddItem(file, kLoadFamilyTreeItem, QStringLiteral("actionLoadFamilyTree"),
                  QKeySequence(Qt::CTRL | Qt::Key_O)),
          &QAction::triggered, this, &MainWindow::OpenFamilyTree);
  file->addSeparator();
  connect(AddItem(file, kChangePhotoItem, QStringLiteral("actionChangePhoto")), &QAction::triggered,
          this, [this] { OpenPhotoWindow(PhotoMode::kChange); });
  connect(AddItem(file, kImportPhotoItem, QStringLiteral("actionImportPhoto")), &QAction::triggered,
          this, [this] { OpenPhotoWindow(PhotoMode::kImport); });
  file->addSeparator();
  connect(AddItem(file, kExportGedcomItem, QStringLiteral("actionExportGedcom")),
          &QAction::triggered, this, [this] {
            ExportGedcomDialog exporter(session_, prompter_, this);
            exporter.exec();
          });
  connect(AddItem(file, kImportGedcomItem, QStringLiteral("actionImportGedcom")),
          &QAction::triggered, this, [this] { OpenImportWindow(); });
  file->addSeparator();
  QAction* exit =
      AddItem(file, kExitItem, QStringLiteral("actionExit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(exit, &QAction::triggered, this, &QWidget::close);

  QMenu* edit = menuBar()->addMenu(u'&' + kEditMenu);
  undo_ = AddItem(edit, kUndoItem, QStringLiteral("actionUndo"), QKeySequence::Undo);
  connect(undo_, &QAction::triggered, this, [this] {
    UndoLastChange(session_, prompter_);
    Redraw();
  });
  redo_ = AddItem(edit, kRedoItem, QStringLiteral("actionRedo"),
                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
  connect(redo_, &QAction::triggered, this, [this] {
    RedoLastChange(session_, prompter_);
    Redraw();
  });

  QMenu* view = menuBar()->addMenu(u'&' + kViewMenu);
  connect(AddItem(view, kFamilyChartTitle, QStringLiteral("actionFamilyChart"),
                  QKeySequence(Qt::CTRL | Qt::Key_T)),
          &QAction::triggered, this, &MainWindow::OpenFamilyChart);

  QMenu* analysis = menuBar()->addMenu(u'&' + kAnalysisMenu);
  connect(AddItem(analysis, kRelationCheckItem, QStringLiteral("actionRelationCheck")),
          &QAction::triggered, this, [this] {
            RelationCheckDialog relation_check(session_, prompter_, this);
            connect(&relation_check, &RelationCheckDialog::personChosen, this,
                    &MainWindow::ShowPersonNumbered);
            relation_check.exec();
          });
  connect(AddItem(analysis, kKeywordSearchItem, QStringLiteral("actionKeywordSearch")),
          &QAction::triggered, this, &MainWindow::OpenKeywordSearch);
  connect(AddItem(analysis, kDescendantsItem, QStringLiteral("actionDescendants")),
          &QAction::triggered, this, &MainWindow::OpenDescendants);
  connect(AddItem(analysis, kRelativesItem, QStringLiteral("actionRelatives")), &QAction::triggered,
          this, [this] {
            RelativesDialog relatives(session_, prompter_, this);
            connect(&relatives, &RelativesDialog::personChosen, this,
                    &MainWindow::ShowPersonNumbered);
            relatives.exec();
          });

  QMenu* help = menuBar()->addMenu(u'&' + kHelpMenu);
  connect(
      AddItem(help, kUserManualItem, QStringLiteral("actionUserManual"), QKeySequence(Qt::Key_F1)),
      &QAction::triggered, this, [this] { OpenUserManual(this, session_.app_folder); });
  connect(AddItem(help, kAboutItem, QStringLiteral("actionAbout")), &QAction::triggered, this,
          [this] {
            AboutDialog about(session_.app_folder, this);
            about.exec();
          });
}

void MainWindow::OpenImportWindow(const QString& file) {
  ImportGedcomDialog import(session_, prompter_, this);
  connect(&import, &ImportGedcomDialog::familyReloaded, this, &MainWindow::Redraw);
  if (!file.isEmpty() && !import.SelectFile(file)) {
    prompter_.Message(kGedcomFileMissing.arg(QDir::toNativeSeparators(file)), kImportWindowTitle);
  }
  import.exec();
}

void MainWindow::ConnectEditingButtons() {
  using Operation = void (*)(Session&, Prompter&);
  const std::pair<QPushButton*, Operation> buttons[] = {
      {board_->fathers.add, &AddFather},     {board_->fathers.remove, &RemoveFather},
      {board_->mothers.add, &AddMother},     {board_->mothers.remove, &RemoveMother},
      {board_->siblings.add, &AddSibling},   {board_->siblings.remove, &RemoveSibling},
      {board_->children.add, &AddDependent}, {board_->children.remove, &RemoveDependent},
      {board_->spouse_button, &AddSpouse},
  };
  for (const auto& [button, operation] : buttons) {
    connect(button, &QPushButton::clicked, this, [this, operation = operation] {
      operation(session_, prompter_);
      Redraw();
    });
  }
}

void MainWindow::ConnectBoard() {
  ConnectEditingButtons();
  connect(board_->person_button, &QPushButton::clicked, this, &MainWindow::EditPersonOfInterest);
  for (const ListBinding& binding : lists_) {
    RelativeList MainView::*list = binding.list;
    connect(binding.widget, &QListWidget::currentRowChanged, this,
            [this, list](int row) { (session_.view.*list).selected = row; });
    connect(binding.widget, &QListWidget::itemDoubleClicked, this, &MainWindow::ShowRelativeInfo);
  }
}

void MainWindow::Redraw() {
  const MainView& view = session_.view;
  const FamilyIndex& index = session_.index;
  const int poi = PersonOfInterestRow(view, index);
  const int spouse = index.RowOfNumber(view.spouse_number);
  board_->person_button->setText(
      ButtonText(view.HasPerson() && poi >= 0 ? PersonLabel(index, poi) : view.person_of_interest));
  board_->spouse_button->setText(
      ButtonText(spouse >= 0 ? PersonLabel(index, spouse) : view.spouse));
  for (const ListBinding& binding : lists_) {
    const RelativeList& list = view.*binding.list;
    const QSignalBlocker quiet(binding.widget);
    binding.widget->clear();
    for (size_t i = 0; i < list.numbers.size(); ++i) {
      auto* item = new QListWidgetItem(LineLabel(index, list, i), binding.widget);
      item->setData(Qt::UserRole, list.numbers[i]);
    }
    binding.widget->setCurrentRow(list.HasSelection() ? list.selected : -1);
  }
  undo_->setText(UndoCaption(session_));
  undo_->setEnabled(undo_->text() != kUndoItem);
  redo_->setText(RedoCaption(session_));
  redo_->setEnabled(redo_->text() != kRedoItem);
  RenderPhoto();
  status_->setText(session_.HasFamily()
                       ? kFamilyStatus.arg(session_.family).arg(session_.index.size())
                       : kNoFamilyStatus);
}

void MainWindow::RenderPhoto() {
  const MainView& view = session_.view;
  const bool shown = view.photo_visible && board_->photo->Load(view.photo_path);
  board_->photo->setVisible(shown);
  board_->photo_placeholder->setVisible(!shown);
}

void MainWindow::ReloadFamily() {
  LoadFamilyIndex(session_, prompter_);
  RefreshMainView(session_);
  Redraw();
}

void MainWindow::SetDetailsEditor(std::function<void()> open_editor) {
  details_editor_ = std::move(open_editor);
}

void MainWindow::OpenFamilyTree() {
  const FamilyChoice choice = FamilyChooserDialog::Choose(this, session_.app_folder, prompter_);
  OpenChosenFamily(session_, prompter_, choice);
  Redraw();
}

void MainWindow::EditPersonOfInterest() {
  if (session_.index.empty()) {
    const FamilyChoice choice = FamilyChooserDialog::Choose(this, session_.app_folder, prompter_);
    if (!TakeChosenFamilyFolder(session_, choice)) return;
  }
  if (details_editor_) details_editor_();
  BuildFamilyFileList(session_, prompter_);
  RefreshMainView(session_);
  Redraw();
}

void MainWindow::ShowRelativeInfo(const QListWidgetItem* item) {
  const int row = session_.index.RowOfNumber(item->data(Qt::UserRole).toInt());
  if (row >= 0) ShowPersonInfo(row);  // a number that names nobody: there is no one to show
}

void MainWindow::ShowPersonInfo(int row) {
  PersonInfoDialog info(
      session_, row, QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this);
  info.exec();
}

void MainWindow::ShowPersonNumbered(int number) {
  if (const int row = session_.index.RowOfNumber(number); row >= 0) ShowPersonInfo(row);
}

void MainWindow::OpenPhotoWindow(PhotoMode mode) {
  ImportPhotoDialog photos(session_, prompter_, mode, this);
  photos.exec();
  Redraw();
}

void MainWindow::OpenDescendants() {
  const auto choose_save_path = [this](const QString& default_file_name) {
    // The folder used last, else the home folder: the picker never starts in one that is gone.
    const QString start =
        QFileInfo(last_save_folder_).isDir() ? last_save_folder_ : QDir::homePath();
    const QString path =
        SaveAsDialog::ChooseSavePath(QApplication::activeModalWidget(), start, default_file_name);
    if (!path.isEmpty()) last_save_folder_ = QFileInfo(path).absolutePath();
    return path;
  };
  DescendantsDialog descendants(session_, prompter_, choose_save_path, this);
  descendants.exec();
}

void MainWindow::OpenFamilyChart() {
  const int row = PersonOfInterestRow(session_.view, session_.index);
  const int centre = row >= 0 ? NumberValue(OwnNumber(session_.index.row(row).link)) : 0;
  ChartWindowActions actions{[this](int chosen) { GoToPerson(chosen); },
                             [this](int chosen) { ShowPersonInfo(chosen); }};
  ChartWindow chart(session_, centre, std::move(actions), this);
  chart.exec();
}

void MainWindow::GoToPerson(int row) {
  SetPersonOfInterest(session_.view, session_.index, row);
  RefreshMainView(session_);
  Redraw();
}

void MainWindow::OpenKeywordSearch() {
  KeywordSearchDialog search(
      session_, prompter_, [this](int row) { ShowPersonInfo(row); }, this);
  search.exec();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (started_ && !ended_) {
    ended_ = true;
    EndSession(session_, prompter_);
  }
  event->accept();
}

}  // namespace kinvale

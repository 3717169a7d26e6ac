#include "mainwindow/ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCompleter>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStringListModel>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "chart/ui/chart_window.h"
#include "details/ui/update_person_dialog.h"
#include "editing/family_editing.h"
#include "gedcom/ui/export_gedcom_dialog.h"
#include "gedcom/ui/import_gedcom_dialog.h"
#include "mainwindow/ui/about_dialog.h"
#include "mainwindow/ui/family_board.h"
#include "mainwindow/ui/family_chooser_dialog.h"
#include "mainwindow/ui/help_actions.h"
#include "mainwindow/ui/name_button.h"
#include "mainwindow/ui/person_info_dialog.h"
#include "mainwindow/ui/photo_view.h"
#include "mainwindow/window_texts.h"
#include "photos/ui/import_photo_dialog.h"
#include "relations/ui/descendants_dialog.h"
#include "relations/ui/relation_check_dialog.h"
#include "relations/ui/relatives_dialog.h"
#include "search/ui/keyword_search_dialog.h"
#include "session/family_choice.h"
#include "session/startup.h"
#include "session/undo.h"
#include "store/link_string.h"
#include "store/person_lookup.h"
#include "store/person_number.h"

namespace kinvale {

namespace {

// An undo or redo item: its caption with an access key (a "&" in a name shown as itself),
// enabled when there is a step to take.
void ShowStep(QAction* item, const QString& caption, const QString& without_step) {
  item->setText(u'&' + QString(caption).replace(u'&', QStringLiteral("&&")));
  item->setEnabled(caption != without_step);
}

QAction* AddItem(QMenu* menu, const QString& caption, const QString& object_name,
                 const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(object_name);
  action->setShortcut(shortcut);
  return action;
}

// Keys that act while the widget, or a part of it, has the focus.
void OnKeys(QWidget* widget, std::initializer_list<QKeyCombination> keys,
            const std::function<void()>& act) {
  for (const QKeyCombination key : keys) {
    auto* shortcut = new QShortcut(QKeySequence(key), widget);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, widget, act);
  }
}

PersonHistory::Exists InFamily(const FamilyIndex& index) {
  return [&index](int number) { return index.RowOfNumber(number) >= 0; };
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
  BuildNavigationBar();
  ConnectBoard();
  // Roomier than the board needs, but never beyond the screen (a large font makes a large board).
  const QSize roomy = board_->sizeHint() * 1.15 + QSize(0, menuBar()->sizeHint().height() * 2);
  resize(roomy.boundedTo(screen()->availableSize()));
  Redraw();
}

// Focus moves while the window's children are destroyed, after this part of it is gone.
MainWindow::~MainWindow() { disconnect(find_focus_); }

bool MainWindow::Start(const QString& app_folder, QString* error) {
  started_ = StartSession(
      session_, prompter_, app_folder, [this](const QString& title) { setWindowTitle(title); },
      error);
  Redraw();
  return started_;
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(kFileMenu);
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
            ExportGedcomDialog exporter(session_, prompter_, *files_, this);
            exporter.exec();
          });
  connect(AddItem(file, kImportGedcomItem, QStringLiteral("actionImportGedcom")),
          &QAction::triggered, this, [this] { OpenImportWindow(); });
  file->addSeparator();
  QAction* exit =
      AddItem(file, kExitItem, QStringLiteral("actionExit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(exit, &QAction::triggered, this, &QWidget::close);

  QMenu* edit = menuBar()->addMenu(kEditMenu);
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

  QMenu* view = menuBar()->addMenu(kViewMenu);
  back_ =
      AddItem(view, kBackItem, QStringLiteral("actionBack"), QKeySequence(Qt::ALT | Qt::Key_Left));
  forward_ = AddItem(view, kForwardItem, QStringLiteral("actionForward"),
                     QKeySequence(Qt::ALT | Qt::Key_Right));
  connect(back_, &QAction::triggered, this,
          [this] { GoToNumber(history_.Back(InFamily(session_.index))); });
  connect(forward_, &QAction::triggered, this,
          [this] { GoToNumber(history_.Forward(InFamily(session_.index))); });
  connect(AddItem(view, kFindPersonItem, QStringLiteral("actionFindPerson"), QKeySequence::Find),
          &QAction::triggered, this, [this] {
            find_box_->setFocus(Qt::ShortcutFocusReason);
            find_box_->selectAll();
          });
  view->addSeparator();
  connect(AddItem(view, kFamilyChartItem, QStringLiteral("actionFamilyChart"),
                  QKeySequence(Qt::CTRL | Qt::Key_T)),
          &QAction::triggered, this, &MainWindow::OpenFamilyChart);

  QMenu* analysis = menuBar()->addMenu(kAnalysisMenu);
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

  QMenu* help = menuBar()->addMenu(kHelpMenu);
  connect(
      AddItem(help, kUserManualItem, QStringLiteral("actionUserManual"), QKeySequence(Qt::Key_F1)),
      &QAction::triggered, this, [this] { OpenUserManual(this, session_.app_folder); });
  connect(AddItem(help, kAboutItem, QStringLiteral("actionAbout")), &QAction::triggered, this,
          [this] {
            AboutDialog about(session_.app_folder, this);
            about.exec();
          });
}

void MainWindow::BuildNavigationBar() {
  QToolBar* bar = addToolBar(kNavigationBarTitle);
  bar->setObjectName(QStringLiteral("navigationBar"));
  bar->setMovable(false);
  back_->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
  forward_->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
  bar->addAction(back_);
  bar->addAction(forward_);
  find_box_ = new QLineEdit(bar);
  find_box_->setObjectName(QStringLiteral("findPerson"));
  find_box_->setPlaceholderText(kFindPersonHint);
  find_box_->setClearButtonEnabled(true);
  find_box_->setMaximumWidth(find_box_->fontMetrics().averageCharWidth() * 48);
  find_completions_ = new QStringListModel(this);
  auto* completer = new QCompleter(find_completions_, find_box_);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  completer->setFilterMode(Qt::MatchContains);  // a number or a year finds the person too
  find_box_->setCompleter(completer);
  bar->addWidget(find_box_);
  // The family can change while the box is away, so the completions are made when it is used.
  find_focus_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now == find_box_) FillFindCompletions();
  });
  connect(find_box_, &QLineEdit::returnPressed, this, &MainWindow::FindPerson);
  connect(completer, qOverload<const QString&>(&QCompleter::activated), this,
          &MainWindow::FindPerson);
}

void MainWindow::FillFindCompletions() {
  QStringList descriptions;
  descriptions.reserve(session_.index.size());
  for (int row = 0; row < session_.index.size(); ++row) {
    descriptions.append(PersonDescription(session_.index, row));
  }
  find_completions_->setStringList(descriptions);
}

void MainWindow::FindPerson() {
  const QString text = find_box_->text();
  if (text.isEmpty()) return;  // already gone there: the completer and Enter both report a pick
  const Resolution found =
      ResolveTypedName(session_.index, prompter_, text, kWhichPersonQuestion.arg(text));
  if (found.kind == Resolution::kNobody) {
    prompter_.Message(kNobodyMatches.arg(text), kFindPersonTitle, MessageKind::kInformation);
  }
  if (found.kind != Resolution::kPerson) return;
  find_box_->clear();
  GoToPerson(found.row);
}

void MainWindow::OpenImportWindow(const QString& file) {
  ImportGedcomDialog import(session_, prompter_, *files_, this);
  connect(&import, &ImportGedcomDialog::familyReloaded, this, &MainWindow::Redraw);
  if (!file.isEmpty() && !import.SelectFile(file)) {
    prompter_.Message(kGedcomFileMissing.arg(QDir::toNativeSeparators(file)), kImportWindowTitle,
                      MessageKind::kWarning);
  }
  import.exec();
}

void MainWindow::ConnectEditingButtons() {
  using Operation = void (*)(Session&, Prompter&);
  const std::pair<QAbstractButton*, Operation> buttons[] = {
      {board_->fathers.add, &AddFather},     {board_->fathers.remove, &RemoveFather},
      {board_->mothers.add, &AddMother},     {board_->mothers.remove, &RemoveMother},
      {board_->siblings.add, &AddSibling},   {board_->siblings.remove, &RemoveSibling},
      {board_->children.add, &AddDependent}, {board_->children.remove, &RemoveDependent},
      {board_->spouse_button, &AddSpouse},
  };
  for (const auto& [button, operation] : buttons) {
    connect(button, &QAbstractButton::clicked, this, [this, operation = operation] {
      operation(session_, prompter_);
      Redraw();
    });
  }
}

void MainWindow::ConnectGoTo() {
  // The person of that number, offered from a context menu at the global point.
  const auto offer = [this](QPoint at, int number) {
    if (session_.index.RowOfNumber(number) < 0) return;  // a slot that names nobody
    QMenu menu(this);
    const QAction* go_to = menu.addAction(kGoToItem);
    const QAction* information = menu.addAction(kInformationItem);
    const QAction* chosen = menu.exec(at);
    if (chosen == go_to) GoToNumber(number);
    if (chosen == information) ShowPersonNumbered(number);
  };
  for (const ListBinding& binding : lists_) {
    QListWidget* list = binding.widget;
    const auto current_number = [list] {
      const QListWidgetItem* item = list->currentItem();
      return item ? item->data(Qt::UserRole).toInt() : 0;
    };
    OnKeys(list, {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter},
           [this, current_number] { GoToNumber(current_number()); });
    OnKeys(list, {QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_Enter)},
           [this, current_number] { ShowPersonNumbered(current_number()); });
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, [list, offer](QPoint at) {
      if (const QListWidgetItem* item = list->itemAt(at)) {
        offer(list->viewport()->mapToGlobal(at), item->data(Qt::UserRole).toInt());
      }
    });
  }
  QPushButton* spouse = board_->spouse_button;
  OnKeys(spouse, {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter},
         [this] { GoToNumber(session_.view.spouse_number); });
  spouse->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(spouse, &QWidget::customContextMenuRequested, this, [this, spouse, offer](QPoint at) {
    offer(spouse->mapToGlobal(at), session_.view.spouse_number);
  });
}

void MainWindow::ConnectBoard() {
  ConnectEditingButtons();
  ConnectGoTo();
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
  board_->person_button->SetName(view.HasPerson() && poi >= 0 ? PersonLabel(index, poi)
                                                              : view.person_of_interest);
  board_->spouse_button->SetName(spouse >= 0 ? PersonLabel(index, spouse) : view.spouse);
  for (const ListBinding& binding : lists_) {
    const RelativeList& list = view.*binding.list;
    const QSignalBlocker quiet(binding.widget);
    binding.widget->clear();
    for (size_t i = 0; i < list.numbers.size(); ++i) {
      const QString label = LineLabel(index, list, i);
      auto* item = new QListWidgetItem(label, binding.widget);
      item->setData(Qt::UserRole, list.numbers[i]);
      item->setToolTip(label + u'\n' + kRelativeListTip);  // the whole name, however narrow
    }
    binding.widget->setCurrentRow(list.HasSelection() ? list.selected : -1);
  }
  ShowStep(undo_, UndoCaption(session_), kUndoItem);
  ShowStep(redo_, RedoCaption(session_), kRedoItem);
  RenderPhoto();
  RecordHistory();
  const int people = session_.index.size();
  status_->setText(!session_.HasFamily() ? QString(kNoFamilyStatus)
                   : people == 1         ? kFamilyStatusOnePerson.arg(session_.family)
                                         : kFamilyStatus.arg(session_.family).arg(people));
}

void MainWindow::RecordHistory() {
  if (session_.FamilyPath() != history_family_) {
    history_.Clear();
    history_family_ = session_.FamilyPath();
  }
  if (const int number = PersonOfInterestNumber(session_.view, session_.index)) {
    history_.Visit(number);
  }
  back_->setEnabled(history_.CanGoBack(InFamily(session_.index)));
  forward_->setEnabled(history_.CanGoForward(InFamily(session_.index)));
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
  if (info.exec() == PersonInfoDialog::kGoToResult) GoToPerson(row);
}

void MainWindow::ShowPersonNumbered(int number) {
  if (const int row = session_.index.RowOfNumber(number); row >= 0) ShowPersonInfo(row);
}

void MainWindow::OpenPhotoWindow(PhotoMode mode) {
  ImportPhotoDialog photos(session_, prompter_, *files_, mode, this);
  photos.exec();
  Redraw();
}

void MainWindow::OpenDescendants() {
  DescendantsDialog descendants(session_, prompter_, *files_, this);
  descendants.exec();
  if (descendants.go_to_row() >= 0) GoToPerson(descendants.go_to_row());
}

void MainWindow::OpenFamilyChart() {
  const int centre = PersonOfInterestNumber(session_.view, session_.index);
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

void MainWindow::GoToNumber(int number) {
  if (const int row = session_.index.RowOfNumber(number); row >= 0) GoToPerson(row);
}

void MainWindow::OpenKeywordSearch() {
  KeywordSearchDialog search(
      session_, prompter_, [this](int row) { ShowPersonInfo(row); }, this);
  search.exec();
  if (search.go_to_row() >= 0) GoToPerson(search.go_to_row());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (started_ && !ended_) {
    ended_ = true;
    EndSession(session_, prompter_);
  }
  event->accept();
}

}  // namespace kinvale

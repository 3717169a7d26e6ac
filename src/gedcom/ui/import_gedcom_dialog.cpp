#include "gedcom/ui/import_gedcom_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

#include "common/ui/plain_dialog.h"
#include "session/session.h"
#include "session/startup.h"
#include "store/prompter.h"
#include "store/record_fields.h"
#include "store/shared_texts.h"

namespace kinvale {

namespace {

// How often, at most, the person tabs show the individual being read and events are handled.
constexpr int kRefreshMilliseconds = 100;

QWidget* FieldWidget(const FieldInfo& field) {
  QWidget* widget = nullptr;
  if (field.text == &PersonDetails::gender) {
    auto* gender = new QComboBox;
    gender->addItems({QStringLiteral("Male"), QStringLiteral("Female")});
    gender->setEditable(true);
    gender->lineEdit()->setReadOnly(true);
    widget = gender;
  } else if (field.kind == FieldKind::kLine) {
    auto* line = new QLineEdit;
    line->setReadOnly(true);
    widget = line;
  } else if (field.kind == FieldKind::kBlock) {
    auto* block = new QPlainTextEdit;
    block->setReadOnly(true);
    widget = block;
  } else {
    widget = new QListWidget;
  }
  widget->setObjectName(field.caption);
  return widget;
}

// Captions shown beside their fields; the gender selector and the sources box have none.
QString BlockText(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return shown;
}

}  // namespace

ImportGedcomDialog::ImportGedcomDialog(Session& session, Prompter& prompter, QWidget* parent)
    : QDialog(parent), session_(session), prompter_(prompter) {
  setObjectName(QStringLiteral("ImportGEDCOM"));
  setWindowTitle(kImportWindowTitle);
  setModal(true);

  BuildFilePicker();
  resume_ = new QCheckBox(kResumeCaption);
  resume_->setObjectName(QStringLiteral("Resume"));
  import_ = new QPushButton(kImportCaption);
  import_->setObjectName(QStringLiteral("Import"));
  return_ = new QPushButton(kReturnCaption);
  return_->setObjectName(QStringLiteral("Return"));
  status_ = new QLabel(kStatusCaption);
  status_->setObjectName(QStringLiteral("Status"));
  status_->hide();
  progress_ = new QProgressBar;
  progress_->setObjectName(QStringLiteral("Progress"));
  progress_->setValue(0);
  report_ = new QPlainTextEdit;
  report_->setObjectName(QStringLiteral("ImportReport"));
  report_->setReadOnly(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(resume_);
  buttons->addStretch();
  buttons->addWidget(import_);
  buttons->addWidget(return_);

  auto* left = new QVBoxLayout;
  left->addWidget(folder_tree_, 2);
  left->addWidget(file_list_, 1);
  left->addLayout(buttons);
  left->addWidget(status_);
  left->addWidget(progress_);
  left->addWidget(report_, 1);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addWidget(BuildPersonTabs(), 1);

  connect(import_, &QPushButton::clicked, this, &ImportGedcomDialog::RunImport);
  connect(return_, &QPushButton::clicked, this, &ImportGedcomDialog::reject);
  resize(1000, 640);
  FinishDialog(this);
}

void ImportGedcomDialog::BuildFilePicker() {
  folders_ = new QFileSystemModel(this);
  folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  folders_->setRootPath(QDir::rootPath());
  folder_tree_ = new QTreeView;
  folder_tree_->setObjectName(QStringLiteral("FolderTree"));
  folder_tree_->setModel(folders_);
  for (int column = 1; column < folders_->columnCount(); ++column) folder_tree_->hideColumn(column);
  folder_tree_->setHeaderHidden(true);

  files_ = new QFileSystemModel(this);
  files_->setFilter(QDir::Files);
  files_->setNameFilters({QStringLiteral("*.ged")});
  files_->setNameFilterDisables(false);
  file_list_ = new QListView;
  file_list_->setObjectName(QStringLiteral("FileList"));
  file_list_->setModel(files_);

  connect(folder_tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { ShowFolder(folders_->filePath(current)); });
  const QModelIndex start = folders_->index(session_.app_folder);
  folder_tree_->setCurrentIndex(start);
  folder_tree_->scrollTo(start);
  ShowFolder(session_.app_folder);
}

QWidget* ImportGedcomDialog::BuildPersonTabs() {
  auto* panel = new QWidget;
  auto* form = new QFormLayout;
  name_box_ = new QLineEdit;
  name_box_->setObjectName(QStringLiteral("NameBox"));
  link_box_ = new QLineEdit;
  link_box_->setObjectName(QStringLiteral("LinkBox"));
  alternate_name_box_ = new QLineEdit;
  alternate_name_box_->setObjectName(QStringLiteral("AlternateNameBox"));
  for (QLineEdit* box : {name_box_, link_box_, alternate_name_box_}) box->setReadOnly(true);
  form->addRow(name_box_);
  form->addRow(link_box_);
  form->addRow(alternate_name_box_);

  tabs_ = new QTabWidget;
  tabs_->setObjectName(QStringLiteral("PersonTabs"));
  for (const DetailTab& tab : DetailTabs()) {
    auto* page = new QWidget;
    auto* tab_form = new QFormLayout(page);
    tabs_->addTab(page, tab.title);
    for (int i = tab.first; i < tab.first + tab.count; ++i) {
      const FieldInfo& field = DetailFields()[i];
      QWidget* widget = FieldWidget(field);
      fields_.insert(field.caption, widget);
      ShowsCaption(field) ? tab_form->addRow(field.caption, widget) : tab_form->addRow(widget);
      if (field.list == &PersonDetails::occupations) {
        date_last_changed_ = new QLabel;
        date_last_changed_->setObjectName(kDateLastChangedCaption);
        tab_form->addRow(kDateLastChangedCaption, date_last_changed_);
      }
    }
  }
  auto* layout = new QVBoxLayout(panel);
  layout->addLayout(form);
  layout->addWidget(tabs_);
  return panel;
}

void ImportGedcomDialog::ShowFolder(const QString& folder) {
  files_->setRootPath(folder);
  file_list_->setRootIndex(files_->index(folder));
}

QString ImportGedcomDialog::SelectedFile() const {
  const QModelIndex current = file_list_->currentIndex();
  if (!current.isValid() || files_->isDir(current)) return {};
  return files_->filePath(current);
}

bool ImportGedcomDialog::SelectFile(const QString& path) {
  const QFileInfo file(path);
  if (!file.isFile()) return false;
  const QModelIndex folder = folders_->index(file.absolutePath());
  folder_tree_->setCurrentIndex(folder);
  folder_tree_->scrollTo(folder);
  file_list_->setCurrentIndex(files_->index(file.absoluteFilePath()));
  return true;
}

void ImportGedcomDialog::RunImport() {
  const QString file = SelectedFile();
  if (file.isEmpty()) {
    prompter_.Message(kChooseFileMessage, kImportWindowTitle, MessageKind::kWarning);
    return;
  }
  status_->hide();
  report_->clear();
  progress_->setValue(0);
  running_ = true;
  SetControlsEnabled(false);
  since_shown_.invalidate();
  title_ = windowTitle();
  status_text_.clear();
  const ImportResult result = ImportGedcom(
      {session_.app_folder, file, resume_->isChecked(), session_.family}, prompter_, this);
  running_ = false;
  ShowTexts();
  SetControlsEnabled(true);
  resume_->setChecked(false);
  if (result.outcome == ImportOutcome::kCompleted) {
    report_->setPlainText(ImportReportLines(result.report).join(u'\n'));
  }
  if (result.reload_open_family) {
    ReloadFamilyAfterImport(session_, prompter_);
    emit familyReloaded();
  }
}

// The window's controls wait while an import runs.
void ImportGedcomDialog::SetControlsEnabled(bool enabled) {
  const QList<QWidget*> controls = {import_, return_, resume_, folder_tree_, file_list_};
  for (QWidget* control : controls) control->setEnabled(enabled);
}

void ImportGedcomDialog::reject() {
  if (!running_) QDialog::reject();
}

void ImportGedcomDialog::ShowStatus(const QString& text) {
  status_text_ = text;
  if (RefreshDue()) Refresh();
}

void ImportGedcomDialog::ShowTitle(const QString& title) {
  title_ = title;
  if (RefreshDue()) Refresh();
}

void ImportGedcomDialog::ShowIndividual(int counter, int total, const ImportedPerson& person) {
  progress_->setMaximum(total);
  progress_->setValue(counter);
  if (!RefreshDue() && counter != total) return;
  ShowPerson(person);
  Refresh();
}

bool ImportGedcomDialog::RefreshDue() const {
  return !since_shown_.isValid() || since_shown_.elapsed() >= kRefreshMilliseconds;
}

void ImportGedcomDialog::ShowTexts() {
  status_->setText(status_text_);
  status_->setVisible(!status_text_.isEmpty());
  setWindowTitle(title_);
}

void ImportGedcomDialog::Refresh() {
  ShowTexts();
  since_shown_.start();
  QCoreApplication::processEvents();
}

void ImportGedcomDialog::ShowPerson(const ImportedPerson& person) {
  name_box_->setText(person.name);
  link_box_->setText(person.link);
  alternate_name_box_->setText(person.alternate_name);
  date_last_changed_->setText(person.date_last_changed);
  for (const FieldInfo& field : DetailFields()) {
    QWidget* widget = fields_.value(field.caption);
    if (auto* gender = qobject_cast<QComboBox*>(widget)) {
      gender->setEditText(person.details.*field.text);
    } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
      line->setText(person.details.*field.text);
    } else if (auto* block = qobject_cast<QPlainTextEdit*>(widget)) {
      block->setPlainText(BlockText(person.details.*field.text));
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
      list->clear();
      list->addItems(person.details.*field.list);
    }
  }
}

}  // namespace kinvale

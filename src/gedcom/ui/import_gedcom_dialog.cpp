#include "gedcom/ui/import_gedcom_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/file_choice.h"
#include "common/ui/file_choice_texts.h"
#include "common/ui/person_details_form.h"
#include "common/ui/person_form_texts.h"
#include "common/ui/plain_dialog.h"
#include "session/session.h"
#include "session/startup.h"
#include "store/prompter.h"
#include "store/shared_texts.h"

namespace kinvale {

namespace {

// How often, at most, the person tabs show the individual being read and events are handled.
constexpr int kRefreshMilliseconds = 100;

}  // namespace

ImportGedcomDialog::ImportGedcomDialog(Session& session, Prompter& prompter, FileChooser& files,
                                       QWidget* parent)
    : QDialog(parent), session_(session), prompter_(prompter), files_(files) {
  setObjectName(QStringLiteral("ImportGEDCOM"));
  setWindowTitle(kImportWindowTitle);
  setModal(true);

  resume_ = new QCheckBox(QStringLiteral("&") + kResumeCaption);
  resume_->setObjectName(QStringLiteral("Resume"));
  import_ = new QPushButton(QStringLiteral("&") + kImportCaption);
  import_->setObjectName(QStringLiteral("Import"));
  return_ = new QPushButton(kReturnCaption);  // Escape returns too
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
  left->addLayout(BuildFileRow());
  left->addLayout(buttons);
  left->addWidget(status_);
  left->addWidget(progress_);
  left->addWidget(report_, 1);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addWidget(BuildPersonSummary(), 1);

  connect(import_, &QPushButton::clicked, this, &ImportGedcomDialog::RunImport);
  connect(return_, &QPushButton::clicked, this, &ImportGedcomDialog::reject);
  resize(1000, 640);
  FinishDialog(this);
}

QLayout* ImportGedcomDialog::BuildFileRow() {
  file_box_ = new QLineEdit;
  file_box_->setObjectName(QStringLiteral("GedcomFile"));
  file_box_->setReadOnly(true);
  file_box_->setPlaceholderText(kNoFileChosen);
  choose_file_ = new QPushButton(kChooseFileCaption);
  choose_file_->setObjectName(QStringLiteral("ChooseFile"));
  choose_file_->setDefault(true);  // Enter chooses a file first; Import needs one
  connect(choose_file_, &QPushButton::clicked, this, &ImportGedcomDialog::ChooseFile);
  auto* label = new QLabel(kGedcomFileCaption);
  label->setBuddy(file_box_);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(file_box_, 1);
  row->addWidget(choose_file_);
  return row;
}

void ImportGedcomDialog::ChooseFile() {
  const QString path =
      ChooseFileToOpen(files_, this, session_.app_folder, FileKind::kGedcom, kImportWindowTitle);
  if (!path.isEmpty()) SelectFile(path);
}

QWidget* ImportGedcomDialog::BuildPersonSummary() {
  auto* panel = new QWidget;
  name_box_ = new QLineEdit;
  name_box_->setObjectName(QStringLiteral("NameBox"));
  name_box_->setReadOnly(true);
  LookReadOnly(*name_box_);
  form_ = new PersonDetailsForm(PersonDetailsForm::Mode::kReadOnly);
  form_->setObjectName(QStringLiteral("PersonTabs"));
  auto* name_row = new QFormLayout;
  name_row->addRow(kPersonNameCaption, name_box_);
  auto* layout = new QVBoxLayout(panel);
  layout->addLayout(name_row);
  layout->addWidget(form_);
  return panel;
}

bool ImportGedcomDialog::SelectFile(const QString& path) {
  const QFileInfo file(path);
  if (!file.isFile()) return false;
  chosen_file_ = file.absoluteFilePath();
  file_box_->setText(QDir::toNativeSeparators(chosen_file_));
  import_->setDefault(true);  // Enter now imports
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
  const QList<QWidget*> controls = {import_, return_, resume_, choose_file_};
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
  form_->ShowDetails(person.details);
  form_->ShowDateLastChanged(person.date_last_changed);
}

}  // namespace kinvale

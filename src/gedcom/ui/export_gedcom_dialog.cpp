#include "gedcom/ui/export_gedcom_dialog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/file_choice.h"
#include "common/ui/plain_dialog.h"
#include "session/session.h"
#include "store/prompter.h"
#include "store/shared_texts.h"

namespace kinvale {

namespace {

// How often, at most, the progress bar is drawn while the export runs.
constexpr int kRefreshMilliseconds = 100;

}  // namespace

ExportGedcomDialog::ExportGedcomDialog(Session& session, Prompter& prompter, FileChooser& files,
                                       QWidget* parent)
    : QDialog(parent), session_(session), prompter_(prompter), files_(files) {
  setObjectName(QStringLiteral("Export2GEDCOM"));
  setWindowTitle(kExportWindowTitle);
  setModal(true);

  auto* contact_label = new QLabel(QStringLiteral("&") + kContactCaption);
  contact_ = new QPlainTextEdit;
  contact_->setObjectName(QStringLiteral("ContactInformation"));
  contact_label->setBuddy(contact_);
  export_ = new QPushButton(QStringLiteral("&") + kExportCaption);
  export_->setObjectName(QStringLiteral("Export"));
  export_->setDefault(true);
  return_ = new QPushButton(QStringLiteral("&") + kReturnCaption);
  return_->setObjectName(QStringLiteral("Return"));
  progress_ = new QProgressBar;
  progress_->setObjectName(QStringLiteral("Progress"));
  progress_->setValue(0);
  status_ = new QLabel;
  status_->setObjectName(QStringLiteral("Status"));
  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(export_);
  buttons->addWidget(return_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(contact_label);
  layout->addWidget(contact_, 1);
  layout->addLayout(buttons);
  layout->addWidget(progress_);
  layout->addWidget(status_);

  connect(export_, &QPushButton::clicked, this, &ExportGedcomDialog::ChooseFileAndExport);
  connect(return_, &QPushButton::clicked, this, &ExportGedcomDialog::reject);
  resize(460, 320);
  FinishDialog(this);
}

void ExportGedcomDialog::ChooseFileAndExport() {
  const QString proposed = DefaultExportPath(session_.app_folder, session_.family);
  const QString path = ChooseFileToSave(files_, this, session_.app_folder, FileKind::kGedcom,
                                        kSaveAsTitle, QFileInfo(proposed).fileName());
  if (!path.isEmpty()) ExportTo(path);
}

void ExportGedcomDialog::ExportTo(const QString& path) {
  status_->clear();
  progress_->setValue(0);
  running_ = true;
  export_->setEnabled(false);
  return_->setEnabled(false);
  since_shown_.invalidate();
  const ExportResult result =
      ExportGedcom(session_, {WithGedcomExtension(path), contact_->toPlainText()}, prompter_, this);
  running_ = false;
  export_->setEnabled(true);
  return_->setEnabled(true);
  if (result.outcome == ExportOutcome::kCompleted) {
    status_->setText(ExportSummaryLines(result).join(u'\n'));
  } else if (result.outcome == ExportOutcome::kFailed) {
    status_->setText(result.error);
  }
}

// The window waits while the export runs.
void ExportGedcomDialog::reject() {
  if (!running_) QDialog::reject();
}

void ExportGedcomDialog::ShowProgress(int done, int total) {
  progress_->setMaximum(total);
  progress_->setValue(done);
  if (since_shown_.isValid() && since_shown_.elapsed() < kRefreshMilliseconds && done != total) {
    return;
  }
  since_shown_.start();
  QCoreApplication::processEvents();
}

}  // namespace kinvale

#include "photos/ui/import_photo_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include "common/ui/plain_dialog.h"
#include "session/session.h"

namespace kinvale {

namespace {

constexpr QSize kPreviewSize(240, 200);

}  // namespace

ImportPhotoDialog::ImportPhotoDialog(Session& session, Prompter& prompter, PhotoMode mode,
                                     QWidget* parent)
    : QDialog(parent), session_(session), prompter_(prompter), mode_(mode) {
  const PhotoModeTexts& texts = TextsOf(mode);
  setObjectName(QStringLiteral("ImportPhoto"));
  setWindowTitle(texts.title);
  BuildPickers();

  preview_ = new QLabel(this);
  preview_->setObjectName(QStringLiteral("preview"));
  preview_->setFixedSize(kPreviewSize);
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setFrameShape(QFrame::StyledPanel);
  use_as_default_ = new QCheckBox(kUseAsDefaultCaption, this);
  use_as_default_->setObjectName(QStringLiteral("useAsDefault"));
  use_as_default_->setVisible(mode == PhotoMode::kImport);
  auto* action = new QPushButton(texts.action, this);
  action->setObjectName(QStringLiteral("actionButton"));
  auto* exit = new QPushButton(kExitCaption, this);
  exit->setObjectName(QStringLiteral("exitButton"));
  exit->setAutoDefault(false);

  auto* layout = new QGridLayout(this);
  layout->addWidget(drives_, 0, 0);
  layout->addWidget(folder_path_, 1, 0);
  layout->addWidget(folders_, 2, 0);
  layout->addWidget(files_, 0, 1, 3, 1);
  auto* side = new QVBoxLayout();
  side->addWidget(preview_);
  side->addWidget(use_as_default_);
  side->addStretch();
  side->addWidget(action);
  side->addWidget(exit);
  layout->addLayout(side, 0, 2, 3, 1);
  resize(760, 420);

  connect(action, &QPushButton::clicked, this, &ImportPhotoDialog::RunAction);
  connect(exit, &QPushButton::clicked, this, &QDialog::accept);
  ShowFolder(PhotoStartFolder(session_, mode_));
  FinishDialog(this);
}

void ImportPhotoDialog::BuildPickers() {
  drives_ = new QComboBox(this);
  drives_->setObjectName(QStringLiteral("drivePicker"));
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady()) drives_->addItem(volume.rootPath());
  }
  folder_model_ = new QFileSystemModel(this);
  folder_model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  folder_model_->setRootPath(QDir::rootPath());
  folders_ = new QTreeView(this);
  folders_->setObjectName(QStringLiteral("folderTree"));
  folders_->setModel(folder_model_);
  folders_->setHeaderHidden(true);
  for (int column = 1; column < folder_model_->columnCount(); ++column) {
    folders_->hideColumn(column);
  }
  folder_path_ = new QLabel(this);
  folder_path_->setObjectName(QStringLiteral("folderPath"));
  files_ = new QListWidget(this);
  files_->setObjectName(QStringLiteral("fileList"));

  // Whatever volume is chosen, the folder picker goes back to the family folder.
  connect(drives_, &QComboBox::activated, this, [this] { ShowFolder(session_.FamilyPath()); });
  // The folder and the picture shown follow the current line however it moves: mouse, arrow
  // keys, Home/End, typing.
  connect(folders_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& index) {
            const QString folder = folder_model_->filePath(index);
            if (index.isValid() && folder != folder_) ShowFolder(folder);
          });
  connect(files_, &QListWidget::currentItemChanged, this, [this](const QListWidgetItem* item) {
    if (!item) return preview_->clear();
    ShowPreview(QDir(folder_).filePath(item->text()));
  });
}

void ImportPhotoDialog::ShowFolder(const QString& folder) {
  folder_ = folder;
  folder_path_->setText(QDir::toNativeSeparators(folder));
  const QModelIndex index = folder_model_->index(folder);
  folders_->setCurrentIndex(index);
  folders_->scrollTo(index);
  const int drive = drives_->findText(QStorageInfo(folder).rootPath());
  if (drive >= 0) drives_->setCurrentIndex(drive);
  ListFiles();
}

void ImportPhotoDialog::ListFiles() {
  files_->clear();
  files_->addItems(PhotoFileChoices(folder_, mode_));
  preview_->clear();
}

bool ImportPhotoDialog::ShowPreview(const QString& path) {
  QImageReader reader(path);
  reader.setAutoTransform(true);
  const QImage image = reader.read();
  if (image.isNull()) {
    preview_->clear();
    return false;
  }
  preview_->setPixmap(QPixmap::fromImage(
      image.scaled(kPreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  return true;
}

void ImportPhotoDialog::RunAction() {
  const QListWidgetItem* item = files_->currentItem();
  const QString file_name = item && item->isSelected() ? item->text() : QString();
  const PictureCheck is_picture = [this](const QString& path) { return ShowPreview(path); };
  if (mode_ == PhotoMode::kChange) {
    ChangePhoto(session_, prompter_, folder_, file_name, is_picture);
  } else if (ImportPhoto(session_, prompter_, folder_, file_name, use_as_default_->isChecked(),
                         is_picture) &&
             QDir(folder_) == QDir(session_.FamilyPath())) {
    // The new photo is one of the files listed.
    ListFiles();
  }
}

}  // namespace kinvale

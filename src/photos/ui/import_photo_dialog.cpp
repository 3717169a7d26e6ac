#include "photos/ui/import_photo_dialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/file_choice.h"
#include "common/ui/fitted_picture.h"
#include "common/ui/plain_dialog.h"
#include "editing/shown_people.h"
#include "photos/photo_names.h"
#include "photos/photo_texts.h"
#include "session/session.h"

namespace kinvale {

namespace {

constexpr QSize kMinimumPreview(240, 200);
constexpr QSize kThumbnail(96, 96);

// A picture in any format Qt reads, whatever the file's ending (photos are stored ending in
// "pic"); read at the size bound allows when one is given.
QImage ReadPicture(const QString& path, QSize bound = {}) {
  QImageReader reader(path);
  reader.setAutoTransform(true);  // camera pictures carry their orientation separately
  reader.setDecideFormatFromContent(true);
  if (bound.isValid() && reader.size().isValid()) {
    reader.setScaledSize(reader.size().scaled(bound, Qt::KeepAspectRatio));
  }
  return reader.read();
}

QString OwnerText(const Session& session, int owner, PhotoMode mode) {
  if (owner < 0) return kNoPersonForPhotoMessage;
  const QString name = session.index.row(owner).name;
  return mode == PhotoMode::kImport ? kImportPhotoOf.arg(name) : kChangePhotoOf.arg(name);
}

}  // namespace

ImportPhotoDialog::ImportPhotoDialog(Session& session, Prompter& prompter, FileChooser& files,
                                     PhotoMode mode, QWidget* parent)
    : QDialog(parent),
      session_(session),
      prompter_(prompter),
      files_(files),
      mode_(mode),
      owner_row_(PoiRow(session)) {
  const bool import = mode == PhotoMode::kImport;
  setObjectName(QStringLiteral("ImportPhoto"));
  setWindowTitle(import ? kImportPhotoTitle : kChangePhotoTitle);

  owner_ = new QLabel(OwnerText(session_, owner_row_, mode_), this);
  owner_->setObjectName(QStringLiteral("owner"));
  owner_->setWordWrap(true);
  preview_ = new FittedPicture(kMinimumPreview, this);
  preview_->setObjectName(QStringLiteral("preview"));
  use_as_default_ = new QCheckBox(QStringLiteral("&") + kUseAsDefaultCaption, this);
  use_as_default_->setObjectName(QStringLiteral("useAsDefault"));
  use_as_default_->setVisible(import);
  action_ = new QPushButton(
      QStringLiteral("&") + (import ? kImportPhotoCaption : kChangePhotoCaption), this);
  action_->setObjectName(QStringLiteral("actionButton"));
  action_->setEnabled(false);  // until there is a picture to act on
  action_->setDefault(true);
  auto* exit = new QPushButton(QStringLiteral("&") + kExitCaption, this);
  exit->setObjectName(QStringLiteral("exitButton"));
  exit->setAutoDefault(false);

  auto* body = new QHBoxLayout;
  if (!import) body->addWidget(BuildPhotoList(), 1);
  body->addWidget(preview_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(use_as_default_);
  buttons->addStretch();
  buttons->addWidget(action_);
  buttons->addWidget(exit);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(owner_);
  if (import) layout->addLayout(BuildPictureRow());
  layout->addLayout(body, 1);
  layout->addLayout(buttons);
  resize(import ? 560 : 760, 460);

  connect(action_, &QPushButton::clicked, this, &ImportPhotoDialog::RunAction);
  connect(exit, &QPushButton::clicked, this, &QDialog::accept);
  if (!import) ListPhotos();
  FinishDialog(this);
}

QLayout* ImportPhotoDialog::BuildPictureRow() {
  picture_path_box_ = new QLineEdit(this);
  picture_path_box_->setObjectName(QStringLiteral("picturePath"));
  picture_path_box_->setReadOnly(true);
  choose_picture_ = new QPushButton(kChoosePictureCaption, this);
  choose_picture_->setObjectName(QStringLiteral("choosePicture"));
  choose_picture_->setEnabled(owner_row_ >= 0);
  connect(choose_picture_, &QPushButton::clicked, this, &ImportPhotoDialog::ChoosePicture);
  auto* row = new QHBoxLayout;
  row->addWidget(picture_path_box_, 1);
  row->addWidget(choose_picture_);
  return row;
}

QWidget* ImportPhotoDialog::BuildPhotoList() {
  photos_ = new QListWidget(this);
  photos_->setObjectName(QStringLiteral("photos"));
  photos_->setViewMode(QListView::IconMode);
  photos_->setIconSize(kThumbnail);
  photos_->setMovement(QListView::Static);
  photos_->setResizeMode(QListView::Adjust);
  photos_->setUniformItemSizes(true);
  photos_->setSpacing(6);
  // The preview and the action follow the current photo however it moves: mouse, arrow keys.
  connect(photos_, &QListWidget::currentItemChanged, this, [this](const QListWidgetItem* item) {
    ShowPreview(item ? item->data(Qt::UserRole).toString() : QString());
    action_->setEnabled(item != nullptr);
  });
  connect(photos_, &QListWidget::itemActivated, this, &ImportPhotoDialog::RunAction);
  return photos_;
}

void ImportPhotoDialog::ListPhotos() {
  if (owner_row_ < 0) return;
  const QString family = session_.FamilyPath();
  for (const StoredPhoto& photo : PhotosOf(family, NumberOfRow(session_.index, owner_row_))) {
    const QString path = QDir(family).filePath(photo.file_name);
    auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(ReadPicture(path, kThumbnail))),
                                     kPhotoNumberCaption.arg(photo.number), photos_);
    item->setData(Qt::UserRole, path);
    item->setToolTip(photo.file_name);
    // The photo shown now is the one selected at first.
    if (QFileInfo(path) == QFileInfo(session_.view.photo_path)) photos_->setCurrentItem(item);
  }
  if (photos_->count() == 0) {
    owner_->setText(kNoPhotosYet.arg(session_.index.row(owner_row_).name));
  }
}

int ImportPhotoDialog::exec() {
  if (mode_ == PhotoMode::kImport && owner_row_ >= 0 && !ChoosePicture()) return Rejected;
  return QDialog::exec();
}

bool ImportPhotoDialog::ChoosePicture() {
  // Before the window opens, the file dialog stands over the window that opens it.
  QWidget* over = isVisible() ? this : parentWidget();
  const QString path =
      ChooseFileToOpen(files_, over, session_.app_folder, FileKind::kPicture, kImportPhotoTitle);
  if (path.isEmpty()) return false;
  picture_path_ = path;
  picture_path_box_->setText(QDir::toNativeSeparators(path));
  ShowPreview(path);
  action_->setEnabled(true);
  return true;
}

bool ImportPhotoDialog::ShowPreview(const QString& path) {
  preview_->SetPicture(path.isEmpty() ? QImage() : ReadPicture(path));
  return !preview_->picture().isNull();
}

QString ImportPhotoDialog::ActionPath() const {
  if (mode_ == PhotoMode::kImport) return picture_path_;
  const QListWidgetItem* item = photos_->currentItem();
  return item ? item->data(Qt::UserRole).toString() : QString();
}

void ImportPhotoDialog::RunAction() {
  const QString path = ActionPath();
  if (path.isEmpty()) return;
  const QFileInfo source(path);
  const PictureCheck is_picture = [this](const QString& picture) { return ShowPreview(picture); };
  if (mode_ == PhotoMode::kChange) {
    ChangePhoto(session_, prompter_, source.absolutePath(), source.fileName(), is_picture);
  } else {
    ImportPhoto(session_, prompter_, source.absolutePath(), source.fileName(),
                use_as_default_->isChecked(), is_picture);
  }
}

}  // namespace kinvale

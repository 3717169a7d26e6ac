#include "common/ui/save_as_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include "store/shared_texts.h"

namespace kinvale {

namespace {

// The mounted volumes a file can be saved on, by mount point, named as the system names them.
void FillDrives(QComboBox* drives) {
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady()) continue;
    const QString root = volume.rootPath();
    const QString name = volume.displayName();
    drives->addItem(name == root ? root : QStringLiteral("%1  (%2)").arg(root, name), root);
  }
}

}  // namespace

SaveAsDialog::SaveAsDialog(const QString& start_folder, const QString& default_file_name,
                           QWidget* parent)
    : QDialog(parent), start_folder_(QDir(start_folder).absolutePath()) {
  setObjectName(QStringLiteral("saveAsDialog"));
  setWindowTitle(kSaveAsTitle);

  drives_ = new QComboBox(this);
  drives_->setObjectName(QStringLiteral("driveSelector"));
  FillDrives(drives_);

  folders_model_ = new QFileSystemModel(this);
  folders_model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  folders_model_->setRootPath(QDir::rootPath());
  folders_ = new QTreeView(this);
  folders_->setObjectName(QStringLiteral("folderList"));
  folders_->setModel(folders_model_);
  for (int column = 1; column < folders_model_->columnCount(); ++column) {
    folders_->hideColumn(column);
  }
  folders_->header()->hide();
  folders_->setMinimumSize(345, 168);

  file_name_ = new QLineEdit(default_file_name, this);
  file_name_->setObjectName(QStringLiteral("fileName"));

  save_ = new QPushButton(kSaveCaption, this);
  save_->setObjectName(QStringLiteral("saveButton"));
  save_->setDefault(true);
  auto* cancel = new QPushButton(kCancelCaption, this);
  cancel->setObjectName(QStringLiteral("cancelButton"));
  connect(save_, &QPushButton::clicked, this, &SaveAsDialog::Save);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  // A path needs a file name: without one "Save" would name the folder itself.
  auto name_typed = [this] { save_->setEnabled(!file_name_->text().isEmpty()); };
  connect(file_name_, &QLineEdit::textChanged, this, name_typed);
  name_typed();
  // The model lists and sorts folders in the background; once it has settled, the folder asked
  // for can be opened and scrolled into view.
  settle_timer_ = new QTimer(this);
  settle_timer_->setSingleShot(true);
  settle_timer_->setInterval(50);
  connect(settle_timer_, &QTimer::timeout, this, [this] {
    if (!shown_folder_.isEmpty()) ShowFolder(shown_folder_);
  });
  connect(folders_model_, &QFileSystemModel::rowsInserted, settle_timer_,
          qOverload<>(&QTimer::start));
  connect(folders_model_, &QFileSystemModel::layoutChanged, settle_timer_,
          qOverload<>(&QTimer::start));
  // Once the user picks a folder, the list no longer follows the one asked for.
  connect(folders_, &QTreeView::pressed, this, [this] { shown_folder_.clear(); });
  connect(drives_, &QComboBox::activated, this,
          [this](int index) { ShowFolder(drives_->itemData(index).toString()); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save_);
  buttons->addWidget(cancel);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(drives_);
  layout->addWidget(folders_, 1);
  layout->addWidget(file_name_);
  layout->addLayout(buttons);
  resize(420, 340);

  drives_->setCurrentIndex(drives_->findData(QStorageInfo(start_folder_).rootPath()));
  ShowFolder(start_folder_);
  file_name_->setFocus();
  file_name_->selectAll();
}

void SaveAsDialog::ShowFolder(const QString& folder) {
  shown_folder_ = folder;
  const QModelIndex index = folders_model_->index(folder);
  if (!index.isValid()) return;
  for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent()) {
    folders_->expand(parent);
  }
  folders_->setCurrentIndex(index);
  folders_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

QString SaveAsDialog::CurrentFolder() const {
  const QModelIndex index = folders_->currentIndex();
  return index.isValid() ? folders_model_->filePath(index) : start_folder_;
}

void SaveAsDialog::Save() {
  if (file_name_->text().isEmpty()) return;
  save_path_ = QDir(CurrentFolder()).filePath(file_name_->text());
  accept();
}

QString SaveAsDialog::ChooseSavePath(QWidget* parent, const QString& start_folder,
                                     const QString& default_file_name) {
  SaveAsDialog dialog(start_folder, default_file_name, parent);
  dialog.exec();
  return dialog.save_path();
}

}  // namespace kinvale

#include "mainwindow/ui/about_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/plain_dialog.h"
#include "mainwindow/ui/help_actions.h"
#include "mainwindow/window_texts.h"
#include "store/app_folder.h"

namespace kinvale {

namespace {

constexpr int kLogoMaxSide = 320;

QPixmap Logo(const QString& app_folder) {
  QImageReader reader(QDir(app_folder).filePath(kLogoFileName));
  QImage image = reader.read();
  if (image.width() > kLogoMaxSide || image.height() > kLogoMaxSide) {
    image = image.scaled(kLogoMaxSide, kLogoMaxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }
  return QPixmap::fromImage(image);
}

}  // namespace

AboutDialog::AboutDialog(const QString& app_folder, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("aboutDialog"));
  setWindowTitle(kApplicationTitle);

  auto* logo = new QLabel(this);
  logo->setObjectName(QStringLiteral("logo"));
  const QPixmap picture = Logo(app_folder);
  if (picture.isNull()) {
    logo->setText(kApplicationTitle);  // a missing logo still leaves something to click
  } else {
    logo->setPixmap(picture);
  }
  logo->setAlignment(Qt::AlignCenter);
  logo->setCursor(Qt::PointingHandCursor);
  logo->setToolTip(kHomePageUrl);
  logo->installEventFilter(this);
  logo_ = logo;

  auto* version =
      new QLabel(QStringLiteral("%1 %2").arg(kApplicationTitle, QStringLiteral(KINVALE_VERSION)));
  QFont bold = version->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.2);
  version->setFont(bold);
  version->setAlignment(Qt::AlignCenter);
  auto* hint = new QLabel(kLogoHint);
  hint->setAlignment(Qt::AlignCenter);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(kCloseButtonCaption, QDialogButtonBox::RejectRole);
  close->setObjectName(QStringLiteral("closeButton"));
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  buttons->setCenterButtons(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(logo);
  layout->addWidget(version);
  layout->addWidget(hint);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetMinimumSize);
  FinishDialog(this);
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == logo_ && event->type() == QEvent::MouseButtonRelease) {
    OpenHomePage(this);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace kinvale

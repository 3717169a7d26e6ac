#include "common/ui/plain_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>

namespace kinvale {

namespace {

// Room the window frame takes beside the title: an icon and the close button, in title heights.
constexpr int kFrameButtonsInLines = 4;

}  // namespace

void MakePlainDialog(QDialog* dialog) {
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint);
  // The frame draws the title in the desktop's title font, which is most often the application's
  // font in bold.
  QFont title_font = QApplication::font();
  title_font.setBold(true);
  const QFontMetrics title(title_font);
  const int needed =
      title.horizontalAdvance(dialog->windowTitle()) + title.height() * kFrameButtonsInLines;
  dialog->setMinimumWidth(std::max(dialog->minimumWidth(), needed));
}

}  // namespace kinvale

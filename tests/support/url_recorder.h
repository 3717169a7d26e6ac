// Records the URLs handed to the desktop instead of opening them: register it with
// QDesktopServices::setUrlHandler(scheme, &recorder, "Open").
#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace kinvale::testing {

class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> urls;

 public slots:
  void Open(const QUrl& url) { urls.append(url); }
};

}  // namespace kinvale::testing

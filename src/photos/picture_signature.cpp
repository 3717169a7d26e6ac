#include "photos/picture_signature.h"

#include <QByteArray>
#include <QFile>
#include <array>

#include "store/file_access.h"

namespace kinvale {

namespace {

// RIFF containers hold a WebP picture when bytes 8-11 say so.
constexpr qsizetype kRiffKindOffset = 8;

}  // namespace

bool HasPictureSignature(const QString& path) {
  QFile file;
  if (!OpenRegularFile(path, file, nullptr)) return false;
  const QByteArray head = file.read(16);
  static const std::array<QByteArray, 7> signatures = {
      QByteArrayLiteral("\x89PNG\r\n\x1a\n"),
      QByteArrayLiteral("\xFF\xD8\xFF"),
      QByteArrayLiteral("GIF87a"),
      QByteArrayLiteral("GIF89a"),
      QByteArrayLiteral("BM"),
      QByteArrayLiteral("II*\x00"),
      QByteArrayLiteral("MM\x00*"),
  };
  for (const QByteArray& signature : signatures) {
    if (head.startsWith(signature)) return true;
  }
  return head.startsWith("RIFF") && head.mid(kRiffKindOffset, 4) == "WEBP";
}

}  // namespace kinvale

#include "chart/chart_photos.h"

#include <QDir>

#include "store/family_index.h"
#include "store/link_string.h"
#include "store/record.h"
#include "store/record_reader.h"
#include "store/text_helpers.h"

namespace kinvale {

QString ChartPhotoPath(const QString& family_folder, const IndexRow& row) {
  const QString record =
      QDir(family_folder).filePath(RecordFileName(row.name, OwnNumber(row.link).toString()));
  const std::optional<QString> photo = ReadPhotoLine(record);
  return photo && FileExists(*photo) ? *photo : QString();
}

}  // namespace kinvale

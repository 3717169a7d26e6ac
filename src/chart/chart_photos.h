// The photo a family chart box shows, read from the person's record only when the box is drawn.
#pragma once

#include <QString>

namespace kinvale {

struct IndexRow;

// Line 7 of the row's record in the family folder when it names an existing file; "" when the
// person has no photo or no readable record.
QString ChartPhotoPath(const QString& family_folder, const IndexRow& row);

}  // namespace kinvale

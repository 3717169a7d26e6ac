// Recognising picture files by their first bytes, for front ends that cannot decode pictures.
#pragma once

#include <QString>

namespace kinvale {

// True when the file starts like a PNG, JPEG, GIF, BMP, TIFF or WebP picture.
bool HasPictureSignature(const QString& path);

}  // namespace kinvale

// Photo file names: the person number, a three-digit photo number, "_", and the picture's own
// name up to its first "." (or the whole name and a ".") followed by "pic"; and the next free
// photo number of a person.
#pragma once

#include <QString>
#include <vector>

namespace kinvale {

inline constexpr int kHighestPhotoNumber = 999;

// The photo file name for the picture file source_name: 0005001_grandpa.pic for grandpa.jpg as
// photo 1 of person 0005; my.old.photo.jpg gives 0005001_my.pic, a name without "." is used
// whole and given one (0005001_scan.pic).
QString PhotoFileName(const QString& person_number, int photo_number, const QString& source_name);

// One above the highest photo number among the photos of the person ("NNNN*pic", letter case
// ignored, any kind of entry) in the family folder, whatever order the folder lists them in; 1
// when there is none. A name whose characters 5-7 are not a number counts as 0.
int NextPhotoID(const QString& family_folder, const QString& person_number);

// A photo of a person kept in the family folder.
struct StoredPhoto {
  int number = 0;  // the photo number, characters 5-7 of the file name
  QString file_name;
};
// The photo files of the person in the family folder ("NNNN*pic", letter case ignored, whose
// characters 5-7 are a photo number), by photo number.
std::vector<StoredPhoto> PhotosOf(const QString& family_folder, const QString& person_number);

// True when the file name's first "." is followed by exactly "pic": a photo already imported.
bool IsImportedPhotoName(const QString& file_name);

}  // namespace kinvale

#include "photos/photo_names.h"

#include <QDir>
#include <algorithm>

#include "store/person_number.h"

namespace kinvale {

namespace {

const QString kPhotoEnding = QStringLiteral("pic");
constexpr qsizetype kPhotoNumberStart = 4;
constexpr qsizetype kPhotoNumberWidth = 3;

// The names in the family folder that may be photos of the person: NNNN at the start, "pic" at
// the end, letter case ignored.
QStringList PhotoNames(const QString& family_folder, const QString& person_number,
                       QDir::Filters entries) {
  return QDir(family_folder).entryList({person_number + u'*' + kPhotoEnding}, entries);
}

int PhotoNumberOf(const QString& file_name) {
  return NumberValue(QStringView(file_name).mid(kPhotoNumberStart, kPhotoNumberWidth));
}

}  // namespace

QString PhotoFileName(const QString& person_number, int photo_number, const QString& source_name) {
  // A name without "." gets one, so that the photo ends in ".pic" like every other: the
  // numbering counts only such names, and would otherwise hand its number out again.
  const qsizetype dot = source_name.indexOf(u'.');
  const QString stem = dot < 0 ? source_name + u'.' : source_name.left(dot + 1);
  return person_number +
         QStringLiteral("%1").arg(photo_number, kPhotoNumberWidth, 10, QChar(u'0')) + u'_' + stem +
         kPhotoEnding;
}

int NextPhotoID(const QString& family_folder, const QString& person_number) {
  // Every entry counts, whatever it is, and so do names ending in "pic" without the ".", which
  // earlier versions gave pictures without a "." in their names: no photo is ever overwritten.
  int highest = 0;
  for (const QString& photo :
       PhotoNames(family_folder, person_number,
                  QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)) {
    highest = std::max(highest, PhotoNumberOf(photo));
  }
  return highest + 1;
}

std::vector<StoredPhoto> PhotosOf(const QString& family_folder, const QString& person_number) {
  std::vector<StoredPhoto> photos;
  for (const QString& name : PhotoNames(family_folder, person_number, QDir::Files)) {
    const int number = PhotoNumberOf(name);
    if (number > 0) photos.push_back({number, name});
  }
  std::stable_sort(photos.begin(), photos.end(),
                   [](const StoredPhoto& a, const StoredPhoto& b) { return a.number < b.number; });
  return photos;
}

bool IsImportedPhotoName(const QString& file_name) {
  const qsizetype dot = file_name.indexOf(u'.');
  return dot >= 0 && QStringView(file_name).mid(dot + 1, kPhotoEnding.size()) == kPhotoEnding;
}

}  // namespace kinvale

// Link strings: own number, spouse number, then "F" fathers, "M" mothers, "S" siblings, four
// characters an entry. The groups vary in length, so the markers are found by scanning.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace kinvale {

enum class Group { kFather, kMother, kSibling };

inline constexpr int kEntryWidth = 4;

QStringView OwnNumber(QStringView link);     // characters 1-4
QStringView SpouseNumber(QStringView link);  // characters 5-8
QStringView RestOfLink(QStringView link);    // from character 9 ("F" and everything after)

// The text of one group: between "F" and "M", between "M" and "S", or after "S". Empty when the
// markers are missing or out of order.
QStringView GroupText(QStringView link, Group group);
// The 4-character entries of a group, in order; a trailing remainder shorter than 4 is dropped.
QStringList GroupEntries(QStringView link, Group group);
// The link with one group's text replaced.
QString ReplaceGroup(QStringView link, Group group, QStringView group_text);
// The link with characters 5-8 replaced.
QString WithSpouse(QStringView link, QStringView spouse_number);

// The link string of a newly created person: the number, no spouse, one empty slot per group.
QString NewLinkString(QStringView number);

}  // namespace kinvale

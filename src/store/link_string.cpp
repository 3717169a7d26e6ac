#include "store/link_string.h"

namespace kinvale {

namespace {

struct GroupBounds {
  qsizetype begin = 0;
  qsizetype end = 0;  // one past the last character
};

GroupBounds BoundsOf(QStringView link, Group group) {
  const qsizetype f = link.indexOf(u'F');
  const qsizetype m = link.indexOf(u'M');
  const qsizetype s = link.indexOf(u'S');
  switch (group) {
    case Group::kFather:
      if (f >= 0 && m > f) return {f + 1, m};
      break;
    case Group::kMother:
      if (m >= 0 && s > m) return {m + 1, s};
      break;
    case Group::kSibling:
      if (s >= 0) return {s + 1, link.size()};
      break;
  }
  return {-1, -1};
}

}  // namespace

QStringView OwnNumber(QStringView link) { return link.left(4); }

QStringView SpouseNumber(QStringView link) {
  return link.size() > 4 ? link.mid(4, 4) : QStringView();
}

QStringView RestOfLink(QStringView link) { return link.size() > 8 ? link.mid(8) : QStringView(); }

QStringView GroupText(QStringView link, Group group) {
  const GroupBounds bounds = BoundsOf(link, group);
  if (bounds.begin < 0) return {};
  return link.mid(bounds.begin, bounds.end - bounds.begin);
}

QStringList GroupEntries(QStringView link, Group group) {
  const QStringView text = GroupText(link, group);
  QStringList entries;
  entries.reserve(text.size() / kEntryWidth);
  for (qsizetype i = 0; i + kEntryWidth <= text.size(); i += kEntryWidth) {
    entries.append(text.mid(i, kEntryWidth).toString());
  }
  return entries;
}

QString ReplaceGroup(QStringView link, Group group, QStringView group_text) {
  const GroupBounds bounds = BoundsOf(link, group);
  if (bounds.begin < 0) return link.toString();
  return link.left(bounds.begin).toString() + group_text.toString() +
         link.mid(bounds.end).toString();
}

QString WithSpouse(QStringView link, QStringView spouse_number) {
  return OwnNumber(link).toString() + spouse_number.toString() + RestOfLink(link).toString();
}

QString NewLinkString(QStringView number) {
  return number.toString() + QStringLiteral("0000F0000M0000S0000");
}

}  // namespace kinvale

#include "store/family_check.h"

#include <algorithm>
#include <array>
#include <map>

#include "store/link_string.h"
#include "store/person_number.h"
#include "store/store_texts.h"
#include "store/text_helpers.h"

namespace kinvale {

namespace {

struct GroupInfo {
  Group group;
  QChar marker;
  Text role;
};
constexpr std::array<GroupInfo, 3> kGroups = {{{Group::kFather, u'F', kFatherRole},
                                               {Group::kMother, u'M', kMotherRole},
                                               {Group::kSibling, u'S', kSiblingRole}}};

bool IsFourDigits(QStringView text) {
  if (text.size() != kEntryWidth) return false;
  for (QChar c : text) {
    if (c < u'0' || c > u'9') return false;
  }
  return true;
}

QString Who(const IndexRow& row) {
  return QStringLiteral("%1 (%2)").arg(row.name, OwnNumber(row.link));
}

// The record files of each person number their names carry; backup copies do not count.
std::map<int, QStringList> FilesByNumber(const QStringList& family_files) {
  std::map<int, QStringList> files;
  for (const QString& file : family_files) {
    if (ContainsText(file, u"copy")) continue;
    if (const int number = NumberFromRecordFileName(file); number > 0) files[number].append(file);
  }
  return files;
}

// The standard link with every number that no record file carries cleared, and what was cleared.
QString WithoutMissingPeople(const QString& link, const std::map<int, QStringList>& files,
                             QStringList* cleared) {
  auto keep = [&](const QString& entry, Text role) {
    const int number = NumberValue(entry);
    if (number <= 0 || files.count(number)) return entry;
    cleared->append(role + u' ' + entry);
    return kNobody;
  };
  QString result = OwnNumber(link).toString() + keep(SpouseNumber(link).toString(), kSpouseRole);
  for (const GroupInfo& info : kGroups) {
    result += info.marker;
    for (const QString& entry : GroupEntries(link, info.group)) result += keep(entry, info.role);
  }
  return result;
}

void FindRepairs(const FamilyIndex& index, const std::map<int, QStringList>& files,
                 FamilyCheck* check) {
  for (int row = 0; row < index.size(); ++row) {
    const QString& link = index.row(row).link;
    const QString standard = StandardLink(link);
    QStringList problems;
    if (standard != link) {
      problems.append(kLinkNotWellFormed.arg(link));
    }
    QStringList cleared;
    const QString mended = WithoutMissingPeople(standard, files, &cleared);
    if (!cleared.isEmpty()) {
      problems.append(kLinkNamesMissing.arg(cleared.join(QStringLiteral(", "))));
    }
    if (!problems.isEmpty()) {
      check->repairs.push_back(
          {row, mended, Who(index.row(row)) + QStringLiteral(": ") + problems.join("; ")});
    }
  }
}

void FindOneSidedLinks(const FamilyIndex& index, FamilyCheck* check) {
  auto report = [&](const IndexRow& from, const IndexRow& to, Text role) {
    check->one_sided.append(kOneSidedLink.arg(Who(from), Who(to), role.ToString()));
  };
  for (const IndexRow& row : index.rows()) {
    const int own = NumberValue(OwnNumber(row.link));
    const int spouse = index.RowOfNumber(SpouseNumber(row.link));
    if (spouse >= 0 && NumberValue(SpouseNumber(index.row(spouse).link)) != own) {
      report(row, index.row(spouse), kSpouseRole);
    }
    for (const QString& entry : GroupEntries(row.link, Group::kSibling)) {
      const int sibling = index.RowOfNumber(entry);
      if (sibling < 0 || NumberValue(entry) == own) continue;
      const QStringList back = GroupEntries(index.row(sibling).link, Group::kSibling);
      const bool listed = std::any_of(back.begin(), back.end(),
                                      [own](const QString& e) { return NumberValue(e) == own; });
      if (!listed) report(row, index.row(sibling), kSiblingRole);
    }
  }
}

}  // namespace

QString StandardLink(QStringView link) {
  const QStringView spouse = SpouseNumber(link);
  QString standard =
      OwnNumber(link).toString() + (IsFourDigits(spouse) ? spouse.toString() : kNobody);
  for (const GroupInfo& info : kGroups) {
    standard += info.marker;
    for (const QString& entry : GroupEntries(link, info.group)) {
      standard += FormatPersonNumber(NumberValue(entry));
    }
  }
  return standard;
}

FamilyCheck CheckFamilyLinks(const FamilyIndex& index, const QStringList& family_files) {
  FamilyCheck check;
  const std::map<int, QStringList> files = FilesByNumber(family_files);
  for (const auto& [number, names] : files) {
    if (names.size() < 2) continue;
    check.duplicates.append(kSharedPersonNumberMessage.ToString()
                                .arg(FormatPersonNumber(number))
                                .arg(names.size())
                                .arg(names.join(QStringLiteral(", "))));
  }
  FindRepairs(index, files, &check);
  FindOneSidedLinks(index, &check);
  return check;
}

}  // namespace kinvale

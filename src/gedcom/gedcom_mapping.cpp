#include "gedcom/gedcom_mapping.h"
#include "store/record.h"

#include <array>

namespace kinvale {

namespace {}  // namespace

QString GedcomNameValue(const QString& name) {
  const qsizetype blank = name.lastIndexOf(u' ');
  const QString given = blank < 0 ? name : name.left(blank);
  const QString surname = blank < 0 ? QString() : name.mid(blank + 1);
  return given + QStringLiteral(" /") + surname + u'/';
}

QString PersonNameOfGedcomValue(QStringView value) {
  if (!value.endsWith(u'/')) return value.toString();
  const QStringView inner = value.chopped(1);
  const qsizetype slash = inner.lastIndexOf(u'/');
  if (slash < 1 || inner[slash - 1] != u' ') return value.toString();
  const QStringView given = inner.left(slash - 1);
  const QStringView surname = inner.sliced(slash + 1);
  return surname.isEmpty() ? given.toString() : given.toString() + u' ' + surname.toString();
}

QString GedcomSexCode(const QString& gender) {
  const QString plain = gender.trimmed();
  if (plain.compare(kMaleGender, Qt::CaseInsensitive) == 0) return QStringLiteral("M");
  if (plain.compare(kFemaleGender, Qt::CaseInsensitive) == 0) return QStringLiteral("F");
  return QStringLiteral("U");
}

QString GenderOfSexCode(QStringView code) {
  if (code == u"M") return kMaleGender;
  if (code == u"F") return kFemaleGender;
  return {};
}

bool GenderNeedsOwnLine(const QString& gender) {
  const QString code = GedcomSexCode(gender);
  if (code == u"U" && gender == u" ") return false;
  return GenderOfSexCode(code) != gender;
}

const std::vector<EducationLevel>& EducationLevels() {
  static const std::vector<EducationLevel> levels = {
      {&PersonDetails::elementary, QStringLiteral("Elementary School")},
      {&PersonDetails::intermediate, QStringLiteral("Intermediate School")},
      {&PersonDetails::high, QStringLiteral("High School")},
      {&PersonDetails::universities, QStringLiteral("College or University")},
  };
  return levels;
}

QStringList* SchoolListOfType(PersonDetails& details, QStringView type) {
  for (const EducationLevel& level : EducationLevels()) {
    if (level.type == type) return &(details.*level.list);
  }
  return &details.universities;
}

QString GedcomDate(const QDate& date) {
  static constexpr std::array<const char*, 12> kMonths = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                          "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  return QStringLiteral("%1 %2 %3")
      .arg(date.day())
      .arg(QLatin1String(kMonths[date.month() - 1]))
      .arg(date.year());
}

QList<QStringView> ExportedBlockLines(QStringView block) {
  QList<QStringView> lines;
  bool any_text = false;
  qsizetype start = 0;
  const qsizetype n = block.size();
  for (qsizetype i = 0; i <= n; ++i) {
    if (i < n && block[i] != u'\r' && block[i] != u'\n') continue;
    if (i == n && start == n) break;  // a final line break adds no line
    lines.append(block.sliced(start, i - start));
    any_text = any_text || i > start;
    if (i + 1 < n && block[i] == u'\r' && block[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (!any_text) lines.clear();
  return lines;
}

QString BlockOfLines(const QStringList& lines) {
  QString block;
  for (const QString& line : lines) {
    block += line;
    block += kLineBreak;
  }
  return block;
}

}  // namespace kinvale

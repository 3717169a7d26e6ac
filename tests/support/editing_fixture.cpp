#include "support/editing_fixture.h"

#include <QDir>
#include <QtTest>

#include "editing/family_editing.h"
#include "session/main_view.h"
#include "store/record.h"
#include "store/text_codec.h"

namespace kinvale::testing {

std::vector<PersonSpec> ParsePeople(const QStringList& people) {
  std::vector<PersonSpec> specs;
  for (const QString& line : people) {
    const QStringList parts = line.split(u'|');
    PersonSpec spec{parts.value(0), parts.value(1)};
    if (parts.size() > 2) spec.gender = parts[2];
    specs.push_back(spec);
  }
  return specs;
}

ButtonOperation OperationNamed(const QString& name) {
  static const QHash<QString, ButtonOperation> operations = {
      {QStringLiteral("add father"), AddFather},
      {QStringLiteral("add mother"), AddMother},
      {QStringLiteral("add spouse"), AddSpouse},
      {QStringLiteral("add sibling"), AddSibling},
      {QStringLiteral("add dependent"), AddDependent},
      {QStringLiteral("remove father"), RemoveFather},
      {QStringLiteral("remove mother"), RemoveMother},
      {QStringLiteral("remove sibling"), RemoveSibling},
      {QStringLiteral("remove dependent"), RemoveDependent},
  };
  const ButtonOperation operation = operations.value(name);
  if (!operation) qFatal("no operation %s", qPrintable(name));
  return operation;
}

RelativeList* ListOf(MainView& view, const QString& operation) {
  if (operation.endsWith(u"father")) return &view.fathers;
  if (operation.endsWith(u"mother")) return &view.mothers;
  if (operation.endsWith(u"sibling")) return &view.siblings;
  if (operation.endsWith(u"dependent")) return &view.children;
  return nullptr;
}

void EditingFixture::Open(const QStringList& people, const QString& poi) {
  folder.WriteFamily(kTestFamily, ParsePeople(people));
  session = folder.OpenSession(kTestFamily);
  if (poi.isEmpty()) return;
  session.view.person_of_interest = poi;
  RefreshMainView(session);
}

void EditingFixture::Run(const QString& operation, const QString& argument) {
  if (operation.startsWith(u"add")) {
    prompter.answers.append(argument);
  } else {
    RelativeList* list = ListOf(session.view, operation);
    list->selected = static_cast<int>(list->names.indexOf(argument));
  }
  OperationNamed(operation)(session, prompter);
}

QStringList EditingFixture::Links() const {
  QStringList links;
  for (const IndexRow& row : session.index.rows()) links.append(row.name + u'|' + row.link);
  return links;
}

QStringList EditingFixture::RecordLinks() const {
  QStringList links;
  for (const IndexRow& row : session.index.rows()) {
    const std::optional<QStringList> lines =
        ReadTextLines(session.FamilyFilePath(RecordFileName(row.name, row.link.left(4))));
    links.append(row.name + u'|' + (lines ? lines->value(0) : QStringLiteral("<missing>")));
  }
  return links;
}

QStringList EditingFixture::FamilyFiles() const {
  return QDir(session.FamilyPath()).entryList(QDir::Files, QDir::Name);
}

}  // namespace kinvale::testing

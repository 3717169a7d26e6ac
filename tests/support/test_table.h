// Qt Test data tables written one line a table head and one line a row, with the columns taken
// by position: Columns<int, QString>() in the _data function, Row("tag", 3, "text") for each
// row, and const auto [count, text] = Fetch<int, QString>() in the test.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTest>
#include <tuple>
#include <type_traits>
#include <utility>

namespace kinvale::testing {

namespace table_detail {
inline constexpr const char* kColumnNames[] = {"1", "2", "3", "4", "5", "6", "7", "8"};

template <typename... Types, std::size_t... I>
std::tuple<Types...> FetchAt(std::index_sequence<I...>) {
  return {*static_cast<Types*>(QTest::qData(kColumnNames[I], qMetaTypeId<Types>()))...};
}
}  // namespace table_detail

template <typename... Types>
void Columns() {
  static_assert(sizeof...(Types) <= std::size(table_detail::kColumnNames));
  int column = 0;
  (QTest::addColumn<Types>(table_detail::kColumnNames[column++]), ...);
}

// A row of the table; a text literal goes into its column as a QString.
template <typename... Values>
void Row(const QByteArray& tag, const Values&... values) {
  QTestData& row = QTest::newRow(tag.constData());
  auto cell = [](const auto& value) {
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, const char*>) {
      return QString(value);
    } else {
      return value;
    }
  };
  (row << ... << cell(values));
}

// The current row's values, in column order.
template <typename... Types>
std::tuple<Types...> Fetch() {
  return table_detail::FetchAt<Types...>(std::index_sequence_for<Types...>{});
}

}  // namespace kinvale::testing

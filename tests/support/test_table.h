// Qt Test data tables written one line a table head and one line a row, with the columns taken
// by position: Columns<int, QString>() in the _data function, Row("tag", 3, "text") for each
// row, and const auto [count, text] = Fetch<int, QString>() in the test.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTest>
#include <tuple>
#include <utility>

namespace kinvale::testing {

namespace table_detail {
inline constexpr const char* kColumnNames[] = {"1", "2", "3", "4", "5", "6", "7", "8"};

// A text literal goes into its column as a QString, anything else as it is.
inline QString Cell(const char* text) { return QString(text); }
template <typename T>
const T& Cell(const T& value) {
  return value;
}

template <typename... Types, std::size_t... I>
std::tuple<Types...> FetchAt(std::index_sequence<I...>) {
  return {*static_cast<Types*>(QTest::qData(kColumnNames[I], qMetaTypeId<Types>()))...};
}
}  // namespace table_detail

template <typename... Types>
void Columns() {
  int column = 0;
  (QTest::addColumn<Types>(table_detail::kColumnNames[column++]), ...);
}

template <typename... Values>
void Row(const QByteArray& tag, const Values&... values) {
  (QTest::newRow(tag.constData()) << ... << table_detail::Cell(values));
}

// The current row's values, in column order.
template <typename... Types>
std::tuple<Types...> Fetch() {
  return table_detail::FetchAt<Types...>(std::index_sequence_for<Types...>{});
}

}  // namespace kinvale::testing

// A text the user reads, kept once in a <subsystem>_texts.h file and marked for translation:
//   inline constexpr Text kSaveCaption{QT_TRANSLATE_NOOP("Kinvale", "Save")};
// lupdate finds it by the marker; the text is looked up in the installed translation each time it
// becomes a QString, so a translation needs no change of the code that shows it. With no
// translation installed it reads as written.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <array>
#include <utility>

namespace kinvale {

class Text {
 public:
  // Every text of the program shares one translation context.
  static constexpr const char* kContext = "Kinvale";

  constexpr explicit Text(const char* source) : source_(source) {}

  QString ToString() const { return QCoreApplication::translate(kContext, source_); }
  operator QString() const { return ToString(); }  // NOLINT: a text is shown as a QString
  template <typename... Args>
  QString arg(Args&&... args) const {
    return ToString().arg(std::forward<Args>(args)...);
  }
  const char* source() const { return source_; }

 private:
  const char* source_;
};

// A fixed list of texts: the columns of a table, or words picked by number.
template <std::size_t N>
struct TextList : std::array<Text, N> {
  // The text at index as shown; empty outside the list, as QStringList::value gives it.
  QString value(qsizetype index) const {
    return index >= 0 && index < qsizetype(N) ? (*this)[index].ToString() : QString();
  }
  QStringList ToStringList() const {
    QStringList shown;
    for (const Text& text : *this) shown.append(text.ToString());
    return shown;
  }
  operator QStringList() const { return ToStringList(); }  // NOLINT: shown as a QStringList
};

inline QString operator+(const Text& text, const QString& tail) { return text.ToString() + tail; }
inline QString operator+(const Text& text, QChar tail) { return text.ToString() + tail; }
inline QString operator+(const Text& text, const char* tail) {
  return text.ToString() + QString::fromUtf8(tail);
}
inline QString operator+(const QString& head, const Text& text) { return head + text.ToString(); }
inline bool operator==(const QString& shown, const Text& text) { return shown == text.ToString(); }

}  // namespace kinvale

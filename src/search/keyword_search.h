// The keyword search: which persons of a family have record files that mention a phrase, or
// any of several words, on a line that is not a section header.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

#include "search/search_texts.h"

namespace kinvale {

class Prompter;

enum class SearchMode {
  kAnyWord,      // a person is found when any one of the words occurs
  kExactPhrase,  // the whole search text is one term
};

// The words of a search text, split at every blank: a blank or the last character ends the
// current word, so two blanks in a row give an empty word and a leading blank gives one too.
QStringList SearchWords(QStringView text);

// The terms a search looks for: the whole text for an exact phrase, otherwise every non-empty
// word, however many there are.
QStringList SearchTerms(const QString& text, SearchMode mode);

// Tells whether the text of a record file has a line that mentions any of the terms: a line that
// is no section header (it holds no "***") and contains a term ignoring case. An empty term is
// found in any non-empty line; a term holding a line break is found nowhere.
class RecordMatcher {
 public:
  explicit RecordMatcher(const QStringList& terms);
  // Lines of the text end at CR LF, LF or a lone CR.
  bool Matches(QStringView text) const;

 private:
  // Where a term begins in the case-folded text, from the position on; -1 when nowhere.
  qsizetype NextTermAt(QStringView folded_text, qsizetype from) const;

  QStringList folded_terms_;
  // By the low byte of a character: whether a term may begin with it.
  std::array<bool, 256> may_start_term_{};
};

// Called after each record file with the share of the files taken so far, in percent (0-100).
using SearchProgress = std::function<void(int percent)>;

struct SearchOutcome {
  QStringList names;         // the persons found, in record file order, each file once
  std::vector<int> numbers;  // the person number of each, from its record file name
  QStringList unreadable;    // record files that could not be read
};

// Reads each record file of the list once and lists the person of every file with a line that
// matches any of the terms. Backup copies (a file name containing "copy") are never listed.
SearchOutcome SearchRecordFiles(const QString& family_folder, const QStringList& family_files,
                                const QStringList& terms, const SearchProgress& progress = {});

// Whether the search found anyone: "No search results." or "Search completed.".
QString SearchStatus(const SearchOutcome& outcome);

// Tells the user which record files the search could not read, titled "Search Status".
void ReportUnreadableFiles(const SearchOutcome& outcome, Prompter& prompter);

// Tells the user what the search could not read, and, in the any-word mode, its status.
void ReportSearchOutcome(const SearchOutcome& outcome, SearchMode mode, Prompter& prompter);

}  // namespace kinvale

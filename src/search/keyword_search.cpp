#include "search/keyword_search.h"

#include <QDir>
#include <optional>

#include "store/family_files.h"
#include "store/prompter.h"
#include "store/text_codec.h"
#include "store/text_helpers.h"

namespace kinvale {

QStringList SearchWords(QStringView text) {
  QStringList words;
  QString word;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const bool blank = text[i] == u' ';
    if (!blank) word.append(text[i]);
    if (blank || i == text.size() - 1) {
      words.append(word);
      word.clear();
    }
  }
  return words;
}

QStringList SearchTerms(const QString& text, SearchMode mode) {
  if (mode == SearchMode::kExactPhrase) return {text};
  QStringList terms = SearchWords(text);
  terms.removeAll(QString());
  return terms;
}

bool LineMatchesAny(QStringView line, const QStringList& terms) {
  if (line.contains(u"***")) return false;
  for (const QString& term : terms) {
    if (ContainsText(line, term)) return true;
  }
  return false;
}

namespace {

enum class FileMatch { kNone, kFound, kUnreadable };

FileMatch MatchRecordFile(const QString& path, const QStringList& terms) {
  const std::optional<QStringList> lines = ReadTextLines(path);
  if (!lines) return FileMatch::kUnreadable;
  for (const QString& line : *lines) {
    if (LineMatchesAny(line, terms)) return FileMatch::kFound;
  }
  return FileMatch::kNone;
}

}  // namespace

SearchOutcome SearchRecordFiles(const QString& family_folder, const QStringList& family_files,
                                const QStringList& terms, const SearchProgress& progress) {
  SearchOutcome outcome;
  const QDir folder(family_folder);
  const qsizetype total = family_files.size();
  for (qsizetype taken = 0; taken < total; ++taken) {
    const QString& file = family_files[taken];
    if (!terms.isEmpty() && !ContainsText(file, u"copy")) {
      switch (MatchRecordFile(folder.filePath(file), terms)) {
        case FileMatch::kFound:
          outcome.names.append(NameFromRecordFileName(file));
          break;
        case FileMatch::kUnreadable:
          outcome.unreadable.append(file);
          break;
        case FileMatch::kNone:
          break;
      }
    }
    if (progress) progress(static_cast<int>((taken + 1) * 100 / total));
  }
  return outcome;
}

void ReportSearchOutcome(const SearchOutcome& outcome, SearchMode mode, Prompter& prompter) {
  if (!outcome.unreadable.isEmpty()) {
    prompter.Message(UnreadableFilesMessage(outcome.unreadable), kSearchStatusTitle);
  }
  if (mode == SearchMode::kExactPhrase) return;
  prompter.Message(outcome.names.isEmpty() ? kNoSearchResults : kSearchCompleted,
                   kSearchStatusTitle);
}

}  // namespace kinvale

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

namespace {

bool IsLineBreak(QChar c) { return c == u'\r' || c == u'\n'; }

// The line of the text that holds the position: from just after the line break before it up to
// the next line break.
QStringView LineAt(QStringView text, qsizetype at) {
  qsizetype start = at;
  while (start > 0 && !IsLineBreak(text[start - 1])) --start;
  qsizetype end = at;
  while (end < text.size() && !IsLineBreak(text[end])) ++end;
  return text.sliced(start, end - start);
}

// The text with every character case-folded on its own, so that comparing folded texts exactly
// is comparing the texts ignoring case as ContainsText does. Folding keeps the length.
QString FoldedCase(QStringView text) {
  QString folded(text.size(), Qt::Uninitialized);
  char16_t* out = reinterpret_cast<char16_t*>(folded.data());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (c < 0x80) {
      out[i] = (c >= u'A' && c <= u'Z') ? c + (u'a' - u'A') : c;
    } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      const char32_t folded_pair =
          QChar::toCaseFolded(QChar::surrogateToUcs4(text[i], text[i + 1]));
      out[i] = QChar::highSurrogate(folded_pair);
      out[++i] = QChar::lowSurrogate(folded_pair);
    } else {
      out[i] = static_cast<char16_t>(QChar::toCaseFolded(char32_t{c}));
    }
  }
  return folded;
}

enum class FileMatch { kNone, kFound, kUnreadable };

FileMatch MatchRecordFile(const QString& path, const RecordMatcher& matcher) {
  const std::optional<QString> text = ReadText(path);
  if (!text) return FileMatch::kUnreadable;
  return matcher.Matches(*text) ? FileMatch::kFound : FileMatch::kNone;
}

}  // namespace

RecordMatcher::RecordMatcher(const QStringList& terms) {
  for (const QString& term : terms) {
    if (term.contains(u'\r') || term.contains(u'\n')) continue;
    folded_terms_.append(FoldedCase(term));
    if (term.isEmpty()) {
      may_start_term_.fill(true);
    } else {
      may_start_term_[folded_terms_.last().front().unicode() & 0xFF] = true;
    }
  }
}

qsizetype RecordMatcher::NextTermAt(QStringView folded_text, qsizetype from) const {
  for (qsizetype at = from; at < folded_text.size(); ++at) {
    if (!may_start_term_[folded_text[at].unicode() & 0xFF]) continue;
    const QStringView rest = folded_text.sliced(at);
    for (const QString& term : folded_terms_) {
      if (rest.startsWith(term)) return at;
    }
  }
  return -1;
}

// Looking for the terms in the whole text and then at the line of each place found gives what
// testing every line would, without cutting the text into lines: lines hold no line breaks, so
// a term without one that occurs in the text lies within one line.
bool RecordMatcher::Matches(QStringView text) const {
  if (folded_terms_.isEmpty()) return false;
  const QString folded_text = FoldedCase(text);
  qsizetype from = 0;
  while (true) {
    const qsizetype at = NextTermAt(folded_text, from);
    if (at < 0) return false;
    const QStringView line = LineAt(folded_text, at);
    if (!line.isEmpty() && !line.contains(u"***")) return true;
    from = (line.data() - folded_text.data()) + line.size() + 1;  // the next line
  }
}

SearchOutcome SearchRecordFiles(const QString& family_folder, const QStringList& family_files,
                                const QStringList& terms, const SearchProgress& progress) {
  SearchOutcome outcome;
  const RecordMatcher matcher(terms);
  const QDir folder(family_folder);
  const qsizetype total = family_files.size();
  for (qsizetype taken = 0; taken < total; ++taken) {
    const QString& file = family_files[taken];
    if (!terms.isEmpty() && !ContainsText(file, u"copy")) {
      switch (MatchRecordFile(folder.filePath(file), matcher)) {
        case FileMatch::kFound:
          outcome.names.append(NameFromRecordFileName(file));
          outcome.numbers.push_back(NumberFromRecordFileName(file));
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

QString SearchStatus(const SearchOutcome& outcome) {
  return outcome.names.isEmpty() ? kNoSearchResults : kSearchCompleted;
}

void ReportUnreadableFiles(const SearchOutcome& outcome, Prompter& prompter) {
  if (outcome.unreadable.isEmpty()) return;
  prompter.Message(UnreadableFilesMessage(outcome.unreadable), kSearchStatusTitle,
                   MessageKind::kError);
}

void ReportSearchOutcome(const SearchOutcome& outcome, SearchMode mode, Prompter& prompter) {
  ReportUnreadableFiles(outcome, prompter);
  if (mode == SearchMode::kAnyWord) {
    prompter.Message(SearchStatus(outcome), kSearchStatusTitle, MessageKind::kInformation);
  }
}

}  // namespace kinvale

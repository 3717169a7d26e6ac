// A GEDCOM file split into lines and records: each line's level, cross-reference, tag and value
// (TAB and other white space read as a blank),
// the subtree every line heads, and the records (level-0 lines) indexed by cross-reference, so
// that the import, and the export's round-trip check, look everything up without rescanning.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

#include "gedcom/gedcom_charset.h"

namespace kinvale {

// One flag per line of a file: true once the import has taken what the line says.
using UsedLines = std::vector<bool>;

struct GedcomLine {
  int level = 0;
  int end = 0;       // one past the last line of the subtree this line heads
  QStringView xref;  // "@I1@", with its "@" signs; empty when the line has none
  QStringView tag;
  QStringView value;  // as written, "@@" not yet read as "@"; empty when there is none
};

class GedcomFile {
 public:
  // The lines of one line's direct sub-lines, in order.
  class Children {
   public:
    class Iterator {
     public:
      Iterator(const GedcomFile* file, int line) : file_(file), line_(line) {}
      int operator*() const { return line_; }
      Iterator& operator++() {
        line_ = file_->lines_[line_].end;
        return *this;
      }
      bool operator!=(const Iterator& other) const { return line_ != other.line_; }

     private:
      const GedcomFile* file_;
      int line_;
    };
    Children(const GedcomFile* file, int parent) : file_(file), parent_(parent) {}
    Iterator begin() const { return {file_, parent_ + 1}; }
    Iterator end() const { return {file_, file_->lines_[parent_].end}; }

   private:
    const GedcomFile* file_;
    int parent_;
  };

  GedcomFile(const GedcomFile&) = delete;
  GedcomFile& operator=(const GedcomFile&) = delete;
  GedcomFile(GedcomFile&&) = default;
  GedcomFile& operator=(GedcomFile&&) = default;

  // Decodes and splits the bytes of a file; the bytes are let go once decoded.
  static GedcomFile Parse(QByteArray bytes);
  // Reads a file; nullopt with a message naming it when it cannot be read.
  static std::optional<GedcomFile> Read(const QString& path, QString* error);

  GedcomCharset charset() const { return charset_; }
  // The lines (counting from 1) that are not valid in the file's character set: the first few
  // of them, and how many there are.
  const std::vector<int>& bad_lines() const { return bad_lines_; }
  int bad_line_count() const { return bad_line_count_; }
  int size() const { return static_cast<int>(lines_.size()); }
  const GedcomLine& line(int index) const { return lines_[index]; }
  Children ChildrenOf(int line) const { return {this, line}; }
  // The first line of every record, in file order.
  const std::vector<int>& records() const { return records_; }
  // The first line of the record with that cross-reference and tag; -1 when there is none. Of
  // records that share a cross-reference, the first is the one found.
  int FindRecord(QStringView xref, QStringView tag) const;
  // The records whose cross-reference an earlier record already has, in file order.
  const std::vector<int>& repeated_records() const { return repeated_records_; }
  // Lines that are not GEDCOM lines (no level number or no tag), which the reading skips.
  int malformed_lines() const { return malformed_lines_; }

  // The text a line carries: its value, then one more line for each CONT sub-line and the value
  // of each CONC sub-line joined to the line before it, "@@" read as "@". The CONT and CONC
  // lines are marked in *used when it is given.
  QStringList TextOf(int line, UsedLines* used = nullptr) const;
  // The same text for a one-line field: each CONT line break read as a blank.
  QString OneLineTextOf(int line, UsedLines* used = nullptr) const;

 private:
  GedcomFile() = default;
  void SplitLines();
  void IndexRecords();

  QString text_;  // the lines' views point into it
  GedcomCharset charset_ = GedcomCharset::kUtf8;
  std::vector<int> bad_lines_;
  int bad_line_count_ = 0;
  std::vector<GedcomLine> lines_;
  std::vector<int> records_;
  QHash<QStringView, int> records_by_xref_;
  std::vector<int> repeated_records_;
  int malformed_lines_ = 0;
};

// A value as GEDCOM means it: "@@" stands for one "@".
QString GedcomValueText(QStringView value);
// True for a value that points to a record ("@N12@"), false for text.
bool IsGedcomPointer(QStringView value);
// GEDCOM 7's pointer to nobody, "@VOID@".
inline bool IsVoidPointer(QStringView value) { return value == u"@VOID@"; }

}  // namespace kinvale

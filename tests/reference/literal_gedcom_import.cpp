#include "reference/literal_gedcom_import.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <vector>

#include "store/text_codec.h"
#include "store/text_helpers.h"

namespace kinvale::reference {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Reads a text file line by line, each line without its line break.
class LineFile {
 public:
  explicit LineFile(const QString& path) : lines_(ReadTextLines(path).value_or(QStringList())) {}
  bool AtEnd() const { return next_ >= lines_.size(); }
  QString ReadLine() { return lines_.at(next_++); }

 private:
  QStringList lines_;
  qsizetype next_ = 0;
};

// The text of a line from its eighth character on; empty for seven characters or fewer.
QString LineValue(const QString& line) { return line.size() > 7 ? line.mid(7) : QString(); }

QString PadPersonNumber(const QString& text) {
  long long v = 0;
  for (QChar c : text) {
    if (!c.isDigit()) break;
    v = v * 10 + c.digitValue();
  }
  const QString digits = QString::number(v);
  if (v < 10) return QStringLiteral("000") + digits;
  if (v < 100) return QStringLiteral("00") + digits;
  if (v < 1000) return QStringLiteral("0") + digits;
  return digits;
}

QString XrefToPersonNumber(const QString& line) {
  const qsizetype first = line.indexOf(u'@');
  const qsizetype last = line.lastIndexOf(u'@');
  return PadPersonNumber(line.mid(first + 1, last - first - 1).mid(1));
}

QString CapitaliseWord(const QString& w) {
  if (w.isEmpty()) return w;
  QString out = w.left(1);
  for (qsizetype i = 1; i < w.size(); ++i) {
    if (w[i] != u' ') out += w[i].toLower();
  }
  return out;
}

QString StripFileNameChars(const QString& t) {
  QString out;
  for (QChar c : t) {
    if (!QStringLiteral("\"\\/:*?<>|").contains(c)) out += c;
  }
  return out;
}

// Each word of the text through CapitaliseWord, one blank between words.
QString CapitaliseWords(const QString& t) {
  QStringList words = t.simplified().split(u' ', Qt::SkipEmptyParts);
  for (QString& word : words) word = CapitaliseWord(word);
  return words.join(u' ');
}

// As first described, with the later decision: the surname keeps one blank between its words,
// ends at its closing slash, and the text after that slash follows after one blank; the name
// has no blanks at its ends.
QString CleanGedcomName(const QString& s, QString* alternate_box) {
  QString given, prefix_text, alternate, surname, suffix;
  const qsizetype gt = s.indexOf(u'>');
  if (gt >= 0 && s.indexOf(u'/', gt + 1) >= 0) {
    const qsizetype slash = s.indexOf(u'/', gt + 1);
    given = s.mid(gt + 1, slash - gt - 1);
    prefix_text = s.left(gt);
  } else {
    const qsizetype slash = s.indexOf(u'/');
    given = slash >= 0 ? s.left(slash) : s;
  }
  const qsizetype slash = s.indexOf(u'/');
  const qsizetype gt_after = slash >= 0 ? s.indexOf(u'>', slash + 1) : -1;
  qsizetype surname_start = -1;
  if (gt_after >= 0 && gt_after - slash - 1 >= 1) {
    alternate = s.mid(slash + 1, gt_after - slash - 1);
    surname_start = gt_after + 1;
  } else if (slash >= 0) {
    surname_start = slash + 1;
  }
  if (surname_start >= 0) {
    const qsizetype closing = s.indexOf(u'/', surname_start);
    surname = closing >= 0 ? s.mid(surname_start, closing - surname_start) : s.mid(surname_start);
    if (closing >= 0) suffix = s.mid(closing + 1).remove(u'/');
  }
  *alternate_box = prefix_text + u' ' + CapitaliseWords(alternate);
  return (StripFileNameChars(given) + u' ' + StripFileNameChars(CapitaliseWords(surname)) + u' ' +
          StripFileNameChars(suffix))
      .simplified();
}

class LiteralImport {
 public:
  LiteralImport(const QString& app_folder, const QString& gedcom_path)
      : app_folder_(app_folder), gedcom_path_(gedcom_path) {}

  int Run() {
    target_folder_ =
        app_folder_ + u'/' + NameFromFileName(QFileInfo(gedcom_path_).fileName()) + u'/';
    QDir().mkpath(target_folder_);
    LineFile file(gedcom_path_);
    file_ = &file;
    while (!file.AtEnd() && !end_of_individuals_) {
      line_ = file.ReadLine();
      RunLineChecks();
    }
    if (counter_ > 0) FinishIndividual();
    return written_;
  }

 private:
  void ReadAhead(QString* date, QString* place) {
    for (int i = 0; i < 2 && !file_->AtEnd(); ++i) {
      line_ = file_->ReadLine();
      if (line_.startsWith(u"2 DATE")) {
        if (date) *date = LineValue(line_);
      } else if (line_.startsWith(u"2 PLAC")) {
        *place = LineValue(line_);
      } else {
        return;
      }
    }
  }

  QString FamilyReference() const {
    QString reference = line_.mid(8, line_.size() - 9);
    return StripSpaces(reference);
  }

  void RunLineChecks() {
    if (line_.startsWith(u"0 @F") || line_.startsWith(u"0 @U1")) end_of_individuals_ = true;
    if (end_of_individuals_) return;
    if (line_.startsWith(u"1 BIRT")) {
      current_event_ = QStringLiteral("BIRT");
      ReadAhead(&birth_date_, &birth_place_);
    }
    if (line_.startsWith(u"1 IMMI")) {
      current_event_ = QStringLiteral("IMMI");
      ReadAhead(&immigration_date_, &immigration_place_);
    }
    if (line_.startsWith(u"1 DEAT")) {
      current_event_ = QStringLiteral("DEAT");
      ReadAhead(&death_date_, &death_place_);
    }
    if (line_.startsWith(u"1 RESI") && residential_.isEmpty()) {
      current_event_ = QStringLiteral("RESI");
      residential_ = LineValue(line_);
    }
    if (line_.startsWith(u"1 BURI")) {
      current_event_ = QStringLiteral("BURI");
      ReadAhead(nullptr, &burial_);
    }
    if (line_.startsWith(u"0 @I")) StartIndividual();
    // Later decision: the first NAME line gives the name.
    if (line_.startsWith(u"1 NAME") && table_.back()[1].isEmpty()) {
      name_box_ = CleanGedcomName(LineValue(line_), &alternate_box_);
      table_.back()[1] = name_box_;
    }
    if (line_.startsWith(u"2 NPFX")) prefix_ = LineValue(line_);
    if (line_.startsWith(u"2 SOUR")) {
      const QString reference = StripSpaces(LineValue(line_));
      if (!pending_sources_.contains(reference)) pending_sources_.append(reference);
    }
    if (line_.startsWith(u"1 SEX")) {
      if (line_.mid(6, 1) == u"M") gender_ = QStringLiteral("Male");
      if (line_.mid(6, 1) == u"F") gender_ = QStringLiteral("Female");
    }
    if (line_.startsWith(u"1 OCCU")) occupations_.append(LineValue(line_));
    if (line_.startsWith(u"1 RELI")) religious_name_ = LineValue(line_);
    if (line_.startsWith(u"1 RESI")) residential_ = LineValue(line_);
    if (line_.startsWith(u"1 EDUC")) universities_.append(LineValue(line_));
    if (line_.startsWith(u"1 NOTE") || line_.startsWith(u"1 HEAL") || line_.startsWith(u"1 HIST")) {
      pending_notes_.append(LineValue(line_));
    }
    if (line_.startsWith(u"1 CHAN") && !file_->AtEnd()) {
      line_ = file_->ReadLine();
      date_label_ = LineValue(line_);
    }
    if (line_.startsWith(u"1 FAMS")) table_.back()[2] = FamilyReference();
    if (line_.startsWith(u"1 FAMC")) table_.back()[3] = FamilyReference();
    if (line_.startsWith(u"1 EMAL")) email_ = LineValue(line_);
    if (line_.startsWith(u"2 CONT") && (current_event_ == u"RESI" || current_event_ == u"ADDR")) {
      residential_ = residential_ + kCrLf + LineValue(line_);
    }
  }

  void StartIndividual() {
    ++counter_;
    if (counter_ > 1 && !previous_header_.isEmpty() && previous_header_ != line_) {
      FinishIndividual();
    }
    previous_header_ = line_;
    const qsizetype first = line_.indexOf(u'@');
    const qsizetype last = line_.lastIndexOf(u'@');
    link_box_ = PadPersonNumber(line_.mid(first + 1, last - first - 1).mid(1)) +
                QStringLiteral("0000F0000M0000S0000");
    pending_sources_.clear();
    pending_notes_.clear();
    table_.push_back({link_box_, QString(), QString(), QString()});
  }

  void FinishIndividual() {
    for (const QString& note : QStringList(pending_notes_)) ImportNote(note);
    for (qsizetype i = 0; i < pending_sources_.size(); ++i) ImportSource(pending_sources_[i]);
    UpdateRelations();
    if (!StripSpaces(alternate_box_).isEmpty()) {
      notes_ = notes_ + kCrLf + QStringLiteral("Altername name: ") + alternate_box_;
    }
    WriteImportedRecord();
    ClearPersonFields();
    pending_sources_.clear();
    pending_notes_.clear();
  }

  QString ScratchPath() const { return app_folder_ + QStringLiteral("/GEDCOMtemp.txt"); }

  void CopyToScratch() const {
    QFile::remove(ScratchPath());
    QFile::copy(gedcom_path_, ScratchPath());
  }

  void ImportNote(const QString& reference) {
    CopyToScratch();
    QString text = notes_;
    bool in_record = false;
    bool done = false;
    LineFile scratch(ScratchPath());
    const QString header = QStringLiteral("0 ") + reference + QStringLiteral(" NOTE");
    while (!scratch.AtEnd() && !done) {
      const QString line = scratch.ReadLine();
      if (ContainsText(line, header)) in_record = true;
      if (in_record && line.startsWith(u"2 SOUR")) {
        const QString value = LineValue(line);
        if (!pending_sources_.contains(StripSpaces(value))) pending_sources_.append(value);
      } else if (!line.startsWith(u'0') && in_record && line.size() > 7) {
        text = text + kCrLf + LineValue(line);
      }
      if (line.startsWith(u'0') && !ContainsText(line, header) && in_record) done = true;
    }
    QFile::remove(ScratchPath());
    notes_ = text;
  }

  void ImportSource(const QString& reference) {
    CopyToScratch();
    QString text = sources_;
    bool in_record = false;
    bool done = false;
    LineFile scratch(ScratchPath());
    const QString header = QStringLiteral("0 ") + reference + QStringLiteral(" SOUR");
    while (!scratch.AtEnd() && !done) {
      const QString line = scratch.ReadLine();
      const bool header_line = ContainsText(line, header);
      if (in_record && !line.startsWith(u'0')) text = text + kCrLf + LineValue(line);
      if (header_line) in_record = true;
      if (line.startsWith(u'0') && !header_line && in_record) done = true;
    }
    QFile::remove(ScratchPath());
    sources_ = text;
  }

  void UpdateRelations() {
    std::array<QString, 4>& row = table_.back();
    QString link = row[0];
    const QString sf = row[2];
    const QString cf = row[3];
    const QString own = QStringLiteral("@I") + QString::number(link.left(4).toInt()) + u'@';
    CopyToScratch();
    LineFile scratch(ScratchPath());
    bool in_child = false, in_spouse = false, marriage_seen = false;
    while (!scratch.AtEnd()) {
      const QString line = scratch.ReadLine();
      if (line.startsWith(u'0')) in_child = line.contains(u'@' + cf + u'@');
      if (line.startsWith(u'1') && !line.contains(u"MARR")) marriage_seen = false;
      if (line.startsWith(u'0')) in_spouse = line.contains(u'@' + sf + u'@');
      if (in_child && !line.startsWith(u'0')) {
        if (line.startsWith(u"1 HUSB")) {
          link = link.left(8) + u'F' + XrefToPersonNumber(line) + link.mid(link.indexOf(u'M'));
        } else if (line.startsWith(u"1 WIFE")) {
          link = link.left(link.indexOf(u'M')) + u'M' + XrefToPersonNumber(line) +
                 link.mid(link.indexOf(u'S'));
        } else if (line.startsWith(u"1 CHIL") && !line.contains(own)) {
          if (link.mid(link.indexOf(u'S') + 1) == u"0000") {
            link = link.left(link.indexOf(u'S') + 1) + XrefToPersonNumber(line);
          } else {
            link += XrefToPersonNumber(line);
          }
        }
      }
      if (in_spouse) {
        if (line.startsWith(u"1 MARR")) marriage_seen = true;
        if (line.startsWith(u"2 DATE") && marriage_seen) date_married_ = LineValue(line);
        if ((line.startsWith(u"1 HUSB") || line.startsWith(u"1 WIFE")) && !line.contains(own)) {
          link = link.left(4) + XrefToPersonNumber(line) + link.mid(8);
        }
      }
      row[0] = link;
    }
    QFile::remove(ScratchPath());
  }

  void WriteImportedRecord() {
    const QString number = link_box_.left(4);
    if (number == u"0000") return;
    QFile out(target_folder_ + name_box_ + u'_' + number + QStringLiteral(".dat"));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    QString text;
    auto put = [&text](const QString& entry) { text += entry + kCrLf; };
    put(table_.back()[0]);
    put(QDate::currentDate().toString(Qt::ISODate));
    put(QString());
    put(prefix_ + u'#');
    put(date_married_);
    put(religious_name_);
    put(QStringLiteral(" "));
    put(birth_date_);
    put(birth_place_);
    put(death_date_);
    put(death_place_);
    put(burial_);
    put(QStringLiteral("***Gender***"));
    put(gender_.isEmpty() ? QStringLiteral(" ") : gender_);
    put(QStringLiteral("***Occupation***"));
    for (const QString& entry : occupations_) put(entry);
    put(QStringLiteral("***Residential Addresses***"));
    put(residential_);
    put(QStringLiteral("***Business Addresses***"));
    put(QString());
    put(QStringLiteral("***HomePage Address***"));
    put(QString());
    put(QStringLiteral("***E-Mail Addresses***"));
    put(email_);
    put(QStringLiteral("***Elementary***"));
    put(QStringLiteral("***Intermediate***"));
    put(QStringLiteral("***High***"));
    put(QStringLiteral("***Universtities***"));
    for (const QString& entry : universities_) put(entry);
    put(QStringLiteral("***Employers***"));
    put(QStringLiteral("***Religion***"));
    put(QString());
    put(QStringLiteral("***Notes***"));
    put(notes_);
    put(QStringLiteral("***Sources***"));
    put(sources_);
    put(QStringLiteral("***Immigration***"));
    put(immigration_date_);
    put(immigration_place_);
    out.write(text.toUtf8());
    ++written_;
  }

  void ClearPersonFields() {
    prefix_.clear();
    birth_date_.clear();
    birth_place_.clear();
    death_date_.clear();
    death_place_.clear();
    burial_.clear();
    gender_.clear();
    occupations_.clear();
    universities_.clear();
    religious_name_.clear();
    residential_.clear();
    email_.clear();
    notes_.clear();
    sources_.clear();
    immigration_date_.clear();
    immigration_place_.clear();
    date_married_.clear();
  }

  const QString app_folder_;
  const QString gedcom_path_;
  QString target_folder_;
  LineFile* file_ = nullptr;
  QString line_;
  QString previous_header_;
  QString current_event_;
  bool end_of_individuals_ = false;
  int counter_ = 0;
  int written_ = 0;
  std::vector<std::array<QString, 4>> table_;
  QStringList pending_notes_;
  QStringList pending_sources_;
  QString name_box_, link_box_, alternate_box_, date_label_;
  QString prefix_, birth_date_, birth_place_, death_date_, death_place_, burial_, gender_;
  QStringList occupations_, universities_;
  QString religious_name_, residential_, email_, notes_, sources_;
  QString immigration_date_, immigration_place_, date_married_;
};

}  // namespace

int LiteralGedcomImport(const QString& app_folder, const QString& gedcom_path) {
  return LiteralImport(app_folder, gedcom_path).Run();
}

}  // namespace kinvale::reference

#include "search/ui/keyword_search_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

#include "common/ui/plain_dialog.h"
#include "search/keyword_search.h"
#include "search/search_texts.h"
#include "session/session.h"
#include "store/person_lookup.h"
#include "store/shared_texts.h"

namespace kinvale {

KeywordSearchDialog::KeywordSearchDialog(Session& session, Prompter& prompter,
                                         ShowPerson show_person, QWidget* parent)
    : QDialog(parent),
      session_(session),
      prompter_(prompter),
      show_person_(std::move(show_person)),
      search_text_(new QLineEdit(this)),
      exact_phrase_(new QCheckBox(kExactPhraseCaption, this)),
      results_(new QListWidget(this)),
      progress_(new QProgressBar(this)),
      status_(new QStatusBar(this)) {
  setObjectName(QStringLiteral("Keyword"));
  setWindowTitle(kKeywordSearchTitle);
  search_text_->setObjectName(QStringLiteral("searchText"));
  exact_phrase_->setObjectName(QStringLiteral("exactPhrase"));
  results_->setObjectName(QStringLiteral("results"));
  results_->installEventFilter(this);
  progress_->setObjectName(QStringLiteral("progress"));
  progress_->setRange(0, 100);
  progress_->hide();
  status_->setObjectName(QStringLiteral("status"));
  status_->setSizeGripEnabled(false);

  auto* caption = new QLabel(kEnterKeywordsCaption, this);
  caption->setBuddy(search_text_);
  auto* results_caption = new QLabel(kResultsCaption, this);
  results_caption->setBuddy(results_);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* search = buttons->addButton(kSearchCaption, QDialogButtonBox::ActionRole);
  QPushButton* go_to = buttons->addButton(kGoToCaption, QDialogButtonBox::ActionRole);
  QPushButton* close = buttons->addButton(kReturnCaption, QDialogButtonBox::RejectRole);
  go_to->setObjectName(QStringLiteral("goToButton"));
  search->setObjectName(QStringLiteral("searchButton"));
  close->setObjectName(QStringLiteral("returnButton"));
  search->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption);
  layout->addWidget(search_text_);
  layout->addWidget(exact_phrase_);
  layout->addWidget(results_caption);
  layout->addWidget(results_, 1);
  layout->addWidget(progress_);
  layout->addWidget(buttons);
  layout->addWidget(status_);
  resize(420, 480);

  connect(search, &QPushButton::clicked, this, &KeywordSearchDialog::Search);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(go_to, &QPushButton::clicked, this, [this] {
    const QListWidgetItem* item = results_->currentItem();
    go_to_row_ = item ? item->data(Qt::UserRole).toInt() : -1;
    if (go_to_row_ >= 0) accept();  // a result whose record names nobody of the index stays
  });
  // A click shows the person. Where the style activates items on a single click, activation
  // covers it, so that one click never opens the window twice.
  if (!results_->style()->styleHint(QStyle::SH_ItemView_ActivateItemOnSingleClick, nullptr,
                                    results_)) {
    connect(results_, &QListWidget::itemClicked, this, &KeywordSearchDialog::ShowClickedPerson);
  }
  connect(results_, &QListWidget::itemActivated, this, &KeywordSearchDialog::ShowClickedPerson);
  FinishDialog(this);

  BuildFamilyFileList(session_, prompter_);
}

bool KeywordSearchDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == results_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      ShowClickedPerson(results_->currentItem());
      return true;  // not on to the default button, which would search again
    }
  }
  return QDialog::eventFilter(watched, event);
}

void KeywordSearchDialog::Search() {
  const SearchMode mode =
      exact_phrase_->isChecked() ? SearchMode::kExactPhrase : SearchMode::kAnyWord;
  results_->clear();
  status_->clearMessage();
  progress_->setValue(0);
  progress_->show();
  const SearchOutcome outcome = SearchRecordFiles(
      session_.FamilyPath(), session_.family_files, SearchTerms(search_text_->text(), mode),
      [this](int percent) { progress_->setValue(percent); });
  for (size_t i = 0; i < outcome.numbers.size(); ++i) {
    const int row = session_.index.RowOfNumber(outcome.numbers[i]);
    const bool same = row >= 0 && session_.index.row(row).name == outcome.names[i];
    auto* item =
        new QListWidgetItem(same ? PersonLabel(session_.index, row) : outcome.names[i], results_);
    item->setData(Qt::UserRole, same ? row : -1);
  }
  // An exact-phrase search leaves the bar where it ended; the any-word search hides it.
  if (mode == SearchMode::kAnyWord) progress_->hide();
  ReportUnreadableFiles(outcome, prompter_);
  status_->showMessage(SearchStatus(outcome));
}

void KeywordSearchDialog::ShowClickedPerson(QListWidgetItem* item) {
  if (item && show_person_) show_person_(item->data(Qt::UserRole).toInt());
}

}  // namespace kinvale

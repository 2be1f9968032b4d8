#include "forms/comment_builder_form.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "forms/qt_text.h"
#include "generic/strings.h"

namespace sorvik {

namespace {

constexpr const char* kModeCaptions[] = {
    "Add comment only if the first lines do not contain comments", "Add comment to all files",
    "Remove any comments at the start before adding this comment"};

QPlainTextEdit* headerEditor(const char* name, QWidget* parent) {
  auto* editor = new QPlainTextEdit(parent);
  editor->setObjectName(name);
  editor->setLineWrapMode(QPlainTextEdit::NoWrap);
  editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  return editor;
}

QRadioButton* addChoice(QButtonGroup* group, QLayout* layout, const QString& caption, int id) {
  auto* button = new QRadioButton(caption);
  group->addButton(button, id);
  layout->addWidget(button);
  return button;
}

std::vector<std::string> linesOf(const QPlainTextEdit* editor) {
  std::vector<std::string> lines;
  for (const QString& line : editor->toPlainText().split('\n')) lines.push_back(libraryText(line));
  return lines;
}

QWidget* questionControl(QWidget* page, const QString& name) {
  return page->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

}  // namespace

TCommentBuilderForm::TCommentBuilderForm(const SourceLanguages& languages, QWidget* parent)
    : QDialog(parent), languages_(languages) {
  setObjectName("CommentBuilderForm");
  setWindowTitle("Comment Builder");
  pages_ = new QStackedWidget(this);
  pages_->addWidget(buildIntroduction());
  pages_->addWidget(buildStylePage());
  questionsPage_ = new QWidget(this);
  questionsPage_->setObjectName("QuestionsPage");
  auto* details = new QLabel("Provide details", questionsPage_);
  details->move(10, 10);
  pages_->addWidget(questionsPage_);
  pages_->addWidget(buildPreviewPage());

  btnBack = new QPushButton("< Back", this);
  btnNext = new QPushButton("Next >", this);
  btnApply = new QPushButton("Apply", this);
  btnCancel = new QPushButton("Cancel", this);
  btnBack->setObjectName("btnBack");
  btnNext->setObjectName("btnNext");
  btnApply->setObjectName("btnApply");
  btnCancel->setObjectName("btnCancel");
  connect(btnBack, &QPushButton::clicked, this, &TCommentBuilderForm::back);
  connect(btnNext, &QPushButton::clicked, this, &TCommentBuilderForm::next);
  connect(btnApply, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* button : {btnBack, btnNext, btnApply, btnCancel}) buttons->addWidget(button);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_, 1);
  layout->addLayout(buttons);

  // Only the languages the project has: their panels, their preview tabs, and the language
  // choice when there are two.
  pnlDelphi->setVisible(languages_.delphi);
  pnlCpp->setVisible(languages_.cpp);
  if (languages_.delphi) previewTabs_->addTab("Delphi");
  if (languages_.cpp) previewTabs_->addTab("C++");
  const bool both = languages_.delphi && languages_.cpp;
  lblLanguage->setVisible(both);
  cmbLanguage->setVisible(both);
  cmbLanguage->setCurrentIndex(languages_.delphi ? 0 : 1);
  previews_->setCurrentIndex(languages_.delphi ? 0 : 1);
  resize(720, 560);
  showPage(kIntroduction);
  buildStyle();
}

QGroupBox* TCommentBuilderForm::modePanel(const char* name, const char* title,
                                          QButtonGroup*& modes) {
  auto* panel = new QGroupBox(title);
  panel->setObjectName(name);
  auto* layout = new QVBoxLayout(panel);
  modes = new QButtonGroup(panel);
  for (int mode = 0; mode < 3; ++mode) addChoice(modes, layout, kModeCaptions[mode], mode);
  modes->button(0)->setChecked(true);
  return panel;
}

QWidget* TCommentBuilderForm::buildIntroduction() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  auto* text = new QLabel(
      "The comment builder puts a comment header at the top of every unit of the project. "
      "Choose where it goes, then its style, its details, and check it before it is applied.",
      page);
  text->setWordWrap(true);
  layout->addWidget(text);
  pnlDelphi = modePanel("pnlDelphi", "Apply comments to all Delphi files", delphiModes_);
  pnlCpp = modePanel("pnlCpp", "Apply comments to all C++ Builder files", cppModes_);
  layout->addWidget(pnlDelphi);
  layout->addWidget(pnlCpp);
  layout->addStretch(1);
  return page;
}

QWidget* TCommentBuilderForm::buildStylePage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(new QLabel("Choose a style", page));
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel("Style:", page));
  cmbStyle = new QComboBox(page);
  cmbStyle->setObjectName("cmbStyle");
  for (std::string_view style : kCommentStyles) cmbStyle->addItem(qtText(style));
  row->addWidget(cmbStyle, 1);
  lblLanguage = new QLabel("Show for ", page);
  cmbLanguage = new QComboBox(page);
  cmbLanguage->setObjectName("cmbLanguage");
  cmbLanguage->addItems({"Delphi", "C++"});
  row->addWidget(lblLanguage);
  row->addWidget(cmbLanguage);
  layout->addLayout(row);

  auto* choices = new QHBoxLayout;
  auto* alignment = new QGroupBox("Text Alignment", page);
  auto* alignmentLayout = new QVBoxLayout(alignment);
  alignment_ = new QButtonGroup(alignment);
  addChoice(alignment_, alignmentLayout, "Left", static_cast<int>(TextAlignment::Left))
      ->setChecked(true);
  addChoice(alignment_, alignmentLayout, "Centered", static_cast<int>(TextAlignment::Centered));
  addChoice(alignment_, alignmentLayout, "Right", static_cast<int>(TextAlignment::Right));
  grpWidth = new QGroupBox(page);
  grpWidth->setObjectName("grpWidth");
  auto* widthLayout = new QVBoxLayout(grpWidth);
  widths_ = new QButtonGroup(grpWidth);
  addChoice(widths_, widthLayout, "Default", static_cast<int>(BoxWidth::Default))->setChecked(true);
  addChoice(widths_, widthLayout, "Reduced", static_cast<int>(BoxWidth::Reduced));
  rbSpecific = addChoice(widths_, widthLayout, {}, static_cast<int>(BoxWidth::Specific));
  trkWidth = new QSlider(Qt::Horizontal, grpWidth);
  trkWidth->setObjectName("trkWidth");
  trkWidth->setRange(15, 80);
  trkWidth->setValue(80);
  widthLayout->addWidget(trkWidth);
  choices->addWidget(alignment);
  choices->addWidget(grpWidth, 1);
  layout->addLayout(choices);
  styleEditor_ = headerEditor("StyleEditor", page);
  layout->addWidget(styleEditor_, 1);

  connect(cmbStyle, &QComboBox::currentIndexChanged, this, &TCommentBuilderForm::buildStyle);
  connect(cmbLanguage, &QComboBox::currentIndexChanged, this, &TCommentBuilderForm::buildStyle);
  connect(alignment_, &QButtonGroup::idClicked, this, &TCommentBuilderForm::buildStyle);
  connect(widths_, &QButtonGroup::idClicked, this, &TCommentBuilderForm::buildStyle);
  // Moving the track bar only draws the box again.
  connect(trkWidth, &QSlider::valueChanged, this, [this] {
    if (box_) Render(chosenLanguage());
  });
  return page;
}

QWidget* TCommentBuilderForm::buildPreviewPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(new QLabel("Preview", page));
  previewTabs_ = new QTabBar(page);
  previewTabs_->setObjectName("PreviewTabs");
  previews_ = new QStackedWidget(page);
  previewDelphi_ = headerEditor("DelphiPreview", previews_);
  previewCpp_ = headerEditor("CppPreview", previews_);
  previews_->addWidget(previewDelphi_);
  previews_->addWidget(previewCpp_);
  layout->addWidget(previewTabs_);
  layout->addWidget(previews_, 1);
  connect(previewTabs_, &QTabBar::currentChanged, this, [this](int tab) {
    if (tab < 0) return;
    previews_->setCurrentWidget(previewTabs_->tabText(tab) == "C++" ? previewCpp_ : previewDelphi_);
  });
  return page;
}

int TCommentBuilderForm::page() const {
  return pages_->currentIndex();
}

void TCommentBuilderForm::showPage(Page page) {
  pages_->setCurrentIndex(page);
  updateButtons();
}

void TCommentBuilderForm::updateButtons() {
  btnBack->setVisible(page() != kIntroduction);
  btnNext->setVisible(page() != kPreview);
  btnApply->setVisible(page() == kPreview);
}

void TCommentBuilderForm::next() {
  const bool asks = box_ && !box_->Questions.empty();
  switch (page()) {
    case kIntroduction:
      showPage(kStyle);
      break;
    case kStyle:
      if (asks) {
        RemoveQuestions();
        makeQuestions();
        showPage(kQuestions);
        if (QWidget* first = questionControl(questionsPage_, "EdtQuest0"))
          first->setFocus();
        else if (QWidget* date = questionControl(questionsPage_, "DteQuest0"))
          date->setFocus();
        break;
      }
      [[fallthrough]];
    case kQuestions:
      showPage(kPreview);
      buildStyle();
      break;
    default:
      break;
  }
}

void TCommentBuilderForm::back() {
  const bool asks = box_ && !box_->Questions.empty();
  switch (page()) {
    case kPreview:
      if (asks) {
        showPage(kQuestions);
        if (QWidget* first = questionControl(questionsPage_, "EdtQuest0")) first->setFocus();
        break;
      }
      [[fallthrough]];
    case kQuestions:
      showPage(kStyle);
      buildStyle();
      break;
    case kStyle:
      showPage(kIntroduction);
      break;
    default:
      break;
  }
}

CommentLanguage TCommentBuilderForm::chosenLanguage() const {
  return cmbLanguage->currentIndex() == 1 ? CommentLanguage::Cpp : CommentLanguage::Delphi;
}

QPlainTextEdit* TCommentBuilderForm::Editor(CommentLanguage language) const {
  if (page() != kPreview) return styleEditor_;
  return language == CommentLanguage::Cpp ? previewCpp_ : previewDelphi_;
}

void TCommentBuilderForm::buildStyle() {
  const std::string style = libraryText(cmbStyle->currentText());
  // "Blank / Custom" builds nothing: the box and texts there are stay, to be edited by hand.
  if (!BuildCommentStyle(style, CommentLanguage::Delphi)) return;
  const bool onStylePage = page() == kStyle;
  if (onStylePage) RemoveQuestions();
  if (!cmbLanguage->isHidden()) {
    for (const CommentLanguage language : {CommentLanguage::Delphi, CommentLanguage::Cpp}) {
      box_ = BuildCommentStyle(style, language);
      Render(language);
    }
  }
  box_ = BuildCommentStyle(style, chosenLanguage());
  Render(chosenLanguage());
  if (onStylePage) makeQuestions();
}

void TCommentBuilderForm::Render(CommentLanguage language) {
  QPlainTextEdit* editor = Editor(language);
  editor->clear();
  const int needed = neededWidth(*box_);
  {
    const QSignalBlocker blocker(trkWidth);
    trkWidth->setRange(needed, std::max(needed, 80));
  }
  rbSpecific->setText(qtText(specificWidthCaption(needed)));
  const RenderChoices choices{static_cast<TextAlignment>(alignment_->checkedId()),
                              static_cast<BoxWidth>(widths_->checkedId()), trkWidth->value()};
  const CommentAnswers filled = answers();
  const std::vector<std::string> lines =
      sorvik::Render(*box_, choices, page() == kPreview ? &filled : nullptr);
  grpWidth->setTitle(qtText(widthCaption(box_->Width)));
  editor->setPlainText(qtText(join(lines, "\n")));
}

void TCommentBuilderForm::makeQuestions() {
  if (!box_) return;
  const QDate today = QDate::currentDate();
  for (size_t n = 0; n < box_->Questions.size(); ++n) {
    const int k = static_cast<int>(n);
    const std::string& question = box_->Questions[n];
    auto* label = new QLabel(qtText(question) + ":", questionsPage_);
    label->setObjectName(QString("LblQuest%1").arg(k));
    label->setGeometry(10, 30 * k + 105, 100, label->sizeHint().height());
    label->show();
    QWidget* answer = nullptr;
    if (isDateQuestion(question)) {
      answer = new QDateEdit(today, questionsPage_);
      answer->setObjectName(QString("DteQuest%1").arg(k));
      answer->setGeometry(100, 30 * k + 100, 100, answer->sizeHint().height());
    } else {
      answer = new QLineEdit(qtText(initialAnswer(question, today.year())), questionsPage_);
      answer->setObjectName(QString("EdtQuest%1").arg(k));
      answer->setGeometry(100, 30 * k + 100, 150, answer->sizeHint().height());
    }
    answer->show();
  }
}

void TCommentBuilderForm::RemoveQuestions() {
  std::vector<QWidget*> doomed;
  for (QWidget* control : findChildren<QWidget*>()) {
    if (control->objectName().mid(3, 5).compare("Quest", Qt::CaseInsensitive) == 0)
      doomed.push_back(control);
  }
  for (QWidget* control : doomed) delete control;
}

CommentAnswers TCommentBuilderForm::answers() const {
  CommentAnswers filled;
  for (int k = 0;; ++k) {
    const auto* label =
        qobject_cast<QLabel*>(questionControl(questionsPage_, QString("LblQuest%1").arg(k)));
    if (!label) break;
    std::string name = upperCase(libraryText(label->text()));
    if (!name.empty()) name.pop_back();  // the ":"
    filled.questions.push_back(name);
    if (const auto* edit =
            qobject_cast<QLineEdit*>(questionControl(questionsPage_, QString("EdtQuest%1").arg(k))))
      filled.answers.push_back(libraryText(edit->text()));
    else if (const auto* date = qobject_cast<QDateEdit*>(
                 questionControl(questionsPage_, QString("DteQuest%1").arg(k))))
      filled.answers.push_back(libraryText(QLocale().toString(date->date(), QLocale::ShortFormat)));
    else
      filled.answers.emplace_back();
  }
  return filled;
}

std::string TCommentBuilderForm::FillAnswers(const std::string& line) const {
  return sorvik::FillAnswers(line, answers());
}

CommentRequest TCommentBuilderForm::request() const {
  CommentRequest request;
  if (languages_.delphi) {
    request.delphiHeader = linesOf(previewDelphi_);
    request.delphiMode = static_cast<CommentMode>(delphiModes_->checkedId());
  }
  if (languages_.cpp) {
    request.cppHeader = linesOf(previewCpp_);
    request.cppMode = static_cast<CommentMode>(cppModes_->checkedId());
  }
  return request;
}

}  // namespace sorvik

// The comment builder's wizard: the apply mode of each language, the header's style with
// its alignment and width, the answers to the style's questions, and a preview of the
// header for each language that can be edited by hand before it is applied.
#pragma once

#include <QDialog>
#include <optional>

#include "changes/apply_comment_headers.h"
#include "changes/comment_box.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QStackedWidget;
class QTabBar;

namespace sorvik {

class TCommentBuilderForm : public QDialog {
  Q_OBJECT

 public:
  enum Page { kIntroduction, kStyle, kQuestions, kPreview };

  // `languages`: the languages the project has files of (at least one).
  TCommentBuilderForm(const SourceLanguages& languages, QWidget* parent);

  // "Next >" and "< Back".
  void next();
  void back();
  int page() const;
  // What "Apply" asks for: the previews' texts and the mode of each shown panel.
  CommentRequest request() const;

  // The editor the box is drawn into for a language: its preview on the preview page, the
  // style page's editor elsewhere.
  QPlainTextEdit* Editor(CommentLanguage language) const;
  // Frees the question controls.
  void RemoveQuestions();
  // The line with the answers of the question controls filled in.
  std::string FillAnswers(const std::string& line) const;

 private:
  QWidget* buildIntroduction();
  QWidget* buildStylePage();
  QWidget* buildPreviewPage();
  QGroupBox* modePanel(const char* name, const char* title, QButtonGroup*& modes);
  void showPage(Page page);
  void updateButtons();

  CommentLanguage chosenLanguage() const;
  // Builds the chosen style anew and draws it (for both languages when both are offered).
  void buildStyle();
  void Render(CommentLanguage language);
  void makeQuestions();
  CommentAnswers answers() const;

  SourceLanguages languages_;
  std::optional<TCommentBox> box_;

  QStackedWidget* pages_;
  QGroupBox* pnlDelphi;
  QGroupBox* pnlCpp;
  QButtonGroup* delphiModes_;
  QButtonGroup* cppModes_;
  QComboBox* cmbStyle;
  QLabel* lblLanguage;
  QComboBox* cmbLanguage;
  QButtonGroup* alignment_;
  QGroupBox* grpWidth;
  QButtonGroup* widths_;
  QRadioButton* rbSpecific;
  QSlider* trkWidth;
  QPlainTextEdit* styleEditor_;
  QWidget* questionsPage_;
  QTabBar* previewTabs_;
  QStackedWidget* previews_;
  QPlainTextEdit* previewDelphi_;
  QPlainTextEdit* previewCpp_;
  QPushButton* btnBack;
  QPushButton* btnNext;
  QPushButton* btnApply;
  QPushButton* btnCancel;
};

}  // namespace sorvik

#include "forms/edit_form.h"

#include <Qsci/qscilexercss.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qscilexerjavascript.h>
#include <Qsci/qscilexerpascal.h>
#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "formanalysis/form_file_reader.h"
#include "forms/naming_page.h"
#include "forms/qt_text.h"
#include "forms/search_page.h"
#include "forms/spelling_page.h"
#include "generic/encoding.h"
#include "generic/paths.h"
#include "generic/strings.h"
#include "project/app_context.h"
#include "project/prompter.h"

namespace sorvik {

namespace {

// Code points among the bytes of a UTF-8 text.
int countCharacters(const QByteArray& utf8) {
  return static_cast<int>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

QFont sourceFont() {
  return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

}  // namespace

QString sourceTabCaption(const std::string& path) {
  const QString name = qtPath(fileNameOf(path));
  constexpr int kLongest = 40;
  return name.size() > kLongest ? "..." + name.right(kLongest) : name;
}

TEditForm::TEditForm(AppContext& context, const LineColours& colours, QWidget* parent)
    : QTabWidget(parent), context_(context), colours_(colours) {
  EditTab = new QWidget(this);
  EditTab->setObjectName("EditTab");
  auto* layout = new QVBoxLayout(EditTab);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);

  auto* bar = new QHBoxLayout;
  bar->setContentsMargins(4, 2, 4, 0);
  pathLabel_ = new QLabel(EditTab);
  pathLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  bar->addWidget(pathLabel_, 1);
  save_ = new QAction("Save source file", this);
  save_->setObjectName("actSaveSource");
  save_->setShortcut(QKeySequence::Save);
  save_->setEnabled(false);
  auto* saveButton = new QToolButton(EditTab);
  saveButton->setDefaultAction(save_);
  saveButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
  bar->addWidget(saveButton);
  layout->addLayout(bar);

  editor_ = new QsciScintilla(EditTab);
  editor_->setObjectName("SourceEditor");
  editor_->setUtf8(true);
  editor_->setEolMode(QsciScintilla::EolUnix);
  editor_->setTabWidth(context_.settings.TabStops);
  editor_->setMarginLineNumbers(0, true);
  editor_->setMarginWidth(0, "000000");
  editor_->setFont(sourceFont());
  editor_->setMarginsFont(sourceFont());
  // The horizontal scroll bar follows the longest line shown, not a fixed width.
  editor_->SendScintilla(QsciScintillaBase::SCI_SETSCROLLWIDTH, 1);
  editor_->SendScintilla(QsciScintillaBase::SCI_SETSCROLLWIDTHTRACKING, 1);
  layout->addWidget(editor_, 1);
  defineLineColours();

  connect(save_, &QAction::triggered, this, &TEditForm::saveFile);
  connect(editor_, &QsciScintilla::modificationChanged, save_, &QAction::setEnabled);
  addTab(EditTab, "Source");
  namingPage_ = new TNamingPage(this);
  namingPage_->hide();
  spellingPage_ = new TSpellingPage(this);
  spellingPage_->hide();
  searchPage_ = new TSearchPage(this);
  searchPage_->hide();
  DiscussTab = new QTextBrowser(this);
  DiscussTab->setObjectName("DiscussTab");
  DiscussTab->setOpenExternalLinks(true);
  DiscussTab->hide();
}

void TEditForm::LoadProjectDiscuss(const std::vector<std::string>& html) {
  if (html.empty()) return;
  DiscussTab->setHtml(qtText(join(html, "\r\n")));
}

void TEditForm::showDiscussPage(bool shown) {
  const int at = indexOf(DiscussTab);
  if (shown && at < 0) addTab(DiscussTab, "Discuss");
  if (!shown && at >= 0) removeTab(at);
  if (shown) setCurrentWidget(DiscussTab);
}

void TEditForm::showViewPage(QWidget* page) {
  for (QWidget* view : {static_cast<QWidget*>(namingPage_), static_cast<QWidget*>(spellingPage_),
                        static_cast<QWidget*>(searchPage_)})
    if (view != page && indexOf(view) >= 0) removeTab(indexOf(view));
  if (!page) return;
  if (indexOf(page) < 0) addTab(page, "View");
  setCurrentWidget(page);
}

void TEditForm::defineLineColours() {
  for (int pair = 0; pair < kColourPairs; ++pair) {
    editor_->markerDefine(QsciScintilla::Background, pair);
    editor_->setMarkerBackgroundColor(colours_.back[pair], pair);
    const int indicator = textIndicator(static_cast<ColourPair>(pair));
    editor_->indicatorDefine(QsciScintilla::TextColorIndicator, indicator);
    editor_->setIndicatorForegroundColor(colours_.fore[pair], indicator);
  }
}

void TEditForm::setLexerFor(const std::string& path) {
  const std::string extension = upperCase(extensionOf(path));
  // The editor owns its lexers; the one it had goes once it has let go of it.
  QsciLexer* lexer = nullptr;
  if (extension == ".DFM" || extension == ".NFM") {
    // Form text: no lexer.
  } else if (extension == ".ASPX" || extension == ".ASP" || extension == ".HTM" ||
             extension == ".HTML") {
    lexer = new QsciLexerHTML(editor_);
  } else if (extension == ".JS") {
    lexer = new QsciLexerJavaScript(editor_);
  } else if (extension == ".CSS") {
    lexer = new QsciLexerCSS(editor_);
  } else {
    lexer = new QsciLexerPascal(editor_);
  }
  if (lexer) lexer->setFont(sourceFont());
  QsciLexer* previous = editor_->lexer();
  editor_->setLexer(lexer);
  if (previous) previous->deleteLater();
  // Setting a lexer resets the tab width and the margin font.
  editor_->setTabWidth(context_.settings.TabStops);
  editor_->setMarginsFont(sourceFont());
  editor_->setFont(sourceFont());
}

bool TEditForm::releaseFile() {
  if (!editor_->isModified()) return true;
  const bool save = context_.prompter->askYesNo("The file " + fileNameOf(path_) +
                                                " has been changed.\r\rSave the changes?");
  return !save || saveFile();
}

bool TEditForm::loadFile(const std::string& path) {
  if (path == path_ && editor_->lines() > 1) return true;
  if (!releaseFile()) return false;
  std::optional<TextFile> file;
  const std::string extension = upperCase(extensionOf(path));
  binaryForm_ = (extension == ".DFM" || extension == ".NFM") && IsBinaryForm(path);
  if (binaryForm_) {
    // A binary form is shown as its text; the reader tells the user when it cannot.
    auto lines = ReadFormText(path, context_.prompter);
    if (!lines) return false;
    file = TextFile{std::move(*lines), LineEnd::CrLf, false, false, {}};
  } else {
    file = readTextFile(path);
  }
  if (!file) {
    context_.prompter->showError("File not found\r\r" + path);
    return false;
  }
  // A byte-order mark over bytes that are not UTF-8 does not make them so.
  utf8_ = std::all_of(file->lines.begin(), file->lines.end(),
                      [](const std::string& line) { return isValidUtf8(line); });
  std::string text = join(file->lines, "\n");
  if (file->finalLineEnd && !file->lines.empty()) text += '\n';
  if (!utf8_) text = windows1252ToUtf8(text);

  setLexerFor(path);
  // Appended as bytes: a text with NUL bytes (a binary file) is shown whole.
  editor_->clear();
  editor_->SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, text.size(), text.data());
  editor_->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
  editor_->setModified(false);
  // Its text written back would replace the binary file.
  editor_->setReadOnly(binaryForm_);
  path_ = path;
  shape_ = TextFile{{}, file->lineEnd, file->bom, file->finalLineEnd, {}};
  pathLabel_->setText(qtPath(path));
  setTabText(indexOf(EditTab), sourceTabCaption(path));
  setCurrentWidget(EditTab);
  return true;
}

void TEditForm::closeFile() {
  editor_->setReadOnly(false);
  editor_->clear();
  editor_->setModified(false);
  path_.clear();
  pathLabel_->clear();
  setTabText(indexOf(EditTab), "Source");
}

int TEditForm::characterIndex(int line, int column) const {
  QByteArray bytes = editor_->text(line).toUtf8();
  while (!bytes.isEmpty() && (bytes.back() == '\n' || bytes.back() == '\r')) bytes.chop(1);
  const int before = std::max(column, 1) - 1;
  // A Windows-1252 file has one character per byte; a UTF-8 file's columns count bytes.
  if (!utf8_) return std::min(before, countCharacters(bytes));
  return countCharacters(bytes.left(before));
}

void TEditForm::placeResult(const SourcePlace& place) {
  const int lastLine = std::max(editor_->lines() - 1, 0);
  const int line = std::clamp(place.line - 1, 0, lastLine);
  const int index = characterIndex(line, place.column);
  if (place.selects) {
    const int endLine = std::clamp(place.endLine - 1, 0, lastLine);
    editor_->setSelection(line, index, endLine, characterIndex(endLine, place.endColumn));
  } else {
    editor_->setCursorPosition(line, index);
  }
  // The result's line a third down the view, so that what leads to it shows too.
  const int visible =
      static_cast<int>(editor_->SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN));
  editor_->setFirstVisibleLine(std::max(line - visible / 3, 0));
}

void TEditForm::colourLines(const std::unordered_map<int, ColourPair>& pairs) {
  const long length = editor_->length();
  editor_->markerDeleteAll();
  for (int pair = 0; pair < kColourPairs; ++pair) {
    editor_->SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT,
                           textIndicator(static_cast<ColourPair>(pair)));
    editor_->SendScintilla(QsciScintillaBase::SCI_INDICATORCLEARRANGE, 0L, length);
  }
  for (const auto& [fileLine, pair] : pairs) {
    const int line = fileLine - 1;
    if (line < 0 || line >= editor_->lines()) continue;
    editor_->markerAdd(line, pair);
    const long start = editor_->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    const long end = editor_->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, line);
    editor_->SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, textIndicator(pair));
    editor_->SendScintilla(QsciScintillaBase::SCI_INDICATORFILLRANGE, start, end - start);
  }
}

bool TEditForm::saveFile() {
  if (path_.empty() || binaryForm_) return false;
  std::string bytes = editor_->text().toUtf8().toStdString();
  if (!utf8_) bytes = utf8ToWindows1252(bytes);
  TextFile file = splitText(bytes);
  // The editor holds one kind of line end: the file gets its own style back.
  file.lineEnd = shape_.lineEnd;
  file.lineEnds.clear();
  file.bom = shape_.bom;
  if (!writeTextFile(path_, file)) {
    context_.prompter->showError("The file could not be saved:\r\r" + path_);
    return false;
  }
  editor_->setModified(false);
  return true;
}

}  // namespace sorvik

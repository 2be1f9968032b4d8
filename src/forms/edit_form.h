// The source view: the file of the chosen result in an editor with highlighting, the
// lines that carry results coloured, the result's span selected or the caret at its
// place, and the file editable and saved with its own line ends and byte-order mark.
#pragma once

#include <QTabWidget>
#include <string>
#include <unordered_map>
#include <vector>

#include "forms/line_colours.h"
#include "generic/text_file.h"
#include "report/result_view.h"

class QAction;
class QLabel;
class QTextBrowser;
class QsciScintilla;

namespace sorvik {

struct AppContext;
class TNamingPage;
class TSpellingPage;
class TSearchPage;

class TEditForm : public QTabWidget {
  Q_OBJECT

 public:
  TEditForm(AppContext& context, const LineColours& colours, QWidget* parent);

  // Shows `path` on the "Source" page; a file already shown (with more than one line) is
  // kept as it is. False when the file is missing (the user is told) or the edits of the
  // file shown could not be saved.
  bool loadFile(const std::string& path);
  // Empties the view (the project was closed or a run starts).
  void closeFile();
  void placeResult(const SourcePlace& place);
  // `pairs`: 1-based line -> colour pair; every other line keeps the editor's colours.
  void colourLines(const std::unordered_map<int, ColourPair>& pairs);
  // Writes the editor's text back to the file; false (the user is told) on failure.
  bool saveFile();
  // Offers to save unsaved edits; false when they were to be saved and could not be.
  bool releaseFile();

  QsciScintilla* editor() const { return editor_; }
  TNamingPage* namingPage() const { return namingPage_; }
  TSpellingPage* spellingPage() const { return spellingPage_; }
  TSearchPage* searchPage() const { return searchPage_; }
  // Shows `page` as the "View" beside the source: the naming page after naming and rename
  // runs, the spelling page after spelling runs, the search page after a search; none takes
  // the view away.
  void showViewPage(QWidget* page);
  // The project discussion as a web page on the "Discuss" page; the page stays as it was
  // when the document cannot be shown.
  void LoadProjectDiscuss(const std::vector<std::string>& html);
  // Shows the "Discuss" page (and brings it to the front) or takes it away.
  void showDiscussPage(bool shown);
  QTextBrowser* discussPage() const { return DiscussTab; }
  QAction* saveAction() const { return save_; }
  const std::string& filePath() const { return path_; }

  // The indicator that paints the text of a line of pair `pair`.
  static int textIndicator(ColourPair pair) { return kFirstIndicator + pair; }

 private:
  static constexpr int kFirstIndicator = 8;  // below are the lexers' own

  void setLexerFor(const std::string& path);
  void defineLineColours();
  // The editor's character index of a 1-based byte column of the file's line.
  int characterIndex(int line, int column) const;

  AppContext& context_;
  const LineColours& colours_;
  QWidget* EditTab;
  QLabel* pathLabel_;
  QsciScintilla* editor_;
  TNamingPage* namingPage_;
  TSpellingPage* spellingPage_;
  TSearchPage* searchPage_;
  QTextBrowser* DiscussTab;
  QAction* save_;
  std::string path_;
  TextFile shape_;           // line ends, byte-order mark of the file as read
  bool utf8_ = false;        // the file is UTF-8; else its bytes are Windows-1252
  bool binaryForm_ = false;  // shown as text, never written back
};

// The caption of the "Source" page for a file: its name, or "..." and the last 40
// characters of a longer name.
QString sourceTabCaption(const std::string& path);

}  // namespace sorvik

// The spelling page of the source view: the misspelled words of the last spelling run, one
// row each with its source, file and line, and the buttons that add the selected words to
// the user's dictionary or ignore them for now.
#pragma once

#include <QWidget>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace sorvik {

class TProject;
class TSpell;
struct TFrontOutput;

// Where a row of the list points: the word and the place it was found.
struct SpellRow {
  std::string word;
  std::string fileName;  // without folder
  int line = 0;          // 1-based
};

class TSpellingPage : public QWidget {
  Q_OBJECT

 public:
  explicit TSpellingPage(QWidget* parent);

  // One row per result of the run; the placeholder row when there is none.
  void fill(TProject& project, const TSpell& spell);
  void clear();
  // The words of the selected rows, the placeholder left out.
  std::vector<std::string> selectedWords() const;
  // The row of a correction applied or undone shows it: " (Applied)" after its word.
  void markApplied(const SpellRow& row, bool applied);

  QTreeWidget* resultList() const { return ListBad; }
  QPushButton* addButton() const { return add_; }
  QPushButton* ignoreButton() const { return ignore_; }

 signals:
  // A row was selected (an empty word for the placeholder or none): its suggestions are
  // wanted.
  void rowSelected(const SpellRow& row);
  // A row was opened (double click): its place is to be shown in the source.
  void rowOpened(const SpellRow& row);
  void addToDictionary();
  void ignoreForNow();

 private:
  void selectionChanged();

  QTreeWidget* ListBad;
  QPushButton* add_;
  QPushButton* ignore_;
};

// The result of the project's list that a row stands for: a spelling result of the same
// file name (ignoring case), line and word; none when it is gone.
std::optional<size_t> spellingResultOf(TProject& project, const SpellRow& row);
// The row a spelling result stands for.
SpellRow spellingRowOf(const TFrontOutput& result);

}  // namespace sorvik

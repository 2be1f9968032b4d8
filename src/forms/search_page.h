// The results list of a search on the "View" page of the source view: one row per hit
// with its text, type, file name and line, and the count above it.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QLabel;
class QTreeWidget;

namespace sorvik {

class TSearchPage : public QWidget {
  Q_OBJECT

 public:
  explicit TSearchPage(QWidget* parent);

  // The rows of a search; the placeholder row when there are none.
  void fill(const std::vector<std::vector<std::string>>& rows);
  // No hits shown: the placeholder row alone.
  void clear();

  QTreeWidget* list() const { return ListBad; }
  QLabel* countLabel() const { return countLabel_; }

 signals:
  // A hit was chosen (a single click) or opened (a double click); `row` counts the hits.
  void hitChosen(int row);
  void hitOpened(int row);

 private:
  QLabel* countLabel_;
  QTreeWidget* ListBad;
  bool hasHits_ = false;
};

}  // namespace sorvik

// The statistics view: the figures of the last run on seven pages (statistics, routines,
// form objects, web objects, statements, uses, problems), the lists sorted by a click on a
// column and each page saved to a file.
#pragma once

#include <QTabWidget>
#include <array>
#include <string>

#include "report/statistics_view.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace sorvik {

struct AppContext;
class TProject;

class TStatsForm : public QTabWidget {
  Q_OBJECT

 public:
  TStatsForm(AppContext& context, QWidget* parent);

  // Fills every page from the project's last run; the project must outlive the view's use.
  void showRun(TProject& project);
  // Shows the page of a key of the tree's "Statistics" node ("Statistics", "Web Objects",
  // ...); false when the key names none.
  bool showPage(const std::string& key);
  void clear();

  QTreeWidget* list(StatisticsList list) const;
  QLineEdit* backupField() const { return backup_; }
  // The "Save" of the page shown, into `path`; false (the user is told) on failure.
  bool savePage(const std::string& path);

 signals:
  // The page shown changed: the tree's node of that key is to be chosen.
  void pageShown(const std::string& key);

 private:
  QWidget* buildStatisticsPage();
  QWidget* buildListPage(StatisticsList list, const QStringList& columns);
  QWidget* buildUsesPage();
  QWidget* buildProblemsPage();
  QPushButton* saveButton(QWidget* page);
  void fillList(StatisticsList list);
  void fillPage();
  void sortBy(StatisticsList list, int column);
  void saveClicked();

  AppContext& context_;
  TProject* project_ = nullptr;
  StatisticsView view_;
  std::array<QTreeWidget*, 5> lists_{};
  std::vector<std::pair<QLabel*, std::string StatisticsPage::*>> values_;
  QLabel* notChecked_;
  QLineEdit* backup_;
  QTabWidget* usesPages_;
  QTreeWidget* usedBy_;
  std::array<QPlainTextEdit*, 3> problems_{};
};

}  // namespace sorvik

// The page shown while a project is open and no result is chosen: the project, its
// files, the commands that start a run, and how the last run went.
#pragma once

#include <QWidget>
#include <string>

class QAction;
class QLabel;

namespace sorvik {

class TProject;

class TfrmMenu : public QWidget {
  Q_OBJECT

 public:
  TfrmMenu(QAction* startScan, QWidget* parent);
  void showProject(const TProject& project);
  // After a run: its status line, and where the results are.
  void showRunEnd(const std::string& status, bool stopped, bool hasResults);

 private:
  QLabel* name_;
  QLabel* files_;
  QLabel* runState_;
};

}  // namespace sorvik

// The page shown while no project is open: what sorvik does, the first step, the
// commands that open or make a project, and the recent projects.
#pragma once

#include <QWidget>
#include <vector>

#include "project/recent_list.h"

class QAction;
class QVBoxLayout;

namespace sorvik {

class TStartForm : public QWidget {
  Q_OBJECT

 public:
  TStartForm(QAction* openProject, QAction* newProject, QWidget* parent);
  void showRecent(const std::vector<RecentList::Entry>& entries);

 signals:
  // 1 to 4, as the recent menu numbers them.
  void recentChosen(int number);

 private:
  QVBoxLayout* recentList_;
  QWidget* recentBox_;
};

}  // namespace sorvik

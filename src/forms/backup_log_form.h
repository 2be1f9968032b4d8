// The backup log viewer: every copy in the backup folders, its original and when it was
// made, and the space they take.
#pragma once

#include <QDialog>
#include <string>

namespace sorvik {

class TBackupLogForm : public QDialog {
  Q_OBJECT

 public:
  TBackupLogForm(const std::string& programFolder, QWidget* parent);
};

}  // namespace sorvik

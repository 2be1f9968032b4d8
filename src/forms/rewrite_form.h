// The "Project Rewrite" dialog: which steps the rewrite runs.
#pragma once

#include <QDialog>

#include "changes/rewrite.h"

class QCheckBox;

namespace sorvik {

class Prompter;

class TRewriteForm : public QDialog {
  Q_OBJECT

 public:
  TRewriteForm(Prompter& prompter, QWidget* parent);
  RewriteChoices choices() const;

 private:
  // "Start" with no step ticked says so and keeps the dialog open.
  void start();

  Prompter& prompter_;
  QCheckBox* optimizations_;
  QCheckBox* naming_;
  QCheckBox* varCase_;
};

}  // namespace sorvik

// The disclaimer shown before a project is opened or made, and the warning shown before
// code is changed.
#pragma once

#include <QDialog>

class QCheckBox;

namespace sorvik {

class TDisclaimerform : public QDialog {
  Q_OBJECT

 public:
  explicit TDisclaimerform(QWidget* parent);
  bool dontShowAgain() const;

 private:
  QCheckBox* dontShow_;
};

class TWarningform : public QDialog {
  Q_OBJECT

 public:
  explicit TWarningform(QWidget* parent);
  bool dontShowAgain() const;

 private:
  QCheckBox* dontShow_;
};

}  // namespace sorvik

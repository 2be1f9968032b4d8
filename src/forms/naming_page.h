// The naming page of the source view: the component renames and the variable-case
// corrections of the last naming run, each a line with a tick box.
#pragma once

#include <QTabWidget>

#include "changes/apply_naming_suggestions.h"

class QListWidget;

namespace sorvik {

class NamingLists;

class TNamingPage : public QTabWidget {
  Q_OBJECT

 public:
  explicit TNamingPage(QWidget* parent);

  // One line per suggestion, in the lists' order; ticked when `ticked`.
  void fill(const NamingLists& lists, bool ticked);
  void clear();
  bool isEmpty() const;
  // The ticks, one per line.
  NamingChoice choice() const;

  QListWidget* componentList() const { return components_; }
  QListWidget* variableList() const { return variables_; }

 private:
  QListWidget* components_;
  QListWidget* variables_;
};

}  // namespace sorvik

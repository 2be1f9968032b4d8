#include "forms/menu_form.h"

#include <QAction>
#include <QCommandLinkButton>
#include <QLabel>
#include <QVBoxLayout>

#include "forms/page_widgets.h"
#include "forms/qt_text.h"
#include "generic/paths.h"
#include "generic/strings.h"
#include "project/project.h"

namespace sorvik {

TfrmMenu::TfrmMenu(QAction* startScan, QWidget* parent) : QWidget(parent) {
  setObjectName("TfrmMenu");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(32, 24, 32, 24);
  name_ = headingLabel("", 1.6, this);
  layout->addWidget(name_);
  files_ = new QLabel(this);
  files_->setWordWrap(true);
  files_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(files_);
  layout->addSpacing(12);

  layout->addWidget(commandButton(startScan, "Scan Project",
                                  "Look for hints and warnings in every unit, form and page (F3)",
                                  this));
  layout->addSpacing(12);

  runState_ = new QLabel(this);
  runState_->setWordWrap(true);
  layout->addWidget(runState_);
  layout->addStretch(1);
}

void TfrmMenu::showProject(const TProject& project) {
  name_->setText(qtPath(fileNameOf(project.ProjectPath)));
  files_->setText(qtPath(project.ProjectPath) + "\n" +
                  qtText(CountText(project.UnitCount, "unit") + ", " +
                         CountText(project.FormCount, "form") + ", " +
                         CountText(project.WebCount, "web page")));
  runState_->clear();
}

void TfrmMenu::showRunEnd(const std::string& status, bool stopped, bool hasResults) {
  QString text =
      (stopped ? "The scan was stopped: " : "The scan is finished: ") + qtText(status) + ".";
  text += hasResults ? "\nClick a result in the list below to see its line in the source; the "
                       "tree on the left groups the results by kind."
                     : "\nNothing was found to report.";
  runState_->setText(text);
}

}  // namespace sorvik

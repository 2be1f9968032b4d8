#include "forms/start_form.h"

#include <QAction>
#include <QCommandLinkButton>
#include <QLabel>
#include <QVBoxLayout>
#include <memory>

#include "forms/page_widgets.h"
#include "forms/qt_text.h"
#include "generic/paths.h"

namespace sorvik {

TStartForm::TStartForm(QAction* openProject, QAction* newProject, QWidget* parent)
    : QWidget(parent) {
  setObjectName("TStartForm");
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(32, 24, 32, 24);
  auto* column = new QVBoxLayout;
  outer->addLayout(column);
  outer->addStretch(1);

  column->addWidget(headingLabel("sorvik", 2.0, this));
  auto* intro = new QLabel(
      "Finds hints and warnings in Delphi projects, in the units and the forms, shown "
      "beside the source with the lines coloured.",
      this);
  intro->setWordWrap(true);
  column->addWidget(intro);
  column->addSpacing(16);

  column->addWidget(headingLabel("First step", 1.2, this));
  auto* step = new QLabel(
      "Open your project: a program (.dpr), package (.dpk), project group (.bpg), IDE "
      "project (.dproj, .bdsproj), C++Builder project (.bpr), Visual Studio solution (.sln) "
      "or a sorvik project (.svk). Then press F3 to scan it.",
      this);
  step->setWordWrap(true);
  column->addWidget(step);
  column->addWidget(commandButton(openProject, "Open Project",
                                  "Choose a project file and read its units, forms and pages",
                                  this));
  column->addWidget(commandButton(newProject, "New Project",
                                  "Pick source files yourself and keep the list as a .svk file",
                                  this));
  column->addSpacing(16);

  recentBox_ = new QWidget(this);
  recentList_ = new QVBoxLayout(recentBox_);
  recentList_->setContentsMargins(0, 0, 0, 0);
  column->addWidget(recentBox_);
}

void TStartForm::showRecent(const std::vector<RecentList::Entry>& entries) {
  while (std::unique_ptr<QLayoutItem> item{recentList_->takeAt(0)}) {
    if (QWidget* widget = item->widget()) widget->deleteLater();
  }
  recentBox_->setVisible(!entries.empty());
  if (entries.empty()) return;
  recentList_->addWidget(headingLabel("Recent projects", 1.2, recentBox_));
  for (size_t i = 0; i < entries.size(); ++i) {
    const auto& entry = entries[i];
    const QString detail = qtPath(entry.path) + "   (" + qtText(entry.date) + ")";
    auto* button = new QCommandLinkButton(qtPath(fileNameOf(entry.path)), detail, recentBox_);
    const int number = static_cast<int>(i) + 1;
    connect(button, &QCommandLinkButton::clicked, this,
            [this, number] { emit recentChosen(number); });
    recentList_->addWidget(button);
  }
}

}  // namespace sorvik

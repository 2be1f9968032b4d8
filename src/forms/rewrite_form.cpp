#include "forms/rewrite_form.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "forms/page_widgets.h"
#include "project/prompter.h"

namespace sorvik {

namespace {

// A ticked box with its explanation below it.
QCheckBox* addStep(QVBoxLayout& layout, const char* name, const char* caption,
                   const char* explanation, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  box->setChecked(true);
  layout.addWidget(box);
  auto* note = new QLabel(explanation, parent);
  note->setIndent(24);
  layout.addWidget(note);
  return box;
}

}  // namespace

TRewriteForm::TRewriteForm(Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
  setWindowTitle("Project Rewrite");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(headingLabel("Project Rewrite", 1.3, this));
  layout->addWidget(new QLabel("The Project Rewrite carries out the following steps:", this));
  optimizations_ =
      addStep(*layout, "chkOptimizations", "Apply Optimizations",
              "Only some hints and warnings that should not cause problems are applied", this);
  naming_ = addStep(*layout, "chkNaming", "Apply Naming suggestions",
                    "This will make code more readable by replacing default names", this);
  varCase_ =
      addStep(*layout, "chkVarCase", "Apply Variable Case Sensitivity",
              "Variable names in code will use the same case as how they were declared", this);
  auto* warning = new QLabel(
      "Please be warned that this option can overwrite your existing project source code.", this);
  warning->setWordWrap(true);
  layout->addWidget(warning);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("Start", QDialogButtonBox::AcceptRole)->setObjectName("btnStart");
  buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &TRewriteForm::start);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

RewriteChoices TRewriteForm::choices() const {
  return {optimizations_->isChecked(), naming_->isChecked(), varCase_->isChecked()};
}

void TRewriteForm::start() {
  const RewriteChoices chosen = choices();
  if (!chosen.optimizations && !chosen.naming && !chosen.varCase) {
    prompter_.showWarning("No options have been selected");
    return;
  }
  accept();
}

}  // namespace sorvik

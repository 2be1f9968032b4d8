#include "forms/disclaimer_form.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "forms/page_widgets.h"

namespace sorvik {

namespace {

constexpr const char* kWarranty =
    "THIS SOFTWARE IS PROVIDED ON AN AS-IS BASIS, WITHOUT WARRANTY OF ANY KIND,\n"
    "EXPRESS OR IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF\n"
    "MERCHANTABILITY, FITNESS FOR A PARTICULAR PURPOSE AND NON-INFRINGEMENT.\n"
    "THE ENTIRE RISK AS TO THE QUALITY AND PERFORMANCE OF THE SOFTWARE IS WITH\n"
    "YOU. SHOULD THE SOFTWARE CHANGE, DAMAGE OR DELETE ANY FILE, YOU ALONE BEAR\n"
    "THE COST OF ALL NECESSARY REPAIR, RECOVERY OR CORRECTION.\n"
    "IN NO EVENT SHALL THE AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM,\n"
    "DAMAGES OR OTHER LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR\n"
    "OTHERWISE, ARISING FROM, OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE\n"
    "USE OR OTHER DEALINGS IN THE SOFTWARE, INCLUDING LOSS OF DATA OR SOURCE\n"
    "CODE. KEEP A BACKUP OF YOUR PROJECT BEFORE YOU LET ANY TOOL CHANGE IT.\n"
    "BY PRESSING YES YOU AGREE TO THESE TERMS.";

// Lays the dialog out around the warranty text; returns its "do not show again" box.
QCheckBox* layOutDisclaimer(QDialog& dialog, const char* heading, const char* reasonText,
                            const char* acceptText) {
  dialog.setWindowTitle("Disclaimer");
  dialog.setModal(true);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(headingLabel(heading, 1.3, &dialog));
  auto* reason = new QLabel(reasonText, &dialog);
  reason->setWordWrap(true);
  layout->addWidget(reason);
  auto* warranty = new QPlainTextEdit(kWarranty, &dialog);
  warranty->setReadOnly(true);
  warranty->setMinimumSize(560, 200);
  layout->addWidget(warranty);
  auto* accept = new QLabel(acceptText, &dialog);
  accept->setWordWrap(true);
  layout->addWidget(accept);
  auto* dontShow = new QCheckBox("Do not show this disclaimer again", &dialog);
  layout->addWidget(dontShow);
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton("&Yes", QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton("&No", QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  return dontShow;
}

}  // namespace

TDisclaimerform::TDisclaimerform(QWidget* parent)
    : QDialog(parent),
      dontShow_(layOutDisclaimer(
          *this, "sorvik pascal analyzer alters code",
          "sorvik can alter code and therefore it is vital that a backup is used before "
          "scanning any program.",
          "Pressing Yes means that you accept this disclaimer and wish to continue.")) {}

TWarningform::TWarningform(QWidget* parent)
    : QDialog(parent),
      dontShow_(layOutDisclaimer(
          *this, "Applying a change",
          "When you apply a change, the file you are working on is automatically saved.\n"
          "It it therefore vital that a project backup is taken before applying any change.",
          "Pressing Yes means that you accept this disclaimer.")) {}

bool TWarningform::dontShowAgain() const {
  return dontShow_->isChecked();
}

bool TDisclaimerform::dontShowAgain() const {
  return dontShow_->isChecked();
}

}  // namespace sorvik

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

}  // namespace

TDisclaimerform::TDisclaimerform(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Disclaimer");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(headingLabel("sorvik pascal analyzer alters code", 1.3, this));
  auto* reason = new QLabel(
      "sorvik can alter code and therefore it is vital that a backup is used before scanning "
      "any program.",
      this);
  reason->setWordWrap(true);
  layout->addWidget(reason);
  auto* warranty = new QPlainTextEdit(kWarranty, this);
  warranty->setReadOnly(true);
  warranty->setMinimumSize(560, 200);
  layout->addWidget(warranty);
  auto* accept =
      new QLabel("Pressing Yes means that you accept this disclaimer and wish to continue.", this);
  accept->setWordWrap(true);
  layout->addWidget(accept);
  dontShow_ = new QCheckBox("Do not show this disclaimer again", this);
  layout->addWidget(dontShow_);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("&Yes", QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton("&No", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

bool TDisclaimerform::dontShowAgain() const {
  return dontShow_->isChecked();
}

}  // namespace sorvik

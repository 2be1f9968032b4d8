#include "forms/backup_log_form.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "changes/backup_log.h"
#include "forms/qt_text.h"

namespace sorvik {

TBackupLogForm::TBackupLogForm(const std::string& programFolder, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Backup Log");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("This is a log of all files backed up ", this));
  auto* list = new QTreeWidget(this);
  list->setObjectName("BackupList");
  list->setRootIsDecorated(false);
  list->setHeaderLabels({"Backed up to", "Original File name", "Time of backup"});
  const BackupLog log = readBackupLog(programFolder);
  for (const BackupEntry& entry : log.entries)
    list->addTopLevelItem(new QTreeWidgetItem(
        {qtPath(entry.copy), qtPath(entry.original), QString::fromStdString(entry.time)}));
  if (log.entries.empty()) list->addTopLevelItem(new QTreeWidgetItem({"{No backups found}"}));
  list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  list->setMinimumSize(760, 320);
  layout->addWidget(list);
  auto* size = new QHBoxLayout;
  size->addWidget(new QLabel("Size of backup:", this));
  auto* amount = new QLabel(QString::fromStdString(backupSizeText(log.bytes)), this);
  amount->setObjectName("BackupSize");
  size->addWidget(amount);
  size->addStretch();
  layout->addLayout(size);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

}  // namespace sorvik

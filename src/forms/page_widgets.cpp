#include "forms/page_widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QCommandLinkButton>
#include <QLabel>
#include <QLayout>

namespace sorvik {

QLabel* headingLabel(const QString& text, double scale, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * scale);
  label->setFont(font);
  return label;
}

QCommandLinkButton* commandButton(QAction* action, const QString& text, const QString& detail,
                                  QWidget* parent) {
  auto* button = new QCommandLinkButton(text, detail, parent);
  QObject::connect(button, &QCommandLinkButton::clicked, action, &QAction::trigger);
  QObject::connect(action, &QAction::changed, button,
                   [button, action] { button->setEnabled(action->isEnabled()); });
  button->setEnabled(action->isEnabled());
  return button;
}

QCheckBox* addCheckBox(QLayout* layout, const char* name, const QString& caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  layout->addWidget(box);
  return box;
}

}  // namespace sorvik

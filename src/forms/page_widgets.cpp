#include "forms/page_widgets.h"

#include <QAction>
#include <QCommandLinkButton>
#include <QLabel>

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

}  // namespace sorvik

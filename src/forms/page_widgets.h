// The pieces the pages and dialogs are made of: headings, and large buttons for the
// commands of the main window that follow the command's enabled state, so a page never
// offers what the menus refuse.
#pragma once

#include <QString>

class QAction;
class QCheckBox;
class QCommandLinkButton;
class QLabel;
class QLayout;
class QWidget;

namespace sorvik {

// A bold label, its font `scale` times the usual size.
QLabel* headingLabel(const QString& text, double scale, QWidget* parent);
// A check box named `name`, added to `layout`.
QCheckBox* addCheckBox(QLayout* layout, const char* name, const QString& caption, QWidget* parent);
QCommandLinkButton* commandButton(QAction* action, const QString& text, const QString& detail,
                                  QWidget* parent);

}  // namespace sorvik

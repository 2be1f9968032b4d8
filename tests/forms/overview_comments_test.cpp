// The overview and the comment builder in the window: "Start Overview" shows the advice on
// the "Discuss" page, and the comment builder's wizard draws, previews and applies headers.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>

#include "changes/apply_comment_headers.h"
#include "forms/comment_builder_form.h"
#include "forms/edit_form.h"
#include "forms/main_form.h"
#include "generic/text_file.h"
#include "window_fixture.h"

namespace sorvik {

using test::TempTree;

namespace {

QString editorText(const TCommentBuilderForm& wizard, const char* name) {
  return wizard.findChild<QPlainTextEdit*>(name)->toPlainText();
}

void chooseStyle(TCommentBuilderForm& wizard, const char* style) {
  wizard.findChild<QComboBox*>("cmbStyle")->setCurrentText(style);
}

QStringList visibleButtons(const TCommentBuilderForm& wizard) {
  QStringList shown;
  for (const char* name : {"btnBack", "btnNext", "btnApply", "btnCancel"}) {
    if (wizard.findChild<QPushButton*>(name)->isVisibleTo(&wizard)) shown << name;
  }
  return shown;
}

}  // namespace

class OverviewCommentsTest : public QObject {
  Q_OBJECT

 private slots:
  void theOverviewShowsItsAdviceOnTheDiscussPage();
  void theWizardMovesThroughItsPages();
  void theStylePageDrawsTheChosenBox();
  void theQuestionsFillThePreview();
  void theCommentBuilderAppliesTheHeaders();
};

void OverviewCommentsTest::theOverviewShowsItsAdviceOnTheDiscussPage() {
  TempTree tree;
  auto context = test::windowContext(tree);
  TMainForm window(*context);
  QVERIFY(test::openProject(window, test::copyFixture(tree, "overview-advice", "Shop.dpr")));
  QVERIFY(test::runCommand(window, "btnStartDiscuss"));
  auto* edit = window.findChild<TEditForm*>();
  QTextBrowser* discuss = edit->discussPage();
  QCOMPARE(edit->currentWidget(), discuss);
  QCOMPARE(edit->tabText(edit->indexOf(discuss)), QString("Discuss"));
  const QString advice = discuss->toPlainText();
  QVERIFY(advice.startsWith("All forms are autocreated"));
  QVERIFY(advice.contains("Make use of BeginUpdate and EndUpdate"));

  // The tree's "Overview" node brings the advice back.
  discuss->clear();
  auto* tree_ = window.findChild<QTreeWidget*>("MainTree");
  QTreeWidgetItem* overview = tree_->findItems("Overview", Qt::MatchExactly).value(0);
  QVERIFY(overview);
  tree_->setCurrentItem(overview);
  QVERIFY(discuss->toPlainText().startsWith("All forms are autocreated"));

  // A scan takes the page away.
  QVERIFY(test::runCommand(window, "btnStartScan"));
  QCOMPARE(edit->indexOf(discuss), -1);
}

void OverviewCommentsTest::theWizardMovesThroughItsPages() {
  TCommentBuilderForm wizard({true, false}, nullptr);
  QCOMPARE(wizard.windowTitle(), QString("Comment Builder"));
  QVERIFY(wizard.findChild<QGroupBox*>("pnlDelphi")->isVisibleTo(&wizard));
  QVERIFY(!wizard.findChild<QGroupBox*>("pnlCpp")->isVisibleTo(&wizard));
  QVERIFY(wizard.findChild<QComboBox*>("cmbLanguage")->isHidden());
  QCOMPARE(visibleButtons(wizard), (QStringList{"btnNext", "btnCancel"}));
  wizard.next();
  QCOMPARE(wizard.page(), int(TCommentBuilderForm::kStyle));
  QCOMPARE(visibleButtons(wizard), (QStringList{"btnBack", "btnNext", "btnCancel"}));
  wizard.next();  // Borland style asks three questions
  QCOMPARE(wizard.page(), int(TCommentBuilderForm::kQuestions));
  wizard.next();
  QCOMPARE(wizard.page(), int(TCommentBuilderForm::kPreview));
  QCOMPARE(visibleButtons(wizard), (QStringList{"btnBack", "btnApply", "btnCancel"}));
  wizard.back();
  QCOMPARE(wizard.page(), int(TCommentBuilderForm::kQuestions));
  wizard.back();
  wizard.back();
  QCOMPARE(wizard.page(), int(TCommentBuilderForm::kIntroduction));

  // Both languages: both panels, the language choice, and a preview for each.
  TCommentBuilderForm both({true, true}, nullptr);
  QVERIFY(both.findChild<QGroupBox*>("pnlCpp")->isVisibleTo(&both));
  QVERIFY(!both.findChild<QComboBox*>("cmbLanguage")->isHidden());
  both.next();
  chooseStyle(both, "JavaDoc style");
  both.next();
  both.next();
  QCOMPARE(both.page(), int(TCommentBuilderForm::kPreview));
  QVERIFY(editorText(both, "DelphiPreview").startsWith("(**"));
  QVERIFY(editorText(both, "CppPreview").startsWith("/**"));
  const CommentRequest request = both.request();
  QCOMPARE(request.delphiMode, std::optional<CommentMode>(CommentMode::WhenNoComments));
  QCOMPARE(request.cppHeader.back(), std::string(" */"));
}

void OverviewCommentsTest::theStylePageDrawsTheChosenBox() {
  TCommentBuilderForm wizard({true, false}, nullptr);
  wizard.next();
  const QString border = "{ " + QString(76, '*') + " }";
  QVERIFY(editorText(wizard, "StyleEditor").startsWith(border + "\n"));
  auto* width = wizard.findChild<QGroupBox*>("grpWidth");
  QCOMPARE(width->title(), QString("Width (currently 80)"));
  const QList<QRadioButton*> radios = width->findChildren<QRadioButton*>();
  QCOMPARE(radios[2]->text(), QString("Specific (between 34 and 80)"));
  radios[1]->click();  // "Reduced"
  QCOMPARE(width->title(), QString("Width (currently 34)"));
  radios[2]->click();  // "Specific"
  wizard.findChild<QSlider*>("trkWidth")->setValue(50);
  QCOMPARE(width->title(), QString("Width (currently 50)"));
  QCOMPARE(editorText(wizard, "StyleEditor").section('\n', 0, 0).size(), 50);

  // A hand edit is lost when the style is built again; "Blank / Custom" keeps it.
  wizard.findChild<QPlainTextEdit*>("StyleEditor")->setPlainText("my own");
  chooseStyle(wizard, "Blank / Custom");
  QCOMPARE(editorText(wizard, "StyleEditor"), QString("my own"));
  chooseStyle(wizard, "Mozilla Public License 2");
  QVERIFY(editorText(wizard, "StyleEditor").startsWith("(* ***** BEGIN LICENSE BLOCK *****"));
}

void OverviewCommentsTest::theQuestionsFillThePreview() {
  TCommentBuilderForm wizard({true, false}, nullptr);
  wizard.next();
  wizard.next();
  auto* year = wizard.findChild<QLineEdit*>("EdtQuest1");
  QVERIFY(year);
  QCOMPARE(year->text(), QString::number(QDate::currentDate().year()));
  QCOMPARE(wizard.findChild<QLabel*>("LblQuest0")->text(), QString("Project Name:"));
  QCOMPARE(wizard.findChild<QLabel*>("LblQuest2")->geometry().topLeft(), QPoint(10, 165));
  QCOMPARE(year->geometry().topLeft(), QPoint(100, 130));
  QCOMPARE(year->width(), 150);
  wizard.findChild<QLineEdit*>("EdtQuest0")->setText("Shop");
  year->setText("2024");
  QCOMPARE(wizard.FillAnswers("<project name>, <Year>, <Filename>"),
           std::string("Shop, 2024, <Filename>"));
  wizard.next();
  const QStringList lines = editorText(wizard, "DelphiPreview").split('\n');
  QCOMPARE(lines[2], "{ Shop" + QString(72, ' ') + " }");
  QVERIFY(lines[4].startsWith("{ Copyright (c) 2024 "));

  // A date question gets a date picker; the style page makes the controls anew.
  wizard.back();
  wizard.back();
  chooseStyle(wizard, "Mozilla Public License 1");
  QVERIFY(!wizard.findChild<QLineEdit*>("EdtQuest0"));
  QVERIFY(wizard.findChild<QDateEdit*>("DteQuest0"));
  wizard.RemoveQuestions();
  QVERIFY(!wizard.findChild<QLabel*>("LblQuest0"));
}

void OverviewCommentsTest::theCommentBuilderAppliesTheHeaders() {
  TempTree tree;
  auto context = test::windowContext(tree);
  TMainForm window(*context);
  test::ScriptedPrompter answers;
  context->prompter = &answers;

  // A project without units: the error, and no wizard.
  tree.write("page.htm", "<p>");
  QVERIFY(test::openProject(window, tree.path() + "page.htm"));
  QVERIFY(test::runCommand(window, "btnCommentBuilder"));
  QCOMPARE(answers.messages.back(), std::string("error: ") + std::string(kNoSourceFilesMessage));

  const std::string program = tree.writeProgram("Shop", {"Main"}, "unit Main;\r\n\r\nend.\r\n");
  QVERIFY(test::openProject(window, program));
  // The wizard: straight through, the answers as they start, and "Apply".
  QTimer::singleShot(0, [] {
    auto* wizard = qobject_cast<TCommentBuilderForm*>(QApplication::activeModalWidget());
    if (!wizard) return;
    wizard->next();
    wizard->next();
    wizard->findChild<QLineEdit*>("EdtQuest0")->setText("Shop");
    wizard->next();
    wizard->findChild<QPushButton*>("btnApply")->click();
  });
  QVERIFY(test::runCommand(window, "btnCommentBuilder"));
  const std::string unit = readFileBytes(tree.path() + "Main.pas").value_or("");
  QVERIFY(unit.starts_with("{ " + std::string(76, '*') + " }\r\n"));
  QVERIFY(unit.find("{ Shop ") != std::string::npos);
  QVERIFY(unit.ends_with("}\r\nunit Main;\r\n\r\nend.\r\n"));
  QCOMPARE(answers.messages.back(), std::string("change warning"));
}

}  // namespace sorvik

QTEST_MAIN(sorvik::OverviewCommentsTest)
#include "overview_comments_test.moc"

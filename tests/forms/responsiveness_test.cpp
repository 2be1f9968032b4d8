// A project of 5,000 units opened and scanned: the window keeps repainting while the
// worker reads and walks it, and "Stop" ends the run within a second.
#include <QAction>
#include <QElapsedTimer>
#include <QEvent>
#include <QListWidget>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "forms/main_form.h"
#include "project/project.h"
#include "project/results.h"
#include "window_fixture.h"

namespace sorvik::test {

namespace {

constexpr int kUnits = 5000;

// Measures how long the window thread goes without handling its events, and counts the
// paints of one widget.
class Heartbeat : public QObject {
 public:
  explicit Heartbeat(QWidget* watched) {
    watched->installEventFilter(this);
    connect(&timer_, &QTimer::timeout, this,
            [this] { longestGap_ = std::max(longestGap_, clock_.restart()); });
    timer_.start(10);
    clock_.start();
  }
  void restart() {
    longestGap_ = 0;
    paints_ = 0;
    clock_.restart();
  }
  qint64 longestGap() const { return longestGap_; }
  int paints() const { return paints_; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints_;
    return false;
  }

 private:
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 longestGap_ = 0;
  int paints_ = 0;
};

// Opens `program`, scans it for three seconds and stops: the window handles its events
// all along and the run ends within a second of "Stop".
void openScanAndStop(AppContext& context, const std::string& program, int units) {
  TMainForm window(context);
  window.resize(1000, 700);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  auto* bar = window.findChild<QProgressBar*>("ProgressBar");
  Heartbeat beat(bar);

  beat.restart();
  QVERIFY(openProject(window, program));
  QCOMPARE(window.project()->UnitCount, units);
  const qint64 openGap = beat.longestGap();
  QVERIFY2(openGap < 250, qPrintable(QString::number(openGap)));

  QSignalSpy ended(&window, &TMainForm::idle);
  beat.restart();
  window.Startscan1Click();
  QTest::qWait(3000);
  QVERIFY(window.isBusy());
  const qint64 scanGap = beat.longestGap();
  QVERIFY2(scanGap < 250, qPrintable(QString::number(scanGap)));
  QVERIFY(beat.paints() > 10);
  QVERIFY(bar->value() > 0);

  QElapsedTimer stopping;
  stopping.start();
  window.findChild<QAction*>("btnStop")->trigger();
  QVERIFY(ended.wait(1000));
  QVERIFY2(stopping.elapsed() < 1000, qPrintable(QString::number(stopping.elapsed())));
  QVERIFY(window.project()->ScanDone);
  qInfo(
      "longest pause of the window: %lld ms opening, %lld ms scanning; %d paints; stopped "
      "after %lld ms",
      openGap, scanGap, beat.paints(), stopping.elapsed());
}

}  // namespace

class ResponsivenessTest : public QObject {
  Q_OBJECT

 private slots:
  void standInAnalysersOnTinyUnits();
  void libraryAnalysersPreparingUnitsInParallel();
  void libraryAnalysersOnALargeProject();
};

void ResponsivenessTest::standInAnalysersOnTinyUnits() {
  TempTree tree;
  std::vector<std::string> units;
  for (int i = 0; i < kUnits; ++i) units.push_back("Unit" + std::to_string(i));
  const std::string program = tree.writeProgram("Large", units);

  auto context = windowContext(tree);
  // A little work per unit in both passes and a result now and then, so that a whole
  // run would take far longer than the test waits.
  context->hooks.collectUnit = [](TProject&, std::vector<std::string>&) {
    std::this_thread::sleep_for(std::chrono::microseconds(100));
  };
  std::atomic<int> walked = 0;
  context->hooks.walkUnit = [&walked](TProject& project, bool) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    if (++walked % 10 == 0) AddResult(project, 17, walked, "Use SinCos instead", nullptr);
    return true;
  };
  openScanAndStop(*context, program, kUnits);
  QVERIFY(walked > 10 && walked < kUnits);
}

// Units that each include a long file of routines: four workers prepare them ahead of
// the walk, and "Stop" still ends the run within a second.
void ResponsivenessTest::libraryAnalysersPreparingUnitsInParallel() {
  constexpr int kLongUnits = 400;
  TempTree tree;
  std::string routines;
  // Long enough that the run is far from done when the test stops it.
  for (int i = 0; i < 1000; ++i) {
    routines +=
        "procedure Step" + std::to_string(i) + ";\r\nvar\r\n  Angle, X, Y: Double;\r\nbegin\r\n";
    for (int j = 0; j < 10; ++j) routines += "  X := Sin(Angle);\r\n  Y := Cos(Angle);\r\n";
    routines += "end;\r\n\r\n";
  }
  tree.write("steps.inc", routines);
  std::vector<std::string> units;
  for (int i = 0; i < kLongUnits; ++i) units.push_back("Unit" + std::to_string(i));
  const std::string program = tree.writeProgram(
      "Long", units,
      "unit Steps;\r\n\r\ninterface\r\n\r\nimplementation\r\n\r\n{$I steps.inc}\r\n\r\nend.\r\n");
  auto context = windowContext(tree);
  context->Jobs = 4;
  openScanAndStop(*context, program, kLongUnits);
}

// A real project of that size is too large to make on every test run:
//   python3 bench/generate_corpus.py DIR --units 5000
//   SORVIK_LARGE_PROJECT=DIR/Corpus.dpr responsiveness_test
void ResponsivenessTest::libraryAnalysersOnALargeProject() {
  const QByteArray program = qgetenv("SORVIK_LARGE_PROJECT");
  if (program.isEmpty()) QSKIP("SORVIK_LARGE_PROJECT names no project");
  TempTree home;
  auto context = windowContext(home);
  openScanAndStop(*context, program.toStdString(), kUnits);
}

}  // namespace sorvik::test

QTEST_MAIN(sorvik::test::ResponsivenessTest)
#include "responsiveness_test.moc"

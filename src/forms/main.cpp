// sorvik-gui: the desktop window over the library.
#include <QApplication>

#include "forms/main_form.h"
#include "forms/qt_text.h"
#include "platform/memory_tuning.h"
#include "project/program_folder.h"
#include "report/library_setup.h"

int main(int argc, char** argv) {
  sorvik::keepFreedMemoryForReuse();
  QApplication application(argc, argv);
  QApplication::setApplicationName("sorvik");
  QApplication::setApplicationVersion(SORVIK_VERSION);

  auto context = sorvik::makeAppContext(sorvik::chooseProgramFolder(""));
  sorvik::TMainForm window(*context);
  window.show();

  // The first argument opens a project, unless it asks for the search ("s" or "/s").
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1 && arguments[1] != "s" && arguments[1] != "/s")
    window.OpenProjectFile(sorvik::pathBytes(arguments[1]));
  return QApplication::exec();
}

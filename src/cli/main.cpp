#include "cli/command_line.h"
#include "platform/memory_tuning.h"

int main(int argc, char** argv) {
  sorvik::keepFreedMemoryForReuse();
  return sorvik::runCommandLine(argc, argv);
}

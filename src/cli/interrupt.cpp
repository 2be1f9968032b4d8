#include "cli/interrupt.h"

#include <csignal>

namespace sorvik {

namespace {

// A signal handler can only reach a flag of static storage.
volatile std::sig_atomic_t interrupted = 0;

extern "C" void onInterrupt(int) {
  interrupted = 1;
}

}  // namespace

InterruptObserver::InterruptObserver() {
  interrupted = 0;
  std::signal(SIGINT, onInterrupt);
}

InterruptObserver::~InterruptObserver() {
  std::signal(SIGINT, SIG_DFL);
}

bool InterruptObserver::processEvents() {
  return interrupted != 0;
}

}  // namespace sorvik

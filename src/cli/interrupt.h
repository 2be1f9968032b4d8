// SIGINT during a run is "Stop": the run ends as the driver says and prints what it has.
#pragma once

#include "project/run_observer.h"

namespace sorvik {

// Installs the SIGINT handler for the life of the object.
class InterruptObserver : public RunObserver {
 public:
  InterruptObserver();
  ~InterruptObserver() override;
  InterruptObserver(const InterruptObserver&) = delete;
  InterruptObserver& operator=(const InterruptObserver&) = delete;

  bool processEvents() override;
};

}  // namespace sorvik

#include "app/startup.h"

#include "app/work_dir.h"
#include "base/stop.h"

int run_pimlo(int argc, char** argv) {
  try {
    WORK_DIR(argc > 0 ? argv[0] : "");
  } catch (const ProgramStop& stopped) {
    return stopped.status;
  }
  return 0;
}

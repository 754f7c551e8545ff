#include "app/work_dir.h"

#include <unistd.h>

#include <cstdio>

#include "base/stop.h"

namespace {

bool readable(const std::string& path) {
  std::FILE* fp = std::fopen(path.c_str(), "r");
  if (!fp) return false;
  std::fclose(fp);
  return true;
}

}  // namespace

void WORK_DIR(const std::string& argv0) {
  const long l = static_cast<long>(argv0.size());
  if (l < 2 || argv0[l - 2] != '.' || argv0[l - 1] != 'x')
    fail(kExitBadInput, "error not .x at end of argv[0]=%s@@@@ \n", argv0.c_str());

  long d = l - 3;
  while (d >= 0 && argv0[d] != '/' && argv0[d] != '\\') --d;

  if (readable("./pimlo.conf")) return;
  if (d < 0) fail(kExitBadInput, "file ./pimlo.conf unreachable stop \n");

  const std::string dir = argv0.substr(0, d + 1);
  if (argv0[d] != '/') {
    say("(*trf_work_dir).s_work_dir=%s \n", dir.c_str());
    fail(kExitBadInput, "I don't understand stop\n");
  }
  const std::string conf = dir + "pimlo.conf";
  if (!readable(conf)) {
    say("s_prov_fich=%s \n", conf.c_str());
    fail(kExitBadInput, "file ./pimlo.conf unreachable stop \n");
  }
  if (chdir(dir.c_str()) != 0 || !readable("pimlo.conf")) {
    say("after chdir s_work_dir=%s \n", dir.c_str());
    fail(kExitBadInput, "file ./pimlo.conf unreachable stop \n");
  }
}

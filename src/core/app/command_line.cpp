#include "app/command_line.h"

#include <string_view>

namespace {

constexpr const char* kUsage =
    "Usage: pimlo.x [--help | --version]\n"
    "\n"
    "pimlo is a flash-card vocabulary trainer: it drills the lessons listed in\n"
    "pimlo.conf and keeps the history of every answer beside them.\n"
    "pimlo.x runs in the directory that holds pimlo.conf: the current directory,\n"
    "else its own. Installed, it is started by the launcher: pimlo [DIR].\n"
    "\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n";

}  // namespace

std::optional<std::string> option_text(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (argv[i] == nullptr) break;
    const std::string_view arg = argv[i];
    if (arg == "--help") return kUsage;
    if (arg == "--version") return std::string("pimlo ") + PIMLO_VERSION + "\n";
  }
  return std::nullopt;
}

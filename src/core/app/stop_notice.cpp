#include "app/stop_notice.h"

#include "text/paths.h"

namespace {

// A message can quote a whole line of a file, of any length: the box shows
// its beginning.
constexpr std::size_t kShownMessage = 600;

// Trailing blanks and line ends of the printed message go: the notice lays
// out its own lines.
std::string trimmed(const std::string& message) {
  const std::size_t end = message.find_last_not_of(" \r\n");
  if (end == std::string::npos) return {};
  if (end >= kShownMessage) return message.substr(0, kShownMessage) + " [...]";
  return message.substr(0, end + 1);
}

// What to do about `file`. A history file ("idx1_..." in the history
// directory) may have a backup beside it, left by the last check or
// recording that replaced it.
std::string advice_for(const std::string& file) {
  const std::string name = FILE_NAME_FROM_STRING(file).value_or(file);
  if (name == "pimlo.conf") return "Correct pimlo.conf, then start pimlo.x again.\n";
  if (name.rfind("idx1_", 0) != 0) return "Check this file, then start pimlo.x again.\n";
  const std::string backup = PATH_FROM_STRING(file).value_or("./") + "cpy_" + name;
  return "It is a history file. If its backup " + backup +
         " is there, compare the two and mend the file. Then start pimlo.x again and type "
         "\"!ccdb\" in the command entry: it checks and corrects every history file.\n";
}

}  // namespace

std::string stop_notice(const ProgramStop& stopped, bool logged) {
  std::string text = "pimlo.x has to stop (exit status " + std::to_string(stopped.status) + ").\n";
  const std::string message = trimmed(stopped.message);
  if (!message.empty()) text += "\n" + message + "\n";
  if (!stopped.file.empty()) text += "\nFile: " + stopped.file + "\n" + advice_for(stopped.file);
  if (logged) text += "\nDetails are in the file pimlo_log.\n";
  return text;
}

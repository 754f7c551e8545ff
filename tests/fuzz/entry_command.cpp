// The command entry's reading of arbitrary text: no crash, and what it finds
// keeps its shape (a tag between blanks, a direction of 0, 1 or 2, a code of
// 1 to 5 only for the worst-words command, at most one synchro path).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/stop.h"
#include "commands/entry_command.h"
#include "fuzz_support.h"

namespace {

using fuzz::check;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  try {
    const Sound_request sound = sound_command(input);
    check((sound == Sound_request::none) == (input.rfind("!sound", 0) != 0));

    const Entry_command c = parse_entry_command(input);
    check(c.sens_qr >= 0 && c.sens_qr <= 2);
    check((c.action == Entry_action::worst_words) == (c.code_worst >= 1 && c.code_worst <= 5));
    if (!c.ss_tag.empty()) {
      check(c.ss_tag.size() >= 2 && c.ss_tag.front() == ' ' && c.ss_tag.back() == ' ');
      for (char ch : c.ss_tag) check(ch < 'A' || ch > 'Z');
    }
    if (c.action == Entry_action::synchro_base) check(c.words.size() <= 1);
    for (const std::string& word : c.words) {
      check(!word.empty() && word.find(' ') == std::string::npos);
    }
    if (c.action == Entry_action::lesson) check(c.words.empty() && c.ss_tag.empty());
  } catch (const ProgramStop&) {
  }
  return 0;
}

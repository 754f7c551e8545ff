// Accent decoding, accent removal and path splitting on arbitrary bytes:
// no crash, and the results keep their length and shape promises.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/stop.h"
#include "fuzz_support.h"
#include "text/accents.h"
#include "text/paths.h"

namespace {

using fuzz::check;

std::string spaces_for_no_break(std::string s) {
  for (char& c : s) {
    if (static_cast<unsigned char>(c) == 160) c = ' ';
  }
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  try {
    std::size_t tabs = 0;
    for (char c : input) tabs += c == '\t';

    std::string plain = input;
    DECODE_ACCENTS(plain);
    check(plain.size() <= input.size() + 7 * tabs);

    // French spacing only turns spaces into no-break spaces.
    std::string french = input;
    DECODE1_ACCENTS(french);
    check(spaces_for_no_break(french) == spaces_for_no_break(plain));

    std::string bare = input;
    RM_ACCENTS(bare);
    for (char c : bare) {
      const auto u = static_cast<unsigned char>(c);
      check(u != 230 && u != 198);
    }

    if (const auto dir = PATH_FROM_STRING(input)) check(!dir->empty() && dir->back() == '/');
    if (const auto name = FILE_NAME_FROM_STRING(input)) {
      check(name->find_first_of("/\\") == std::string::npos);
    }
    if (const auto word = RM_PATH_FROM_STRING(input)) check(word->rfind("&/", 0) == 0);
  } catch (const ProgramStop&) {
  }
  return 0;
}

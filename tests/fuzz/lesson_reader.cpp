// The lesson reader and the alias extraction on arbitrary working copies: no
// crash, positions lead back to the lines the items came from, and names and
// aliases keep their shape.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/stop.h"
#include "catalogue/aliases.h"
#include "catalogue/lesson_reader.h"
#include "fuzz_support.h"

namespace {

using fuzz::check;

const char* const kScratch = "/tmp/pimlo_fuzz_lesson_reader.txt";

bool is_alias_char(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_';
}

void check_walk(LineReader& fp, long size) {
  LessonReader reader(fp);
  long previous = -1;
  while (const auto item = reader.next()) {
    check(item->position > previous && item->position < size);
    previous = item->position;
    check(item->line.size() <= kIndexLineWidth);
    long nc = item->position;
    std::string line;
    check(aln_getline(nc, line, fp) >= 0);
    check(line.substr(0, kIndexLineWidth) == item->line);
    check(item->name.find("  ") == std::string::npos);
    if (item->kind == LessonItemKind::reference) check(item->name.empty());
  }
  check(reader.stop_offset() >= 0 && reader.stop_offset() <= size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    std::FILE* out = std::fopen(kScratch, "wb");
    if (!out) return 0;
    std::fwrite(data, 1, size, out);
    std::fclose(out);
    LineReader fp(kScratch);
    check_walk(fp, static_cast<long>(size));
    if (const auto alias = EXTRACT_SHABANG(fp)) {
      for (char c : *alias) check(is_alias_char(c));
    }
  } catch (const ProgramStop&) {
  }
  return 0;
}

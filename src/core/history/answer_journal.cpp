#include "history/answer_journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <utility>

#include "drill/day_number.h"

namespace {

constexpr std::string_view kChecksumMark = " ~";
constexpr std::size_t kChecksumDigits = 8;

constexpr std::array<const char*, 7> kEvents = {"start",  "answer", "undo",     "end",
                                                "staged", "commit", "committed"};
constexpr std::array<const char*, 3> kVerdicts = {"right", "wrong", "skip"};
constexpr std::array<const char*, 3> kEnds = {"recorded", "declined", "reset"};

std::uint32_t checksum(std::string_view text) {
  std::uint32_t h = 2166136261u;
  for (const unsigned char c : text) {
    h ^= c;
    h *= 16777619u;
  }
  return h;
}

template <std::size_t N>
std::optional<std::size_t> index_of(const std::array<const char*, N>& words,
                                    std::string_view word) {
  for (std::size_t i = 0; i < N; ++i) {
    if (word == words[i]) return i;
  }
  return std::nullopt;
}

// Splits off the next blank-ended field of `rest`.
std::string_view next_field(std::string_view& rest) {
  const std::size_t blank = rest.find(' ');
  const std::string_view field = rest.substr(0, blank);
  rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
  return field;
}

template <typename Number>
bool read_number(std::string_view field, Number& into) {
  const char* end = field.data() + field.size();
  const auto [stop, error] = std::from_chars(field.data(), end, into);
  return !field.empty() && error == std::errc() && stop == end;
}

bool is_time(std::string_view field) {
  if (field.size() != 8 || field[2] != ':' || field[5] != ':') return false;
  for (const std::size_t i : {0, 1, 3, 4, 6, 7}) {
    if (field[i] < '0' || field[i] > '9') return false;
  }
  return true;
}

bool read_fields(Journal_line& line, std::string_view rest) {
  if (!read_number(next_field(rest), line.day)) return false;
  line.time.assign(next_field(rest));
  if (!is_time(line.time)) return false;
  switch (line.event) {
    case Journal_event::start:
      if (!read_number(next_field(rest), line.lesson)) return false;
      line.alias.assign(next_field(rest));
      return !line.alias.empty() && read_number(next_field(rest), line.copy_size) &&
             read_number(next_field(rest), line.copy_mtime) && rest.empty();
    case Journal_event::answer: {
      if (!read_number(next_field(rest), line.sense) || (line.sense != 1 && line.sense != 2))
        return false;
      const std::optional<std::size_t> verdict = index_of(kVerdicts, next_field(rest));
      if (!verdict) return false;
      line.verdict = static_cast<Journal_verdict>(*verdict);
      if (!read_number(next_field(rest), line.position)) return false;
      line.alias.assign(next_field(rest));
      line.name.assign(rest);
      return !line.alias.empty();
    }
    case Journal_event::undo:
    case Journal_event::committed:
      return rest.empty();
    case Journal_event::staged:
      line.suffix.assign(next_field(rest));
      line.target.assign(rest);
      return line.suffix.size() > 4 && line.suffix.compare(0, 4, ".new") == 0 &&
             !line.target.empty();
    case Journal_event::commit:
      return read_number(next_field(rest), line.count) && line.count >= 1 && rest.empty();
    case Journal_event::end: {
      const std::optional<std::size_t> how = index_of(kEnds, next_field(rest));
      if (!how || !rest.empty()) return false;
      line.how = static_cast<Drill_end>(*how);
      return true;
    }
  }
  return false;
}

// Takes back the last answer of a drill other than a skip, as the drill's
// undo does.
template <typename Answer, typename Verdict_of>
void take_back(std::vector<Answer>& answers, Verdict_of verdict_of) {
  const auto taken = std::find_if(answers.rbegin(), answers.rend(), [&](const Answer& a) {
    return verdict_of(a) != Journal_verdict::skip;
  });
  if (taken != answers.rend()) answers.erase(std::next(taken).base());
}

// Every field back to its default, the strings keeping their room.
void clear(Journal_line& line) {
  line.lesson = 0;
  line.copy_size = line.copy_mtime = 0;
  line.sense = 1;
  line.verdict = Journal_verdict::right;
  line.position = 0;
  line.how = Drill_end::recorded;
  line.count = 0;
  for (std::string* text : {&line.alias, &line.name, &line.suffix, &line.target}) text->clear();
}

// The event of one line read without its "\n" into `line` (its strings
// reused); false when the line is damaged.
bool read_journal_line(std::string_view text, Journal_line& line) {
  const std::size_t mark = text.rfind(kChecksumMark);
  if (mark == std::string_view::npos || text.size() != mark + 2 + kChecksumDigits) return false;
  std::uint32_t sum = 0;
  const std::string_view digits = text.substr(mark + 2);
  const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), sum, 16);
  const std::string_view body = text.substr(0, mark);
  if (error != std::errc() || stop != digits.data() + digits.size() || sum != checksum(body))
    return false;
  std::string_view rest = body;
  const std::optional<std::size_t> event = index_of(kEvents, next_field(rest));
  if (!event) return false;
  clear(line);
  line.event = static_cast<Journal_event>(*event);
  return read_fields(line, rest);
}

}  // namespace

Journal_line journal_line_now(Journal_event event) {
  const std::time_t now = std::time(nullptr);
  Journal_line line;
  line.event = event;
  line.day = DIFF_JOUR(now);
  std::tm local{};
  char time[16] = "00:00:00";
  if (localtime_r(&now, &local) != nullptr) std::strftime(time, sizeof time, "%H:%M:%S", &local);
  line.time = time;
  return line;
}

std::string journal_text(const Journal_line& line) {
  std::string text = kEvents[static_cast<std::size_t>(line.event)];
  text += ' ' + std::to_string(line.day) + ' ' + line.time;
  switch (line.event) {
    case Journal_event::start:
      text += ' ' + std::to_string(line.lesson) + ' ' + line.alias + ' ' +
              std::to_string(line.copy_size) + ' ' + std::to_string(line.copy_mtime);
      break;
    case Journal_event::answer:
      text += ' ' + std::to_string(line.sense) + ' ' +
              kVerdicts[static_cast<std::size_t>(line.verdict)] + ' ' +
              std::to_string(line.position) + ' ' + line.alias + ' ' + line.name;
      break;
    case Journal_event::undo:
    case Journal_event::committed:
      break;
    case Journal_event::staged:
      text += ' ' + line.suffix + ' ' + line.target;
      break;
    case Journal_event::commit:
      text += ' ' + std::to_string(line.count);
      break;
    case Journal_event::end:
      text += ' ';
      text += kEnds[static_cast<std::size_t>(line.how)];
      break;
  }
  char sum[kChecksumDigits + 1];
  std::snprintf(sum, sizeof sum, "%08x", static_cast<unsigned>(checksum(text)));
  text += kChecksumMark;
  text += sum;
  text += '\n';
  return text;
}

std::optional<Journal_line> parse_journal_line(std::string_view text) {
  Journal_line line;
  if (!read_journal_line(text, line)) return std::nullopt;
  return line;
}

void for_each_journal_line(const std::string& path,
                           const std::function<void(const Journal_line&)>& take) {
  // Read by blocks: a journal grows with every answer ever given.
  std::ifstream in(path, std::ios::binary);
  std::vector<char> block(64 * 1024);
  std::string bytes;  // whole lines and the beginning of the next
  Journal_line line;
  while (in) {
    in.read(block.data(), static_cast<std::streamsize>(block.size()));
    bytes.append(block.data(), static_cast<std::size_t>(in.gcount()));
    std::size_t at = 0;
    for (std::size_t end; (end = bytes.find('\n', at)) != std::string::npos; at = end + 1) {
      if (read_journal_line(std::string_view(bytes).substr(at, end - at), line)) take(line);
    }
    bytes.erase(0, at);  // a last line without its "\n" was cut short: never taken
  }
}

std::vector<Journal_line> read_journal(const std::string& path) {
  std::vector<Journal_line> lines;
  for_each_journal_line(path, [&](const Journal_line& line) { lines.push_back(line); });
  return lines;
}

std::optional<Pending_drill> pending_drill(const std::string& path) {
  std::optional<Journal_line> start;
  std::vector<Journal_line> answers;
  for_each_journal_line(path, [&](const Journal_line& line) {
    switch (line.event) {
      case Journal_event::start:
        start = line;
        answers.clear();
        break;
      case Journal_event::answer:
        answers.push_back(line);
        break;
      case Journal_event::undo:
        take_back(answers, [](const Journal_line& a) { return a.verdict; });
        break;
      case Journal_event::end:
      case Journal_event::commit:
        start.reset();
        answers.clear();
        break;
      case Journal_event::staged:
      case Journal_event::committed:
        break;
    }
  });
  if (!start || answers.empty()) return std::nullopt;
  Pending_drill drill{*start, std::move(answers), 0, 0};
  for (const Journal_line& a : drill.answers) {
    if (a.verdict == Journal_verdict::right) ++drill.right;
    if (a.verdict == Journal_verdict::wrong) ++drill.wrong;
  }
  return drill;
}

std::optional<std::vector<Journal_line>> unfinished_commit(const std::string& path) {
  std::optional<std::vector<Journal_line>> files;
  std::vector<Journal_line> staged;  // the staged lines right before the line read
  for_each_journal_line(path, [&](const Journal_line& line) {
    if (line.event == Journal_event::committed) files.reset();
    if (line.event == Journal_event::commit) {
      files.reset();
      const std::size_t n = static_cast<std::size_t>(line.count);
      if (n <= staged.size()) files.emplace(staged.end() - static_cast<long>(n), staged.end());
    }
    if (line.event == Journal_event::staged) {
      staged.push_back(line);
    } else {
      staged.clear();
    }
  });
  return files;
}

std::vector<Day_answers> answers_per_day(const std::string& path, long today, int n_days) {
  std::vector<Day_answers> days(static_cast<std::size_t>(std::max(n_days, 0)));
  const long first = today - n_days + 1;
  std::vector<std::pair<long, Journal_verdict>> drill;  // day and verdict of each answer
  auto count = [&] {
    for (const auto& [day, verdict] : drill) {
      if (day < first || day > today) continue;
      Day_answers& on = days[static_cast<std::size_t>(day - first)];
      if (verdict == Journal_verdict::right) ++on.right;
      if (verdict == Journal_verdict::wrong) ++on.wrong;
    }
    drill.clear();
  };
  for_each_journal_line(path, [&](const Journal_line& line) {
    if (line.event == Journal_event::start) count();
    if (line.event == Journal_event::answer) drill.emplace_back(line.day, line.verdict);
    if (line.event == Journal_event::undo) take_back(drill, [](const auto& a) { return a.second; });
  });
  count();
  return days;
}

Answer_journal::~Answer_journal() {
  if (fd_ >= 0) ::close(fd_);
}

bool Answer_journal::append(const Journal_line& line) {
  return append(std::vector<Journal_line>{line});
}

bool Answer_journal::append(const std::vector<Journal_line>& lines) {
  if (fd_ < 0) fd_ = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
  if (fd_ < 0) return false;
  struct stat before {};
  if (::fstat(fd_, &before) != 0) return false;
  std::string text;
  for (const Journal_line& line : lines) text += journal_text(line);
  ssize_t written;
  do {
    written = ::write(fd_, text.data(), text.size());
  } while (written < 0 && errno == EINTR);
  if (written != static_cast<ssize_t>(text.size())) {
    // A part written would glue itself to the next line: take it back.
    if (written > 0 && ::ftruncate(fd_, before.st_size) != 0) return false;
    return false;
  }
  return ::fdatasync(fd_) == 0;
}

// Deciding by modification time whether a derived file (working copy,
// history file) is older than the file it was made from. Times are compared
// to the second, as local calendar times in the text that asctime() gives:
//
//   0         1         2
//   0123456789012345678901234
//   Sun Sep 16 01:03:52 1973\n
//
// day name 0-2, month 4-6, day of month 7-9 (right-aligned), hh:mm:ss at
// 11, 14 and 17, year from 19.
#include "base/stop.h"
#include "base/trace.h"
#include "text/files.h"

#include <sys/stat.h>

#include <array>
#include <ctime>
#include <optional>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The number at `pos` read the way atoi() reads it (leading blanks, a sign,
// digits); 0 past the end of the text. Saturates instead of overflowing.
long long number_at(std::string_view text, std::size_t pos) {
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) negative = text[pos++] == '-';
  long long value = 0;
  constexpr long long kLimit = 1'000'000'000'000LL;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    if (value < kLimit) value = value * 10 + (text[pos] - '0');
  }
  return negative ? -value : value;
}

// Place 0-11 of the month name at characters 4 to 6, or nothing.
std::optional<int> month_of(std::string_view text) {
  if (text.size() < 7) return std::nullopt;
  const std::string_view name = text.substr(4, 3);
  for (std::size_t m = 0; m < kMonths.size(); ++m) {
    if (kMonths[m] == name) return static_cast<int>(m);
  }
  return std::nullopt;
}

double sign_of(long long a, long long b) {
  return a > b ? 1.0 : (a < b ? -1.0 : 0.0);
}

// Modification time of `path`, or nothing when it cannot be read.
std::optional<timespec> modification_time(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return std::nullopt;
  return st.st_mtim;
}

// Within one second the finer part decides: a lesson edited in the second its
// copy was made, or a copy made again in the second its history was built,
// must not pass for up to date.
double within_the_second(const timespec& derived, const timespec& origin) {
  return derived.tv_sec == origin.tv_sec ? sign_of(derived.tv_nsec, origin.tv_nsec) : 0.0;
}

// asctime() text of a broken-down local time; nothing when it cannot be
// written in that form (a year beyond four digits).
std::optional<std::string> local_text(const std::tm& local) {
  char buffer[64];
  if (asctime_r(&local, buffer) == nullptr) return std::nullopt;
  return std::string(buffer);
}

}  // namespace

// Fails with status 5 when the comparison reaches the month and either
// month name is unknown.
double WINDOWS_DIFFTIME(const std::string& ss_timer, const std::string& ss_timer1) {
  const long long year = number_at(ss_timer, 19), year1 = number_at(ss_timer1, 19);
  if (year != year1) return sign_of(year, year1);

  const auto month = month_of(ss_timer);
  if (!month) fail(kExitBadName, "error sm_timer in WINDOWS_DIFFTIME stop \n");
  const auto month1 = month_of(ss_timer1);
  if (!month1) fail(kExitBadName, "error sm_timer1 in WINDOWS_DIFFTIME stop \n");
  if (*month != *month1) return sign_of(*month, *month1);

  for (std::size_t pos : {7, 11, 14, 17}) {
    const long long field = number_at(ss_timer, pos), field1 = number_at(ss_timer1, pos);
    if (field != field1) return sign_of(field, field1);
  }
  return 0.0;
}

// Fails with status 1 when the origin does not exist. The two local times
// are compared through their asctime() texts; when they lie on different
// sides of a clock change (different UTC offsets) the wall-clock texts can be
// in the wrong order, and when a text cannot be formed at all, the seconds
// themselves are compared instead.
double DIFF_TIME_FILE(const std::string& name_file_origin, const std::string& name_file_derived) {
  const auto origin = modification_time(name_file_origin);
  if (!origin)
    fail(kExitBadInput, "Error file %s  does not exist stop \n", name_file_origin.c_str());
  const auto derived = modification_time(name_file_derived);
  if (!derived) {
    say("you need to create %s \n", name_file_derived.c_str());
    return -1.0;
  }

  const std::time_t origin_s = origin->tv_sec, derived_s = derived->tv_sec;
  trace("DIFF_TIME_FILE %s %s difference=%.0f s \n", name_file_derived.c_str(),
        name_file_origin.c_str(), std::difftime(derived_s, origin_s));

  double sign = sign_of(derived_s, origin_s);
  std::tm local_origin{}, local_derived{};
  const bool broken_down = localtime_r(&origin_s, &local_origin) != nullptr &&
                           localtime_r(&derived_s, &local_derived) != nullptr;
  if (broken_down && local_origin.tm_gmtoff == local_derived.tm_gmtoff) {
    const auto text_origin = local_text(local_origin);
    const auto text_derived = local_text(local_derived);
    if (text_origin && text_derived) {
      trace("DIFF_TIME_FILE derived=%s origin=%s", text_derived->c_str(), text_origin->c_str());
      sign = WINDOWS_DIFFTIME(*text_derived, *text_origin);
    }
  }
  return sign != 0.0 ? sign : within_the_second(*derived, *origin);
}

#include "text/encoding.h"

#include <glib.h>

#include <bit>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// One g_convert call; empty optional when GLib refuses the input.
std::optional<std::string> convert(std::string_view text, const char* to, const char* from) {
  if (text.empty()) return std::string();
  gsize written = 0;
  GError* error = nullptr;
  gchar* out =
      g_convert(text.data(), static_cast<gssize>(text.size()), to, from, nullptr, &written, &error);
  if (out == nullptr) {
    g_clear_error(&error);
    return std::nullopt;
  }
  std::string result(out, written);
  g_free(out);
  return result;
}

bool undefined_in_cp1252(unsigned char c) {
  return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

}  // namespace

// Every UTF-8 line read goes through here: the converter is opened once and
// kept (g_convert would open and close one per call), and reset before each
// text. It answers exactly as g_convert does: the text whole, or nothing.
std::optional<std::string> utf8_to_cp1252(std::string_view utf8) {
  static const GIConv converter = g_iconv_open("CP1252", "UTF-8");
  if (converter == reinterpret_cast<GIConv>(-1)) return convert(utf8, "CP1252", "UTF-8");
  if (utf8.empty()) return std::string();
  g_iconv(converter, nullptr, nullptr, nullptr, nullptr);
  // Each character takes one byte in CP1252 and at least one in UTF-8.
  std::string out(utf8.size(), '\0');
  gchar* in = const_cast<gchar*>(utf8.data());
  gsize in_left = utf8.size();
  gchar* to = out.data();
  gsize out_left = out.size();
  const gsize done = g_iconv(converter, &in, &in_left, &to, &out_left);
  if (done == static_cast<gsize>(-1) || in_left != 0) return std::nullopt;
  out.resize(out.size() - out_left);
  return out;
}

// The whole text in one call when it can; otherwise the runs between the
// undefined bytes one by one, each undefined byte giving U+FFFD.
std::string cp1252_to_utf8(std::string_view cp1252) {
  if (std::optional<std::string> whole = convert(cp1252, "UTF-8", "CP1252")) return *whole;
  std::string result;
  result.reserve(cp1252.size() * 2);
  std::size_t start = 0;
  for (std::size_t i = 0; i <= cp1252.size(); ++i) {
    bool at_end = i == cp1252.size();
    if (!at_end && !undefined_in_cp1252(static_cast<unsigned char>(cp1252[i]))) continue;
    std::string_view run = cp1252.substr(start, i - start);
    if (std::optional<std::string> converted = convert(run, "UTF-8", "CP1252")) {
      result += *converted;
    } else {
      for (std::size_t k = 0; k < run.size(); ++k) result += kReplacement;
    }
    if (!at_end) result += kReplacement;
    start = i + 1;
  }
  return result;
}

Utf8Marks judge_utf8_marks(std::string_view line) {
  Utf8Marks marks;
  std::size_t i = 0;
  while (i < line.size() && !(marks.utf && marks.iso)) {
    // Runs of ASCII (most of a line) are passed over eight bytes at a time.
    constexpr std::uint64_t kTops = 0x8080808080808080ULL;
    std::uint64_t v;
    for (; i + 8 <= line.size(); i += 8) {
      std::memcpy(&v, line.data() + i, 8);
      if ((v & kTops) == 0) continue;
      if constexpr (std::endian::native == std::endian::little) {
        i += static_cast<std::size_t>(std::countr_zero(v & kTops)) / 8;  // to that byte
      }
      break;
    }
    if (i >= line.size()) break;
    // So is the rest of the line when it is shorter than a word: the last
    // eight bytes of the line hold it.
    if (line.size() - i < 8 && line.size() >= 8) {
      std::memcpy(&v, line.data() + line.size() - 8, 8);
      if ((v & kTops) == 0) break;
    }
    unsigned char c = static_cast<unsigned char>(line[i++]);
    if (c < 0xC0) continue;
    if (c >= 0xF8) {
      marks.iso = true;
      continue;
    }
    int expected = c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
    bool complete = true;
    for (int k = 0; k < expected; ++k) {
      char next = i < line.size() ? line[i] : '\0';
      if (next == '\0' || next == '\n' || next == '\r') {
        complete = false;  // cut short; the byte is left for the next round
        break;
      }
      unsigned char d = static_cast<unsigned char>(line[i++]);
      if (d < 0x80 || d > 0xBF) {
        complete = false;  // taken into the broken sequence
        break;
      }
    }
    if (complete) {
      marks.utf = true;
    } else {
      marks.iso = true;
    }
  }
  return marks;
}

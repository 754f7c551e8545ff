#include "text/line_scan.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Byte by byte from `from`: the bytes after the last whole sixteen, or all
// of them where the processor has no SSE2.
std::optional<Line_scan> scan_bytes(std::string_view bytes, std::size_t from, Line_scan scan) {
  for (std::size_t i = from; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\n' || c == '\r') {
      scan.length = i;
      scan.end = c;
      return scan;
    }
    scan.continuation |= (static_cast<unsigned char>(c) & 0xC0) == 0x80;
    scan.tab_or_nul |= c == '\t' || c == '\0';
  }
  return std::nullopt;
}

}  // namespace

std::optional<Line_scan> scan_line(std::string_view bytes) {
  Line_scan scan;
  std::size_t i = 0;
#if defined(__SSE2__)
  // Sixteen bytes at a time: one bit a byte for the line ends, the bytes
  // that can continue a UTF-8 sequence and the tabs and NULs; the marks after
  // a line end are dropped.
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i tab = _mm_set1_epi8('\t');
  const __m128i nul = _mm_setzero_si128();
  const __m128i lead = _mm_set1_epi8(static_cast<char>(0xC0));  // 0x80-0xBF lie below it, signed
  for (; i + 16 <= bytes.size(); i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + i));
    const __m128i ends = _mm_or_si128(_mm_cmpeq_epi8(v, lf), _mm_cmpeq_epi8(v, cr));
    const __m128i tabs_nuls = _mm_or_si128(_mm_cmpeq_epi8(v, tab), _mm_cmpeq_epi8(v, nul));
    // Most sixteen bytes hold none of them.
    if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(ends, tabs_nuls), v)) == 0) continue;
    const auto bits = [](__m128i m) { return static_cast<unsigned>(_mm_movemask_epi8(m)); };
    const unsigned end_bits = bits(ends);
    const unsigned before = end_bits != 0 ? (1u << std::countr_zero(end_bits)) - 1 : 0xFFFFu;
    scan.continuation |= (bits(_mm_cmplt_epi8(v, lead)) & before) != 0;
    scan.tab_or_nul |= (bits(tabs_nuls) & before) != 0;
    if (end_bits != 0) {
      scan.length = i + static_cast<std::size_t>(std::countr_zero(end_bits));
      scan.end = bytes[scan.length];
      return scan;
    }
  }
#endif
  return scan_bytes(bytes, i, scan);
}

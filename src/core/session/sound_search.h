// Finding a sound file named in a lesson: by the lesson text view's buttons
// and by the sound cues of the drill.
//
// A name is looked for in four places, numbered 1 to 4:
//   1  the lesson's directory (book.path_of_lesson, with its final "/")
//   2  the working directory, "./"
//   3  "./SOUND/"
//   4  the lesson's directory followed by "SOUND/"
// The places are tried once each, cyclically, starting with the one that
// succeeded last, so that the sounds of a lesson, which usually sit
// together, are found at the first try. The place that succeeded last is
// kept in a Sound_search, one for the whole run, shared by both callers.
#pragma once

#include <optional>
#include <string>

struct Trf_book;

// The place (1 to 4) where the last sound file was found; 1 until then.
struct Sound_search {
  int last_found = 1;
};

// The path of the sound file `s_file` in the first place where it can be
// opened for reading as a file, and that place remembered in `memory`. Empty
// when no place holds it (a directory of that name does not count); `memory`
// is left as it was then. Cannot fail otherwise.
std::optional<std::string> SEARCH_SND_FILE_NAME(const std::string& s_file, Sound_search& memory,
                                                const Trf_book& book);

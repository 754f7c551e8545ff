// Readers of the setting values of pimlo.conf, one per kind of value, and
// the token collectors they share.
//
// Each reader is called with the open file and its key line `s`, which also
// serves as the buffer for the value lines it reads after it. A key line
// without ":>" fails with status 1 and "error in line s=%s \n". The end of
// the file before the value is complete fails as read_value_lines says
// (status 1 or 2), naming EXTRACT_ORDER for numbers, EXTRACT_COLOR for
// colours and EXTRACT_FONT_DICO for font names and paths.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "config/conf_source.h"
#include "config/settings.h"

// Number tokens: from index `i`, runs of ASCII letters, digits and the
// characters - > _ . \ / separated by spaces. Each run is appended to
// `ss_pages` after one space and raises `n_pages`. The scan ends at the end
// marker "<:" or at ":>" (which set `code_fin`), at the end of the line, or
// at any other character after spaces (the rest of the line is not read).
void EXTRACT_INPUT(int& n_pages, std::size_t i, const std::string& s, std::string& ss_pages,
                   bool& code_fin);

// Font tokens: as EXTRACT_INPUT, with runs of ASCII letters, digits, "-"
// and "*".
void EXTRACT_FONT_NAME(int& n_fonts, std::size_t i, const std::string& s, std::string& ss_fonts,
                       bool& code_fin);

// Path tokens: every character up to the next space or the end of the line,
// each backslash written as "/", appended with nothing between them. A token
// that begins with the end marker sets `code_fin` and ends the scan.
void ADD_TO_PATH_NAME(std::size_t i, const std::string& s, std::string& s_path, bool& code_fin);

// Exactly `nb_tobe` integers (base 10, clamped to the int range); another
// count fails with status 1 and "error in EXTRACT_LEVEL n_pages=%d
// nb_tobe=%d stop \n".
std::vector<int> EXTRACT_LEVEL(ConfSource& fp, std::string& s, int nb_tobe);

// Exactly `nb_tobe` decimal numbers, read in the C locale whatever the
// user's locale; a token that does not begin with a number reads 0. Another
// count fails with status 1 and "error in FLOAT_EXTRACT_LEVEL n_pages=%d
// nb_tobe=%d stop \n".
std::vector<float> FLOAT_EXTRACT_LEVEL(ConfSource& fp, std::string& s, int nb_tobe);

// Three integers (decimal, "0x" hexadecimal or "0" octal), each clamped to
// 0..65535, into red, green and blue. Another count fails with status 1 and
// "error in EXTRACT_COLOR n_pages=%d nb_tobe= 3 stop \n".
void EXTRACT_COLOR(ConfSource& fp, std::string& s, Rgb16& white);

// A font name: `ss_fonts` is emptied, then receives each font token after
// one space (so it begins with a space); `n_fonts` counts the tokens.
void EXTRACT_FONT_DICO(ConfSource& fp, std::string& s, int& n_fonts, std::string& ss_fonts);

// The history directory: `s_path` is emptied, then receives the path tokens
// joined; `nspath` receives its length. A path that does not end in "IDX1"
// (a final "/" included) would put the history files and their sibling "CPY"
// in the wrong place: it fails with status 1 and "EXTRACT_PATH_IDX1
// s_path=%s does not end in IDX1 stop \n".
void EXTRACT_PATH_IDX1(ConfSource& fp, std::string& s, int& nspath, std::string& s_path);

// Reading pimlo.conf, the one configuration file, once at start-up.
//
// A line whose first character other than spaces and tabs is "#" is a
// comment; a blank line is skipped. Every other line is a key line: its key
// is the first of the table below, in table order, whose text occurs in it
// ("Font_vocab :> Pages 12 <:" is a "Pages" line). The value of a key stands
// between the first ":>" of its key line and the end marker "<:", on the key
// line or on the lines after it (value_lines.h); keys 2, 3 and 5 take no
// value and must stand alone on their line. A key given twice takes effect
// twice, the later value winning.
//
//    0 Pages            lesson list, older form (pages_list.h)
//    1 Coef_Err         5 decimals: cof1_err..cof5_err, each kept only in range
//    2 Level_dico       (no effect)
//    3 Width_pix_dico   (no effect)
//    4 Width_pix_vocab  1 integer: divider position, book_pix_size[2]
//    5 Width_char_dico  (no effect)
//    6..10 Color_k_dico 3 integers: Color_dico[k] red, green, blue
//   11 Horiz_pix_total  1 integer: window width, book_pix_size[0]
//   12 Verti_pix_total  1 integer: window height, book_pix_size[1]
//   13 Font_lesson      font name of the lesson text
//   14 Font_vocab       font name of the command entry and drill pane
//   15 Which_lesson     lesson list (which_lesson.h)
//   16 Path_idx1        history directory, ending in "IDX1"
//
// Every setting starts at its default before the first line is read: window
// 1100 x 800, divider 600, fonts "helvetica 18", coefficients 9 3 2 6 10,
// history directory "./IDX1". A lesson list is required.
#pragma once

#include <string>
#include <string_view>

#include "base/book.h"
#include "catalogue/trf_string.h"
#include "config/conf_source.h"
#include "config/settings.h"

// Reads "./pimlo.conf" (FURCH_SET_FROM).
void FURCH_SET(Prenestro& Caract_win, Trf_book& book, Trf_string& G_dico,
               std::string& ss_font_lesson, std::string& ss_font_vocab);

// Reads the configuration file `conf_path` into the window settings, the
// coefficients (book.t_err, when set), the catalogue's lesson list and
// history directory, the two font names and book.nbt_lesson. Nothing is
// written to disk. Every fault ends the program (ProgramStop):
//   file unreadable           "cannot read %s stop \n" (the path), status 1
//   line that names no key    "s=%s order unknown =%d \n" (its first 149
//                              bytes, -1), status 1
//   no lesson list at all     "pimlo.conf names no lesson list (Which_lesson
//                              :> ... <:) stop \n", status 1
// and the faults of the value readers (value_readers.h, which_lesson.h,
// pages_list.h). A list in which no file exists gives an empty catalogue
// (nbt_lesson 0); what that means is the caller's decision.
void FURCH_SET_FROM(const std::string& conf_path, Prenestro& Caract_win, Trf_book& book,
                    Trf_string& G_dico, std::string& ss_font_lesson, std::string& ss_font_vocab);

// The number of the key that line `s` names (table above), or -1.
int CONF_KEY_ORDER(std::string_view s);

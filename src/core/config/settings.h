// The records filled from pimlo.conf: window and colour settings and the five
// error coefficients of the error score.
#pragma once

#include <array>
#include <cstdint>

struct Rgb16 {
  std::uint16_t red = 0;
  std::uint16_t green = 0;
  std::uint16_t blue = 0;
};

struct Prenestro {
  int npix_tot_dico = 600;
  std::array<Rgb16, 5> Color_dico{};                 // read, not used by the window
  std::array<int, 3> book_pix_size{1100, 800, 600};  // width, height, divider
};

// Coefficients of the error score; each is kept only within its range.
struct Trf_err {
  float cof1_err = 9;
  float cof2_err = 3;
  float cof3_err = 2;
  float cof4_err = 6;
  float cof5_err = 10;
};

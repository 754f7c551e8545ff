// The fixture of the commands: a fresh working directory and a Program shown
// on a FakeScreen (book_fixture.h), with lessons written as real files.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "book_fixture.h"

using Names = std::vector<std::string>;

class Commands_test : public Book_test {
 protected:
  Commands_test() : Book_test(7) {}

  // One entry of a lesson file, its key line "# <name_and_tail>".
  static std::string entry(const std::string& name_and_tail) {
    return "# " + name_and_tail + "\nQ> q\nR> r\n";
  }
  static std::string log() { return read_file("pimlo_log"); }
};

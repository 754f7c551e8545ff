// A fixture for tests that drive the program headless: a Program_world
// seeded with the seed the derived fixture gives, in a fresh working
// directory, and the catalogue built from real lesson files.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "history/index_build.h"
#include "program_world.h"
#include "sandbox.h"

class Book_test : public Sandbox, protected Program_world {
 protected:
  explicit Book_test(std::uint32_t drill_seed) : drill_seed_(drill_seed) {}

  void SetUp() override {
    Sandbox::SetUp();
    ASSERT_TRUE(set_up(drill_seed_));
  }

  // The catalogue of the lesson files `paths`, without building anything.
  void set_catalogue(const std::vector<std::string>& paths) {
    G_kentel.st_lesson.clear();
    for (const std::string& path : paths) {
      G_kentel.st_lesson += (G_kentel.st_lesson.empty() ? "" : " ") + path;
    }
    G_kentel.nb_lesson = book.nbt_lesson = static_cast<int>(paths.size());
  }

  // Writes the lessons ({name, text}) as "lessons/<name>" files and runs the
  // start-up's index build over them (its progress lines are swallowed).
  void make_catalogue(const std::vector<std::pair<std::string, std::string>>& lessons) {
    std::vector<std::string> paths;
    for (const auto& [name, text] : lessons) {
      write_file("lessons/" + name, text);
      paths.push_back("lessons/" + name);
    }
    set_catalogue(paths);
    testing::internal::CaptureStdout();
    CALC_INDEX(log_file, G_kentel, t_posit);
    testing::internal::GetCapturedStdout();
  }

 private:
  std::uint32_t drill_seed_;
};

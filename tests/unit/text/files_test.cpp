#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "sandbox.h"
#include "text/encoding.h"
#include "text/files.h"

using Files = Sandbox;

TEST_F(Files, CopiesHoldEveryByteOrSayWhichSideFailedAndKeepTheOlderBackup) {
  std::string bytes(200 * 1024 + 13, '\0');  // larger than one block, every byte value
  for (std::size_t i = 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<char>((i * 7 + i / 256) % 256);
  write_file("src.bin", bytes);
  write_file("same.txt", "keep me\r\n");
  EXPECT_EQ(copier_fichier("src.bin", "dst.bin"), 0);
  EXPECT_EQ(read_file("dst.bin"), bytes);
  EXPECT_EQ(copier_fichier("same.txt", "./same.txt"), 0);  // onto itself: intact
  EXPECT_EQ(read_file("same.txt"), "keep me\r\n");
  EXPECT_EQ(copier_fichier("absent.txt", "dst.txt"), 1);
  EXPECT_FALSE(file_exists("dst.txt"));
  EXPECT_EQ(copier_fichier("same.txt", "no_such_dir/dst.txt"), 2);
  EXPECT_EQ(copier_fichier("same.txt", "/dev/full"), 2);  // a full disk is no complete copy

  write_file("cpy_src.bin", "an older backup\r\n");
  FileSizeLimit limit(100000);
  EXPECT_EQ(back_up_file("src.bin"), std::nullopt);
  EXPECT_EQ(back_up_file("missing.txt"), std::nullopt);
  EXPECT_EQ(read_file("cpy_src.bin"), "an older backup\r\n");
  EXPECT_EQ(files_in("."),
            (std::set<std::string>{"cpy_src.bin", "dst.bin", "same.txt", "src.bin"}));
}

TEST_F(Files, TimesCompareYearThenMonthThenDayAndClockFields) {
  const std::string t = "Sun Sep 16 01:03:52 1973\n";
  const struct {
    std::string a, b;
    double sign;
  } rows[] = {
      {t, t, 0},
      {"Mon Jan  1 00:00:00 1974\n", t, 1},
      {"Mon Feb 28 23:59:59 1973\n", t, -1},
      {"Mon Sep 16 01:03:51 1973\n", t, -1},
      {"Sat Jan  1 00:00:00 10000\n", "Fri Dec 31 23:59:59 9999\n", 1},
  };
  for (const auto& r : rows) EXPECT_EQ(WINDOWS_DIFFTIME(r.a, r.b), r.sign) << r.a << r.b;
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { WINDOWS_DIFFTIME("Sun Spe 16 01:03:52 1973\n", t); }), 5);
  EXPECT_EQ(stop_status([&] { WINDOWS_DIFFTIME(t, "Sun n,F 16 01:03:52 1973\n"); }), 5);
  write_file("lesson.txt", "");
  EXPECT_EQ(DIFF_TIME_FILE("lesson.txt", "CPY/lesson.txt"), -1.0);  // a missing copy is older
  EXPECT_EQ(stop_status([] { DIFF_TIME_FILE("absent.txt", "lesson.txt"); }), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "error sm_timer in WINDOWS_DIFFTIME stop \nerror sm_timer1 in WINDOWS_DIFFTIME stop \n"
            "you need to create CPY/lesson.txt \nError file absent.txt  does not exist stop \n");

  // A lesson edited in the second its copy was made is newer than the copy.
  const timespec made[2] = {{5000, 100}, {5000, 100}}, edited[2] = {{5000, 900}, {5000, 900}};
  write_file("copy.txt", "");
  ASSERT_EQ(utimensat(AT_FDCWD, "copy.txt", made, 0) | utimensat(AT_FDCWD, "lesson.txt", edited, 0),
            0);
  EXPECT_EQ(DIFF_TIME_FILE("lesson.txt", "copy.txt"), -1.0);

  // In a zone with summer time: 01:30 summer time comes before 01:10 winter
  // time when the clocks go back.
  const char* old = std::getenv("TZ");
  const std::string saved = old ? old : "";
  setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
  tzset();
  for (auto [origin, copy, sign] : {std::tuple{1000L, -100000L, -1.0},  // before 1970
                                    {1699164600L, 1699162200L, -1.0}}) {
    set_mtime("lesson.txt", origin);
    set_mtime("copy.txt", copy);
    EXPECT_EQ(DIFF_TIME_FILE("lesson.txt", "copy.txt"), sign) << origin << " " << copy;
  }
  old ? setenv("TZ", saved.c_str(), 1) : unsetenv("TZ");
  tzset();
}

TEST_F(Files, WorkingCopiesHaveCrLfLineEndsAndCp1252ForUtf8Lines) {
  write_file("copy.txt", "a much longer old copy that must disappear\r\n");
  std::string utf8_line, cp1252_line;  // longer than any read block
  while (utf8_line.size() < 200000) {
    utf8_line += "ab\xC3\xA9";
    cp1252_line += "ab\xE9";
  }
  const struct {
    std::string source, copy;
  } rows[] = {
      {"a\nb\rc", "a\r\nb\r\nc"},
      {"a\r\nb", "a\r\r\nb"},
      {"a\r\r\rb", "a\r\n\r\nb"},
      {"a\r\r\r\nb", "a\r\n\r\r\nb"},
      {"a\r\r", "a\r\n"},
      {"caf\xC3\xA9\n\xE9t\xE9\n", "caf\xE9\r\n\xE9t\xE9\r\n"},
      // Mixed in one line, or not in CP1252: copied as read; tabs and NULs too.
      {"\xE9t\xC3\xA9\r\n\xC5\x91", "\xE9t\xC3\xA9\r\r\n\xC5\x91"},
      {std::string("\t\0\n", 3), std::string("\t\0\r\n", 4)},
      {"x\n" + utf8_line + "\nend", "x\r\n" + cp1252_line + "\r\nend"},
      // A single-byte letter far from the start keeps the whole line as read.
      {utf8_line + "\xE9", utf8_line + "\xE9"},
  };
  for (const auto& r : rows) {
    write_file("lesson.txt", r.source);
    EXPECT_GE(win_file("lesson.txt", "copy.txt"), 0);
    EXPECT_EQ(read_file("copy.txt"), r.copy) << testing::PrintToString(r.source.substr(0, 20));
  }
  EXPECT_EQ(win_file("absent.txt", "none.txt"), -1);
  EXPECT_EQ(win_file("lesson.txt", "no_such_dir/copy.txt"), -2);
  write_file("copy.txt", "old\r\n");
  FileSizeLimit limit(100000);
  EXPECT_EQ(win_file("lesson.txt", "copy.txt"), -2);
  EXPECT_EQ(read_file("copy.txt"), "old\r\n");
  EXPECT_EQ(files_in("."), (std::set<std::string>{"copy.txt", "lesson.txt"}));
}

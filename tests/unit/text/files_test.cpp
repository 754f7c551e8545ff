#include <gtest/gtest.h>

#include "sandbox.h"
#include "text/files.h"

#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>

using Files = Sandbox;

TEST_F(Files, CopierFichierCopiesEveryByteOrSaysWhichSideFailed) {
  std::string bytes(200 * 1024 + 13, '\0');  // larger than one block, every byte value
  for (std::size_t i = 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<char>((i * 7 + i / 256) % 256);
  write_file("src.bin", bytes);
  write_file("empty", "");
  write_file("same.txt", "keep me\r\n");
  write_file("dir/x", "");
  EXPECT_EQ(copier_fichier("src.bin", "dst.bin"), 0);
  EXPECT_EQ(read_file("dst.bin"), bytes);
  EXPECT_EQ(copier_fichier("empty", "dst.bin"), 0);
  EXPECT_EQ(read_file("dst.bin"), "");
  EXPECT_EQ(copier_fichier("same.txt", "./same.txt"), 0);  // onto itself: intact
  EXPECT_EQ(read_file("same.txt"), "keep me\r\n");
  EXPECT_EQ(copier_fichier("absent.txt", "dst.txt"), 1);
  EXPECT_FALSE(file_exists("dst.txt"));
  EXPECT_EQ(copier_fichier("dir", "dst"), 1);
  EXPECT_EQ(copier_fichier("same.txt", "no_such_dir/dst.txt"), 2);
  EXPECT_EQ(copier_fichier("same.txt", "/dev/full"), 2);  // a full disk is no complete copy
}

TEST_F(Files, BackUpFileCopiesBesideTheFileWithCpyInFrontOrGivesNoPath) {
  write_file("IDX1/idx1_a.txt", "history\r\n");
  write_file("IDX1/cpy_idx1_a.txt", "an older backup that is much longer\r\n");
  write_file("idx1_old", "x");
  EXPECT_EQ(back_up_file("IDX1/idx1_a.txt"), "./IDX1/cpy_idx1_a.txt");
  EXPECT_EQ(read_file("IDX1/cpy_idx1_a.txt"), "history\r\n");
  EXPECT_EQ(back_up_file("idx1_old"), "./cpy_idx1_old");
  EXPECT_EQ(read_file("cpy_idx1_old"), "x");
  EXPECT_EQ(back_up_file("IDX1/idx1_missing.txt"), std::nullopt);
  EXPECT_FALSE(file_exists("IDX1/cpy_idx1_missing.txt"));
  EXPECT_EQ(back_up_file(""), std::nullopt);
}

TEST(WindowsDifftime, ComparesYearThenMonthThenDayAndClockFields) {
  const std::string t = "Sun Sep 16 01:03:52 1973\n";
  const struct {
    std::string a, b;
    double sign;
  } rows[] = {
      {t, t, 0},
      {"Mon Jan  1 00:00:00 1974\n", t, 1},
      {"Mon Oct  1 00:00:00 1973\n", t, 1},
      {"Mon Feb 28 23:59:59 1973\n", t, -1},
      {"Mon Sep  9 23:59:59 1973\n", t, -1},
      {"Mon Sep 16 01:04:00 1973\n", t, 1},
      {"Mon Sep 16 01:03:51 1973\n", t, -1},
      {"Sat Jan  1 00:00:00 10000\n", "Fri Dec 31 23:59:59 9999\n", 1},
  };
  for (const auto& r : rows) EXPECT_EQ(WINDOWS_DIFFTIME(r.a, r.b), r.sign) << r.a << r.b;
}

TEST_F(Files, FailuresOfTheTimeComparisonsStopOrAskWithTheirMessages) {
  const std::string good = "Sun Sep 16 01:03:52 1973\n";
  write_file("lesson.txt", "");
  const struct {
    std::function<void()> action;
    int status;
    std::string message;
  } rows[] = {
      {[&] { WINDOWS_DIFFTIME("Sun Spe 16 01:03:52 1973\n", good); }, 5,
       "error sm_timer in WINDOWS_DIFFTIME stop \n"},
      {[&] { WINDOWS_DIFFTIME(good, "Sun n,F 16 01:03:52 1973\n"); }, 5,
       "error sm_timer1 in WINDOWS_DIFFTIME stop \n"},
      {[] { EXPECT_EQ(DIFF_TIME_FILE("lesson.txt", "CPY/lesson.txt"), -1.0); }, -1,
       "you need to create CPY/lesson.txt \n"},  // a missing copy counts as older
      {[] { DIFF_TIME_FILE("absent.txt", "lesson.txt"); }, 1,
       "Error file absent.txt  does not exist stop \n"},
  };
  for (const auto& r : rows) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(stop_status(r.action), r.status);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), r.message);
  }
  EXPECT_EQ(stop_status([] { WINDOWS_DIFFTIME("", ""); }), 5);
}

TEST_F(Files, DiffTimeFileGivesTheSignOfTheCopysAgeAgainstItsOrigin) {
  write_file("lesson.txt", "");
  write_file("copy.txt", "");
  const long t0 = 1700000000;
  const struct {
    long origin, copy;
    double sign;
  } rows[] = {
      {t0, t0, 0},        {t0, t0 + 1, 1},     {t0, t0 - 1, -1}, {t0, t0 - 365L * 24 * 3600, -1},
      {-100000, 1000, 1}, {1000, -100000, -1},  // before 1970
  };
  for (const auto& r : rows) {
    set_mtime("lesson.txt", r.origin);
    set_mtime("copy.txt", r.copy);
    EXPECT_EQ(DIFF_TIME_FILE("lesson.txt", "copy.txt"), r.sign) << r.origin << " " << r.copy;
  }
}

TEST_F(Files, DiffTimeFileOrdersTimesInTheRepeatedHourWhenClocksGoBack) {
  const char* old = std::getenv("TZ");
  const std::string saved = old ? old : "";
  setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
  tzset();
  // 5 November 2023: 01:30 summer time comes before 01:10 winter time.
  write_file("lesson.txt", "");
  write_file("copy.txt", "");
  set_mtime("copy.txt", 1699162200);
  set_mtime("lesson.txt", 1699164600);
  const double forward = DIFF_TIME_FILE("lesson.txt", "copy.txt");
  const double back = DIFF_TIME_FILE("copy.txt", "lesson.txt");
  old ? setenv("TZ", saved.c_str(), 1) : unsetenv("TZ");
  tzset();
  EXPECT_EQ(forward, -1.0);
  EXPECT_EQ(back, 1.0);
}

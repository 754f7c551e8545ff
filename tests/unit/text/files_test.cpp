#include <gtest/gtest.h>

#include "sandbox.h"
#include "text/files.h"

#include <cstdlib>
#include <ctime>
#include <string>

namespace {

std::string every_byte_value(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 256) % 256);
  return bytes;
}

// Runs the test body in a given time zone and restores the previous one.
class TimeZone {
 public:
  explicit TimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) saved_ = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~TimeZone() {
    if (saved_) {
      setenv("TZ", saved_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  std::optional<std::string> saved_;
};

}  // namespace

using CopierFichier = Sandbox;

TEST_F(CopierFichier, CopiesEveryByteOfAFileLargerThanOneBlock) {
  const std::string bytes = every_byte_value(200 * 1024 + 13);
  write_file("src.bin", bytes);
  EXPECT_EQ(copier_fichier("src.bin", "dst.bin"), 0);
  EXPECT_EQ(read_file("dst.bin"), bytes);

  write_file("empty", "");
  EXPECT_EQ(copier_fichier("empty", "dst.bin"), 0);
  EXPECT_EQ(read_file("dst.bin"), "");
}

TEST_F(CopierFichier, ReportsAMissingSourceAsOneAndCreatesNothing) {
  EXPECT_EQ(copier_fichier("absent.txt", "dst.txt"), 1);
  EXPECT_FALSE(file_exists("dst.txt"));
}

TEST_F(CopierFichier, ReportsADestinationThatCannotBeCreatedAsTwo) {
  write_file("src.txt", "abc");
  EXPECT_EQ(copier_fichier("src.txt", "no_such_dir/dst.txt"), 2);
}

TEST_F(CopierFichier, ReportsAFullDiskAsTwoNotAsACompleteCopy) {
  write_file("src.txt", "a few bytes that the full device refuses\r\n");
  EXPECT_EQ(copier_fichier("src.txt", "/dev/full"), 2);
}

TEST_F(CopierFichier, ReportsAnUnreadableSourceAsOne) {
  write_file("dir/x", "");
  EXPECT_EQ(copier_fichier("dir", "dst"), 1);
}

TEST_F(CopierFichier, LeavesAFileCopiedOntoItselfIntact) {
  write_file("same.txt", "keep me\r\n");
  EXPECT_EQ(copier_fichier("same.txt", "./same.txt"), 0);
  EXPECT_EQ(read_file("same.txt"), "keep me\r\n");
}

using BackUpFile = Sandbox;

TEST_F(BackUpFile, CopiesAHistoryFileBesideItselfWithCpyInFront) {
  write_file("IDX1/idx1_a.txt", "history\r\n");
  write_file("IDX1/cpy_idx1_a.txt", "an older backup that is much longer\r\n");
  EXPECT_EQ(back_up_file("IDX1/idx1_a.txt"), "./IDX1/cpy_idx1_a.txt");
  EXPECT_EQ(read_file("IDX1/cpy_idx1_a.txt"), "history\r\n");
  EXPECT_EQ(read_file("IDX1/idx1_a.txt"), "history\r\n");
}

TEST_F(BackUpFile, BacksUpAFileOfTheWorkingDirectory) {
  write_file("idx1_old", "x");
  EXPECT_EQ(back_up_file("idx1_old"), "./cpy_idx1_old");
  EXPECT_EQ(read_file("cpy_idx1_old"), "x");
}

TEST_F(BackUpFile, GivesNoPathWhenTheCopyFails) {
  EXPECT_EQ(back_up_file("IDX1/idx1_missing.txt"), std::nullopt);
  EXPECT_FALSE(file_exists("IDX1/cpy_idx1_missing.txt"));
  EXPECT_EQ(back_up_file(""), std::nullopt);
}

TEST(WindowsDifftime, ComparesYearThenMonthThenDayAndClockFields) {
  const std::string t = "Sun Sep 16 01:03:52 1973\n";
  EXPECT_EQ(WINDOWS_DIFFTIME(t, t), 0.0);
  EXPECT_EQ(WINDOWS_DIFFTIME("Mon Jan  1 00:00:00 1974\n", t), 1.0);
  EXPECT_EQ(WINDOWS_DIFFTIME(t, "Mon Jan  1 00:00:00 1974\n"), -1.0);
  EXPECT_EQ(WINDOWS_DIFFTIME("Mon Oct  1 00:00:00 1973\n", t), 1.0);
  EXPECT_EQ(WINDOWS_DIFFTIME("Mon Feb 28 23:59:59 1973\n", t), -1.0);
  EXPECT_EQ(WINDOWS_DIFFTIME("Mon Sep  9 23:59:59 1973\n", t), -1.0);
  EXPECT_EQ(WINDOWS_DIFFTIME("Mon Sep 16 02:00:00 1973\n", t), 1.0);
  EXPECT_EQ(WINDOWS_DIFFTIME("Mon Sep 16 01:04:00 1973\n", t), 1.0);
  EXPECT_EQ(WINDOWS_DIFFTIME("Mon Sep 16 01:03:51 1973\n", t), -1.0);
  EXPECT_EQ(WINDOWS_DIFFTIME("Sat Jan  1 00:00:00 10000\n", "Fri Dec 31 23:59:59 9999\n"), 1.0);
}

TEST(WindowsDifftime, StopsWithStatusFiveOnAnUnknownMonthOfEitherText) {
  const std::string good = "Sun Sep 16 01:03:52 1973\n";
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { WINDOWS_DIFFTIME("Sun Spe 16 01:03:52 1973\n", good); }), 5);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "error sm_timer in WINDOWS_DIFFTIME stop \n");

  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { WINDOWS_DIFFTIME(good, "Sun n,F 16 01:03:52 1973\n"); }), 5);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "error sm_timer1 in WINDOWS_DIFFTIME stop \n");

  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([&] { WINDOWS_DIFFTIME("", ""); }), 5);
  testing::internal::GetCapturedStdout();
}

using DiffTimeFile = Sandbox;

TEST_F(DiffTimeFile, GivesTheSignOfTheDerivedFilesAgeAgainstItsOrigin) {
  const long t0 = 1700000000;
  write_file("lesson.txt", "Q>");
  write_file("copy.txt", "Q>");
  set_mtime("lesson.txt", t0);

  set_mtime("copy.txt", t0);
  EXPECT_EQ(DIFF_TIME_FILE("lesson.txt", "copy.txt"), 0.0);
  set_mtime("copy.txt", t0 + 1);
  EXPECT_EQ(DIFF_TIME_FILE("lesson.txt", "copy.txt"), 1.0);
  set_mtime("copy.txt", t0 - 365L * 24 * 3600);
  EXPECT_EQ(DIFF_TIME_FILE("lesson.txt", "copy.txt"), -1.0);
  set_mtime("copy.txt", t0 - 1);
  EXPECT_EQ(DIFF_TIME_FILE("lesson.txt", "copy.txt"), -1.0);
}

TEST_F(DiffTimeFile, ComparesTimesBeforeNineteenSeventyAndAcrossYears) {
  write_file("lesson.txt", "");
  write_file("copy.txt", "");
  set_mtime("lesson.txt", -100000);
  set_mtime("copy.txt", 1000);
  EXPECT_EQ(DIFF_TIME_FILE("lesson.txt", "copy.txt"), 1.0);
  EXPECT_EQ(DIFF_TIME_FILE("copy.txt", "lesson.txt"), -1.0);
}

TEST_F(DiffTimeFile, OrdersTimesInTheRepeatedHourWhenClocksGoBack) {
  TimeZone zone("EST5EDT,M3.2.0,M11.1.0");
  // 5 November 2023: 01:30 summer time comes before 01:10 winter time.
  const long summer_0130 = 1699162200, winter_0110 = 1699164600;
  write_file("lesson.txt", "");
  write_file("copy.txt", "");
  set_mtime("copy.txt", summer_0130);
  set_mtime("lesson.txt", winter_0110);
  EXPECT_EQ(DIFF_TIME_FILE("lesson.txt", "copy.txt"), -1.0);
  EXPECT_EQ(DIFF_TIME_FILE("copy.txt", "lesson.txt"), 1.0);
}

TEST_F(DiffTimeFile, AsksForAMissingDerivedFileAndCallsItOlder) {
  write_file("lesson.txt", "");
  testing::internal::CaptureStdout();
  EXPECT_EQ(DIFF_TIME_FILE("lesson.txt", "CPY/lesson.txt"), -1.0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "you need to create CPY/lesson.txt \n");
}

TEST_F(DiffTimeFile, StopsWithStatusOneWhenTheOriginIsMissing) {
  write_file("copy.txt", "");
  testing::internal::CaptureStdout();
  EXPECT_EQ(stop_status([] { DIFF_TIME_FILE("lesson.txt", "copy.txt"); }), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Error file lesson.txt  does not exist stop \n");
}

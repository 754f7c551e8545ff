#include "text/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "sandbox.h"

namespace {

std::size_t files_here() {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(".")) ++n;
  return n;
}

}  // namespace

using AtomicFileTest = Sandbox;

TEST_F(AtomicFileTest, TargetKeepsItsOldBytesAndModeUntilCommitThenHoldsTheNewOnes) {
  write_file("history.txt", "old contents\r\n");
  ASSERT_EQ(::chmod("history.txt", 0640), 0);
  AtomicFile file;
  ASSERT_TRUE(file.open("history.txt"));
  std::string expected;
  for (int i = 0; i < 3000; ++i) {  // many writes, of every size, past the buffer
    const std::string piece =
        std::to_string(i) + std::string(static_cast<std::size_t>(i % 97), 'x');
    expected += piece;
    file.write(piece);
  }
  expected += std::string(200000, 'b');
  file.write(std::string(200000, 'b'));
  EXPECT_EQ(file.size(), static_cast<long>(expected.size()));
  EXPECT_EQ(read_file("history.txt"), "old contents\r\n");
  EXPECT_TRUE(file.commit());
  EXPECT_EQ(read_file("history.txt"), expected);
  EXPECT_EQ(files_here(), 1u);
  struct stat st {};
  ASSERT_EQ(::stat("history.txt", &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(AtomicFileTest, WriterLeftUncommittedOrStoppedRemovesItsTemporaryFile) {
  write_file("history.txt", "old");
  {
    AtomicFile file;
    ASSERT_TRUE(file.open("history.txt"));
    file.write("half of the new file");
    EXPECT_EQ(files_here(), 2u);
  }
  EXPECT_EQ(read_file("history.txt"), "old");
  EXPECT_EQ(stop_status([] {
              AtomicFile file;
              if (file.open("new.txt")) file.write("x");
              stop(3);
            }),
            3);
  EXPECT_FALSE(file_exists("new.txt"));
  EXPECT_EQ(files_here(), 1u);
}

TEST_F(AtomicFileTest, MissingDirectoryIsReportedAndNothingIsCreated) {
  AtomicFile file;
  EXPECT_FALSE(file.open("no_such_dir/history.txt"));
  file.write("ignored");
  EXPECT_FALSE(file.commit());
  EXPECT_FALSE(file_exists("no_such_dir"));
}

namespace {

void replace(const std::string& path, const std::string& bytes) {
  AtomicFile file;
  ASSERT_TRUE(file.open(path));
  file.write(bytes);
  ASSERT_TRUE(file.commit());
}

}  // namespace

TEST_F(AtomicFileTest, BatchedCommitsChangeNoTargetUntilTheBatchIsFinishedThenAllInOrder) {
  write_file("a.txt", "old a");
  std::filesystem::create_directory("IDX1");
  {
    SyncBatch batch;
    replace("a.txt", "new a");
    replace("IDX1/b.txt", "first b");
    replace("IDX1/b.txt", "second b");  // the later commit wins
    EXPECT_EQ(read_file("a.txt"), "old a");
    EXPECT_FALSE(std::filesystem::exists("IDX1/b.txt"));
    std::filesystem::create_directories("busy/inside");  // cannot be renamed over
    replace("busy", "new busy");
    EXPECT_EQ(batch.finish(), std::vector<std::string>{"busy"});
    replace("a.txt", "after the batch");  // committed at once again
    EXPECT_EQ(read_file("a.txt"), "after the batch");
  }
  EXPECT_EQ(read_file("IDX1/b.txt"), "second b");
  EXPECT_EQ(files_here(), 3u);  // a.txt, IDX1, busy: no temporary file left
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("IDX1"), {}), 1);
}

TEST_F(AtomicFileTest, BatchStoppedBeforeItsEndRemovesItsFilesAndLeavesEveryTargetAsItWas) {
  write_file("a.txt", "old a");
  EXPECT_EQ(stop_status([] {
              SyncBatch batch;
              replace("a.txt", "new a");
              replace("c.txt", "new c");
              stop(1);
            }),
            1);
  EXPECT_EQ(read_file("a.txt"), "old a");
  EXPECT_EQ(files_here(), 1u);
  EXPECT_EQ(SyncBatch::current(), nullptr);
}

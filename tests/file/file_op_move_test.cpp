// Copying, moving (also between two file systems) and removing real files
// and trees.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/time.h>
#include <unistd.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "file-op.h"
#include "fileop_testlib.h"
#include "one_core.h"
#include "testutil.h"
#include "tree.h"

using fileop_test::LogCapture;
using fileop_test::OtherFileSystem;
using testutil::TempDir;
using testutil::write_file;

namespace {

ustring U(const std::string& s) { return ustring(s.c_str()); }

// Copy block size of FSCopy; contents around it cross a block boundary.
const size_t kBlock = 33554432;

std::string pattern(size_t n) {
  std::string s(n, '\0');
  for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>((i * 2654435761u) >> 13);
  return s;
}

// ---- FSCopy ----------------------------------------------------------------------

TEST(Copy, ContentsOfEverySizeAroundTheBlock) {
  TempDir t;
  const size_t sizes[] = {0, 1, kBlock, kBlock + 1};
  for (size_t n : sizes) {
    const std::string data = pattern(n);
    write_file(t / "src", data);
    ASSERT_EQ(FSCopy(U(t / "src"), U(t / "dst")), 0) << n;
    EXPECT_TRUE(testutil::read_file(t / "dst") == data) << "size " << n;
    EXPECT_EQ(testutil::read_file(t / "src").size(), n);
  }
}

TEST(Copy, ExistingDestinationIsTruncatedAndKeepsItsMode) {
  TempDir t;
  write_file(t / "src", "new", 0755);
  write_file(t / "dst", "much longer old contents", 0600);
  ASSERT_EQ(FSCopy(U(t / "src"), U(t / "dst")), 0);
  EXPECT_EQ(testutil::read_file(t / "dst"), "new");
  EXPECT_EQ(fileop_test::perm_bits(t / "dst"), 0600u);
}

TEST(Copy, NewDestinationModeFollowsUmask) {
  TempDir t;
  write_file(t / "src", "x", 0755);
  const mode_t old = umask(022);
  ASSERT_EQ(FSCopy(U(t / "src"), U(t / "dst")), 0);
  umask(old);
  EXPECT_EQ(fileop_test::perm_bits(t / "dst"), 0644u);
}

TEST(Copy, DeleteOriginRemovesTheSource) {
  TempDir t;
  write_file(t / "src", "payload");
  ASSERT_EQ(FSCopy(U(t / "src"), U(t / "dst"), true), 0);
  EXPECT_FALSE(testutil::exists(t / "src"));
  EXPECT_EQ(testutil::read_file(t / "dst"), "payload");
}

TEST(Copy, FullDeviceGivesOutOfSpaceAndKeepsTheSource) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "/dev/full is not available";
  TempDir t;
  write_file(t / "src", "some bytes");
  LogCapture log;
  EXPECT_EQ(FSCopy(U(t / "src"), U("/dev/full"), true), -2);
  EXPECT_EQ(testutil::read_file(t / "src"), "some bytes");
  const std::vector<std::string> expected = {
      "[ERROR] file-op(N): CopyFile: write: No space left on device (28)\n"};
  EXPECT_EQ(log.lines(), expected);
}

TEST(Copy, OpenFailuresAreLogged) {
  TempDir t;
  write_file(t / "src", "x");
  LogCapture log;
  EXPECT_EQ(FSCopy(U(t / "missing"), U(t / "dst")), -1);
  EXPECT_FALSE(testutil::exists(t / "dst"));
  EXPECT_EQ(FSCopy(U(t / "src"), U(t / "nodir/dst"), true), -1);
  EXPECT_TRUE(testutil::exists(t / "src"));
  const std::vector<std::string> expected = {
      "[ERROR] file-op(N): CopyFile: open(" + t / "missing" + "): No such file or directory (2)\n",
      "[ERROR] file-op(N): CopyFile: open(" + t / "nodir/dst" + "): No such file or directory (2)\n"};
  EXPECT_EQ(log.lines(), expected);
}

TEST(Copy, ReadFailureOfADirectory) {
  TempDir t;
  mkdir((t / "dir").c_str(), 0755);
  LogCapture log;
  EXPECT_EQ(FSCopy(U(t / "dir"), U(t / "dst")), -1);
  const std::vector<std::string> expected = {"[ERROR] file-op(N): CopyFile: read: Is a directory (21)\n"};
  EXPECT_EQ(log.lines(), expected);
}

TEST(Copy, OntoItselfIsRefusedAndDataKept) {
  TempDir t;
  write_file(t / "f", "precious");
  ASSERT_EQ(link((t / "f").c_str(), (t / "hard").c_str()), 0);
  ASSERT_EQ(symlink("f", (t / "soft").c_str()), 0);
  LogCapture log;
  EXPECT_EQ(FSCopy(U(t / "f"), U(t / "f"), true), -1);
  EXPECT_EQ(FSCopy(U(t / "f"), U(t / "hard")), -1);
  EXPECT_EQ(FSCopy(U(t / "soft"), U(t / "f")), -1);
  EXPECT_EQ(testutil::read_file(t / "f"), "precious");
  ASSERT_EQ(log.lines().size(), 3u);
  EXPECT_EQ(log.lines()[0],
            "[ERROR] file-op(N): CopyFile: '" + t / "f" + "' and '" + t / "f" + "' are the same file\n");
}

void on_signal(int) {}

// Writing into a pipe that is read slowly while signals keep interrupting the
// writer produces short writes and interrupted calls; every byte must still
// arrive exactly once and in order.
TEST(Copy, InterruptedAndPartialWritesIntoAFifo) {
  TempDir t;
  const std::string data = pattern(kBlock + kBlock / 4);
  write_file(t / "src", data);
  ASSERT_EQ(mkfifo((t / "fifo").c_str(), 0600), 0);
  // A reader (and a spare writer, so that the reader sees no end of data
  // before the copy has opened the FIFO) exists first, so the copy's open
  // does not block.
  const int rfd = open((t / "fifo").c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(rfd, 0);
  const int spare = open((t / "fifo").c_str(), O_WRONLY);
  ASSERT_GE(spare, 0);
  fcntl(rfd, F_SETFL, 0);

  struct sigaction sa = {};
  sa.sa_handler = on_signal;  // no SA_RESTART: blocked writes return early
  struct sigaction old_sa;
  sigaction(SIGUSR1, &sa, &old_sa);

  std::string received;
  std::thread reader([&] {
    std::vector<char> buf(4096);
    for (;;) {
      const ssize_t n = read(rfd, buf.data(), buf.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      received.append(buf.data(), static_cast<size_t>(n));
    }
  });
  std::atomic<bool> done{false};
  int rc = 1;
  std::thread copier([&] {
    rc = FSCopy(U(t / "src"), U(t / "fifo"));
    done = true;
  });
  while (!done) {
    pthread_kill(copier.native_handle(), SIGUSR1);
    usleep(200);
  }
  copier.join();
  close(spare);  // the reader now sees the end once the pipe is drained
  reader.join();
  sigaction(SIGUSR1, &old_sa, nullptr);
  close(rfd);
  EXPECT_EQ(rc, 0);
  EXPECT_EQ(received.size(), data.size());
  EXPECT_TRUE(received == data);
}

// ---- FSRename within one file system -----------------------------------------------

TEST(Rename, WithinOneFileSystem) {
  TempDir t;
  write_file(t / "a", "x");
  EXPECT_EQ(FSRename(U(t / "a"), U(t / "b")), 0);
  EXPECT_FALSE(testutil::exists(t / "a"));
  EXPECT_EQ(testutil::read_file(t / "b"), "x");
}

TEST(Rename, ResultCodes) {
  TempDir t;
  write_file(t / "a", "x");
  mkdir((t / "full").c_str(), 0755);
  write_file(t / "full/inside", "y");
  mkdir((t / "dir").c_str(), 0755);
  struct Case {
    const char* name;
    std::string from;
    std::string to;
    int expected;
  };
  const Case cases[] = {
      {"empty_source", "", t / "b", -1},
      {"empty_target", t / "a", "", -1},
      {"missing_source", t / "missing", t / "b", -2},
      {"source_through_file", t / "a/x", t / "b", -2},
      {"into_missing_folder", t / "a", t / "nodir/b", -3},
      {"over_non_empty_folder", t / "dir", t / "full", -3},
      {"name_too_long", t / "a", t / std::string(300, 'n'), -100},
  };
  for (const auto& c : cases) EXPECT_EQ(FSRename(U(c.from), U(c.to)), c.expected) << c.name;
  EXPECT_EQ(testutil::read_file(t / "a"), "x");
  EXPECT_EQ(testutil::read_file(t / "full/inside"), "y");
}

// ---- FSRename between two file systems -----------------------------------------------

class CrossRename : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!other_.available()) GTEST_SKIP() << other_.reason();
  }
  TempDir local_;
  OtherFileSystem other_{local_};
};

TEST_F(CrossRename, RegularFileKeepsContentModeAndTime) {
  write_file(local_ / "f", "contents", 0750);
  struct timeval tv[2] = {{1111111, 0}, {2222222, 0}};
  utimes((local_ / "f").c_str(), tv);
  ASSERT_EQ(FSRename(U(local_ / "f"), U(other_ / "g")), 0);
  EXPECT_FALSE(testutil::exists(local_ / "f"));
  EXPECT_EQ(testutil::read_file(other_ / "g"), "contents");
  EXPECT_EQ(fileop_test::perm_bits(other_ / "g"), 0750u);
  struct stat st;
  lstat((other_ / "g").c_str(), &st);
  EXPECT_EQ(st.st_mtime, 2222222);
}

TEST_F(CrossRename, TreeWithFilesFoldersLinkAndFifo) {
  const std::string src = local_ / "tree";
  testutil::make_dirs(src + "/sub/deeper");
  testutil::make_dirs(src + "/empty");
  write_file(src + "/top.txt", "top");
  write_file(src + "/sub/mid.bin", pattern(100000));
  write_file(src + "/sub/deeper/run.sh", "#!/bin/sh\n", 0755);
  ASSERT_EQ(symlink("sub/mid.bin", (src + "/link").c_str()), 0);
  ASSERT_EQ(symlink("/nowhere/at/all", (src + "/sub/dangling").c_str()), 0);
  ASSERT_EQ(mkfifo((src + "/sub/pipe").c_str(), 0600), 0);
  chmod((src + "/sub/pipe").c_str(), 0640);
  chmod((src + "/sub").c_str(), 0750);
  const auto before = testutil::snapshot(src);

  const std::string dst = other_ / "moved";
  ASSERT_EQ(FSRename(U(src), U(dst)), 0);
  EXPECT_FALSE(testutil::exists(src));
  const auto after = testutil::snapshot(dst);
  EXPECT_EQ(after, before) << testutil::tree_diff(before, after);
  EXPECT_EQ(fileop_test::perm_bits(dst + "/sub/pipe"), 0640u);
  EXPECT_EQ(fileop_test::perm_bits(dst + "/sub/deeper/run.sh"), 0755u);
  EXPECT_EQ(fileop_test::perm_bits(dst + "/sub"), 0750u);
}

TEST_F(CrossRename, LoneLinkAndFifoAreRecreated) {
  ASSERT_EQ(symlink("../not/followed", (local_ / "l").c_str()), 0);
  ASSERT_EQ(mkfifo((local_ / "p").c_str(), 0600), 0);
  chmod((local_ / "p").c_str(), 0604);
  const mode_t old = umask(077);
  EXPECT_EQ(FSRename(U(local_ / "l"), U(other_ / "l")), 0);
  EXPECT_EQ(FSRename(U(local_ / "p"), U(other_ / "p")), 0);
  umask(old);
  EXPECT_EQ(fileop_test::link_target(other_ / "l"), "../not/followed");
  EXPECT_FALSE(testutil::exists(local_ / "l"));
  struct stat st;
  ASSERT_EQ(lstat((other_ / "p").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_EQ(st.st_mode & 07777, 0604u);
  EXPECT_FALSE(testutil::exists(local_ / "p"));
}

TEST_F(CrossRename, LinkReplacesAFileButNotAFolder) {
  ASSERT_EQ(symlink("target", (local_ / "l").c_str()), 0);
  write_file(other_ / "l", "in the way");
  EXPECT_EQ(FSRename(U(local_ / "l"), U(other_ / "l")), 0);
  EXPECT_EQ(fileop_test::link_target(other_ / "l"), "target");

  ASSERT_EQ(symlink("target", (local_ / "l2").c_str()), 0);
  mkdir((other_ / "l2").c_str(), 0755);
  EXPECT_EQ(FSRename(U(local_ / "l2"), U(other_ / "l2")), -3);
  EXPECT_EQ(fileop_test::link_target(local_ / "l2"), "target");
  EXPECT_TRUE(testutil::is_dir(other_ / "l2"));
}

TEST_F(CrossRename, SocketStaysAndFailsTheMove) {
  ASSERT_TRUE(fileop_test::make_socket_file(local_ / "s"));
  EXPECT_EQ(FSRename(U(local_ / "s"), U(other_ / "s")), -3);
  FILE_INFO info;
  ASSERT_EQ(GetFileInfo(U(local_ / "s"), info), 0);
  EXPECT_EQ(info.type, FT_SOCK);
  EXPECT_FALSE(testutil::exists(other_ / "s"));
}

TEST_F(CrossRename, DeviceStaysAndFailsTheMove) {
  if (mknod((local_ / "dev").c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0)
    GTEST_SKIP() << "cannot create a device node here: " << strerror(errno);
  EXPECT_EQ(FSRename(U(local_ / "dev"), U(other_ / "dev")), -3);
  EXPECT_TRUE(testutil::exists(local_ / "dev"));
  EXPECT_FALSE(testutil::exists(other_ / "dev"));
}

TEST_F(CrossRename, FolderWithSocketMovesTheRestAndKeepsTheSocket) {
  const std::string src = local_ / "d";
  mkdir(src.c_str(), 0755);
  write_file(src + "/a", "a");
  ASSERT_TRUE(fileop_test::make_socket_file(src + "/s"));
  EXPECT_EQ(FSRename(U(src), U(other_ / "d")), -3);
  EXPECT_TRUE(testutil::exists(src + "/s"));
  // Nothing is rolled back: what moved stays at its new place.
  const bool a_moved = testutil::exists(other_ / "d/a");
  EXPECT_NE(a_moved, testutil::exists(src + "/a"));
}

TEST_F(CrossRename, IntoMissingFolderFailsAndKeepsTheSource) {
  write_file(local_ / "f", "x");
  EXPECT_EQ(FSRename(U(local_ / "f"), U(other_ / "no/f")), -3);
  EXPECT_EQ(testutil::read_file(local_ / "f"), "x");
}

// ---- FSRemove ----------------------------------------------------------------------

TEST(Remove, MissingEmptyAndBrokenPaths) {
  TempDir t;
  write_file(t / "f", "x");
  EXPECT_EQ(FSRemove(U(t / "missing")), 0);
  EXPECT_EQ(FSRemove(U("")), -1);
  EXPECT_EQ(FSRemove(U(t / "f/below")), -1);
  EXPECT_EQ(FSRemove(U(t / "f")), 0);
  EXPECT_FALSE(testutil::exists(t / "f"));
}

TEST(Remove, TreeOfEveryKind) {
  TempDir t;
  const std::string root = t / "root";
  testutil::make_dirs(root + "/a/b/c");
  write_file(root + "/a/f", "x");
  write_file(root + "/a/b/c/g", "y", 0);
  symlink("a", (root + "/link").c_str());
  mkfifo((root + "/a/b/p").c_str(), 0600);
  ASSERT_TRUE(fileop_test::make_socket_file(root + "/s"));
  EXPECT_EQ(FSRemove(U(root)), 0);
  EXPECT_FALSE(testutil::exists(root));
}

TEST(Remove, LinkToFolderRemovesOnlyTheLink) {
  TempDir t;
  testutil::make_dirs(t / "dir");
  write_file(t / "dir/keep", "k");
  symlink("dir", (t / "link").c_str());
  EXPECT_EQ(FSRemove(U(t / "link")), 0);
  EXPECT_FALSE(testutil::exists(t / "link"));
  EXPECT_EQ(testutil::read_file(t / "dir/keep"), "k");
}

TEST(Remove, DeepTree) {
  TempDir t;
  const int kDepth = 300;
  std::string path = t / "deep";
  mkdir(path.c_str(), 0755);
  for (int i = 0; i < kDepth; ++i) {
    path += "/d";
    ASSERT_EQ(mkdir(path.c_str(), 0755), 0) << i;
  }
  write_file(path + "/leaf", "x");
  const int fds_before = fileop_test::open_fd_count();
  EXPECT_EQ(FSRemove(U(t / "deep")), 0);
  EXPECT_FALSE(testutil::exists(t / "deep"));
  EXPECT_EQ(fileop_test::open_fd_count(), fds_before);
}

TEST(Remove, TreeDeeperThanAPathCanBeLong) {
  TempDir t;
  const std::string top = t / "long";
  ASSERT_EQ(mkdir(top.c_str(), 0755), 0);
  // 40 levels of 200-byte names: 8 KB of path below the top, twice PATH_MAX.
  const std::string name(200, 'n');
  int fd = open(top.c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(fd, 0);
  for (int i = 0; i < 40; ++i) {
    ASSERT_EQ(mkdirat(fd, name.c_str(), 0755), 0) << i;
    const int next = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
    close(fd);
    ASSERT_GE(next, 0) << i;
    fd = next;
  }
  const int leaf = openat(fd, "leaf", O_CREAT | O_WRONLY, 0644);
  ASSERT_GE(leaf, 0);
  close(leaf);
  ASSERT_EQ(symlinkat("/", fd, "root-link"), 0);
  close(fd);
  const int fds_before = fileop_test::open_fd_count();
  EXPECT_EQ(FSRemove(U(top)), 0);
  EXPECT_FALSE(testutil::exists(top));
  EXPECT_EQ(fileop_test::open_fd_count(), fds_before);
}

// A tree is removed by one thread per core: whole on one core and on all,
// with more folders than are held open at once, and with no descriptor left
// open. (The read-only folders stop only a user other than root:
// HostileEnvironment.ReadOnlyCopy removes such a copy as one.)
TEST(Remove, TreeIsRemovedWholeOnOneCoreAndOnAll) {
  for (bool one_core : {true, false}) {
    SCOPED_TRACE(one_core ? "one core" : "all cores");
    std::optional<OneCore> pinned;
    if (one_core) pinned.emplace();
    TempDir t;
    const std::string root = t / "copy";
    for (int a = 0; a < 3; ++a)
      for (int b = 0; b < 40; ++b) {
        const std::string dir = root + "/a" + std::to_string(a) + "/b" + std::to_string(b) + "/c/d";
        testutil::make_dirs(dir);
        for (int f = 0; f < 5; ++f) write_file(dir + "/f" + std::to_string(f), "x");
      }
    write_file(root + "/INFO", "i");
    chmod((root + "/a1/b7/c/d").c_str(), 0500);
    chmod((root + "/a2").c_str(), 0500);
    const int fds_before = fileop_test::open_fd_count();
    EXPECT_EQ(FSRemoveOwnTree(U(root)), 0);
    EXPECT_FALSE(testutil::exists(root));
    EXPECT_EQ(fileop_test::open_fd_count(), fds_before);
  }
}

TEST(Remove, WideTree) {
  TempDir t;
  const int kWidth = 10000;
  const std::string dir = t / "wide";
  mkdir(dir.c_str(), 0755);
  for (int i = 0; i < kWidth; ++i) {
    const int fd = open((dir + "/" + std::to_string(i)).c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    close(fd);
  }
  EXPECT_EQ(FSRemove(U(dir)), 0);
  EXPECT_FALSE(testutil::exists(dir));
}

}  // namespace

// Path text, information records, directory creation, listing, temporary
// files, links and the small predicates, on real files in temporary folders.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "file-op.h"
#include "fileop_testlib.h"
#include "privdrop.h"
#include "testutil.h"

using fileop_test::CwdGuard;
using fileop_test::LogCapture;
using testutil::TempDir;
using testutil::write_file;

namespace {

ustring U(const std::string& s) { return ustring(s.c_str()); }
std::string S(const ustring& s) { return std::string(s.c_str()); }

// ---- Path text -----------------------------------------------------------------

struct PathCase {
  const char* name;
  const char* path;
  const char* parent;
  const char* base;
};

TEST(PathText, ParentAndBaseName) {
  const PathCase cases[] = {
      {"two_levels", "/a/b", "/a", "b"},
      {"one_level", "/a", "/", "a"},
      {"relative_single", "a", "/", "a"},
      {"trailing_slash", "/a/b/", "/a/b", ""},
      {"empty", "", "/", ""},
      {"root", "/", "/", ""},
      {"relative_two", "a/b", "a", "b"},
      {"double_slash", "/a//b", "/a/", "b"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(S(FSParentPath(U(c.path))), c.parent) << c.name;
    EXPECT_EQ(S(FSBaseName(U(c.path))), c.base) << c.name;
  }
}

TEST(PathText, IsParentFolder) {
  struct Case {
    const char* name;
    const char* parent;
    const char* child;
    bool expected;
  };
  const Case cases[] = {
      {"equal", "/a", "/a", true},
      {"longer_name_is_no_child", "/a", "/ab", false},
      {"direct_child", "/a", "/a/b", true},
      {"parent_with_trailing_slash", "/a/", "/a/b", false},
      {"empty_parent_of_absolute", "", "/x", true},
      {"empty_parent_of_relative", "", "x", false},
      {"child_shorter", "/a/b", "/a", false},
      {"same_length_different", "/a", "/b", false},
      {"deep_child", "/a", "/a/b/c", true},
  };
  for (const auto& c : cases) EXPECT_EQ(FSIsParentFolder(U(c.parent), U(c.child)), c.expected) << c.name;
}

// ---- Information records -------------------------------------------------------

TEST(FileInfo, RegularFileRecordsTheObject) {
  TempDir t;
  write_file(t / "f", "12345", 0640);
  struct stat st;
  ASSERT_EQ(lstat((t / "f").c_str(), &st), 0);
  FILE_INFO info;
  ASSERT_EQ(GetFileInfo(U(t / "f"), info), 0);
  EXPECT_TRUE(info.isExist);
  EXPECT_EQ(info.type, FT_FILE);
  EXPECT_EQ(info.size, 5u);
  EXPECT_EQ(S(info.name), "f");
  EXPECT_EQ(S(info.path), t / "f");
  EXPECT_EQ(info.mode, static_cast<uint32_t>(S_IFREG | 0640));
  EXPECT_EQ(info.mtime, static_cast<uint32_t>(st.st_mtime));
  EXPECT_EQ(info.uid, st.st_uid);
  EXPECT_EQ(info.gid, st.st_gid);
  EXPECT_EQ(info.dev_id, static_cast<uint64_t>(st.st_dev));
}

TEST(FileInfo, KindsOfObjectsLinksNotFollowed) {
  TempDir t;
  mkdir((t / "dir").c_str(), 0755);
  ASSERT_EQ(symlink("dir", (t / "link").c_str()), 0);
  ASSERT_EQ(symlink("nowhere", (t / "dangling").c_str()), 0);
  ASSERT_EQ(mkfifo((t / "fifo").c_str(), 0600), 0);
  ASSERT_TRUE(fileop_test::make_socket_file(t / "sock"));
  // A device node of our own where we may make one, else the system's.
  const std::string dev =
      mknod((t / "dev").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0 ? t / "dev" : std::string("/dev/null");
  struct Case {
    std::string path;
    FILE_TYPE type;
  };
  const Case cases[] = {{t / "dir", FT_DIR},   {t / "link", FT_SLINK}, {t / "dangling", FT_SLINK},
                        {t / "fifo", FT_FIFO}, {t / "sock", FT_SOCK},  {dev, FT_DEV}};
  for (const auto& c : cases) {
    FILE_INFO info;
    ASSERT_EQ(GetFileInfo(U(c.path), info), 0) << c.path;
    EXPECT_EQ(info.type, c.type) << c.path;
    EXPECT_TRUE(IsFileExist(U(c.path))) << c.path;
  }
  FILE_INFO link_info;
  GetFileInfo(U(t / "link"), link_info);
  EXPECT_EQ(link_info.size, 3u);  // the link's own text "dir"
}

TEST(FileInfo, MissingNameIsRecordedAsAbsent) {
  TempDir t;
  FILE_INFO info;
  info.size = 99;
  info.uid = 7;
  info.type = FT_FILE;
  info.isExist = true;
  ASSERT_EQ(GetFileInfo(U(t / "nothing"), info), 0);
  EXPECT_FALSE(info.isExist);
  EXPECT_EQ(info.type, FT_ERR);
  EXPECT_EQ(info.size, 0u);
  EXPECT_EQ(info.uid, 0u);
  EXPECT_EQ(S(info.name), "nothing");
  EXPECT_EQ(S(info.path), t / "nothing");
  EXPECT_FALSE(IsFileExist(U(t / "nothing")));
  FILE_INFO st;
  EXPECT_EQ(FSStat(U(t / "nothing"), st), 0);
}

TEST(FileInfo, PathThroughRegularFileFailsAndLeavesRecord) {
  TempDir t;
  write_file(t / "file", "x");
  const ustring path = U(t / "file/inner");
  FILE_INFO info;
  info.path = "kept";
  info.size = 42;
  EXPECT_EQ(GetFileInfo(path, info), -1);
  EXPECT_EQ(S(info.path), "kept");
  EXPECT_EQ(info.size, 42u);
  EXPECT_EQ(FSStat(path, info), -2);
  EXPECT_FALSE(IsFileExist(path));
}

TEST(FileInfo, EmptyPath) {
  FILE_INFO info;
  EXPECT_EQ(FSStat(U(""), info), -1);
  EXPECT_FALSE(IsFileExist(U("")));
}

TEST(FileInfo, EqualityIgnoresOwnerModeAndDevice) {
  FILE_INFO a;
  a.path = "/x/y";
  a.name = "y";
  a.type = FT_FILE;
  a.size = 10;
  a.mtime = 100;
  a.isExist = true;
  FILE_INFO b = a;
  b.uid = 5;
  b.gid = 6;
  b.mode = 0777;
  b.dev_id = 9;
  EXPECT_TRUE(a == b);
  EXPECT_FALSE(a != b);
  FILE_INFO c = a;
  c.mtime = 101;
  EXPECT_TRUE(a != c);
  FILE_INFO d = a;
  d.name = "z";
  EXPECT_FALSE(a == d);
  FILE_INFO e = a;
  e.type = FT_DIR;
  EXPECT_FALSE(a == e);
}

// ---- FSMKDirP --------------------------------------------------------------------

TEST(MkdirP, RelativePathCreatesEveryLevel) {
  TempDir t;
  CwdGuard cwd(t.path());
  EXPECT_EQ(FSMKDirP(U("")), -1);
  ASSERT_EQ(FSMKDirP(U("a/b/c")), 0);
  EXPECT_TRUE(testutil::is_dir(t / "a/b/c"));
  // Existing levels, a trailing slash and doubled slashes are all fine.
  EXPECT_EQ(FSMKDirP(U("a/b/c/")), 0);
  EXPECT_EQ(FSMKDirP(U("a//b/d")), 0);
  EXPECT_TRUE(testutil::is_dir(t / "a/b/d"));
}

TEST(MkdirP, NonDirectoryInTheWay) {
  TempDir t;
  CwdGuard cwd(t.path());
  testutil::make_dirs("a");
  write_file(t / "a/b", "file");
  const ustring path = U("a/b/c");
  char* end = nullptr;
  errno = 0;
  EXPECT_EQ(FSMKDirP(path, &end), -1);
  EXPECT_EQ(errno, ENOTDIR);
  EXPECT_EQ(end, path.c_str() + 3);  // the '/' after the failing "a/b"
  EXPECT_EQ(testutil::read_file(t / "a/b"), "file");

  write_file(t / "a/last", "file");
  const ustring last = U("a/last");
  errno = 0;
  EXPECT_EQ(FSMKDirP(last, &end), -1);
  EXPECT_EQ(errno, EEXIST);
  EXPECT_EQ(end, last.c_str() + last.length());
}

TEST(MkdirP, ForceReplacesFilesByDirectories) {
  TempDir t;
  CwdGuard cwd(t.path());
  testutil::make_dirs("a");
  write_file(t / "a/b", "file");
  ASSERT_EQ(FSMKDirP(U("a/b/c"), nullptr, true), 0);
  EXPECT_TRUE(testutil::is_dir(t / "a/b/c"));
}

TEST(MkdirP, EndPointerOnSuccessAndLinksFollowed) {
  TempDir t;
  mkdir((t / "real").c_str(), 0755);
  symlink("real", (t / "via").c_str());
  const ustring path = U(t / "via/x/");
  char* end = nullptr;
  ASSERT_EQ(FSMKDirP(path, &end), 0);
  EXPECT_TRUE(testutil::is_dir(t / "real/x"));
  EXPECT_EQ(end, path.c_str() + path.length() - 1);  // the trailing '/'
}

TEST(MkdirP, ExplicitModeIsExactAndUmaskRestored) {
  TempDir t;
  const mode_t old = umask(077);
  EXPECT_EQ(FSMKDirP(U(t / "p/q"), nullptr, false, 0751), 0);
  const mode_t after = umask(old);
  EXPECT_EQ(after, 077u);
  EXPECT_EQ(fileop_test::perm_bits(t / "p"), 0751u);
  EXPECT_EQ(fileop_test::perm_bits(t / "p/q"), 0751u);
}

TEST(MkdirP, DefaultModeFollowsUmask) {
  TempDir t;
  const mode_t old = umask(027);
  EXPECT_EQ(FSMKDirP(U(t / "p/q")), 0);
  umask(old);
  EXPECT_EQ(fileop_test::perm_bits(t / "p/q"), 0750u);
}

// ---- FSMKDir -----------------------------------------------------------------------

TEST(Mkdir, ResultsAndMessages) {
  TempDir t;
  mkdir((t / "dir").c_str(), 0755);
  write_file(t / "file", "x");
  symlink("dir", (t / "link").c_str());
  LogCapture log;
  EXPECT_EQ(FSMKDir(U(t / "dir")), 0);
  EXPECT_TRUE(log.lines().empty());
  EXPECT_EQ(FSMKDir(U(t / "file")), -1);
  EXPECT_EQ(FSMKDir(U(t / "link")), -1);
  EXPECT_EQ(FSMKDir(U(t / "missing/sub")), -2);
  EXPECT_EQ(FSMKDir(U(t / "file/sub")), -1);
  EXPECT_EQ(FSMKDir(U("")), -1);
  const std::vector<std::string> expected = {
      "[ERROR] file-op(N): FSMKDir: Create a folder but local file system is not directory '" + t / "file" +
          "' (1)\n",
      "[ERROR] file-op(N): FSMKDir: Create a folder but local file system is not directory '" + t / "link" +
          "' (3)\n",
      "[ERROR] file-op(N): FSMKDir: Failed to to file info '" + t / "file/sub" + "'\n",
  };
  EXPECT_EQ(log.lines(), expected);
  EXPECT_EQ(testutil::read_file(t / "file"), "x");
}

TEST(Mkdir, CreatesOneLevelOrAllParents) {
  TempDir t;
  EXPECT_EQ(FSMKDir(U(t / "one")), 0);
  EXPECT_TRUE(testutil::is_dir(t / "one"));
  EXPECT_EQ(FSMKDir(U(t / "x/y/z"), true), 0);
  EXPECT_TRUE(testutil::is_dir(t / "x/y/z"));
}

// ---- FSMKDirFromRoot ---------------------------------------------------------------

TEST(MkdirFromRoot, CreatesLevelsBelowTheRoot) {
  TempDir t;
  const std::string r = t / "r";
  mkdir(r.c_str(), 0755);
  LogCapture log;
  ASSERT_EQ(FSMKDirFromRoot(U(r + "/a/b"), U(r)), 0);
  EXPECT_TRUE(testutil::is_dir(r + "/a/b"));
  const std::vector<std::string> expected = {"[DEBUG] file-op(N): FSMKDirFromRoot: create /a\n",
                                             "[DEBUG] file-op(N): FSMKDirFromRoot: create /a/b\n"};
  EXPECT_EQ(log.lines(), expected);
}

TEST(MkdirFromRoot, RootItselfAndBadRoots) {
  TempDir t;
  const std::string r = t / "r";
  mkdir(r.c_str(), 0755);
  LogCapture log;
  EXPECT_EQ(FSMKDirFromRoot(U(r), U(r)), 0);
  EXPECT_TRUE(log.lines().empty());
  EXPECT_EQ(FSMKDirFromRoot(U(t / "x/a"), U(r)), -1);
  EXPECT_EQ(FSMKDirFromRoot(U(r), U(r + "/a")), -1);
  const std::vector<std::string> expected = {
      "[ERROR] file-op(N): root '" + r + "' is not a parent folder of target '" + t / "x/a" + "'\n",
      "[ERROR] file-op(N): Giving a root '" + r + "/a' whose length is larger then target's '" + r + "'.\n"};
  EXPECT_EQ(log.lines(), expected);
  EXPECT_FALSE(testutil::exists(t / "x"));
}

TEST(MkdirFromRoot, NeverCreatesTheRootAndStopsAtAFile) {
  TempDir t;
  EXPECT_EQ(FSMKDirFromRoot(U(t / "missing/a"), U(t / "missing")), -1);
  EXPECT_FALSE(testutil::exists(t / "missing"));
  write_file(t / "a", "file");
  EXPECT_EQ(FSMKDirFromRoot(U(t / "a/b"), U(t.path())), -1);
  EXPECT_EQ(testutil::read_file(t / "a"), "file");
}

// ---- Directory listing -------------------------------------------------------------

std::map<std::string, DIR_ENTRY> list_all(const std::string& dir, int flag) {
  std::map<std::string, DIR_ENTRY> out;
  DIR_HANDLE dh;
  if (FSOpenDir(U(dir), flag, dh) != 0) return out;
  DIR_ENTRY e;
  int rc;
  while ((rc = FSReadDir(dh, e)) == 1) out[S(e.name)] = e;
  EXPECT_EQ(rc, 0);
  FSCloseDir(dh);
  EXPECT_EQ(dh.dp, nullptr);
  EXPECT_TRUE(dh.path.empty());
  return out;
}

TEST(Listing, WithoutInformationFlag) {
  TempDir t;
  write_file(t / "f", "abc");
  mkdir((t / "d").c_str(), 0755);
  symlink("f", (t / "l").c_str());
  mkfifo((t / "p").c_str(), 0600);
  auto entries = list_all(t.path(), 0);
  ASSERT_EQ(entries.size(), 6u);
  EXPECT_TRUE(entries.count(".") && entries.count(".."));
  EXPECT_EQ(entries["f"].type, FT_FILE);
  EXPECT_EQ(entries["d"].type, FT_DIR);
  EXPECT_EQ(entries["l"].type, FT_SLINK);
  EXPECT_EQ(entries["p"].type, FT_FIFO);
  for (const auto& [name, e] : entries) {
    EXPECT_EQ(e.mtime, 0u) << name;
    EXPECT_EQ(e.size, 0u) << name;
  }
}

TEST(Listing, InformationFlagGivesEachEntrysOwnValues) {
  TempDir t;
  write_file(t / "f", "abcdef");
  symlink("f", (t / "l").c_str());
  struct timeval tv[2] = {{1000000, 0}, {1234567, 0}};
  utimes((t / "f").c_str(), tv);
  auto entries = list_all(t.path(), FS_READDIR_STAT);
  EXPECT_EQ(entries["f"].size, 6u);
  EXPECT_EQ(entries["f"].mtime, 1234567u);
  EXPECT_EQ(entries["l"].size, 1u);  // the link, not the file it names
  EXPECT_NE(entries["l"].mtime, 1234567u);
}

TEST(Listing, OpenFailureLeavesHandleAndIsLogged) {
  TempDir t;
  LogCapture log;
  DIR_HANDLE dh;
  dh.flag = 5;
  EXPECT_EQ(FSOpenDir(U(t / "missing"), 1, dh), -1);
  EXPECT_EQ(dh.dp, nullptr);
  EXPECT_EQ(dh.flag, 5);
  EXPECT_TRUE(dh.path.empty());
  const std::vector<std::string> expected = {"[ERROR] file-op(N): FSOpenDir: Failed to open directory '" +
                                             t / "missing" + "'. No such file or directory\n"};
  EXPECT_EQ(log.lines(), expected);
}

TEST(Listing, ClosedHandlesAreHarmless) {
  TempDir t;
  DIR_HANDLE dh;
  FSCloseDir(dh);
  EXPECT_EQ(dh.dp, nullptr);
  EXPECT_TRUE(dh.path.empty());
  DIR_ENTRY e;
  e.name = "kept";
  LogCapture log;
  EXPECT_EQ(FSReadDir(dh, e), -1);
  EXPECT_EQ(S(e.name), "kept");
  ASSERT_EQ(log.lines().size(), 1u);
  // Closed handles open again.
  ASSERT_EQ(FSOpenDir(U(t.path()), 0, dh), 0);
  FSCloseDir(dh);
  ASSERT_EQ(FSOpenDir(U(t.path()), 0, dh), 0);
  EXPECT_EQ(FSReadDir(dh, e), 1);
  FSCloseDir(dh);
}

TEST(Listing, StreamsAreNotLeaked) {
  TempDir t;
  const int before = fileop_test::open_fd_count();
  for (int i = 0; i < 50; ++i) {
    DIR_HANDLE dh;
    ASSERT_EQ(FSOpenDir(U(t.path()), 0, dh), 0);
    ASSERT_EQ(FSOpenDir(U(t.path()), 0, dh), 0);  // opened again without closing
    // dh goes out of scope open
  }
  DIR_HANDLE moved;
  {
    DIR_HANDLE dh;
    ASSERT_EQ(FSOpenDir(U(t.path()), 0, dh), 0);
    moved = std::move(dh);
  }
  DIR_ENTRY e;
  EXPECT_EQ(FSReadDir(moved, e), 1);
  FSCloseDir(moved);
  EXPECT_EQ(fileop_test::open_fd_count(), before);
}

// ---- Temporary files ---------------------------------------------------------------

TEST(Mktemp, CreatesEmptyFileWithFixedMode) {
  TempDir t;
  const mode_t old = umask(077);
  ustring path;
  ASSERT_EQ(FSMktemp(U(t.path()), path), 0);
  umask(old);
  const std::string p = S(path);
  ASSERT_EQ(p.size(), t.path().size() + 7);
  EXPECT_EQ(p.substr(0, t.path().size() + 1), t.path() + "/");
  EXPECT_EQ(testutil::read_file(p), "");
  EXPECT_EQ(fileop_test::perm_bits(p), 0644u);
  ustring second;
  ASSERT_EQ(FSMktemp(U(t.path()), second), 0);
  EXPECT_NE(S(second), p);
}

TEST(Mktemp, MissingFolderIsLoggedAndPathKept) {
  TempDir t;
  LogCapture log;
  ustring path = "kept";
  EXPECT_EQ(FSMktemp(U(t / "missing"), path), -1);
  EXPECT_EQ(S(path), "kept");
  const std::vector<std::string> expected = {"[ERROR] file-op(N): mkstemp(" + t / "missing" +
                                             "/XXXXXX): No such file or directory\n"};
  EXPECT_EQ(log.lines(), expected);
}

// A real folder whose path is exactly len bytes long.
std::string folder_of_length(const TempDir& t, size_t len) {
  std::string path = t.path();
  while (path.size() + 1 < len) {
    const size_t part = std::min<size_t>(200, len - path.size() - 1);
    path += "/" + std::string(part, 'd');
    if (mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) return "";
  }
  return path.size() == len ? path : "";
}

TEST(Mktemp, TemplateLimit) {
  TempDir t;
  // 4088 bytes of prefix plus "/XXXXXX" and the terminator fill the buffer.
  const std::string fits = folder_of_length(t, 4088);
  ASSERT_EQ(fits.size(), 4088u);
  ustring path;
  EXPECT_EQ(FSMktemp(U(fits), path), 0);
  EXPECT_EQ(path.length(), 4095u);

  TempDir t2;
  const std::string too_long = folder_of_length(t2, 4089);
  ASSERT_EQ(too_long.size(), 4089u);
  LogCapture log;
  EXPECT_EQ(FSMktemp(U(too_long), path), -1);
  const std::vector<std::string> expected = {"[ERROR] file-op(N): mkstemp(" + too_long +
                                             "/XXXXX): Invalid argument\n"};
  EXPECT_EQ(log.lines(), expected);
}

TEST(CreateTempPath, JoinsPrefixAndNameWithoutCreating) {
  TempDir t;
  ustring path;
  ASSERT_EQ(FSCreateTempPath(U(t.path()), path), 0);
  const std::string p = S(path);
  ASSERT_EQ(p.size(), t.path().size() + 9);
  EXPECT_EQ(p.substr(0, t.path().size() + 1), t.path() + "/");
  EXPECT_TRUE(fileop_test::is_tmp_name(p.substr(t.path().size() + 1))) << p;
  EXPECT_FALSE(testutil::exists(p));
  ASSERT_EQ(FSCreateTempPath(U(""), path), 0);
  EXPECT_EQ(path.length(), 9u);
  EXPECT_EQ(path[0], '/');
}

// ---- Times, access, file systems ---------------------------------------------------

TEST(Times, UTimeSetsTheLinkItself) {
  TempDir t;
  write_file(t / "f", "x");
  symlink("f", (t / "l").c_str());
  struct stat before;
  lstat((t / "f").c_str(), &before);
  ASSERT_EQ(FSUTime(U(t / "l"), 500, 600), 0);
  struct stat link_st, file_st;
  lstat((t / "l").c_str(), &link_st);
  lstat((t / "f").c_str(), &file_st);
  EXPECT_EQ(link_st.st_mtime, 600);
  EXPECT_EQ(link_st.st_atime, 500);
  EXPECT_EQ(link_st.st_mtim.tv_nsec, 0);
  EXPECT_EQ(file_st.st_mtime, before.st_mtime);
  EXPECT_EQ(FSUTime(U(t / "missing"), 1, 2), -1);
}

TEST(FileSystems, LocalFoldersAndQueryFailures) {
  TempDir t;
  LogCapture log;
  EXPECT_FALSE(isMountPoint(U(t.path())));
  EXPECT_FALSE(IsMSDOS(U(t.path())));
  EXPECT_TRUE(log.lines().empty());
  EXPECT_FALSE(isMountPoint(U(t / "missing")));
  EXPECT_FALSE(IsMSDOS(U(t / "missing")));
  const std::vector<std::string> expected = {
      "[ERROR] file-op(N): isMountPoint: Failed to get file system info '" + t / "missing" +
          "'. No such file or directory\n",
      "[ERROR] file-op(N): IsSupportLargeFile: Failed to get file system info '" + t / "missing" +
          "'. No such file or directory\n"};
  EXPECT_EQ(log.lines(), expected);
}

// ---- Real path, links, ownership -----------------------------------------------------

// Links, "." and ".." resolved, nothing logged, and the reason of a failure
// left in errno for the caller's own message.
TEST(RealPath, ResolvesQuietlyAndLeavesTheReasonInErrno) {
  TempDir t;
  mkdir((t / "real").c_str(), 0755);
  symlink("real", (t / "via").c_str());
  symlink("loop", (t / "loop").c_str());
  char resolved[4096];
  ASSERT_NE(realpath(t.path().c_str(), resolved), nullptr);
  LogCapture log;
  ustring real;
  ASSERT_EQ(FSRealPath(U(t / "via/../via"), real), 0);
  EXPECT_EQ(S(real), std::string(resolved) + "/real");
  const struct {
    const char* name;
    int error;
  } failures[] = {{"missing", ENOENT}, {"loop", ELOOP}};
  for (const auto& row : failures) {
    ustring kept("kept");
    errno = 0;
    EXPECT_EQ(FSRealPath(U(t / row.name), kept), -1) << row.name;
    EXPECT_EQ(errno, row.error) << row.name;
    EXPECT_EQ(S(kept), "kept") << row.name;
  }
  EXPECT_TRUE(log.lines().empty());
}

TEST(Links, CreateAndReadBackAtTheLengthLimit) {
  TempDir t;
  const std::string longest(4095, 'x');
  ASSERT_EQ(FSCreateSymbolicLink(U(longest), U(t / "long")), 0);
  ustring target = "old";
  ASSERT_EQ(FSReadSymbolicLink(U(t / "long"), target), 0);
  EXPECT_EQ(S(target), longest);
  ASSERT_EQ(FSCreateSymbolicLink(U("a b/ü"), U(t / "short")), 0);
  ASSERT_EQ(FSReadSymbolicLink(U(t / "short"), target), 0);
  EXPECT_EQ(S(target), "a b/ü");

  LogCapture log;
  const std::string too_long(4096, 'x');
  EXPECT_EQ(FSCreateSymbolicLink(U(too_long), U(t / "toolong")), -1);
  EXPECT_FALSE(testutil::exists(t / "toolong"));
  write_file(t / "plain", "x");
  target = "kept";
  EXPECT_EQ(FSReadSymbolicLink(U(t / "plain"), target), -1);
  EXPECT_EQ(S(target), "kept");
  const std::vector<std::string> expected = {
      "[ERROR] file-op(N): FSCreateSymbolicLink: Failed to create symbolic link '" + too_long + "' -> '" +
          t / "toolong" + "' (code: 36, msg: File name too long)\n",
      "[ERROR] file-op(N): FSReadSymbolicLink: Failed to read symbolic link '" + t / "plain" +
          "' (code: 22, msg: Invalid argument)\n"};
  EXPECT_EQ(log.lines(), expected);
}

TEST(Chown, ChangesTheLinkNotItsTarget) {
  if (geteuid() != 0) GTEST_SKIP() << "changing the owner to another user needs root";
  TempDir t;
  write_file(t / "f", "x");
  symlink("f", (t / "l").c_str());
  ASSERT_EQ(FSChown(U(t / "l"), testutil::kNobodyId, testutil::kNobodyId), 0);
  struct stat link_st, file_st;
  lstat((t / "l").c_str(), &link_st);
  lstat((t / "f").c_str(), &file_st);
  EXPECT_EQ(link_st.st_uid, testutil::kNobodyId);
  EXPECT_EQ(link_st.st_gid, testutil::kNobodyId);
  EXPECT_EQ(file_st.st_uid, 0u);
}

TEST(Chown, RelativePathAndFailure) {
  TempDir t;
  write_file(t / "f", "x");
  CwdGuard cwd(t.path());
  EXPECT_EQ(FSChown(U("f"), getuid(), getgid()), 0);
  LogCapture log;
  EXPECT_EQ(FSChown(U("missing"), getuid(), getgid()), -1);
  const std::vector<std::string> expected = {
      "[ERROR] file-op(N): FSChown: Failed to chown 'missing' (code: 2, msg: No such file or directory)\n"};
  EXPECT_EQ(log.lines(), expected);
}

}  // namespace

// Upgrade scenarios for the fault-injection suites: a LaunchTree whose app
// folder holds an older copy (build 1001, with enough folders that removing
// it takes many steps) and whose system tree offers a newer package (build
// 1002, with enough entries to stop the extraction at many points), and the
// checks that a launch ended with exactly the new copy.
#pragma once

#include <dirent.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "faults_util.h"
#include "launch_tree.h"
#include "tree.h"

namespace testutil {

// The bound, in tenths of a second on a quiet machine, on the wait for a
// started client's pid file: the start script runs it in the background,
// late on a busy machine.
constexpr int kClientTenths = kQuietBoundMillis / 100;

// Bytes that do not repeat, so that a misplaced block shows in a comparison.
inline std::string pseudo_random_bytes(size_t n, unsigned seed) {
  std::string s(n, '\0');
  unsigned x = seed * 2654435761u + 1;
  for (size_t i = 0; i < n; ++i) {
    x = x * 1103515245u + 12345u;
    s[i] = static_cast<char>(x >> 24);
  }
  return s;
}

inline std::string two_digits(int i) { return (i < 10 ? "0" : "") + std::to_string(i); }
inline std::string three_digits(int i) { return (i < 100 ? "0" : "") + two_digits(i); }

// Names below the user folder, sorted.
inline std::vector<std::string> list_dir(const std::string& dir) {
  std::vector<std::string> names;
  std::unique_ptr<DIR, DirClose> d(opendir(dir.c_str()));
  if (!d) return names;
  while (dirent* e = readdir(d.get())) {
    std::string n = e->d_name;
    if (n != "." && n != "..") names.push_back(n);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Sweeps dir's processes when the case ends; declared after the tree it
// watches, so that it runs before the tree is removed.
class ProcessSweeper {
 public:
  explicit ProcessSweeper(std::string dir) : dir_(std::move(dir)) {}
  ~ProcessSweeper() { kill_processes_below(dir_); }
  ProcessSweeper(const ProcessSweeper&) = delete;
  ProcessSweeper& operator=(const ProcessSweeper&) = delete;

 private:
  std::string dir_;
};

// A snapshot of base without the listed subtrees (relative paths), for the
// check that nothing outside them changed; their contents are never read.
inline TreeSnapshot snapshot_outside(const std::string& base, const std::vector<std::string>& skip) {
  TreeSnapshot s;
  snapshot_into(base, "", s, skip);
  return s;
}

// The old copy's folders: kOldDirs folders of kOldFilesPerDir files each.
constexpr int kOldDirs = 40;
constexpr int kOldFilesPerDir = 10;
// Top-level files of the new package, besides INFO, bin, package, lib, share.
constexpr int kNewTopFiles = 100;
// The large file of the new package, in which an extraction can be stopped.
constexpr size_t kLargeFileSize = 300 * 1024;
constexpr char kLargeFileName[] = "lib/libcore.so.1.2";

inline void write_old_client(const std::string& dir) {
  write_client(dir, "1001", "old-only.txt");
  for (int d = 0; d < kOldDirs; ++d) {
    std::string sub = dir + "/old/d" + two_digits(d);
    make_dirs(sub);
    for (int f = 0; f < kOldFilesPerDir; ++f)
      write_file(sub + "/f" + two_digits(f), "old " + std::to_string(d * 100 + f));
  }
}

inline void write_new_client(const std::string& dir) {
  write_client(dir, "1002", "new-feature.txt");
  for (int i = 0; i < kNewTopFiles; ++i)
    write_file(dir + "/f" + three_digits(i), pseudo_random_bytes(static_cast<size_t>(i * 37 % 2000), i));
  make_dirs(dir + "/lib");
  write_file(dir + "/" + kLargeFileName, pseudo_random_bytes(kLargeFileSize, 7));
  make_dirs(dir + "/share/doc/deep/deeper");
  write_file(dir + "/share/doc/deep/deeper/notes.txt", "deep\n");
  write_file(dir +
                 "/share/doc/\xc3\xbc"
                 "bersicht.txt",
             "unicode name\n");
  sh("cd '" + dir + "' && ln -s libcore.so.1.2 lib/libcore.so.1 && ln -s ../bin share/bin-link");
}

// An upgrade from build 1001 to 1002 in a tree of its own.
class Upgrade {
 public:
  Upgrade() : old_client_(t_.tmp() + "/client-1001"), new_client_(t_.tmp() + "/client-1002") {
    write_old_client(old_client_);
    write_new_client(new_client_);
    EXPECT_EQ(t_.package(new_client_).status, 0);
    // Without the entry count the packaging step declares: the FIFO cases
    // feed a counting pass and then an extraction pass.
    EXPECT_EQ(sh("cp '" + new_client_ + "/INFO' '" + t_.root() + "/INFO'").status, 0);
    EXPECT_EQ(sh("cp '" + package() + "' '" + regular_copy() + "' && gzip -dc '" + package() + "' > '" +
                 plain_tar() + "'")
                  .status,
              0);
    make_dirs(t_.user_dir());
    install_old();
  }

  LaunchTree& tree() { return t_; }
  const LaunchTree& tree() const { return t_; }
  std::string package() const { return t_.root() + "/package/nimbora.nbpk"; }
  std::string regular_copy() const { return t_.tmp() + "/package-1002.nbpk"; }
  std::string plain_tar() const { return t_.tmp() + "/package-1002.tar"; }
  const std::string& old_client() const { return old_client_; }
  const std::string& new_client() const { return new_client_; }

  // The old copy as an earlier launch would have left it.
  void install_old() const {
    remove_tree(t_.app_dir());
    EXPECT_EQ(sh("cp -a '" + old_client_ + "' '" + t_.app_dir() + "'").status, 0);
  }

  // Puts the regular package back in place of a FIFO.
  void use_regular_package() const {
    unlink(package().c_str());
    EXPECT_EQ(sh("cp '" + regular_copy() + "' '" + package() + "'").status, 0);
  }

  // The launcher in the background, as the user starts it.
  std::unique_ptr<Child> start(const std::vector<std::string>& env = {}) const {
    std::vector<std::string> e = {"HOME=" + t_.home(), "QT_QPA_PLATFORM=offscreen"};
    e.insert(e.end(), env.begin(), env.end());
    return std::make_unique<Child>(std::vector<std::string>{t_.launcher()}, e,
                                   t_.tmp() + "/launch-" + std::to_string(++launches_) + ".out");
  }

  // A launch to its end (bounded: -1 when it hung and was killed).
  RunResult launch(const std::vector<std::string>& env = {}) const {
    auto c = start(env);
    RunResult r;
    r.status = c->wait();
    r.out = c->output();
    return r;
  }

  std::vector<std::string> backups() const {
    std::vector<std::string> b;
    for (const auto& n : list_dir(t_.user_dir()))
      if (n.rfind("Nimbora.app_tmp", 0) == 0) b.push_back(n);
    return b;
  }

 private:
  ScratchTmp scratch_;  // first: the tree is made on it and removed before it goes
  LaunchTree t_;
  ProcessSweeper sweeper_{t_.tmp()};
  std::string old_client_;
  std::string new_client_;
  mutable int launches_ = 0;
};

inline std::string joined(const std::vector<std::string>& v) {
  std::string s;
  for (const auto& x : v) s += x + " ";
  return s;
}

// The launch ended well: status 0, the app folder is exactly the client
// folder (every file's bytes, every link), the client was started from it.
inline void expect_copy_of(const Upgrade& u, const RunResult& r, const std::string& client_dir,
                           const std::string& build) {
  const LaunchTree& t = u.tree();
  EXPECT_EQ(r.status, 0) << r.out << t.log();
  EXPECT_EQ(tree_diff(snapshot(t.app_dir()), snapshot(client_dir)), "") << t.log();
  EXPECT_THAT(t.started(), ::testing::EndsWith("start " + build + "\n"));
  EXPECT_GT(t.wait_client(kClientTenths), 0) << "no client runs";
}

// Kills the launcher, which must not have ended on its own.
inline ::testing::AssertionResult killed(Child& c) {
  c.kill9();
  int st = c.wait();
  if (st != 128 + SIGKILL)
    return ::testing::AssertionFailure() << "the launcher ended on its own (" << st << ")\n" << c.output();
  return ::testing::AssertionSuccess();
}

// Marks paths, starts the launcher, lets `allow` opens of them through and
// kills it at the next one, after `check` has looked at the disk.
inline ::testing::AssertionResult kill_at_open(
    Upgrade& u, const std::vector<std::string>& paths, int allow,
    const std::function<::testing::AssertionResult(const Upgrade&)>& check = nullptr) {
  OpenGate gate;
  if (!gate.unavailable().empty()) return ::testing::AssertionFailure() << gate.unavailable();
  for (const auto& p : paths)
    if (!gate.mark(p)) return ::testing::AssertionFailure() << "cannot mark " << p;
  auto c = u.start();
  if (!gate.hold_after(allow, *c))
    return ::testing::AssertionFailure() << "the open never came\n" << c->output();
  if (check) {
    ::testing::AssertionResult r = check(u);
    if (!r) return r;
  }
  ::testing::AssertionResult r = killed(*c);
  gate.release();
  return r;
}

}  // namespace testutil

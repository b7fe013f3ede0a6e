// In-process cases, where only the home matters: stopping the client through
// its pid file, starting it through its start script, the removal of the
// aged app folder and the copying of paths.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <poll.h>
#include <signal.h>
#include <stddef.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "child.h"
#include "file-op.h"
#include "log.h"
#include "log_capture.h"
#include "qt_app_environment.h"
#include "strtab.h"
#include "system_tree.h"
#include "test_service.h"

using namespace testutil;

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

::testing::Environment* const kQtApp = ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);

class ServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    make_dirs(home);
    setenv("HOME", home.c_str(), 1);
  }
  void TearDown() override { children.clear(); }
  std::string Log() const { return log_.text(); }

  // Starts exe with args; returns once it runs the new program. An ignored
  // signal stays ignored across the exec, so the child is forked while this
  // process ignores SIGTERM.
  pid_t Start(const std::string& exe, const std::vector<std::string>& args, bool ignore_term = false) {
    std::vector<std::string> argv = {exe};
    argv.insert(argv.end(), args.begin(), args.end());
    const std::string out = tmp / ("child-" + std::to_string(children.size()) + ".out");
    sighandler_t term = ignore_term ? signal(SIGTERM, SIG_IGN) : SIG_DFL;
    children.push_back(std::make_unique<Child>(argv, std::vector<std::string>{}, out));
    if (ignore_term) signal(SIGTERM, term);
    const pid_t pid = children.back()->pid();
    // A client writes its pid file once it runs. The spawn returns as soon
    // as the exec has replaced the child's memory, before the kernel has put
    // the new program's arguments in place, which an interpreted client is
    // known by.
    const std::string cmdline = "/proc/" + std::to_string(pid) + "/cmdline";
    for (const long long end = now_millis() + kBoundMillis; read_file(cmdline).empty() && now_millis() < end;)
      usleep(1000);
    return pid;
  }
  // The signal that ended a child that was stopped, 0 for an exit, or -1
  // when it is still running (bounded wait: a stop has returned already).
  int EndSignal(pid_t pid) {
    const int status = Of(pid).wait(hang_bound_millis(10000));
    return status > 128 ? status - 128 : status < 0 ? -1 : 0;
  }
  // Runs step (a stop) while this process, the client's parent, reaps the
  // client as soon as it ends, as its real parent would: the stop waits
  // until it is reaped. The signal that ended it, as EndSignal.
  int ReapedDuring(pid_t pid, const std::function<void()>& step) {
    int sig = -1;
    std::thread parent([&] { sig = EndSignal(pid); });
    step();
    parent.join();
    return sig;
  }
  bool Alive(pid_t pid) { return !Of(pid).exited(); }
  Child& Of(pid_t pid) {
    for (auto& c : children)
      if (c->pid() == pid) return *c;
    throw std::runtime_error("no child " + std::to_string(pid));
  }

  // A client binary inside the app folder (a copy of sleep).
  std::string InstallBinaryClient() {
    make_dirs(app + "/bin");
    sh("cp \"$(command -v sleep)\" '" + app + "/bin/nimbora-backup-ui'");
    return app + "/bin/nimbora-backup-ui";
  }
  void WritePid(const std::string& content) {
    make_dirs(user_dir);
    write_file(user_dir + "/ui.pid", content);
  }

  TempDir tmp;
  LogCapture log_{"service_debug=7\nfile_op_debug=7\n"};
  std::string home = tmp / "home/ann";
  std::string user_dir = home + "/.NimboraBackup";
  std::string app = user_dir + "/Nimbora.app";
  std::vector<std::unique_ptr<Child>> children;
};

TEST_F(ServiceTest, StopWithoutPidFileOrPidDoesNothing) {
  LinuxService s;
  s.StopService();
  EXPECT_THAT(Log(), HasSubstr("[DEBUG] linux/linux-service("));
  EXPECT_THAT(Log(),
              HasSubstr("): pid file '" + user_dir + "/ui.pid' does not exist, no need to terminate\n"));

  const pid_t client = Start(InstallBinaryClient(), {"1000"});
  WritePid("pid=\n");
  s.StopService();
  EXPECT_THAT(Log(), HasSubstr("[NOTE] linux/linux-service("));
  EXPECT_THAT(Log(), HasSubstr("): Failed to read pid file '" + user_dir + "/ui.pid', not exist ?\n"));
  WritePid("other=1\n");
  s.StopService();
  EXPECT_TRUE(Alive(client));
}

TEST_F(ServiceTest, ValuesThatNameNoClientAreNeverSignalled) {
  const pid_t client = Start(InstallBinaryClient(), {"1000"});
  const std::vector<std::string> values = {
      "0", "-1", "1", std::to_string(getpid()), "99999999999", "abc", "-" + std::to_string(client)};
  LinuxService s;
  for (const auto& v : values) {
    SCOPED_TRACE(v);
    WritePid("pid=" + v + "\n");
    const size_t before = log_.mark();
    s.StopService();
    EXPECT_THAT(log_.since(before),
                HasSubstr("): pid file '" + user_dir + "/ui.pid' holds no client process id ('" + v +
                          "'), nothing stopped\n"))
        << Log();
  }
  // The client (and this test, and its process group) are still there.
  EXPECT_TRUE(Alive(client));
}

TEST_F(ServiceTest, ClientThatExitsOnTermIsNotKilled) {
  struct Row {
    const char* name;
    const char* pid_file;  // %d: the client's pid
    bool script;
  };
  const std::vector<Row> rows = {
      {"binary client", "pid=%d\n", false},
      {"comment line, then spaced pair", "# written by the client\npid = %d\n", false},
      {"client run through an interpreter", "pid=%d\n", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    pid_t client;
    if (row.script) {
      make_dirs(app + "/bin");
      write_file(app + "/bin/nimbora-backup-ui",
                 "#!/bin/sh\ntrap 'exit 0' TERM\nwhile :; do sleep 1 & wait $!; done\n", 0755);
      client = Start(app + "/bin/nimbora-backup-ui", {});
    } else {
      client = Start(InstallBinaryClient(), {"1000"});
    }
    char buf[128];
    snprintf(buf, sizeof buf, row.pid_file, static_cast<int>(client));
    WritePid(buf);
    LinuxService s;
    const int sig = ReapedDuring(client, [&] { s.StopService(); });
    EXPECT_NE(sig, SIGKILL);
    EXPECT_TRUE(sig == SIGTERM || sig == 0) << sig << "\n" << Log();
    EXPECT_THAT(Log(), Not(HasSubstr("[ERROR]")));
  }
}

// A stopped client's parent may reap it late: until then its pid still
// answers signal 0, and a start script that looks for a running client
// would start none. The stop returns once the client is gone.
TEST_F(ServiceTest, StopReturnsOnceTheExitedClientIsReaped) {
  const pid_t client = Start(InstallBinaryClient(), {"1000"});
  WritePid("pid=" + std::to_string(client) + "\n");
  std::thread late_parent([&] {
    for (const long long end = now_millis() + kBoundMillis; Alive(client) && now_millis() < end;)
      usleep(1000);
    usleep(300000);
    EndSignal(client);
  });
  LinuxService().StopService();
  const bool gone = kill(client, 0) != 0 && errno == ESRCH;
  late_parent.join();
  EXPECT_TRUE(gone) << "the stop returned while the client was not reaped";
}

TEST_F(ServiceTest, ClientThatIgnoresTermIsKilled) {
  const pid_t client = Start(InstallBinaryClient(), {"1000"}, /*ignore_term=*/true);
  WritePid("pid=" + std::to_string(client) + "\n");
  TestService s;
  s.SetStopWait(100);
  EXPECT_EQ(ReapedDuring(client, [&] { s.StopService(); }), SIGKILL);
}

TEST_F(ServiceTest, StalePidEndsTheStopQuietly) {
  pid_t gone = fork();
  if (gone == 0) _exit(0);
  waitpid(gone, nullptr, 0);
  WritePid("pid=" + std::to_string(gone) + "\n");
  LinuxService s;
  s.StopService();
  EXPECT_THAT(Log(), Not(HasSubstr("[ERROR]")));
  EXPECT_THAT(Log(), Not(HasSubstr("[NOTE]")));
}

// A stale pid taken since by a program of the user that names the copy or a
// file of it: never the client, never signalled.
TEST_F(ServiceTest, ProcessThatIsNotTheClientIsLeftRunning) {
  const std::string client = InstallBinaryClient();
  write_file(app + "/INFO", "[Version]\n");
  make_dirs(app + "/package");
  write_file(app + "/package/start-stop", "#!/bin/sh\nexit 0\n", 0755);
  write_file(app + "/package/wait.sh", "#!/bin/sh\nwhile :; do sleep 1; done\n", 0755);
  struct Row {
    const char* name;
    std::string exe;
    std::vector<std::string> args;
  };
  // The sleep that find starts ends on its own.
  const std::vector<Row> rows = {
      {"unrelated program", "/bin/sleep", {"1000"}},
      {"program with a file of the copy open", "/usr/bin/tail", {"-f", app + "/INFO"}},
      {"find on the copy running a command",
       "/usr/bin/find",
       {app, "-maxdepth", "0", "-exec", "sleep", "60", ";"}},
      {"tail on the start script", "/usr/bin/tail", {"-f", app + "/package/start-stop"}},
      {"pager on the client executable", "/usr/bin/tail", {"-f", client}},
      {"shell running another script of the copy", "/bin/sh", {app + "/package/wait.sh"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const pid_t other = Start(row.exe, row.args);
    WritePid("pid=" + std::to_string(other) + "\n");
    LinuxService s;
    s.StopService();
    EXPECT_TRUE(Alive(other));
    EXPECT_THAT(Log(), HasSubstr("): process " + std::to_string(other) + " is not the client of '" +
                                 user_dir + "', nothing stopped\n"));
  }
}

TEST_F(ServiceTest, HomeWithABlankIsStoppedAndStarted) {
  const std::string spaced = tmp / "my home";
  make_dirs(spaced);
  setenv("HOME", spaced.c_str(), 1);
  app = spaced + "/.NimboraBackup/Nimbora.app";
  user_dir = spaced + "/.NimboraBackup";
  const pid_t client = Start(InstallBinaryClient(), {"1000"});
  WritePid("pid=" + std::to_string(client) + "\n");
  make_dirs(app + "/package");
  write_file(app + "/package/start-stop", "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > \"$HOME/args\"\n", 0755);
  write_file(app + "/INFO", "[Version]\nbuild_version=1\n");
  LinuxService s;
  int rc = 0;
  EXPECT_EQ(ReapedDuring(client, [&] { rc = s.HandlePackageUpgrade(); }), SIGTERM);
  EXPECT_EQ(rc, -1);  // no package in this system tree
  // The failed installation put the copy back; the client starts from it.
  s.PostUpgrade();
  EXPECT_EQ(read_file(spaced + "/args"), "1|start|");
  EXPECT_THAT(Log(), Not(HasSubstr("start script")));
}

TEST_F(ServiceTest, StartScriptProblemsAreLoggedAndTheLaunchGoesOn) {
  struct Row {
    const char* name;
    const char* script;  // nullptr: no script
    mode_t mode;
    std::string message;  // after the script's path
  };
  const std::vector<Row> rows = {
      {"runs fine", "#!/bin/sh\nexit 0\n", 0755, ""},
      {"missing", nullptr, 0, "' does not exist\n"},
      {"not executable", "#!/bin/sh\nexit 0\n", 0644, "' is not executable: Permission denied\n"},
      {"non-zero exit", "#!/bin/sh\nexit 3\n", 0755, "' exited with status 3\n"},
      {"crash", "#!/bin/sh\nkill -SEGV $$\n", 0755, "' crashed\n"},
      {"interpreter missing", "#!/nonexistent/interpreter\n", 0755, "' could not be started\n"},
  };
  const std::string script = app + "/package/start-stop";
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    make_dirs(app + "/package");
    ::unlink(script.c_str());
    if (row.script) write_file(script, row.script, row.mode);
    const size_t before = log_.mark();
    LinuxService s;
    s.PostUpgrade();
    const std::string log = log_.since(before);
    if (row.message.empty()) {
      EXPECT_THAT(log, Not(HasSubstr("start script")));
    } else {
      EXPECT_THAT(log, HasSubstr("[ERROR] linux/linux-service("));
      EXPECT_THAT(log, HasSubstr("): start script '" + script + row.message));
    }
  }
}

TEST_F(ServiceTest, AgedAppFolderIsRemovedAndLoggedEvenWhenAbsent) {
  LinuxService s;
  s.RemoveAgedFolders();
  const std::string line = "): removing aged app folder " + user_dir + "/app\n";
  EXPECT_EQ(count_of(Log(), line), 1) << Log();
  make_dirs(user_dir + "/app/deep/er");
  write_file(user_dir + "/app/deep/er/f", "x", 0444);
  WriteCopy(app, "1");
  s.RemoveAgedFolders();
  EXPECT_EQ(count_of(Log(), line), 2);
  EXPECT_FALSE(exists(user_dir + "/app"));
  EXPECT_TRUE(exists(app + "/INFO"));
}

// Drops to uid and makes every openat of this process wait for the
// supervisor holding the returned seccomp listener: a deterministic seam for
// changing the file system at the very moment a path is resolved.
int DropAndTrapOpens(uid_t uid) {
  if (setgroups(0, nullptr) != 0 || setresgid(uid, uid, uid) != 0 || setresuid(uid, uid, uid) != 0) return -1;
  if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) return -1;
  struct sock_filter filter[] = {
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, nr)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_openat, 0, 1),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_USER_NOTIF),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
  };
  struct sock_fprog prog = {static_cast<unsigned short>(sizeof filter / sizeof filter[0]), filter};
  return static_cast<int>(
      syscall(SYS_seccomp, SECCOMP_SET_MODE_FILTER, SECCOMP_FILTER_FLAG_NEW_LISTENER, &prog));
}

// Removing a copy that holds a read-only folder gives that folder u+rwx. A
// second user who can write the folder above it (a world-writable folder of a
// package) swaps it for a link to a folder of the victim's outside the copy
// just as the removal opens it (the first or the second time): nothing
// outside the copy may change.
TEST_F(ServiceTest, RemovingACopyGivesNoRightsOutsideIt) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to run the removal as another user and watch its opens";
  constexpr uid_t kVictim = 65534;
  const std::string aged = user_dir + "/app";
  const std::string share = aged + "/share";
  const std::string victim = tmp / "victim";
  chmod(tmp.path().c_str(), 0755);
  for (int swap_at : {1, 2}) {
    SCOPED_TRACE("swapped at open " + std::to_string(swap_at));
    ASSERT_EQ(sh("rm -rf '" + aged + "' '" + victim + "' && mkdir -p '" + share + "/ro' '" + victim +
                 "/sub' && : > '" + share + "/ro/f' && chmod 0555 '" + share + "/ro' '" + victim +
                 "/sub' && chmod 0777 '" + share + "' && chown -R 65534:65534 '" + tmp.path() + "/home' '" +
                 victim + "'")
                  .status,
              0);
    int sync[2];
    ASSERT_EQ(pipe(sync), 0);
    const pid_t remover = fork();
    if (remover == 0) {
      const int listener = DropAndTrapOpens(kVictim);
      if (write(sync[1], &listener, sizeof listener) != sizeof listener || listener < 0) _exit(1);
      LinuxService().RemoveAgedFolders();
      _exit(0);
    }
    int child_fd = -1;
    ASSERT_EQ(read(sync[0], &child_fd, sizeof child_fd), static_cast<ssize_t>(sizeof child_fd));
    close(sync[0]);
    close(sync[1]);
    ASSERT_GE(child_fd, 0) << "no seccomp listener";
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, remover, 0));
    const int listener = static_cast<int>(syscall(SYS_pidfd_getfd, pidfd, child_fd, 0));
    ASSERT_GE(listener, 0) << strerror(errno);
    const int mem = open(("/proc/" + std::to_string(remover) + "/mem").c_str(), O_RDONLY | O_CLOEXEC);
    int opens_of_ro = 0;
    for (;;) {
      struct pollfd p = {listener, POLLIN, 0};
      if (poll(&p, 1, 60000) <= 0 || !(p.revents & POLLIN)) break;
      struct seccomp_notif req;
      memset(&req, 0, sizeof req);
      if (ioctl(listener, SECCOMP_IOCTL_NOTIF_RECV, &req) != 0) continue;
      char path[4096] = {0};
      if (pread(mem, path, sizeof path - 1, static_cast<off_t>(req.data.args[1])) < 0) path[0] = '\0';
      const std::string opened = path;
      if ((opened == "ro" || ::testing::Value(opened, EndsWith("/ro"))) && ++opens_of_ro == swap_at) {
        rename((share + "/ro").c_str(), (share + "/aside").c_str());
        symlink(victim.c_str(), (share + "/ro").c_str());
      }
      struct seccomp_notif_resp resp;
      memset(&resp, 0, sizeof resp);
      resp.id = req.id;
      resp.flags = SECCOMP_USER_NOTIF_FLAG_CONTINUE;
      ioctl(listener, SECCOMP_IOCTL_NOTIF_SEND, &resp);
    }
    int status = 0;
    waitpid(remover, &status, 0);
    close(mem);
    close(listener);
    close(pidfd);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    // A walk that never opens the folder again meets no swap and removes all.
    if (opens_of_ro < swap_at) {
      EXPECT_FALSE(exists(aged)) << Log();
    }
    struct stat st;
    ASSERT_EQ(lstat((victim + "/sub").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0555u) << "a folder outside the copy was given rights\n" << Log();
  }
}

TEST_F(ServiceTest, CopyPathCopiesFilesAndTrees) {
  TestService s;
  const std::string src = tmp / "src";
  make_dirs(src + "/a/b");
  write_file(src + "/top", "t");
  write_file(src + "/a/b/deep", "d");
  make_dirs(src + "/empty");
  EXPECT_EQ(s.CopyPath(src + "/top", tmp / "single"), 0);
  EXPECT_EQ(read_file(tmp / "single"), "t");
  EXPECT_EQ(s.CopyPath(src, tmp / "copy/of/src"), 0);
  EXPECT_EQ(snapshot(tmp / "copy/of/src"), snapshot(src));
  EXPECT_EQ(s.CopyPath(tmp / "missing", tmp / "x"), -1);
  EXPECT_THAT(Log(), HasSubstr("): FSCopyPath: source path '" + tmp / "missing" + "' does not exist\n"));
  EXPECT_FALSE(exists(tmp / "x"));
}

}  // namespace

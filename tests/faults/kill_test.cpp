// SIGKILL at many points of an upgrade from build 1001 to 1002, each point
// found from outside the launcher: the package served through a FIFO that
// stops feeding at a chosen byte (the launcher then waits in read()), opens
// held by fanotify (the first listing of a removal, the start script's file),
// inotify events (the backup rename, the k-th new entry, INFO put in place)
// and a client that reports its SIGTERM. After every kill a normal launch
// must leave exactly the new copy and a started client; a backup folder may
// stay only where the kill came after the new copy was complete.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "faults_tree.h"
#include "one_core.h"

using namespace testutil;

namespace {

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

// Where an archive entry lands in the app folder before the copy is complete
// (the version file waits under another name until everything else is on disk).
std::string landed(const LaunchTree& t, std::string name) {
  if (!name.empty() && name.back() == '/') name.pop_back();
  if (name == "INFO") name = ".INFO.partial";
  return t.app_dir() + "/" + name;
}

// ---------------------------------------------------------------- FIFO points

// The counting pass gets count_bytes (SIZE_MAX: all of it and its end); when
// extract_bytes is given, the extraction pass gets that many. The launcher is
// killed where it then waits for more; `check` looks at the disk first.
AssertionResult kill_on_fifo(Upgrade& u, size_t count_bytes, long long extract_bytes,
                             const std::function<AssertionResult(const Upgrade&)>& check = nullptr) {
  PackageFifo fifo(u.package(), read_file(u.plain_tar()));
  auto c = u.start();
  if (!fifo.begin_pass(*c)) return AssertionFailure() << "the counting pass never opened the package";
  if (count_bytes == SIZE_MAX) {
    if (!fifo.feed_entries_and_end()) return AssertionFailure() << "the counting pass stopped reading";
    if (!fifo.begin_pass(*c)) return AssertionFailure() << "the extraction pass never opened the package";
    if (extract_bytes < 0) return AssertionFailure() << "no extraction feed";
    if (!fifo.feed(static_cast<size_t>(extract_bytes)))
      return AssertionFailure() << "the extraction stopped reading";
  } else if (!fifo.feed(count_bytes)) {
    return AssertionFailure() << "the counting pass stopped reading";
  }
  if (!fifo.wait_parked(*c))
    return AssertionFailure() << "the launcher never waited for more\n" << c->output();
  if (check) {
    AssertionResult r = check(u);
    if (!r) return r;
  }
  return killed(*c);
}

// Killed after the first k entries of the extraction are on disk.
AssertionResult kill_after_entries(Upgrade& u, size_t k) {
  ArchiveLayout l = layout_of(u.plain_tar());
  if (k == 0 || k >= l.names.size()) return AssertionFailure() << "k out of range";
  return kill_on_fifo(u, SIZE_MAX, static_cast<long long>(l.header_offsets[k]), [&](const Upgrade& up) {
    for (size_t i = 0; i < k; ++i)
      if (!exists(landed(up.tree(), l.names[i])))
        return AssertionFailure() << "entry " << l.names[i] << " missing";
    if (exists(landed(up.tree(), l.names[k])))
      return AssertionFailure() << "entry " << l.names[k] << " already there";
    return AssertionSuccess();
  });
}

size_t entry_count(const Upgrade& u) { return layout_of(u.plain_tar()).names.size(); }

// ------------------------------------------------------------- inotify points

// An inotify event is read a little after it happened; on a busy machine the
// launcher could finish the whole upgrade in that time. Holding the first
// listing of the backup (the old copy's folder, marked before it is renamed)
// keeps it from getting past the new copy's completion until the kill; the
// held open is let go when the gate is destroyed.
bool hold_the_backup_listing(const Upgrade& u, OpenGate& gate) {
  return gate.unavailable().empty() && gate.mark(u.tree().app_dir());
}

// Holds the package's first open (the counting pass) so that the new app
// folder exists and can be watched before anything is written into it, then
// kills the launcher at the first event of the app folder that `hit` accepts.
AssertionResult kill_on_app_event(Upgrade& u, const std::function<bool(const Inotify::Event&)>& hit) {
  OpenGate gate;
  if (!gate.unavailable().empty()) return AssertionFailure() << gate.unavailable();
  if (!gate.mark(u.package())) return AssertionFailure() << "cannot mark the package";
  OpenGate backstop;
  if (!hold_the_backup_listing(u, backstop)) return AssertionFailure() << "cannot mark the old copy";
  auto c = u.start();
  if (!gate.hold_after(0, *c)) return AssertionFailure() << "the package was never opened\n" << c->output();
  Inotify in;
  if (in.watch(u.tree().app_dir(), IN_CREATE | IN_MOVED_TO) < 0) return AssertionFailure() << "no app folder";
  gate.release();
  if (!in.wait_for(hit, c.get())) return AssertionFailure() << "the event never came\n" << c->output();
  return killed(*c);
}

AssertionResult kill_at_kth_new_entry(Upgrade& u, int k) {
  int seen = 0;
  return kill_on_app_event(u, [&](const Inotify::Event&) { return ++seen == k; });
}

AssertionResult kill_on_backup_rename(Upgrade& u) {
  OpenGate backstop;
  if (!hold_the_backup_listing(u, backstop)) return AssertionFailure() << "cannot mark the old copy";
  Inotify in;
  in.watch(u.tree().user_dir(), IN_MOVED_TO);
  auto c = u.start();
  if (!in.wait_for([](const Inotify::Event& e) { return e.name == "Nimbora.app_tmp"; }, c.get()))
    return AssertionFailure() << "no backup rename\n" << c->output();
  return killed(*c);
}

// ------------------------------------------------------------- held opens

std::vector<std::string> old_subfolders(const Upgrade& u) {
  std::vector<std::string> v;
  for (int d = 0; d < kOldDirs; ++d) v.push_back(u.tree().app_dir() + "/old/d" + two_digits(d));
  return v;
}

// While the backup is being removed: the new copy is complete, and `left` of
// the old copy's folders are still in the backup.
AssertionResult removal_state(const Upgrade& u, int left) {
  const LaunchTree& t = u.tree();
  std::string diff = tree_diff(snapshot(t.app_dir()), snapshot(u.new_client()));
  if (!diff.empty()) return AssertionFailure() << "the new copy is not complete:\n" << diff;
  int remaining = static_cast<int>(list_dir(t.app_dir() + "_tmp/old").size());
  if (remaining != left) return AssertionFailure() << remaining << " old folders left, expected " << left;
  return AssertionSuccess();
}

// A client that reports SIGTERM in <home>/got-term and keeps running, so the
// launcher is held in its wait for the client to exit, before the backup.
AssertionResult kill_while_stopping_the_client(Upgrade& u) {
  LaunchTree& t = u.tree();
  write_file(t.app_dir() + "/bin/nimbora-backup-ui",
             "#!/bin/sh\n"
             "printf 'pid=%s\\n' \"$$\" > \"$HOME/.NimboraBackup/ui.pid\"\n"
             "trap 'touch \"$HOME/got-term\"' TERM\n"
             "while :; do sleep 1 & wait $!; done\n",
             0755);
  Child client({"/bin/sh", t.app_dir() + "/bin/nimbora-backup-ui"}, {"HOME=" + t.home()},
               t.tmp() + "/client.out");
  if (t.wait_client(kClientTenths) != client.pid()) return AssertionFailure() << "the client did not start";
  Inotify in;
  in.watch(t.home(), IN_CREATE);
  auto c = u.start();
  if (!in.wait_for([](const Inotify::Event& e) { return e.name == "got-term"; }, c.get()))
    return AssertionFailure() << "the client never got SIGTERM\n" << c->output();
  if (!exists(t.app_dir() + "/old-only.txt") || exists(t.app_dir() + "_tmp"))
    return AssertionFailure() << "the copy was moved before the client had stopped";
  AssertionResult r = killed(*c);
  client.kill9();
  client.wait();
  u.install_old();  // the client script of the old package again
  return r;
}

// Killed once the probation record is in place (the start script and the
// look for the new client come next), with the previous copy kept.
AssertionResult kill_while_looking_for_the_client(Upgrade& u) {
  Inotify in;
  in.watch(u.tree().user_dir(), IN_MOVED_TO);
  auto c = u.start();
  int records = 0;  // the attempt's, then the probation's
  if (!in.wait_for([&](const Inotify::Event& e) { return e.name == "upgrade.attempt" && ++records == 2; },
                   c.get()))
    return AssertionFailure() << "no probation record\n" << c->output();
  if (read_file(u.tree().user_dir() + "/upgrade.attempt").find("failure=probation\n") == std::string::npos)
    return AssertionFailure() << "the record is no probation";
  AssertionResult r = killed(*c);
  u.tree().stop_client();
  return r;
}

// ----------------------------------------------------------------- the cases

// Whether the new copy was complete (its INFO in place) when the kill came.
// A kill on an inotify event lands a little after the event (though before
// the backup is listed), so those cases may find either; the held ones know
// exactly.
enum class AtKill { kIncomplete, kComplete, kEither };

struct KillCase {
  const char* name;
  std::function<AssertionResult(Upgrade&)> inject;
  AtKill at_kill;
};

AssertionResult kill_twice(Upgrade& u) {
  AssertionResult r = kill_after_entries(u, 5);
  if (!r) return r;
  u.use_regular_package();
  r = kill_after_entries(u, 50);
  if (!r) return r;
  // The second launch removed the first one's partial copy instead of
  // keeping it as a backup: the complete old copy is the only one.
  std::vector<std::string> b = u.backups();
  if (b != std::vector<std::string>{"Nimbora.app_tmp"} || !exists(u.tree().app_dir() + "_tmp/INFO"))
    return AssertionFailure() << "backups after two kills: " << joined(b);
  return AssertionSuccess();
}

// A package that breaks off after 60 good entries: the launcher is killed as
// it starts removing the partial copy to put the old one back.
AssertionResult kill_during_rollback(Upgrade& u) {
  ArchiveLayout l = layout_of(u.plain_tar());
  std::string bytes = read_file(u.plain_tar());
  const size_t cut = l.header_offsets[60];
  const std::string damaged = bytes.substr(0, cut) + std::string(1024, '\xff');
  // The counting pass is given the 60 good entries alone: it then waits for
  // the end of the stream, which only the close brings. Had it met the
  // damage, it could stop and open the next pass while this one's writer
  // is still open, and read the rest of this pass as its own.
  PackageFifo fifo(u.package(), bytes.substr(0, cut));
  auto c = u.start();
  if (!fifo.begin_pass(*c)) return AssertionFailure() << "no counting pass";
  fifo.feed_entries_and_end();
  fifo.replace_bytes(damaged);
  if (!fifo.begin_pass(*c) || !fifo.feed(cut) || !fifo.wait_parked(*c))
    return AssertionFailure() << "the extraction did not reach entry 60\n" << c->output() << u.tree().log();
  OpenGate gate;
  if (!gate.unavailable().empty()) return AssertionFailure() << gate.unavailable();
  gate.mark(u.tree().app_dir());
  fifo.feed_all();
  // The reader drains a pipe to its end before it lets go of it.
  fifo.end_pass();
  if (!gate.hold_after(0, *c)) return AssertionFailure() << "no rollback\n" << c->output() << u.tree().log();
  if (!exists(u.tree().app_dir() + "_tmp/old-only.txt")) return AssertionFailure() << "the backup is gone";
  AssertionResult r = killed(*c);
  gate.release();
  return r;
}

const KillCase kCases[] = {
    {"while_stopping_the_client", kill_while_stopping_the_client, AtKill::kIncomplete},
    {"on_the_backup_rename", kill_on_backup_rename, AtKill::kEither},
    {"counting_pass_opened", [](Upgrade& u) { return kill_on_fifo(u, 0, -1); }, AtKill::kIncomplete},
    {"counting_pass_half_read",
     [](Upgrade& u) { return kill_on_fifo(u, read_file(u.plain_tar()).size() / 2, -1); },
     AtKill::kIncomplete},
    {"extraction_pass_opened", [](Upgrade& u) { return kill_on_fifo(u, SIZE_MAX, 0); }, AtKill::kIncomplete},
    {"after_1_entry", [](Upgrade& u) { return kill_after_entries(u, 1); }, AtKill::kIncomplete},
    {"after_2_entries", [](Upgrade& u) { return kill_after_entries(u, 2); }, AtKill::kIncomplete},
    {"after_4_entries", [](Upgrade& u) { return kill_after_entries(u, 4); }, AtKill::kIncomplete},
    {"after_10_entries", [](Upgrade& u) { return kill_after_entries(u, 10); }, AtKill::kIncomplete},
    {"after_40_entries", [](Upgrade& u) { return kill_after_entries(u, 40); }, AtKill::kIncomplete},
    {"after_80_entries", [](Upgrade& u) { return kill_after_entries(u, 80); }, AtKill::kIncomplete},
    {"after_all_but_one_entry", [](Upgrade& u) { return kill_after_entries(u, entry_count(u) - 1); },
     AtKill::kIncomplete},
    {"in_the_middle_of_a_large_file",
     [](Upgrade& u) {
       ArchiveLayout l = layout_of(u.plain_tar());
       size_t i =
           static_cast<size_t>(std::find(l.names.begin(), l.names.end(), kLargeFileName) - l.names.begin());
       if (i == l.names.size()) return AssertionFailure() << "no large file";
       // Past its 512-byte header, half of its data.
       return kill_on_fifo(u, SIZE_MAX,
                           static_cast<long long>(l.header_offsets[i] + 512 + kLargeFileSize / 2),
                           [](const Upgrade& up) {
                             struct stat st;
                             std::string p = up.tree().app_dir() + "/" + kLargeFileName;
                             if (lstat(p.c_str(), &st) != 0 || st.st_size <= 0 ||
                                 st.st_size >= static_cast<off_t>(kLargeFileSize))
                               return AssertionFailure() << "the large file is not half written";
                             return AssertionSuccess();
                           });
     },
     AtKill::kIncomplete},
    {"after_every_entry_before_the_end",
     [](Upgrade& u) {
       ArchiveLayout l = layout_of(u.plain_tar());
       return kill_on_fifo(u, SIZE_MAX, static_cast<long long>(l.end_of_entries), [&](const Upgrade& up) {
         for (const auto& n : l.names)
           if (!exists(landed(up.tree(), n))) return AssertionFailure() << n << " missing";
         if (exists(up.tree().app_dir() + "/INFO")) return AssertionFailure() << "INFO in place too early";
         return AssertionSuccess();
       });
     },
     AtKill::kIncomplete},
    {"at_the_20th_new_entry", [](Upgrade& u) { return kill_at_kth_new_entry(u, 20); }, AtKill::kEither},
    {"at_the_70th_new_entry", [](Upgrade& u) { return kill_at_kth_new_entry(u, 70); }, AtKill::kEither},
    {"when_INFO_is_put_in_place",
     [](Upgrade& u) {
       return kill_on_app_event(
           u, [](const Inotify::Event& e) { return (e.mask & IN_MOVED_TO) && e.name == "INFO"; });
     },
     AtKill::kComplete},
    {"at_the_first_listing_of_the_backup",
     [](Upgrade& u) {
       return kill_at_open(u, {u.tree().app_dir()}, 0,
                           [](const Upgrade& up) { return removal_state(up, kOldDirs); });
     },
     AtKill::kComplete},
    // On one core the backup is removed by one thread, folder after folder,
    // so that the kill comes at a known point of its removal.
    {"half_way_through_removing_the_backup",
     [](Upgrade& u) {
       OneCore one;
       return kill_at_open(u, old_subfolders(u), kOldDirs / 2,
                           [](const Upgrade& up) { return removal_state(up, kOldDirs - kOldDirs / 2); });
     },
     AtKill::kComplete},
    {"before_the_last_folder_of_the_backup",
     [](Upgrade& u) {
       OneCore one;
       return kill_at_open(u, old_subfolders(u), kOldDirs - 1,
                           [](const Upgrade& up) { return removal_state(up, 1); });
     },
     AtKill::kComplete},
    {"while_the_aged_folder_is_removed_on_probation",
     [](Upgrade& u) {
       // The aged folder is removed after the commit and before the start
       // script: the previous copy is kept until the new client runs.
       std::string aged = u.tree().user_dir() + "/app";
       make_dirs(aged);
       write_file(aged + "/stale", "x");
       return kill_at_open(u, {aged}, 0, [](const Upgrade& up) {
         if (up.backups() != std::vector<std::string>{"Nimbora.app_tmp"})
           return AssertionFailure() << "backups: " << joined(up.backups());
         return AssertionSuccess();
       });
     },
     AtKill::kComplete},
    {"while_looking_for_the_new_client", kill_while_looking_for_the_client, AtKill::kComplete},
    {"while_the_start_script_runs",
     [](Upgrade& u) {
       LaunchTree& t = u.tree();
       write_file(t.home() + "/started", "");
       AssertionResult r = kill_at_open(u, {t.home() + "/started"}, 0);
       // The script goes on once released and starts a client of its own.
       if (r && t.wait_client(kClientTenths) <= 0)
         return AssertionFailure() << "the released script started no client";
       t.stop_client();
       return r;
     },
     AtKill::kComplete},
    {"twice_at_different_entries", kill_twice, AtKill::kIncomplete},
    {"while_rolling_back_a_damaged_package", kill_during_rollback, AtKill::kIncomplete},
};

class KillAt : public ::testing::TestWithParam<KillCase> {};

TEST_P(KillAt, NextLaunchEndsWithExactlyTheNewCopy) {
  Upgrade u;
  LaunchTree& t = u.tree();
  const std::string aged = t.user_dir() + "/app";
  ASSERT_TRUE(GetParam().inject(u));
  const bool complete = read_file(t.app_dir() + "/INFO") == read_file(u.new_client() + "/INFO");
  if (GetParam().at_kill != AtKill::kEither) {
    EXPECT_EQ(complete, GetParam().at_kill == AtKill::kComplete);
  }

  u.use_regular_package();
  RunResult r = u.launch();
  expect_copy_of(u, r, u.new_client(), "1002");
  EXPECT_FALSE(exists(aged));
  // Also after a kill that came once the new copy was complete: the launch
  // with nothing to upgrade removes the backups it left.
  std::vector<std::string> b = u.backups();
  EXPECT_TRUE(b.empty()) << joined(b);
  for (const auto& n : list_dir(t.user_dir()))
    EXPECT_TRUE(n == "Nimbora.app" || n == "log" || n == "ui.pid" || n.rfind("Nimbora.app_tmp", 0) == 0) << n;

  if (!b.empty()) {
    // The next upgrade removes what the kill left.
    t.stop_client();
    t.package_client("1003");
    r = u.launch();
    expect_copy_of(u, r, t.tmp() + "/client-1003", "1003");
    EXPECT_TRUE(u.backups().empty()) << joined(u.backups());
  }
}

INSTANTIATE_TEST_SUITE_P(Upgrade, KillAt, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<KillCase>& i) {
                           return std::string(i.param.name);
                         });

}  // namespace

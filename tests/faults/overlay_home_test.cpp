// A home on an overlay whose copy of the client lies in the lower layer (a
// live system with persistence, a kiosk image, a container): renaming the
// copy aside fails there with EXDEV. The copy is then copied aside whole
// before the original is taken apart, so that a kill at any point leaves no
// copy split in two: every folder that holds an INFO is exactly the old or
// the new copy, and the next launch ends with one copy and its client.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "faults_tree.h"
#include "overlay_mount.h"

using namespace testutil;

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;
using ::testing::HasSubstr;

namespace {

// An upgrade from build 1001 to 1002 on an overlay home; the old copy, with
// a link and a read-only folder of its own, in the lower layer.
class OverlayHome : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string old = u_.old_client();
    ASSERT_EQ(sh("ln -s bin/nimbora-backup-ui '" + old + "/client-link' && chmod 0555 '" + old + "/old/d07'")
                  .status,
              0);
    u_.install_old();
    u_.tree().set_levels("service_debug=6\n");
    BeforeMount();
    make_dirs(u_.tree().tmp() + "/layers");
    home_ = std::make_unique<OverlayMount>(u_.tree().home(), u_.tree().tmp() + "/layers");
    if (!home_->mounted()) GTEST_SKIP() << home_->unavailable();
  }
  // Unmounted first, whatever the case did: the tree goes after it.
  void TearDown() override { home_.reset(); }
  // What the image holds besides the old copy in place.
  virtual void BeforeMount() {}

  // Every folder of the user tree that holds an INFO is a whole copy.
  AssertionResult no_split_copy() const {
    const LaunchTree& t = u_.tree();
    std::vector<std::string> copies = u_.backups();
    copies.push_back("Nimbora.app");
    for (const auto& name : copies) {
      const std::string dir = t.user_dir() + "/" + name;
      if (!exists(dir + "/INFO")) continue;
      const std::string to_old = tree_diff(snapshot(dir), snapshot(u_.old_client()));
      if (!to_old.empty() && !tree_diff(snapshot(dir), snapshot(u_.new_client())).empty())
        return AssertionFailure() << name << " holds INFO but is no whole copy:\n" << to_old;
    }
    return AssertionSuccess();
  }

  AssertionResult has_info(const std::string& dir, bool expected) const {
    if (exists(dir + "/INFO") == expected) return AssertionSuccess();
    return AssertionFailure() << dir << (expected ? " has no INFO" : " has an INFO");
  }

  Upgrade u_;
  std::unique_ptr<OverlayMount> home_;
};

// ------------------------------------------------------- kills, then a launch

struct KillCase {
  const char* name;
  // The folder whose opens are counted, below the app folder ("" for the
  // app folder itself), and how many pass before the kill; -1: no kill.
  const char* marked;
  int allow;
  bool app_has_info;     // at the kill
  bool backup_has_info;  // at the kill
};

// The copy lists the app folder and its folders once, taking the original
// apart lists them again: the app folder's second open is the one that
// removes its INFO.
const KillCase kKills[] = {
    {"no_kill", "", -1, false, false},
    {"while_copying_aside", "/old/d20", 0, true, false},
    {"with_both_copies_whole", "", 1, true, true},
    {"while_taking_the_original_apart", "/old/d20", 1, false, true},
};

class OverlayKill : public OverlayHome, public ::testing::WithParamInterface<KillCase> {};

TEST_P(OverlayKill, NextLaunchEndsWithTheNewCopy) {
  const KillCase& k = GetParam();
  LaunchTree& t = u_.tree();
  if (k.allow >= 0) {
    // Looked at once the launcher is dead: a look while the gate holds an
    // open would wait for the gate itself.
    ASSERT_TRUE(kill_at_open(u_, {t.app_dir() + k.marked}, k.allow));
    EXPECT_TRUE(has_info(t.app_dir(), k.app_has_info));
    EXPECT_TRUE(has_info(t.app_dir() + "_tmp", k.backup_has_info));
    EXPECT_TRUE(no_split_copy());
  }
  RunResult r = u_.launch();
  expect_copy_of(u_, r, u_.new_client(), "1002");
  EXPECT_TRUE(u_.backups().empty()) << joined(u_.backups());
  EXPECT_THAT(t.log(),
              HasSubstr("cannot be renamed to '" + t.app_dir() + "_tmp' (Invalid cross-device link)"));
}

INSTANTIATE_TEST_SUITE_P(Upgrade, OverlayKill, ::testing::ValuesIn(kKills),
                         [](const ::testing::TestParamInfo<KillCase>& i) {
                           return std::string(i.param.name);
                         });

// ------------------------------------------- failures that keep the old copy

struct OldCopyCase {
  const char* name;
  std::function<void(Upgrade&)> before_mount;  // on the lower layer
  std::function<void(Upgrade&)> after_mount;
};

void truncate_package(Upgrade& u) { ASSERT_EQ(truncate(u.package().c_str(), 20000), 0); }

const OldCopyCase kOldCopies[] = {
    {"damaged_package", nullptr, truncate_package},
    // The image holds the copy as a backup only: it is copied into place.
    {"damaged_package_and_the_copy_a_backup_of_the_image",
     [](Upgrade& u) {
       ASSERT_EQ(rename(u.tree().app_dir().c_str(), (u.tree().app_dir() + "_tmp").c_str()), 0);
     },
     truncate_package},
    {"new_client_never_starts", nullptr,
     [](Upgrade& u) {
       write_file(u.new_client() + "/bin/nimbora-backup-ui", "#!/bin/sh\nexit 1\n", 0755);
       ASSERT_EQ(u.tree().package(u.new_client()).status, 0);
     }},
};

class OverlayKeepsOld : public OverlayHome, public ::testing::WithParamInterface<OldCopyCase> {
 protected:
  void BeforeMount() override {
    if (GetParam().before_mount) GetParam().before_mount(u_);
  }
};

TEST_P(OverlayKeepsOld, OldCopyStaysExact) {
  if (GetParam().after_mount) GetParam().after_mount(u_);
  // A client that never starts is known only once the look for it is over.
  RunResult r = u_.launch({"NIMBORA_CLIENT_LOOK_MS=1000"});
  expect_copy_of(u_, r, u_.old_client(), "1001");
  EXPECT_THAT(u_.tree().log(), HasSubstr("' cannot be renamed to '"));
  EXPECT_TRUE(u_.backups().empty()) << joined(u_.backups());
}

INSTANTIATE_TEST_SUITE_P(Upgrade, OverlayKeepsOld, ::testing::ValuesIn(kOldCopies),
                         [](const ::testing::TestParamInfo<OldCopyCase>& i) {
                           return std::string(i.param.name);
                         });

}  // namespace

// Where the service finds the system tree, the home and the per-user copy.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "system_tree.h"

using namespace testutil;

using ::testing::HasSubstr;

namespace {

TEST(Locations, FollowTheExecutableAndTheHome) {
  SystemTree t;
  RunResult r = t.Run("paths");
  ASSERT_EQ(r.status, 0) << r.out;
  std::string root_real = t.root;
  {
    char buf[4096];
    if (realpath(t.root.c_str(), buf)) root_real = buf;
  }
  EXPECT_THAT(r.out, HasSubstr("home=" + t.home + "\n"));
  EXPECT_THAT(r.out, HasSubstr("root=" + root_real + "\n"));
  EXPECT_THAT(r.out, HasSubstr("resource=" + root_real + "\n"));
  EXPECT_THAT(r.out, HasSubstr("user=" + t.user_dir + "\n"));
  EXPECT_THAT(r.out, HasSubstr("app=" + t.app + "\n"));
  EXPECT_THAT(r.out, HasSubstr("data=" + t.user_dir + "/data\n"));
  EXPECT_THAT(r.out,
              HasSubstr("package_info=/opt/Zorvane/Nimbora/package/nimbora.nbpk|" + t.home + "/.Nimbora\n"));
  // Composing touched nothing.
  EXPECT_FALSE(exists(t.user_dir));
}

// Without HOME, Qt would answer "/"; the password database knows the home.
TEST(Locations, HomeWithoutHomeVariableComesFromThePasswordDatabase) {
  SystemTree t;
  const passwd* pw = getpwuid(geteuid());
  ASSERT_NE(pw, nullptr);
  for (const char* env : {"-HOME", "HOME="}) {
    RunResult r = t.Run("paths", env);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_THAT(r.out, HasSubstr(std::string("home=") + pw->pw_dir + "\n")) << env << "\n" << r.out;
    EXPECT_THAT(r.out, HasSubstr(std::string("user=") + pw->pw_dir + "/.NimboraBackup\n"));
  }
}

}  // namespace

// A package whose folders have modes of their own (read-only, private, open
// to all), installed by launches started from the home and from another
// folder, both holding folders of the same names: the copy's folders get the
// package's modes, and the same-named folders outside keep theirs.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <utility>

#include "faults_tree.h"

using namespace testutil;

namespace {

mode_t mode_of(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(FolderModes, PackageModesLandInTheCopyAndNowhereElse) {
  const std::vector<std::pair<std::string, mode_t>> folders = {
      {"docs", 0555}, {"private", 0700}, {"share", 0777}};
  struct Row {
    const char* name;
    bool from_home;
  };
  for (const Row& row : {Row{"started in the home", true}, Row{"started in another folder", false}}) {
    SCOPED_TRACE(row.name);
    ScratchTmp scratch;
    LaunchTree t;
    ProcessSweeper sweeper(t.tmp());
    const std::string client = t.tmp() + "/client-1002";
    const std::string elsewhere = t.tmp() + "/elsewhere";
    write_client(client, "1002");
    for (const auto& [name, mode] : folders) {
      make_dirs(client + "/" + name);
      write_file(client + "/" + name + "/file", name);
      chmod((client + "/" + name).c_str(), mode);
      make_dirs(t.home() + "/" + name);
      make_dirs(elsewhere + "/" + name);
    }
    ASSERT_EQ(t.package(client).status, 0);

    // Under umask 0 every mode of the package is kept, 0777 included.
    const std::string cwd = row.from_home ? t.home() : elsewhere;
    Child c({"/bin/sh", "-c", "umask 000 && cd \"$1\" && exec \"$0\"", t.launcher(), cwd},
            {"HOME=" + t.home(), "QT_QPA_PLATFORM=offscreen"}, t.tmp() + "/launch.out");
    EXPECT_EQ(c.wait(), 0) << c.output();
    EXPECT_EQ(read_file(t.app_dir() + "/INFO"), read_file(client + "/INFO")) << t.log();
    for (const auto& [name, mode] : folders) {
      SCOPED_TRACE(name);
      EXPECT_EQ(mode_of(t.app_dir() + "/" + name), mode);
      EXPECT_EQ(read_file(t.app_dir() + "/" + name + "/file"), name);
      EXPECT_EQ(mode_of(t.home() + "/" + name), 0755u);
      EXPECT_EQ(mode_of(elsewhere + "/" + name), 0755u);
    }
  }
}

}  // namespace

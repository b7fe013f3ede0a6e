// The progress dialog closed through a real window manager (openbox under
// Xvfb) in the middle of an extraction: the launch goes on to the end, the
// copy is complete and the exit status is 0. The package comes through a
// FIFO so that the extraction waits, mid-way, while the window is closed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "faults_tree.h"
#include "x_desktop.h"

using namespace testutil;

using ::testing::EndsWith;

namespace {

const char* const kTitle = XDesktop::kTitle;
using Desktop = XDesktop;

TEST(WindowManager, ClosingTheDialogMidExtractionDoesNotStopTheLaunch) {
  Upgrade u;
  Desktop desk(u.tree().tmp());
  if (!desk.unavailable().empty()) GTEST_SKIP() << desk.unavailable();
  const ArchiveLayout l = layout_of(u.plain_tar());
  const size_t n = l.names.size();

  PackageFifo fifo(u.package(), read_file(u.plain_tar()));
  // No OpenGL integration: the dialog draws without it, and the graphics
  // driver a GLX integration would load keeps allocations that
  // LeakSanitizer reports against the launcher.
  auto c = u.start({"QT_QPA_PLATFORM=xcb", "QT_XCB_GL_INTEGRATION=none", "DISPLAY=" + desk.display()});
  ASSERT_TRUE(fifo.begin_pass(*c) && fifo.feed_entries_and_end()) << c->output();
  ASSERT_TRUE(fifo.begin_pass(*c) && fifo.feed(l.header_offsets[n / 3]) && fifo.wait_parked(*c))
      << c->output();
  ASSERT_TRUE(Desktop::wait_until([&] { return desk.window_listed() || c->exited(); }) && !c->exited())
      << "no dialog\n"
      << c->output();

  // Once through the window manager's close request, once through its
  // keyboard binding for the active window.
  EXPECT_EQ(desk.x(std::string("wmctrl -c '") + kTitle + "'").status, 0);
  desk.x(std::string("wmctrl -a '") + kTitle + "'");
  desk.x("xdotool key --clearmodifiers alt+F4");

  // The rest of the package in steps, each one waited for: the launcher
  // keeps extracting and its dialog stays.
  for (size_t k = n / 3 + 10; k < n; k += 10) {
    ASSERT_TRUE(fifo.feed(l.header_offsets[k]) && fifo.wait_parked(*c))
        << "stopped before entry " << k << "\n"
        << c->output();
    EXPECT_TRUE(desk.window_listed()) << "the dialog went away at entry " << k;
  }
  ASSERT_TRUE(fifo.feed_all());
  fifo.end_pass();
  EXPECT_EQ(c->wait(), 0) << c->output();

  u.use_regular_package();
  EXPECT_EQ(tree_diff(snapshot(u.tree().app_dir()), snapshot(u.new_client())), "") << u.tree().log();
  EXPECT_THAT(u.tree().started(), EndsWith("start 1002\n"));
  EXPECT_TRUE(u.backups().empty()) << joined(u.backups());
}

}  // namespace

// The launcher on a real X display (Xvfb with openbox), its dialog shown in
// the middle of an upgrade: what the process has mapped, and how the window
// presents itself to the desktop.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "desktop_entry.h"
#include "faults_tree.h"
#include "x_desktop.h"

using namespace testutil;

using ::testing::EndsWith;

namespace {

// Pieces of OpenGL that the xcb platform loads through its GL integrations:
// libqxcb-glx-integration pulls in a GLX vendor library (Mesa's), Mesa its
// GL API and a DRI driver. The dispatchers libGL.so.1, libGLX.so.0 and
// libGLdispatch.so.0 (libglvnd, no driver) are not listed: Qt Gui itself is
// linked against them, so every Qt program maps them.
const char* const kOpenGlPieces[] = {"xcbglintegrations", "libGLX_", "libEGL_", "mesa", "/dri/",
                                     "libgallium",        "libglapi"};

std::set<std::string> mapped_opengl(pid_t pid) {
  std::set<std::string> found;
  std::istringstream maps(read_file("/proc/" + std::to_string(pid) + "/maps"));
  std::string line;
  while (std::getline(maps, line))
    for (const char* piece : kOpenGlPieces)
      if (line.find(piece) != std::string::npos) found.insert(line.substr(line.find('/')));
  return found;
}

TEST(Display, DialogShownOnXcbMapsNoOpenGlAndCarriesTheEntrysWindowClass) {
  Upgrade u;
  XDesktop desk(u.tree().tmp());
  if (!desk.unavailable().empty()) GTEST_SKIP() << desk.unavailable();
  const ArchiveLayout l = layout_of(u.plain_tar());

  PackageFifo fifo(u.package(), read_file(u.plain_tar()));
  auto c = u.start({"QT_QPA_PLATFORM=xcb", "DISPLAY=" + desk.display()});
  ASSERT_TRUE(fifo.begin_pass(*c) && fifo.feed_entries_and_end()) << c->output();
  ASSERT_TRUE(fifo.begin_pass(*c) && fifo.feed(l.header_offsets[l.names.size() / 2]) && fifo.wait_parked(*c))
      << c->output();
  ASSERT_TRUE(XDesktop::wait_until([&] { return desk.window_listed() || c->exited(); }) && !c->exited())
      << "no dialog\n"
      << c->output() << desk.describe();

  EXPECT_EQ(mapped_opengl(c->pid()), std::set<std::string>{});
  // The desktop ties the window to its entry by the class half of WM_CLASS.
  const std::string wm_class = desk.window_class();
  EXPECT_EQ(wm_class.substr(wm_class.find('.') + 1), desktop_entry_value("StartupWMClass")) << wm_class;

  ASSERT_TRUE(fifo.feed_all());
  fifo.end_pass();
  EXPECT_EQ(c->wait(), 0) << c->output();
  EXPECT_THAT(u.tree().started(), EndsWith("start 1002\n"));
}

}  // namespace

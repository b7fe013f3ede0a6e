// The launcher on a real display, its dialog shown in the middle of an
// upgrade: on X (Xvfb with openbox) and on a Wayland compositor (headless
// weston), what the process has mapped, and how the window presents itself
// to the desktop.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <regex>
#include <set>

#include "desktop_entry.h"
#include "faults_tree.h"
#include "weston.h"
#include "x_desktop.h"

using namespace testutil;

using ::testing::EndsWith;
using ::testing::HasSubstr;

namespace {

// Pieces of OpenGL that the platforms load through their GL integrations:
// libqxcb-glx-integration pulls in a GLX vendor library (Mesa's), Mesa its
// GL API and a DRI driver; Qt's Wayland EGL integration libEGL. The
// dispatchers libGL.so.1, libGLX.so.0 and libGLdispatch.so.0 (libglvnd, no
// driver) are not listed: Qt Gui itself is linked against them, so every Qt
// program maps them.
const char* const kOpenGlPieces[] = {"xcbglintegrations", "libGLX_", "libEGL", "mesa", "/dri/",
                                     "libgallium",        "libglapi"};

// The dialog's width in logical pixels (its style sheet's).
constexpr int kDialogWidth = 400;

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

// ----------------------------------------------------------------- Wayland

// A launch whose upgrade stops half way through the extraction, with its
// dialog up on a compositor; the requests the launcher's Wayland connection
// sent (WAYLAND_DEBUG=client) are in its output.
class WaylandUpgrade {
 public:
  WaylandUpgrade(const Weston& weston, const std::vector<std::string>& env)
      : layout_(layout_of(u_.plain_tar())), fifo_(u_.package(), read_file(u_.plain_tar())) {
    std::vector<std::string> e = weston.env();
    e.push_back("WAYLAND_DEBUG=client");
    e.insert(e.end(), env.begin(), env.end());
    c_ = u_.start(e);
  }

  LaunchTree& tree() { return u_.tree(); }
  Child& launcher() { return *c_; }
  std::string requests() const { return c_->output(); }

  // The window's frame as the launcher last gave it to the compositor
  // (xdg_surface.set_window_geometry), in logical pixels; null when never.
  QRect window_geometry() const {
    static const std::regex geometry(
        R"(xdg_surface[@#]\d+\.set_window_geometry\((-?\d+), (-?\d+), (\d+), (\d+)\))");
    const std::string out = requests();
    QRect last;
    for (auto m = std::sregex_iterator(out.begin(), out.end(), geometry); m != std::sregex_iterator(); ++m)
      last = QRect(std::stoi((*m)[1]), std::stoi((*m)[2]), std::stoi((*m)[3]), std::stoi((*m)[4]));
    return last;
  }

  // Feeds the counting pass and half of the extraction, then waits until
  // the dialog's window has its first picture on the compositor.
  bool park_with_dialog_shown() {
    if (!fifo_.begin_pass(*c_) || !fifo_.feed_entries_and_end()) return false;
    if (!fifo_.begin_pass(*c_) || !fifo_.feed(layout_.header_offsets[layout_.names.size() / 2]) ||
        !fifo_.wait_parked(*c_))
      return false;
    return XDesktop::wait_until([&] { return c_->exited() || dialog_drawn(); }) && !c_->exited();
  }

  // The rest of the package; the launcher's exit status.
  int finish() {
    if (!fifo_.feed_all()) return -1;
    fifo_.end_pass();
    return c_->wait();
  }

 private:
  // A toplevel was titled and a surface committed after a buffer was
  // attached: the window is on the screen with its contents.
  bool dialog_drawn() const {
    const std::string out = c_->output();
    const size_t title = out.find(".set_title(");
    if (title == std::string::npos) return false;
    const size_t attach = out.find(".attach(wl_buffer", title);
    return attach != std::string::npos && out.find(".commit()", attach) != std::string::npos;
  }

  Upgrade u_;
  ArchiveLayout layout_;
  PackageFifo fifo_;
  std::unique_ptr<Child> c_;
};

struct WaylandCase {
  const char* name;
  std::vector<std::string> env;  // the user's session, besides the compositor's socket
};

void PrintTo(const WaylandCase& c, std::ostream* os) { *os << c.name; }

class OnWayland : public ::testing::TestWithParam<WaylandCase> {};

// With no X server, the dialog is an xdg toplevel of the launcher's own,
// titled and tied to the desktop entry by its app id, framed by the title
// bar that the launcher draws itself (weston draws none), drawn without
// OpenGL; the upgrade ends and starts the client.
TEST_P(OnWayland, DialogIsAnXdgToplevelWithTheEntrysAppIdAndNoOpenGl) {
  TempDir dir;
  Weston weston(dir / "weston.out");
  if (!weston.unavailable().empty()) GTEST_SKIP() << weston.unavailable();
  WaylandUpgrade w(weston, GetParam().env);
  ASSERT_TRUE(w.park_with_dialog_shown()) << "no dialog on the compositor\n" << w.requests();

  const std::string requests = w.requests();
  // libwayland's debug output names an object "interface@id" up to 1.22
  // (Debian 12) and "interface#id" from 1.23 on (Debian 13).
  const std::regex title(R"(xdg_toplevel[@#]\d+\.set_title\("Nimbora Backup"\))");
  const std::regex app_id(R"(xdg_toplevel[@#]\d+\.set_app_id\("nimbora-backup"\))");
  EXPECT_TRUE(std::regex_search(requests, title));
  EXPECT_TRUE(std::regex_search(requests, app_id));
  EXPECT_EQ(desktop_entry_value("StartupWMClass"), "nimbora-backup");
  // The decoration's borders make the window wider than the dialog.
  EXPECT_GT(w.window_geometry().width(), kDialogWidth) << requests;
  EXPECT_EQ(mapped_opengl(w.launcher().pid()), std::set<std::string>{});

  EXPECT_EQ(w.finish(), 0) << w.requests();
  EXPECT_THAT(w.tree().started(), EndsWith("start 1002\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, OnWayland,
    ::testing::Values(
        WaylandCase{"kde_session_no_platform_chosen",
                    {"-QT_QPA_PLATFORM", "XDG_SESSION_TYPE=wayland", "XDG_CURRENT_DESKTOP=KDE",
                     "XDG_SESSION_DESKTOP=KDE"}},
        WaylandCase{"sway_session_no_platform_chosen",
                    {"-QT_QPA_PLATFORM", "XDG_SESSION_TYPE=wayland", "XDG_CURRENT_DESKTOP=sway",
                     "-XDG_SESSION_DESKTOP"}},
        // Qt picks xcb on GNOME, whose X server is not running here.
        WaylandCase{"gnome_session_without_its_x_server",
                    {"-QT_QPA_PLATFORM", "XDG_SESSION_TYPE=wayland", "XDG_CURRENT_DESKTOP=ubuntu:GNOME",
                     "-XDG_SESSION_DESKTOP"}},
        WaylandCase{"wayland_chosen", {"QT_QPA_PLATFORM=wayland", "-XDG_SESSION_TYPE"}},
        WaylandCase{"wayland_then_xcb_chosen", {"QT_QPA_PLATFORM=wayland;xcb", "-XDG_SESSION_TYPE"}},
        WaylandCase{"xcb_chosen_without_an_x_server", {"QT_QPA_PLATFORM=xcb", "XDG_SESSION_TYPE=wayland"}}),
    [](const ::testing::TestParamInfo<WaylandCase>& i) { return std::string(i.param.name); });

// The box of the dialog's background (its style sheet's WhiteSmoke): the
// rows that hold a long run of it, so that a few pixels of that grey
// elsewhere (in the shell's clock, say) do not count.
QRect dialog_box(const QImage& shot) {
  // Shorter than any row of the dialog's background, longer than any text.
  constexpr int kMinRun = 100;
  const QRgb background = QColor("whitesmoke").rgb();
  QRect box;
  for (int y = 0; y < shot.height(); ++y) {
    int run = 0;
    for (int x = 0; x < shot.width(); ++x) {
      run = shot.pixel(x, y) == background ? run + 1 : 0;
      if (run == kMinRun) {
        int end = x;
        while (end + 1 < shot.width() && shot.pixel(end + 1, y) == background) ++end;
        box |= QRect(QPoint(x - kMinRun + 1, y), QPoint(end, y));
        x = end;
        run = 0;
      }
    }
  }
  return box;
}

// The bounding box of the dark pixels (the label's text) in BOX.
QRect text_box(const QImage& shot, const QRect& box) {
  // Below this grey level a pixel belongs to a glyph, not to the background.
  constexpr int kInk = 128;
  int left = box.right() + 1, top = box.bottom() + 1, right = -1, bottom = -1;
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x)
      if (qGray(shot.pixel(x, y)) < kInk) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The title bar right above the dialog's content BOX: the rows, upwards from
// BOX, mostly of the bar's one colour (the title and its buttons take the
// rest; the wallpaper above a window without a bar is patterned).
QRect title_bar(const QImage& shot, const QRect& box) {
  if (box.top() < 1) return QRect();
  const QRgb bar = shot.pixel(box.center().x(), box.top() - 1);
  int top = box.top();
  for (int y = box.top() - 1; y >= 0; --y) {
    int plain = 0;
    for (int x = box.left(); x <= box.right(); ++x) plain += shot.pixel(x, y) == bar;
    if (plain * 2 < box.width()) break;
    top = y;
  }
  return QRect(QPoint(box.left(), top), QPoint(box.right(), box.top() - 1));
}

// Whether RECT holds pixels of another colour than its top left one.
bool has_drawing(const QImage& shot, const QRect& rect) {
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x)
      if (shot.pixel(x, y) != shot.pixel(rect.topLeft())) return true;
  return false;
}

// At scale 2 the window is drawn at twice its size by the launcher itself
// (a buffer of scale 2), lies whole on the screen with its title bar, and
// its label's text sits inside the dialog with room to spare on every side.
TEST(OnWaylandAtScale2, DialogIsDrawnAtTwiceItsSizeAndShowsItsWholeText) {
  TempDir dir;
  Weston weston(dir / "weston.out", {"--scale=2", "--width=1600", "--height=1000"});
  if (!weston.unavailable().empty()) GTEST_SKIP() << weston.unavailable();
  WaylandUpgrade w(weston, {"QT_QPA_PLATFORM=wayland"});
  ASSERT_TRUE(w.park_with_dialog_shown()) << "no dialog on the compositor\n" << w.requests();
  EXPECT_THAT(w.requests(), HasSubstr(".set_buffer_scale(2)"));

  // The shell fades the screen in from black once its own client is up:
  // pictures are taken until two in a row show the dialog in the same place
  // (one taken mid-fade shows only part of it).
  std::string path;
  QImage shot;
  QRect box, before;
  XDesktop::wait_until([&] {
    before = box;
    path = weston.screenshot(dir.path());
    shot = QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
    box = dialog_box(shot);
    return path.empty() || (!box.isNull() && box == before);
  });
  ASSERT_FALSE(path.empty()) << "weston-screenshooter took no picture";
  ASSERT_EQ(shot.size(), QSize(3200, 2000)) << path;
  // The dialog's 400 logical pixels, at scale 2.
  EXPECT_EQ(box.width(), 2 * kDialogWidth) << path;
  EXPECT_TRUE(shot.rect().contains(box)) << path;
  // Lower than this (in logical pixels) a bar could not hold its title.
  constexpr int kMinTitleBar = 20;
  const QRect bar = title_bar(shot, box);
  EXPECT_GE(bar.height(), 2 * kMinTitleBar) << "no title bar above the dialog " << path;
  EXPECT_TRUE(has_drawing(shot, bar)) << "an empty title bar " << path;
  const QRect text = text_box(shot, box);
  ASSERT_FALSE(text.isNull()) << "no text in the dialog " << path;
  // Glyphs cut off by the dialog's edge would reach it.
  constexpr int kRoom = 8;
  EXPECT_TRUE(box.adjusted(kRoom, kRoom, -kRoom, -kRoom).contains(text))
      << "text " << text.x() << "," << text.y() << " " << text.width() << "x" << text.height() << " dialog "
      << box.x() << "," << box.y() << " " << box.width() << "x" << box.height() << " " << path;

  EXPECT_EQ(w.finish(), 0) << w.requests();
}

// A window that asks for OpenGL under the launcher's buffer integration (a
// plug-in of the tree's, or a program started with the launcher's
// environment) is shown from shared memory and refused its context; nothing
// loads libEGL and nothing crashes.
class GlWindowUnderShmDecorations : public ::testing::TestWithParam<const char*> {};

TEST_P(GlWindowUnderShmDecorations, IsShownWithoutAContextOrEgl) {
  TempDir dir;
  Weston weston(dir / "weston.out");
  if (!weston.unavailable().empty()) GTEST_SKIP() << weston.unavailable();
  std::vector<std::string> env = weston.env();
  env.insert(env.end(),
             {"QT_QPA_PLATFORM=wayland", "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=nimbora-shm-decorations"});
  const RunResult r = run({GL_WINDOW_PROBE, installed_root() + "/lib/plugins", GetParam()}, env);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_THAT(r.out, HasSubstr("exposed=1 context=0 egl=0")) << r.out;
}

INSTANTIATE_TEST_SUITE_P(Surfaces, GlWindowUnderShmDecorations, ::testing::Values("opengl", "raster-gl"),
                         [](const ::testing::TestParamInfo<const char*>& i) {
                           return std::string(i.param) == "opengl" ? "opengl" : "raster_gl";
                         });

}  // namespace

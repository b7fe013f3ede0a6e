#include "display_probe.h"

#include <poll.h>
#include <wayland-client.h>
#include <xcb/xcb.h>

#include <QList>
#include <chrono>
#include <cstdlib>
#include <future>
#include <memory>
#include <thread>

#include "threads_left_behind.h"

namespace {

// A display server answers a new connection within milliseconds, also on a
// loaded machine or over a slow remote link; a stopped or frozen one never
// does. The bound is what a launch with nothing to install waits at most.
constexpr std::chrono::milliseconds kDisplayAnswerBound{3000};

using Clock = std::chrono::steady_clock;

enum class Answer {
  kAbsent,   // no display there: Qt moves on to the next platform at once
  kAnswers,  // Qt will connect to it
  kSilent,   // accepted the connection and then said nothing, or broke it
};

// libxcb connects without a time limit; the connection is made on a thread
// of its own, which is given up when the server does not answer in time.
Answer XServerAnswers() {
  auto connected = std::make_shared<std::promise<bool>>();
  std::future<bool> answer = connected->get_future();
  std::thread([connected] {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool ok = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    connected->set_value(ok);
  }).detach();
  if (answer.wait_for(kDisplayAnswerBound) == std::future_status::ready)
    return answer.get() ? Answer::kAnswers : Answer::kAbsent;
  // It touches nothing but its own connection and the promise it shares.
  ThreadsLeftBehind::Note();
  return Answer::kSilent;
}

void SyncDone(void* data, wl_callback*, uint32_t) { *static_cast<bool*>(data) = true; }

const wl_callback_listener kSyncListener = {SyncDone};

// One round trip, each wait bounded by what is left of the bound.
bool RoundTrip(wl_display* display) {
  bool done = false;
  wl_callback* sync = wl_display_sync(display);
  wl_callback_add_listener(sync, &kSyncListener, &done);
  const Clock::time_point end = Clock::now() + kDisplayAnswerBound;
  bool broken = false;
  while (!done && !broken) {
    wl_display_flush(display);
    while (wl_display_prepare_read(display) != 0) wl_display_dispatch_pending(display);
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
    pollfd p = {wl_display_get_fd(display), POLLIN, 0};
    if (left <= 0 || poll(&p, 1, static_cast<int>(left)) <= 0) {
      wl_display_cancel_read(display);
      break;
    }
    broken = wl_display_read_events(display) < 0 || wl_display_dispatch_pending(display) < 0;
  }
  wl_callback_destroy(sync);
  return done;
}

// A compositor that is not there lets Qt move on at once; one that accepts
// the connection must answer a round trip. A socket handed over
// (WAYLAND_SOCKET) is taken by the first connection made on it, and is left
// to Qt.
Answer CompositorAnswers() {
  if (getenv("WAYLAND_SOCKET")) return Answer::kAnswers;
  wl_display* display = wl_display_connect(nullptr);
  if (!display) return Answer::kAbsent;
  const bool answered = RoundTrip(display);
  wl_display_disconnect(display);
  return answered ? Answer::kAnswers : Answer::kSilent;
}

bool IsX(const QByteArray& name) { return name == "xcb"; }
bool IsWayland(const QByteArray& name) { return name.startsWith("wayland"); }

}  // namespace

QByteArray DisplayProbe::WithoutSilentDisplays(const QByteArray& list, std::string& dropped) {
  QByteArray kept;
  bool answered = false;
  for (const QByteArray& entry : list.split(';')) {
    const QByteArray name = entry.split(':').first().toLower();
    // Any other platform (off screen, or one the user named) is taken by Qt
    // as it is: nothing after it is tried.
    Answer answer = Answer::kAnswers;
    if (answered) {
      answer = Answer::kAbsent;
    } else if (IsX(name)) {
      answer = qgetenv("DISPLAY").isEmpty() ? Answer::kAbsent : XServerAnswers();
    } else if (IsWayland(name)) {
      answer = CompositorAnswers();
    }
    answered = answered || answer == Answer::kAnswers;
    if (answer == Answer::kSilent) {
      dropped += (dropped.empty() ? "" : ", ") + entry.toStdString();
      continue;
    }
    kept += (kept.isEmpty() ? "" : ";") + entry;
  }
  return kept;
}

// The launcher, its worker thread and the progress dialog, driven by a
// stand-in service: what the dialog shows, on which thread, in which order,
// and that the launch runs once and ends only through LaunchDone.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QWindow>
#include <atomic>
#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "adapter.h"
#include "cloud-service.h"
#include "launcher.h"
#include "log.h"
#include "log_capture.h"
#include "strtab.h"
#include "testutil.h"

using namespace testutil;

#if defined(__SANITIZE_THREAD__)
// Qt from Debian is not built with ThreadSanitizer, so the locks that order
// its event queue are invisible and its own hand-over of queued arguments
// would be reported. Accesses made by our instrumented code stay checked.
extern "C" const char* __tsan_default_options() { return "ignore_noninstrumented_modules=1"; }
#endif

using ::testing::HasSubstr;

namespace {

// What the stand-in service was asked to do; written on the handler thread.
struct Calls {
  std::atomic<int> pre{0}, decide{0}, upgrade{0}, post{0};
  std::atomic<bool> service_on_main{false};
};

struct Report {
  int total;
  int step;
};

// The label each relay report carries: "r<index>".
QString report_label(size_t i) { return QString("r%1").arg(i); }

class FakeService : public Service {
 public:
  FakeService(Calls& calls, bool need_upgrade, int result, std::vector<Report> reports)
      : calls_(calls), need_upgrade_(need_upgrade), result_(result), reports_(std::move(reports)) {}

  // Run on the handler thread in the middle of the upgrade / after the start.
  std::function<void()> during_upgrade;
  std::function<void()> after_start;

  void StopService() override {}
  void PreUpgrade() override {
    ++calls_.pre;
    note_thread();
  }
  bool IsNeedUpgrade() override {
    ++calls_.decide;
    return need_upgrade_;
  }
  // Reports like the extractor does: a label, then the entry count.
  int HandlePackageUpgrade() override {
    ++calls_.upgrade;
    for (size_t i = 0; i < reports_.size(); ++i) {
      Notify_Adapter::GetInstance()->UpdateDialogText(report_label(i));
      Notify_Adapter::GetInstance()->UpdateProgress(reports_[i].total, reports_[i].step);
      if (i == reports_.size() / 2 && during_upgrade) during_upgrade();
    }
    return result_;
  }
  void PostUpgrade() override {
    ++calls_.post;
    note_thread();
    if (after_start) after_start();
  }

 private:
  void note_thread() {
    if (QThread::currentThread() == QCoreApplication::instance()->thread()) calls_.service_on_main = true;
  }

  Calls& calls_;
  bool need_upgrade_;
  int result_;
  std::vector<Report> reports_;
};

// One change of the bar as the main thread saw it.
struct Seen {
  int value;
  QString label;
  bool visible;
  bool on_main;
};

struct Outcome {
  std::vector<Seen> seen;
  bool built = false;  // whether the dialog was built at all
  QString label;       // after the event loop ended
  int value = -1;
  bool visible_at_end = true;
  bool ever_visible = false;
};

QProgressDialog* find_dialog() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* d = qobject_cast<QProgressDialog*>(w)) return d;
  return nullptr;
}

// Hands the progress dialog to `shown` when it is first shown: the launcher
// builds it only then.
class FirstShow : public QObject {
 public:
  explicit FirstShow(std::function<void(QProgressDialog*)> shown) : shown_(std::move(shown)) {
    QCoreApplication::instance()->installEventFilter(this);
  }
  bool eventFilter(QObject* o, QEvent* e) override {
    auto* d = e->type() == QEvent::Show ? qobject_cast<QProgressDialog*>(o) : nullptr;
    if (d && shown_) std::exchange(shown_, nullptr)(d);
    return false;
  }

 private:
  std::function<void(QProgressDialog*)> shown_;
};

class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("HOME", home_.path().c_str(), 1);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
    StrTable::InitStrTable();
  }
  void TearDown() override { app_.reset(); }

  std::string log() const { return log_.text(); }
  std::string aged_folder() const { return home_ / ".NimboraBackup/app"; }

  // Runs one whole launch on `service` (handed over) and records every change
  // of the bar together with the label shown at that moment.
  // `at_show` also gets the dialog when it is first shown.
  Outcome launch(FakeService* service, int starts = 1,
                 const std::function<void(QProgressDialog*)>& at_show = nullptr) {
    Outcome out;
    Launcher launcher(service);
    EXPECT_EQ(find_dialog(), nullptr) << "built before it is needed";
    FirstShow first_show([&](QProgressDialog* dialog) {
      dialog_ = dialog;
      out.ever_visible = true;
      if (at_show) at_show(dialog);
      auto* label = dialog->findChild<QLabel*>();
      QObject::connect(dialog->findChild<QProgressBar*>(), &QProgressBar::valueChanged,
                       [&, dialog, label](int v) {
                         bool on_main = QThread::currentThread() == app_->thread();
                         out.seen.push_back({v, label->text(), dialog->isVisible(), on_main});
                       });
    });
    launcher.Run();
    for (int i = 0; i < starts; ++i) launcher.Start();
    QApplication::exec();
    if (QProgressDialog* dialog = find_dialog()) {
      out.built = true;
      out.label = dialog->labelText();
      out.value = dialog->value();
      out.visible_at_end = dialog->isVisible();
    }
    dialog_ = nullptr;
    return out;
  }

  TempDir home_;
  LogCapture log_{"launcher_debug=7\n"};
  Calls calls_;
  QProgressDialog* dialog_ = nullptr;
  int argc_ = 1;
  char name_[16] = "worker_test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

const QString kReady = "Nimbora Backup is ready.";
const QString kPreparing = "Nimbora Backup is initializing...";

// ------------------------------------------------------------ progress display

struct ProgressCase {
  const char* name;
  std::vector<Report> reports;
  // Bar values in the order shown, each with the index of the report whose
  // label was up at that moment.
  std::vector<std::pair<int, int>> shown;
};

void PrintTo(const ProgressCase& c, std::ostream* os) { *os << c.name; }

class ProgressDisplay : public LauncherTest, public ::testing::WithParamInterface<ProgressCase> {};

TEST_P(ProgressDisplay, ReportsReachTheDialogOnTheMainThreadInOrder) {
  const ProgressCase& c = GetParam();
  Outcome o = launch(new FakeService(calls_, true, 0, c.reports));

  std::vector<std::pair<int, int>> shown;
  for (const Seen& s : o.seen) {
    EXPECT_TRUE(s.on_main) << "value " << s.value;
    EXPECT_TRUE(s.visible) << "value " << s.value;
    shown.emplace_back(s.value, s.label.mid(1).toInt());
  }
  EXPECT_EQ(shown, c.shown);
  EXPECT_EQ(o.label, kReady);
  EXPECT_EQ(o.value, 100);
  EXPECT_FALSE(o.visible_at_end);
  EXPECT_EQ(calls_.upgrade, 1);
  EXPECT_EQ(calls_.post, 1);
  EXPECT_FALSE(calls_.service_on_main);
}

std::vector<Report> entries(int total) {
  std::vector<Report> r;
  for (int i = 1; i <= total; ++i) r.push_back({total, i});
  return r;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgressDisplay,
    ::testing::Values(ProgressCase{"one_entry_goes_straight_to_100", entries(1), {{100, 0}}},
                      ProgressCase{"three_entries_truncate", entries(3), {{33, 0}, {66, 1}, {100, 2}}},
                      ProgressCase{"thirteen_entries_show_53_at_the_seventh",
                                   entries(13),
                                   {{7, 0},
                                    {15, 1},
                                    {23, 2},
                                    {30, 3},
                                    {38, 4},
                                    {46, 5},
                                    {53, 6},
                                    {61, 7},
                                    {69, 8},
                                    {76, 9},
                                    {84, 10},
                                    {92, 11},
                                    {100, 12}}},
                      ProgressCase{"repeated_report_changes_nothing",
                                   {{4, 1}, {4, 1}, {4, 2}},
                                   {{25, 0}, {50, 2}, {100, 2}}},
                      // A zero total would divide by zero; a negative one is nonsense.
                      ProgressCase{"zero_and_negative_totals_change_nothing",
                                   {{3, 1}, {0, 2}, {-4, 2}, {0, 0}, {3, 2}},
                                   {{33, 0}, {66, 4}, {100, 4}}},
                      // steps * 100 does not fit in 32 bits here.
                      ProgressCase{"huge_counts_do_not_overflow",
                                   {{INT_MAX, INT_MAX / 2}, {INT_MAX, INT_MAX}},
                                   {{49, 0}, {100, 1}}}),
    [](const ::testing::TestParamInfo<ProgressCase>& i) { return std::string(i.param.name); });

// ----------------------------------------------------------------- the dialog

TEST_F(LauncherTest, DialogIsShownWithoutButtonsAndCannotBeResetByItsBar) {
  bool shown = false;
  launch(new FakeService(calls_, true, 0, entries(1)), 1, [&](QProgressDialog* d) {
    shown = true;
    EXPECT_EQ(d->labelText(), kPreparing);
    EXPECT_EQ(d->value(), 0);
    EXPECT_EQ(d->windowTitle(), "Nimbora Backup");
    EXPECT_EQ(d->minimum(), 0);
    EXPECT_EQ(d->maximum(), 100);
    EXPECT_EQ(d->minimumWidth(), 400);
    EXPECT_EQ(d->maximumWidth(), 400);
    EXPECT_TRUE(d->findChildren<QPushButton*>().isEmpty());
    EXPECT_FALSE(d->autoReset());
    EXPECT_TRUE(d->autoClose());
    EXPECT_TRUE(d->isModal());
    EXPECT_EQ(d->windowModality(), Qt::WindowModal);
    const Qt::WindowFlags hints = Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    EXPECT_EQ(d->windowFlags() & hints, hints);
    EXPECT_FALSE(d->windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint));
    EXPECT_EQ(d->font().family(), "Arial");
    EXPECT_EQ(d->styleSheet(),
              " QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } ");
  });
  EXPECT_TRUE(shown);
}

// ----------------------------------------------------------------- the sequence

TEST_F(LauncherTest, ServiceDoneIsHandledAfterEveryEarlierReport) {
  auto* service = new FakeService(calls_, true, 0, entries(2000));
  service->after_start = [] { Notify_Adapter::GetInstance()->UpdateDialogText("after the start script"); };
  Outcome o = launch(service);

  // Every percent from 1 to 100 was shown, each once, in order, before the
  // loop ended; the label sent just before sigServiceDone made it too.
  ASSERT_EQ(o.seen.size(), 100u);
  for (size_t i = 0; i < o.seen.size(); ++i) EXPECT_EQ(o.seen[i].value, static_cast<int>(i) + 1);
  EXPECT_EQ(o.label, "after the start script");
  EXPECT_EQ(calls_.post, 1);
}

TEST_F(LauncherTest, FailedUpgradeKeepsTheLabelAndStillStartsTheClient) {
  make_dirs(aged_folder() + "/bin");
  Outcome o = launch(new FakeService(calls_, true, -1, {{3, 1}}));

  ASSERT_EQ(o.seen.size(), 2u);
  EXPECT_EQ(o.seen[0].value, 33);
  EXPECT_EQ(o.seen[1].value, 100);  // LaunchDone's final value, just before it hides
  EXPECT_EQ(o.label, "r0");
  EXPECT_FALSE(o.visible_at_end);
  EXPECT_EQ(calls_.post, 1);
  EXPECT_FALSE(exists(aged_folder()));
  std::string l = log();
  EXPECT_THAT(l, HasSubstr("[ERROR] launcher("));
  EXPECT_THAT(l, HasSubstr("): Failed to upgrade package\n"));
  EXPECT_THAT(l, HasSubstr("): done\n"));
}

TEST_F(LauncherTest, CurrentCopyShowsNoDialogAndStartsTheClient) {
  make_dirs(aged_folder());
  Outcome o = launch(new FakeService(calls_, false, 0, {}));

  EXPECT_FALSE(o.ever_visible);
  EXPECT_FALSE(o.built);
  EXPECT_EQ(calls_.pre, 1);
  EXPECT_EQ(calls_.decide, 1);
  EXPECT_EQ(calls_.upgrade, 0);
  EXPECT_EQ(calls_.post, 1);
  EXPECT_FALSE(exists(aged_folder()));

  std::string l = log();
  size_t running = l.find("[DEBUG] launcher(");
  size_t no_need = l.find("): no need to upgrade\n");
  size_t done = l.find("): done\n");
  ASSERT_NE(running, std::string::npos) << l;
  EXPECT_THAT(l, HasSubstr("): running\n"));
  ASSERT_NE(no_need, std::string::npos) << l;
  ASSERT_NE(done, std::string::npos) << l;
  EXPECT_LT(l.find("): running\n"), no_need);
  EXPECT_LT(no_need, done);
}

TEST_F(LauncherTest, SecondStartRequestRunsTheSequenceNoMoreThanOnce) {
  Outcome o = launch(new FakeService(calls_, true, 0, entries(2)), 2);
  EXPECT_EQ(calls_.pre, 1);
  EXPECT_EQ(calls_.upgrade, 1);
  EXPECT_EQ(calls_.post, 1);
  EXPECT_EQ(o.label, kReady);
}

TEST_F(LauncherTest, CloseAndEscapeNeitherHideTheDialogNorEndTheLaunch) {
  std::atomic<int> attempts{0};
  std::atomic<bool> stayed{false};
  auto* service = new FakeService(calls_, true, 0, entries(10));
  // In the middle of the extraction: a close from the window manager and
  // Esc, delivered on the main thread as the windowing system would.
  service->during_upgrade = [&] {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [&] {
          QProgressDialog* d = dialog_;
          QCloseEvent close;
          QCoreApplication::sendEvent(d->windowHandle(), &close);
          QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
          QCoreApplication::sendEvent(d, &esc);
          ++attempts;
          stayed = d->isVisible() && !d->wasCanceled();
        },
        Qt::QueuedConnection);
  };
  Outcome o = launch(service);

  EXPECT_EQ(attempts, 1);
  EXPECT_TRUE(stayed);
  for (const Seen& s : o.seen) EXPECT_TRUE(s.visible) << "value " << s.value;
  ASSERT_FALSE(o.seen.empty());
  EXPECT_EQ(o.seen.back().value, 100);
  EXPECT_EQ(o.label, kReady);
  EXPECT_EQ(calls_.post, 1);
  EXPECT_FALSE(o.visible_at_end);
}

}  // namespace

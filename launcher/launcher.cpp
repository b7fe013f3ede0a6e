#include "launcher.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QStyle>
#include <climits>
#include <cstdint>
#include <optional>

#include "adapter.h"
#include "cloud-service.h"
#include "entry_progress.h"
#include "job_guard.h"
#include "linux/linux-service.h"
#include "log.h"
#include "strtab.h"

namespace {

// In logical pixels: 800 device pixels on a screen scaled to 200 %.
constexpr int kDialogWidth = 400;
constexpr int kPercent = 100;
const char kDialogFont[] = "Arial";
// The window icon in every size drawn by tools/make-icon, so that the window
// manager, the task bar and a scaled screen each pick a sharp one.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 72, 96, 128, 256};
// The window class (WM_CLASS) and Wayland application id of the dialog: the
// name of the desktop entry that starts the launcher, so that the desktop
// ties the window to the entry's icon and ends its start-up notification.
const char kDesktopName[] = "nimbora-backup";
const char kDialogStyle[] = " QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } ";

}  // namespace

// ---------------------------------------------------------------- HandlerThread

HandlerThread::HandlerThread() : QThread(nullptr) {}

HandlerThread::~HandlerThread() = default;

void HandlerThread::run() { exec(); }

// ----------------------------------------------------- ProcessingProgressDialog

ProcessingProgressDialog::ProcessingProgressDialog() : QProgressDialog(nullptr, Qt::WindowFlags()) {
  QFont font(kDialogFont);
  // xcb reads the class when it creates the first window, which is this one.
  QCoreApplication::setApplicationName(kDesktopName);
  QGuiApplication::setDesktopFileName(kDesktopName);

  m_label = new QLabel;
  m_label->setWordWrap(true);
  setLabel(m_label);
  setWindowTitle(StrTable::LoadStr(StrTable::app_name));
  setWindowFlags(Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
  setValue(0);
  setRange(0, kPercent);
  setLabelText(StrTable::LoadStr(StrTable::desc_nmbr_env_preparing));
  setFont(font);
  setFixedWidth(kDialogWidth);
  setModal(true);
  setWindowModality(Qt::WindowModal);
  setStyleSheet(kDialogStyle);
}

// The icon is set when the dialog is first shown, not when it is built:
// QIcon decodes every file it is given at once, and a launch with nothing
// to install, which never shows the dialog, would pay for ten images.
void ProcessingProgressDialog::showEvent(QShowEvent* event) {
  if (!m_icon_set) {
    const QString images =
        QString::fromUtf8((Service::GetRootNimboraResourceInstallPath() + "/images/").c_str());
    QIcon icon;
    for (int size : kIconSizes)
      icon.addFile(images + QString("ico_%1_nimbora.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    m_icon_set = true;
  }
  QProgressDialog::showEvent(event);
}

void ProcessingProgressDialog::EnableHighDpi() {
  // The user's QT_AUTO_SCREEN_SCALE_FACTOR=0 or QT_ENABLE_HIGHDPI_SCALING=0
  // still turns the scaling off, and QT_SCALE_FACTOR still applies on top.
  QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
  QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
}

// QProgressDialog sizes itself by its label's size hint, which for a
// wrapping label is a guess at some other width. The height here is the
// one the label needs at the width that the dialog's layout gives it.
QSize ProcessingProgressDialog::sizeHint() const {
  QSize hint = QProgressDialog::sizeHint();
  if (!m_label) return hint;
  const int margins =
      2 * qMin(width() / 10, style()->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, this));
  const int needed = m_label->heightForWidth(width() - margins);
  if (needed > 0) hint.setHeight(hint.height() - m_label->sizeHint().height() + needed);
  return hint;
}

ProcessingProgressDialog::~ProcessingProgressDialog() = default;

// Esc ends up here. QDialog would hide the dialog in the middle of an upgrade.
void ProcessingProgressDialog::reject() {}

// A close from the window manager: QProgressDialog would emit canceled() and
// hide itself, and with the last window gone the application would quit
// while the worker thread is still extracting.
void ProcessingProgressDialog::closeEvent(QCloseEvent* event) { event->ignore(); }

// ----------------------------------------------------------------------- Worker

Worker::Worker() : Worker(new LinuxService) {}

Worker::Worker(Service* service) : QObject(nullptr), m_service(service) {
  m_handler_thread = new HandlerThread;
  moveToThread(m_handler_thread);
}

Worker::~Worker() {
  delete m_handler_thread;
  delete m_service;
}

void Worker::StartThread() { m_handler_thread->start(QThread::InheritPriority); }

void Worker::QuitThread() { m_handler_thread->quit(); }

void Worker::JoinThread() { m_handler_thread->wait(); }

void Worker::HandleServicce() {
  if (m_launched) return;
  m_launched = true;
  JobGuard::RunsTheJob();

  LOG_MSG(L_DEBUG, "launcher_debug", "[DEBUG] launcher(%d): running\n");
  m_service->PreUpgrade();
  if (!m_service->IsNeedUpgrade()) {
    LOG_MSG(L_DEBUG, "launcher_debug", "[DEBUG] launcher(%d): no need to upgrade\n");
  } else {
    emit sigShowMsg();
    if (m_service->HandlePackageUpgrade() != 0) {
      LOG_MSG(L_ERR, "launcher_debug", "[ERROR] launcher(%d): Failed to upgrade package\n");
    } else {
      emit sigUpdateProgress(kPercent, kPercent);
      emit sigSetLabelText(StrTable::LoadStr(StrTable::desc_nmbr_env_preparation_done));
    }
  }
  m_service->RemoveAgedFolders();
  m_service->PostUpgrade();
  LOG_MSG(L_DEBUG, "launcher_debug", "[DEBUG] launcher(%d): done\n");
  JobGuard::Done();
  emit sigServiceDone();
}

// --------------------------------------------------------------------- Launcher

Launcher::Launcher() : Launcher(nullptr) {}

Launcher::Launcher(Service* service) : QObject(nullptr) {
  m_worker = service ? new Worker(service) : new Worker;

  // Hiding the dialog must never end the event loop: only LaunchDone may,
  // after the worker thread has been joined.
  QGuiApplication::setQuitOnLastWindowClosed(false);

  connect(this, SIGNAL(sigStart()), m_worker, SLOT(HandleServicce()));
  connect(m_worker, SIGNAL(sigShowMsg()), this, SLOT(ShowMsgBox()));
  connect(m_worker, SIGNAL(sigServiceDone()), this, SLOT(LaunchDone()));
  connect(m_worker, SIGNAL(sigUpdateProgress(int, int)), this, SLOT(UpdateProgress(int, int)));
  connect(m_worker, SIGNAL(sigSetLabelText(QString)), this, SLOT(SetLabelText(QString)));
  connect(Notify_Adapter::GetInstance(), SIGNAL(sigUpdateProgress(int, int)), this,
          SLOT(UpdateProgress(int, int)));
  connect(Notify_Adapter::GetInstance(), SIGNAL(sigUpdateDialogText(QString)), this,
          SLOT(SetLabelText(QString)));
}

Launcher::~Launcher() {
  delete m_worker;
  delete m_progress;
}

void Launcher::Run() { m_worker->StartThread(); }

void Launcher::Start() { emit sigStart(); }

// Built when first needed: a launch that finds the copy current shows no
// dialog and does not pay for building one (the first widget of a process
// sets up its style, fonts and palette).
ProcessingProgressDialog* Launcher::Progress() {
  if (!m_progress) {
    m_progress = new ProcessingProgressDialog;
    m_progress->setCancelButton(nullptr);
    m_progress->setAutoReset(false);
  }
  return m_progress;
}

void Launcher::UpdateProgress(int total, int steps) {
  // The value the extractor's held reports are sent by.
  const std::optional<int64_t> percent = ProgressPercent(steps, total);
  if (!percent) return;
  Progress()->setValue(static_cast<int>(qBound<qint64>(INT_MIN, *percent, INT_MAX)));
}

void Launcher::SetLabelText(const QString& label) { Progress()->setLabelText(label); }

void Launcher::ShowMsgBox() { Progress()->show(); }

void Launcher::LaunchDone() {
  if (m_progress) {
    m_progress->setValue(kPercent);
    m_progress->hide();
  }
  m_worker->QuitThread();
  m_worker->JoinThread();
  QCoreApplication::quit();
}

#include "launcher.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <climits>

#include "adapter.h"
#include "cloud-service.h"
#include "linux/linux-service.h"
#include "log.h"
#include "strtab.h"

namespace {

constexpr int kDialogWidth = 400;
constexpr int kPercent = 100;
const char kDialogFont[] = "Arial";
const char kDialogStyle[] = " QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } ";

}  // namespace

// ---------------------------------------------------------------- HandlerThread

HandlerThread::HandlerThread() : QThread(nullptr) {}

HandlerThread::~HandlerThread() = default;

void HandlerThread::run() { exec(); }

// ----------------------------------------------------- ProcessingProgressDialog

ProcessingProgressDialog::ProcessingProgressDialog() : QProgressDialog(nullptr, Qt::WindowFlags()) {
  QFont font(kDialogFont);
  const QString icon_path = QString::fromUtf8(
      (Service::GetRootNimboraResourceInstallPath() + "/images/ico_72_nimbora.png").c_str());
  setWindowTitle(StrTable::LoadStr(StrTable::app_name));
  setWindowIcon(QIcon(icon_path));
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
  emit sigServiceDone();
}

// --------------------------------------------------------------------- Launcher

Launcher::Launcher() : Launcher(nullptr) {}

Launcher::Launcher(Service* service) : QObject(nullptr) {
  m_worker = service ? new Worker(service) : new Worker;
  m_progress = new ProcessingProgressDialog;
  m_progress->setCancelButton(nullptr);
  m_progress->setAutoReset(false);

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

void Launcher::UpdateProgress(int total, int steps) {
  if (total <= 0) return;
  // 64-bit so that a huge entry count cannot overflow; the result is the
  // same truncated percentage (7 of 13 gives 53).
  const qint64 percent = static_cast<qint64>(steps) * kPercent / total;
  m_progress->setValue(static_cast<int>(qBound<qint64>(INT_MIN, percent, INT_MAX)));
}

void Launcher::SetLabelText(const QString& label) { m_progress->setLabelText(label); }

void Launcher::ShowMsgBox() { m_progress->show(); }

void Launcher::LaunchDone() {
  m_progress->setValue(kPercent);
  m_progress->hide();
  m_worker->QuitThread();
  m_worker->JoinThread();
  QCoreApplication::quit();
}

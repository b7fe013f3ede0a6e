// The launcher's runtime core: a small progress dialog on the main thread and
// a worker on its own thread that runs the launch sequence once and reports
// to the dialog only through queued signals.
#pragma once

#include <QObject>
#include <QProgressDialog>
#include <QString>
#include <QThread>

class Service;
class QCloseEvent;
class QLabel;
class QShowEvent;

// The worker's thread: nothing but an event loop for the worker's slots.
class HandlerThread : public QThread {
  Q_OBJECT

 public:
  HandlerThread();
  ~HandlerThread() override;

 protected:
  void run() override;
};

// The dialog shown while the per-user copy is prepared. It has no cancel
// button, and it cannot be closed by the user either: neither a close from
// the window manager nor Esc may hide it before the launch is done. Its
// label wraps a text wider than the dialog, and the dialog grows in height.
class ProcessingProgressDialog : public QProgressDialog {
  Q_OBJECT

 public:
  ProcessingProgressDialog();
  ~ProcessingProgressDialog() override;

  // Qt's high-DPI scaling and sharp pixmaps; to be called before the
  // application object is built, which reads these attributes.
  static void EnableHighDpi();

  QSize sizeHint() const override;

 public slots:
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* m_label = nullptr;  // owned by the dialog
  bool m_icon_set = false;
};

class Worker : public QObject {
  Q_OBJECT

 public:
  Worker();
  // Runs the launch sequence on `service` (owned from here on) instead of
  // the Linux service; used to drive the worker with a stand-in service.
  explicit Worker(Service* service);
  ~Worker() override;

  void StartThread();
  void QuitThread();
  void JoinThread();

 signals:
  void sigServiceDone();
  void sigShowMsg();
  void sigUpdateProgress(int, int);
  void sigSetLabelText(const QString&);

 private slots:
  void HandleServicce();

 private:
  HandlerThread* m_handler_thread = nullptr;
  Service* m_service = nullptr;
  // Touched only on the handler thread; a second start request must not
  // upgrade and start the client again.
  bool m_launched = false;
};

class Launcher : public QObject {
  Q_OBJECT

 public:
  Launcher();
  // As Launcher(), with the worker running on `service` (owned).
  explicit Launcher(Service* service);
  ~Launcher() override;

  void Run();
  void Start();

 signals:
  void sigStart();

 private slots:
  void LaunchDone();
  void UpdateProgress(int total, int steps);
  void SetLabelText(const QString& label);
  void ShowMsgBox();

 private:
  ProcessingProgressDialog* Progress();

  Worker* m_worker = nullptr;
  ProcessingProgressDialog* m_progress = nullptr;  // built by Progress()
};

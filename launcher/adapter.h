// Process-wide relay through which code without access to the launcher
// (the archive extractor) reports progress to the dialog. It only emits
// signals; the launcher connects them to its slots.
#pragma once

#include <QObject>
#include <QString>

class Notify_Adapter : public QObject {
  Q_OBJECT

 public:
  static Notify_Adapter* GetInstance();

  void UpdateProgress(int total, int step);
  void UpdateDialogText(QString text);

 signals:
  void sigUpdateProgress(int total, int current);
  void sigUpdateDialogText(QString);

 private:
  Notify_Adapter() = default;
  ~Notify_Adapter() override = default;
  Q_DISABLE_COPY(Notify_Adapter)
};

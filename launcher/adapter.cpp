#include "adapter.h"

Notify_Adapter* Notify_Adapter::GetInstance() {
  // Constructed on first use; the language guards concurrent first calls.
  static Notify_Adapter instance;
  return &instance;
}

void Notify_Adapter::UpdateProgress(int total, int step) { emit sigUpdateProgress(total, step); }

void Notify_Adapter::UpdateDialogText(QString text) { emit sigUpdateDialogText(text); }

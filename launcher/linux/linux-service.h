// Linux implementation of the installation service: stops the per-user
// client through its pid file and signals, starts it through its start
// script, and drives the upgrade decision.
#pragma once

#include "cloud-service.h"

class LinuxService : public Service {
 public:
  LinuxService();
  ~LinuxService() override;

  static LinuxService& GetInstace();

  void StopService() override;
  int HandlePackageUpgrade() override;
  void PostUpgrade() override;
  void PreUpgrade() override;
  bool IsNeedUpgrade() override;

 private:
  bool PerUserBinPathExist();
  int LaunchPerUserBin();
  void LoadTargetVerInfo();
  void LoadSourceVerInfo();
  bool HoldsBack(const UpgradeAttempt& attempt);
  bool HasRoomForNewCopy();
};

// Linux implementation of the installation service: stops the per-user
// client through its pid file and signals, starts it through its start
// script, and drives the upgrade decision.
#pragma once

#include <cstdint>

#include "cloud-service.h"

class ClientIdentity;

class LinuxService : public Service {
 public:
  LinuxService();
  ~LinuxService() override = default;

  static LinuxService& GetInstace();

  void StopService() override;
  int HandlePackageUpgrade() override;
  void PostUpgrade() override;
  void PreUpgrade() override;
  bool IsNeedUpgrade() override;

 protected:
  // How long a client has to end after SIGTERM before it is killed.
  int stop_wait_ms;

 private:
  bool PerUserBinPathExist();
  int LaunchPerUserBin();
  void LoadTargetVerInfo();
  void LoadSourceVerInfo();
  bool HoldsBack(const UpgradeAttempt& attempt);

  // What the client of a new copy has shown so far.
  enum class ClientSign { kRuns, kStarting, kNone };

  void SettleCurrentCopy(UpgradeAttempt& attempt);
  void JudgeNewCopy(int start_status);
  ClientSign LookForSign() const;
  ClientSign SignOf(const ClientIdentity& client) const;
  void FallBack(const char* why);

  // Probation: the wall-clock second from which a pid file of the new
  // client counts (the commit, or the start of the attempt that made it).
  int64_t probation_since = 0;
  bool HasRoomForNewCopy();
};

#include "linux/linux-service.h"

// Placeholder bodies; the real ones follow.
LinuxService::LinuxService() { timeout = 10000; }
LinuxService::~LinuxService() {}
LinuxService& LinuxService::GetInstace() {
  static LinuxService instance;
  return instance;
}
void LinuxService::StopService() {}
int LinuxService::HandlePackageUpgrade() { return -1; }
void LinuxService::PostUpgrade() {}
void LinuxService::PreUpgrade() {}
bool LinuxService::IsNeedUpgrade() { return false; }
bool LinuxService::PerUserBinPathExist() { return false; }
int LinuxService::LaunchPerUserBin() { return 0; }
void LinuxService::LoadTargetVerInfo() {}
void LinuxService::LoadSourceVerInfo() {}

#include "linux/package_info.h"

#include "cloud-service.h"

PackageInfo::PackageInfo()
    : ImageFolder("/opt/Zorvane/Nimbora/images"),
      // Not the per-user directory: a folder of its own below the home.
      LogFolder(Service::GetUserInstallPath() + "/.Nimbora"),
      LogLevelPath("/opt/Zorvane/Nimbora/log/launcher.debug"),
      PackagePath("/opt/Zorvane/Nimbora/package/nimbora.nbpk"),
      ConfigFolder("/opt/Zorvane/Nimbora/conf") {}

PackageInfo& PackageInfo::GetInstance() {
  static PackageInfo instance;
  return instance;
}

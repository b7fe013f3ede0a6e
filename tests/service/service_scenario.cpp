// The scenarios that need a system tree: the cases copy this program into a
// temporary tree (the system root is the parent of the executable's folder)
// and run it there as "service_scenario --scenario NAME".
#include <pthread.h>
#include <signal.h>

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "linux/package_info.h"
#include "log.h"
#include "strtab.h"
#include "test_service.h"

namespace {

int RunScenario(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  StrTable::InitStrTable();
  const std::string scenario = argv[2];
  // Composing paths writes nothing (it also runs without HOME, where the
  // home is the real one of the user running the tests).
  if (scenario == "paths") {
    printf("home=%s\nroot=%s\nresource=%s\nuser=%s\napp=%s\ndata=%s\n", Service::GetUserInstallPath().c_str(),
           Service::GetRootNimboraInstallPath().c_str(), Service::GetRootNimboraResourceInstallPath().c_str(),
           Service::GetUserNimboraInstallPath().c_str(), Service::GetUserNimboraAppInstallPath().c_str(),
           Service::GetUserNimboraDataInstallPath().c_str());
    printf("package_info=%s|%s\n", PackageInfo::GetInstance().GetPackagePath().c_str(),
           PackageInfo::GetInstance().GetLogFolder().c_str());
    return 0;
  }
  const ustring home = Service::GetUserInstallPath();
  Logger::Initialize(Logger::FILE_LOGGER, home + "/service.log",
                     Service::GetRootNimboraInstallPath() + "/log/launcher.debug", 50);
  TestService s;
  if (scenario == "decide") {
    s.PreUpgrade();
    printf("need=%d\n", s.IsNeedUpgrade() ? 1 : 0);
  } else if (scenario == "prepare") {
    printf("result=%d\n", s.Prepare());
  } else if (scenario == "upgrade" || scenario == "upgrade-guarded") {
    if (scenario == "upgrade-guarded") {
      sigset_t blocked;
      sigemptyset(&blocked);
      sigaddset(&blocked, SIGTERM);
      sigaddset(&blocked, SIGUSR1);
      pthread_sigmask(SIG_BLOCK, &blocked, nullptr);
      signal(SIGPIPE, SIG_IGN);
    }
    // The worker's road.
    s.PreUpgrade();
    if (s.IsNeedUpgrade()) printf("upgrade=%d\n", s.HandlePackageUpgrade());
    s.RemoveAgedFolders();
    s.PostUpgrade();
  } else {
    fprintf(stderr, "unknown scenario %s\n", scenario.c_str());
    return 2;
  }
  fflush(stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || strcmp(argv[1], "--scenario") != 0) {
    fprintf(stderr, "usage: %s --scenario NAME\n", argv[0]);
    return 2;
  }
  return RunScenario(argc, argv);
}

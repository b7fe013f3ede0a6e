#include "cloud-service.h"

// Placeholder bodies; the real ones follow.
Service::Service() {}
Service::~Service() {}
void Service::SetTimeout(int t) { timeout = t; }
int Service::ExtractPackage() { return -1; }
void Service::LoadSourceVersion() {}
void Service::LoadTargetVersion() {}
int Service::PrepareUserEnv() { return -1; }
void Service::RemoveAgedFolders() {}
ustring Service::GetUserInstallPath() { return ustring(); }
ustring Service::GetRootNimboraInstallPath() { return ustring(); }
ustring Service::GetRootNimboraResourceInstallPath() { return ustring(); }
ustring Service::GetUserNimboraInstallPath() { return ustring(); }
ustring Service::GetUserNimboraAppInstallPath() { return ustring(); }
ustring Service::GetUserNimboraDataInstallPath() { return ustring(); }
int Service::FSCopyPath(const ustring&, const ustring&) { return -1; }

// Runs one file operation on the command line and prints its results, so that
// the tests can call the operations as another (unprivileged) user. The
// operations' messages go to standard error (the logger is not set up).
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "file-op.h"

namespace {

int info(const char* path) {
  FILE_INFO rec;
  rec.path = "sentinel";
  rec.size = 4242;
  rec.isExist = true;
  const int rc = GetFileInfo(path, rec);
  FILE_INFO st;
  printf("rc=%d stat=%d exists=%d record=%s/%llu/%d\n", rc, FSStat(path, st), IsFileExist(path) ? 1 : 0,
         rec.path.c_str(), static_cast<unsigned long long>(rec.size), rec.isExist ? 1 : 0);
  return 0;
}

int list_with_info(const char* path) {
  DIR_HANDLE dh;
  if (FSOpenDir(path, FS_READDIR_STAT, dh) != 0) {
    printf("open=-1\n");
    return 0;
  }
  DIR_ENTRY e;
  int rc;
  while ((rc = FSReadDir(dh, e)) == 1) {
  }
  printf("read=%d\n", rc);
  FSCloseDir(dh);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: fileop_probe info|access|remove|mkdir|copy|list PATH [ARG]\n");
    return 2;
  }
  const std::string cmd = argv[1];
  const char* path = argv[2];
  const char* arg = argc > 3 ? argv[3] : "";
  if (cmd == "info") return info(path);
  if (cmd == "access") {
    const int flag = atoi(arg);
    printf("locked=%d permitted=%d\n", isFileLocked(path, flag) ? 1 : 0,
           hasFilePermission(path, flag) ? 1 : 0);
    return 0;
  }
  if (cmd == "remove") return printf("rc=%d\n", FSRemove(path)) < 0;
  if (cmd == "mkdir") return printf("rc=%d\n", FSMKDir(path, true)) < 0;
  if (cmd == "copy") return printf("rc=%d\n", FSCopy(path, arg)) < 0;
  if (cmd == "list") return list_with_info(path);
  fprintf(stderr, "unknown command %s\n", cmd.c_str());
  return 2;
}

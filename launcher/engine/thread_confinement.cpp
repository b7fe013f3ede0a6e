#include "thread_confinement.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <iconv.h>
#include <linux/landlock.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>

#include "log.h"
#include "unique-fd.h"

// Rights of later ABIs than the headers of the build machine may know.
#ifndef LANDLOCK_ACCESS_FS_TRUNCATE
#define LANDLOCK_ACCESS_FS_TRUNCATE (1ULL << 14)
#endif
#ifndef LANDLOCK_ACCESS_FS_IOCTL_DEV
#define LANDLOCK_ACCESS_FS_IOCTL_DEV (1ULL << 15)
#endif

namespace {

// Hard links and renames from one folder of the copy to another need the
// right to "refer", which Landlock handles from ABI 2 on; under ABI 1 they
// would always be refused.
constexpr int kMinimumAbi = 2;

constexpr uint64_t kAbi1Rights =
    LANDLOCK_ACCESS_FS_EXECUTE | LANDLOCK_ACCESS_FS_WRITE_FILE | LANDLOCK_ACCESS_FS_READ_FILE |
    LANDLOCK_ACCESS_FS_READ_DIR | LANDLOCK_ACCESS_FS_REMOVE_DIR | LANDLOCK_ACCESS_FS_REMOVE_FILE |
    LANDLOCK_ACCESS_FS_MAKE_CHAR | LANDLOCK_ACCESS_FS_MAKE_DIR | LANDLOCK_ACCESS_FS_MAKE_REG |
    LANDLOCK_ACCESS_FS_MAKE_SOCK | LANDLOCK_ACCESS_FS_MAKE_FIFO | LANDLOCK_ACCESS_FS_MAKE_BLOCK |
    LANDLOCK_ACCESS_FS_MAKE_SYM;

// The rights that apply to a file rather than to a folder's entries.
constexpr uint64_t kFileRights = LANDLOCK_ACCESS_FS_EXECUTE | LANDLOCK_ACCESS_FS_WRITE_FILE |
                                 LANDLOCK_ACCESS_FS_READ_FILE | LANDLOCK_ACCESS_FS_TRUNCATE |
                                 LANDLOCK_ACCESS_FS_IOCTL_DEV;

constexpr uint64_t kReadRights = LANDLOCK_ACCESS_FS_READ_FILE | LANDLOCK_ACCESS_FS_READ_DIR;

// The log is appended to, and rotated by renames within its folder.
constexpr uint64_t kLogRights = kReadRights | LANDLOCK_ACCESS_FS_WRITE_FILE | LANDLOCK_ACCESS_FS_MAKE_REG |
                                LANDLOCK_ACCESS_FS_REMOVE_FILE;

// The ABI the kernel offers, or minus the errno of the question.
int LandlockAbi() {
  static const int abi = [] {
    const long r = syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION);
    return r < 0 ? -errno : static_cast<int>(r);
  }();
  return abi;
}

// Every file-system right the ABI can handle: all of them are refused
// unless a rule allows them.
uint64_t HandledRights(int abi) {
  uint64_t rights = kAbi1Rights | LANDLOCK_ACCESS_FS_REFER;
  if (abi >= 3) rights |= LANDLOCK_ACCESS_FS_TRUNCATE;
  if (abi >= 5) rights |= LANDLOCK_ACCESS_FS_IOCTL_DEV;
  return rights;
}

ustring Folder(const ustring& path) {
  const std::string p = path.c_str();
  const size_t slash = p.rfind('/');
  if (slash == std::string::npos) return ustring(".");
  return ustring(slash == 0 ? "/" : p.substr(0, slash).c_str());
}

// libarchive converts names of some formats (zip, ISO 9660) through iconv,
// which loads the C library's modules from the folder beside it on first use.
ustring CharsetModules() {
  Dl_info info;
  if (dladdr(reinterpret_cast<void*>(&iconv_open), &info) == 0 || !info.dli_fname) return ustring();
  return Folder(ustring(info.dli_fname)) + "/gconv";
}

// Allows `access` beneath path (on a file, its file rights). A path that
// does not exist needs no rule; false only when the kernel refuses one.
bool AddRule(int ruleset, const ustring& path, uint64_t access, uint64_t handled) {
  if (path.empty()) return true;
  UniqueFd fd(open(path.c_str(), O_PATH | O_CLOEXEC));
  struct stat st;
  if (!fd || fstat(fd.get(), &st) != 0) return true;
  struct landlock_path_beneath_attr beneath = {};
  beneath.allowed_access = access & handled & (S_ISDIR(st.st_mode) ? ~uint64_t{0} : kFileRights);
  beneath.parent_fd = fd.get();
  return syscall(SYS_landlock_add_rule, ruleset, LANDLOCK_RULE_PATH_BENEATH, &beneath, 0) == 0;
}

void Unconfined(const char* who, const char* why, const char* detail) {
  LOG_MSG(L_DEBUG, "extractor_debug", "[DEBUG] extractor(%d): %s runs unconfined: %s%s\n", who, why, detail);
}

}  // namespace

bool ConfineThisThread(const ustring& folder, const char* who) {
  const int abi = LandlockAbi();
  if (abi < 0) {
    Unconfined(who, "Landlock is not available, ", strerror(-abi));
    return false;
  }
  if (abi < kMinimumAbi) {
    Unconfined(who, "Landlock ABI ",
               (std::to_string(abi) + " cannot allow hard links inside a folder").c_str());
    return false;
  }
  const uint64_t handled = HandledRights(abi);
  struct landlock_ruleset_attr attr = {};
  attr.handled_access_fs = handled;
  UniqueFd ruleset(static_cast<int>(syscall(SYS_landlock_create_ruleset, &attr, sizeof attr, 0)));
  if (!ruleset) {
    Unconfined(who, "cannot create a Landlock ruleset, ", strerror(errno));
    return false;
  }
  bool added = AddRule(ruleset.get(), CharsetModules(), kReadRights, handled);
  const ustring log = Logger::FilePath();
  if (!log.empty()) added = AddRule(ruleset.get(), Folder(log), kLogRights, handled) && added;
  // A folder that cannot be opened would leave the thread unable to work.
  UniqueFd probe(open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (!probe) {
    Unconfined(who, "cannot open the folder it writes, ", strerror(errno));
    return false;
  }
  // Executing is no part of writing a copy.
  added = AddRule(ruleset.get(), folder, handled & ~LANDLOCK_ACCESS_FS_EXECUTE, handled) && added;
  if (!added) {
    Unconfined(who, "Landlock refused a rule, ", strerror(errno));
    return false;
  }
  // Applies to this thread only, as does the restriction below.
  if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 ||
      syscall(SYS_landlock_restrict_self, ruleset.get(), 0) != 0) {
    Unconfined(who, "cannot restrict itself, ", strerror(errno));
    return false;
  }
  LOG_MSG(L_DEBUG, "extractor_debug", "[DEBUG] extractor(%d): %s confined by Landlock ABI %d\n", who, abi);
  return true;
}

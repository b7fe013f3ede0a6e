// Extractor: any archive bytes are extracted (or refused) without a crash, a
// hang or a single write outside the target folder.
#include <dirent.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "extractor.h"
#include "fuzz_file.h"
#include "log.h"

namespace {

// Names in the sandbox folder: the archive, the target and the level file;
// anything else was written outside the target.
bool only_expected_entries(const std::string& dir) {
  DIR* d = opendir(dir.c_str());
  if (!d) return false;
  bool ok = true;
  while (dirent* e = readdir(d)) {
    std::string n = e->d_name;
    if (n != "." && n != ".." && n != "package.nbpk" && n != "app" && n != "levels") ok = false;
  }
  closedir(d);
  return ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = [] {
    // Errors are expected on almost every input: a level file below
    // L_ERR keeps them out of the way. (A file logger on /dev/null would
    // rotate it away after a mebibyte and create a regular file there.)
    const std::string levels = fuzz::scratch_dir() + "/levels";
    const char text[] = "extractor_debug=0\nfile_op_debug=0\nservice_debug=0\n";
    fuzz::write_all(levels, reinterpret_cast<const uint8_t*>(text), sizeof text - 1);
    Logger::Initialize(Logger::STDERR_LOGGER, "", levels.c_str(), 50);
    return true;
  }();
  (void)quiet;
  const std::string sandbox = fuzz::scratch_dir();
  const std::string archive = sandbox + "/package.nbpk";
  const std::string target = sandbox + "/app";
  fuzz::write_all(archive, data, size);
  mkdir(target.c_str(), 0700);

  Extractor extractor;
  extractor.SetSource(archive.c_str());
  extractor.SetTarget(target.c_str());
  extractor.Extract();

  if (!only_expected_entries(sandbox)) abort();
  // Read-only folders from the archive would stop the removal.
  chmod(target.c_str(), 0700);
  fuzz::remove_tree(target);
  return 0;
}

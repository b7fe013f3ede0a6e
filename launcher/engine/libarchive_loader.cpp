#include "libarchive_loader.h"

#include <dlfcn.h>

#include "log.h"

namespace {

constexpr char kLibArchiveName[] = "libarchive.so.13";
static_assert(ARCHIVE_VERSION_NUMBER / 1000000 == 3, "libarchive 3 has the soname libarchive.so.13");

// How one function of the list is looked up and stored.
struct Symbol {
  const char* name;
  void (*store)(LibArchive& lib, void* address);
};

#define NIMBORA_LIBARCHIVE_SYMBOL(fn) \
  {#fn, [](LibArchive& lib, void* address) { lib.fn = reinterpret_cast<decltype(lib.fn)>(address); }},
constexpr Symbol kSymbols[] = {NIMBORA_LIBARCHIVE_FUNCTIONS(NIMBORA_LIBARCHIVE_SYMBOL)};
#undef NIMBORA_LIBARCHIVE_SYMBOL

}  // namespace

LibArchive::LibArchive() {
  void* handle = dlopen(kLibArchiveName, RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = dlerror();
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Failed to load '%s': %s\n", kLibArchiveName,
            why ? why : "");
    return;
  }
  if (!Bind(handle)) {
    Clear();
    dlclose(handle);
    return;
  }
  loaded_ = true;
}

// Looks every function up; false at the first one missing, with its name.
bool LibArchive::Bind(void* handle) {
  for (const Symbol& symbol : kSymbols) {
    void* address = dlsym(handle, symbol.name);
    if (!address) {
      LOG_MSG(L_ERR, "extractor_debug",
              "[ERROR] extractor(%d): '%s' lacks functions the extractor needs: '%s'\n", kLibArchiveName,
              symbol.name);
      return false;
    }
    symbol.store(*this, address);
  }
  return true;
}

void LibArchive::Clear() {
  for (const Symbol& symbol : kSymbols) symbol.store(*this, nullptr);
}

const LibArchive& Lib() {
  static const LibArchive lib;
  return lib;
}

#include "decoder_libraries.h"

#include <dlfcn.h>

#include <atomic>

#include "log.h"

namespace {

constexpr char kIsalName[] = "libisal.so.2";
// liblzma 5.4 added the multi-threaded decoder without a new soname.
constexpr char kLzmaName[] = "liblzma.so.5";

std::atomic<bool> g_disabled{false};

struct Symbol {
  const char* name;
  void (*store)(DecoderLibraries& lib, void* address);
};

#define NIMBORA_DECODER_SYMBOL(fn) \
  {#fn, [](DecoderLibraries& lib, void* address) { lib.fn = reinterpret_cast<decltype(lib.fn)>(address); }},
constexpr Symbol kIsalSymbols[] = {NIMBORA_ISAL_FUNCTIONS(NIMBORA_DECODER_SYMBOL)};
constexpr Symbol kLzmaSymbols[] = {NIMBORA_LZMA_FUNCTIONS(NIMBORA_DECODER_SYMBOL)};
#undef NIMBORA_DECODER_SYMBOL

// Loads one library and stores all of its functions, or none; a library
// that is missing is no failure, only the slower road.
template <size_t N>
void Load(DecoderLibraries& lib, const char* soname, const Symbol (&symbols)[N]) {
  void* handle = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = dlerror();
    LOG_MSG(L_DEBUG, "extractor_debug", "[DEBUG] extractor(%d): '%s' not loaded, libarchive decodes: %s\n",
            soname, why ? why : "");
    return;
  }
  for (const Symbol& symbol : symbols) {
    if (dlsym(handle, symbol.name)) continue;
    LOG_MSG(L_DEBUG, "extractor_debug", "[DEBUG] extractor(%d): '%s' lacks '%s', libarchive decodes\n",
            soname, symbol.name);
    dlclose(handle);
    return;
  }
  for (const Symbol& symbol : symbols) symbol.store(lib, dlsym(handle, symbol.name));
}

}  // namespace

DecoderLibraries::DecoderLibraries() {
  Load(*this, kIsalName, kIsalSymbols);
  Load(*this, kLzmaName, kLzmaSymbols);
}

const DecoderLibraries& Decoders() {
  static const DecoderLibraries loaded;
  static const DecoderLibraries none{DecoderLibraries::None{}};
  return g_disabled.load(std::memory_order_relaxed) ? none : loaded;
}

void SetDecodersDisabledForTest(bool disabled) { g_disabled.store(disabled, std::memory_order_relaxed); }

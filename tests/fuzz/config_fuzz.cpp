// Key/value reader: any file content gives either every pair or none, and a
// stored pair is made only of key and value characters.
#include <cstdint>
#include <cstdlib>

#include "config.h"
#include "fuzz_file.h"

namespace {

bool key_char(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' || c == '_' ||
         c == '.';
}
bool value_char(unsigned char c) { return c >= 32 && c != 127; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = fuzz::scratch_dir() + "/config";
  fuzz::write_all(path, data, size);

  Config config;
  int result = config.read(path.c_str());
  if (result != 0 && !config.items().empty()) abort();
  for (const auto& [key, value] : config.items()) {
    for (size_t i = 0; i < key.length(); ++i)
      if (!key_char(static_cast<unsigned char>(key[i]))) abort();
    for (size_t i = 0; i < value.length(); ++i)
      if (!value_char(static_cast<unsigned char>(value[i]))) abort();
  }
  return 0;
}

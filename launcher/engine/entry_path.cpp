#include "entry_path.h"

#include "install-folder.h"

EntryPlace PlaceOf(const std::string& name) {
  size_t named = 0;
  bool info = false;
  size_t pos = 0;
  while (pos <= name.size()) {
    size_t end = name.find('/', pos);
    if (end == std::string::npos) end = name.size();
    std::string part = name.substr(pos, end - pos);
    if (!part.empty() && part != ".") {
      ++named;
      info = (named == 1 && part == kInfoName);
    }
    pos = end + 1;
  }
  if (named == 0) return EntryPlace::kTargetItself;
  return (named == 1 && info) ? EntryPlace::kInfo : EntryPlace::kBelow;
}

ustring PathBelow(const ustring& dest, const std::string& name) {
  if (PlaceOf(name) == EntryPlace::kInfo) return dest + "/" + kPendingInfoName;
  return dest + "/" + ustring(name);
}

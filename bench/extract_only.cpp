// bench-extract ARCHIVE DIR [ENTRIES]: the launcher's extractor alone, as the
// upgrade runs it (counting, extraction, flush and commit of INFO), with its
// progress reports going to a relay that nothing listens to. DIR must exist.
// ENTRIES, the count a system INFO declares, replaces the counting pass.
#include <cstdio>
#include <cstdlib>

#include "extractor.h"
#include "ustring.h"

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    fprintf(stderr, "usage: bench-extract ARCHIVE DIR [ENTRIES]\n");
    return 2;
  }
  Extractor extractor;
  extractor.SetSource(ustring(argv[1]));
  extractor.SetTarget(ustring(argv[2]));
  if (argc == 4) extractor.SetDeclaredEntryCount(atoi(argv[3]));
  return extractor.Extract() == 0 ? 0 : 1;
}

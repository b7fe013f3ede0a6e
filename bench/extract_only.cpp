// bench-extract ARCHIVE DIR: the launcher's extractor alone, as the upgrade
// runs it (counting, extraction, flush and commit of INFO), with its progress
// reports going to a relay that nothing listens to. DIR must exist.
#include <cstdio>

#include "extractor.h"
#include "ustring.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: bench-extract ARCHIVE DIR\n");
    return 2;
  }
  Extractor extractor;
  extractor.SetSource(ustring(argv[1]));
  extractor.SetTarget(ustring(argv[2]));
  return extractor.Extract() == 0 ? 0 : 1;
}

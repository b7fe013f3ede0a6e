// Extractor: unpacks the package archive (any format and compression that
// libarchive reads) below a target folder, one progress report per entry.
#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "ustring.h"

struct archive;
class ExtractionWatch;
class EntryProgress;
class PackageFile;

class Extractor {
 public:
  Extractor() {}
  ~Extractor() {}

  void SetSource(const ustring& source) { this->source = source; }
  void SetTarget(const ustring& target) { this->target = target; }
  // Files (paths relative to the target) without which the extracted copy
  // is of no use: each must be a regular file, reached without symbolic
  // links and executable by its owner, or the extraction fails before the
  // copy's INFO is put in place.
  void SetRequiredExecutables(const std::vector<ustring>& paths) { required = paths; }
  // The number of entries the package says it holds (from its INFO), 0 when
  // it says nothing. A positive number is the progress total and replaces
  // the counting pass, so the archive is decompressed once; the extraction
  // must still write exactly that many entries, or it fails.
  void SetDeclaredEntryCount(int count) { declared_count_ = count > 0 ? count : 0; }
  // Receives (total, steps) as the entries are written; none when not set.
  void SetProgressSink(std::function<void(int total, int steps)> sink) { progress_sink_ = std::move(sink); }

  // Extracts the whole archive below target: 0, or -1 on any failure. The
  // archive's top-level INFO is put in place last, after every other entry
  // is written and flushed, so a copy that holds INFO is complete: it must
  // be a regular file, the required executables must be there, and the
  // target path must still name the folder the entries were written into.
  // A tar archive must end with its end-of-archive marker.
  // Without a declared count, a counting pass reads the whole package before
  // anything is written. A regular file is opened once, and both passes read
  // that open file.
  // The extraction is given up (-1) when it stalls or its memory grows past
  // a bound no honest package needs, although libarchive never returns.
  int Extract();
  // After a failed Extract: it was given up in the flush after the last
  // entry, during which the disk wrote nothing back. The disk's fault, not
  // the package's.
  bool disk_stalled() const { return disk_stalled_; }
  // Number of entries, or -1 when the archive cannot be opened.
  int Count();
  // Writes every entry's path name to standard output, one per line.
  int List();
  // Copies the data of the current entry from reader ar to writer aw.
  int copy_data(archive* ar, archive* aw);

 private:
  int ExtractHere();
  int ExtractEntries(int dir, const ustring& dest, EntryProgress& progress, bool& info_written);

  ustring target;
  ustring source;
  std::vector<ustring> required;
  int declared_count_ = 0;
  std::function<void(int total, int steps)> progress_sink_;
  // Of the copy that extracts on a thread of its own.
  std::shared_ptr<const PackageFile> package_;
  std::shared_ptr<ExtractionWatch> watch_;
  bool confine_ = false;
  bool disk_stalled_ = false;
};

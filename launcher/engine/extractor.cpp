#include "extractor.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "archive_reader.h"
#include "background-flush.h"
#include "entry_path.h"
#include "entry_progress.h"
#include "extraction_watch.h"
#include "file-op.h"
#include "install-folder.h"
#include "log.h"
#include "package_source.h"
#include "package_stream.h"
#include "task_thread.h"
#include "thread_confinement.h"
#include "utf8_names.h"

namespace {

// Unlink before replacing (also read-only files), refuse "..", and (no effect
// on Linux) Mac metadata; owners, modes beyond the umask and times are not
// restored. Secure symlinks stop a planted link ("lnk -> /tmp") from carrying
// a later entry ("lnk/x") out of the target: the link is replaced instead.
constexpr int kDiskWriteOptions = ARCHIVE_EXTRACT_UNLINK | ARCHIVE_EXTRACT_SECURE_NODOTDOT |
                                  ARCHIVE_EXTRACT_MAC_METADATA | ARCHIVE_EXTRACT_SECURE_SYMLINKS;
static_assert((kDiskWriteOptions & ~ARCHIVE_EXTRACT_SECURE_SYMLINKS) == 0x2210, "disk writer options");

// The target as the kernel sees it, so that secure-symlink checks do not
// trip over a home folder that is reached through a symbolic link.
int ResolveTarget(const ustring& target, ustring& resolved) {
  resolved = target;
  if (FSRealPath(target, resolved) == 0) return 0;
  LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Failed to resolve target folder '%s': %s\n",
          target.c_str(), strerror(errno));
  return -1;
}

// Writes one entry below base (the target folder or "." inside it).
int WriteEntry(archive* a, archive* ext, archive_entry* entry, const ustring& base, const ustring& dest,
               EntryProgress& progress, bool& info_written, BackgroundFlush& flush) {
  const char* entry_pathname = Lib().archive_entry_pathname(entry);
  if (!entry_pathname) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): archive_entry_pathname failed\n");
    return -1;
  }
  // Copied: the entry's own buffers are rewritten below.
  const std::string name = entry_pathname;
  const EntryPlace place = PlaceOf(name);
  const int type = Lib().archive_entry_filetype(entry);

  if (place == EntryPlace::kTargetItself) {
    // Left to libarchive, a file named "." or "//" would unlink the target
    // folder and take its place; a folder entry for it has nothing to add.
    if (type != AE_IFDIR) {
      LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Refusing entry '%s' in place of '%s'\n",
              name.c_str(), dest.c_str());
      return -1;
    }
    progress.EntryDone();
    return 0;
  }
  // Every later launch reads the version file: as a FIFO, a link or a
  // folder it would hang or mislead them.
  if (place == EntryPlace::kInfo && type != AE_IFREG) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Refusing entry '%s': not a regular file\n",
            name.c_str());
    return -1;
  }

  const ustring path = PathBelow(base, name);
  Lib().archive_entry_set_pathname(entry, path.c_str());
  // A hard link names an earlier entry; it is put below the target as the
  // entry's own name is, so that it cannot link (and then overwrite) a
  // file elsewhere.
  if (const char* link = Lib().archive_entry_hardlink(entry)) {
    const std::string link_name = link;
    Lib().archive_entry_set_hardlink(entry, PathBelow(base, link_name).c_str());
  }

  const int64_t data_bytes = type == AE_IFREG ? Lib().archive_entry_size(entry) : 0;
  if (Lib().archive_read_extract2(a, entry, ext) != ARCHIVE_OK) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): archive_read_extract2 failed: '%s'\n",
            CauseOf(a, ext).c_str());
    return -1;
  }
  if (place == EntryPlace::kInfo) info_written = true;
  progress.EntryDone();
  if (Lib().archive_write_finish_entry(ext) != ARCHIVE_OK) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): archive_write_finish_entry failed: '%s'\n",
            CauseOf(ext, a).c_str());
    return -1;
  }
  flush.EntryWritten(data_bytes);
  return 0;
}

// After the archive's last entry: the package is read to its end, so that
// the checks of its compression after the tar's end are made before the
// copy is committed.
int ReadPackageToEnd(archive* a, PackageStream& stream) {
  if (stream.ReadToEnd(a) == 0) return 0;
  LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): The package fails after its last entry: '%s'\n",
          CauseOf(a).c_str());
  return -1;
}

// Writes every entry of the open reader a through the disk writer ext.
int WriteEntries(archive* a, archive* ext, PackageStream& stream, const ustring& base, const ustring& dest,
                 EntryProgress& progress, bool& info_written, const ExtractionWatch& watch,
                 BackgroundFlush& flush) {
  for (;;) {
    if (watch.abandoned()) return -1;
    archive_entry* entry = nullptr;
    const int64_t consumed = Lib().archive_filter_bytes(a, 0);
    const int r = Lib().archive_read_next_header(a, &entry);
    if (r == ARCHIVE_EOF) return CheckEndOfArchive(a, consumed) == 0 ? ReadPackageToEnd(a, stream) : -1;
    if (r != ARCHIVE_OK) {
      LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): archive_read_next_header failed: '%s'\n",
              CauseOf(a).c_str());
      return -1;
    }
    if (WriteEntry(a, ext, entry, base, dest, progress, info_written, flush) != 0) return -1;
  }
}

}  // namespace

int Extractor::Count() {
  if (source.empty() || target.empty()) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Invalid argument\n");
    return -1;
  }
  return CountEntries(PackageFile::Open(source), std::make_shared<ExtractionWatch>());
}

int Extractor::Extract() {
  if (source.empty() || target.empty()) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Invalid Argument\n");
    return -1;
  }
  LOG_MSG(L_DEBUG, "extractor_debug", "[DEBUG] extractor(%d): decompress from '%s' to '%s'\n", source.c_str(),
          target.c_str());
  // The extraction runs on a thread of its own, which ends with it and may
  // therefore be confined, while this one watches it. Given up, that thread
  // is left behind, detached: it holds its own copy of this object, and it
  // ends with the process.
  auto worker = std::make_shared<Extractor>(*this);
  worker->package_ = PackageFile::Open(source);
  worker->watch_ = std::make_shared<ExtractionWatch>();
  worker->confine_ = true;
  TaskThread extraction([worker] { worker->watch_->Finish(worker->ExtractHere()); });
  if (!extraction.started()) {
    LOG_MSG(L_DEBUG, "extractor_debug", "[DEBUG] extractor(%d): no thread to extract on, extracting here\n");
    worker->confine_ = false;
    return worker->ExtractHere();
  }
  extraction.LetGo();
  const int r = worker->watch_->Wait(source);
  disk_stalled_ = r != 0 && worker->watch_->disk_stalled();
  return r;
}

int Extractor::ExtractHere() {
  // A declared count is the total at once: the package is decompressed once,
  // and the check after the extraction holds it to the truth. Else the
  // counting pass reads the package first, before anything is opened for
  // writing: an archive that counts 0 or -1 fails with the target untouched.
  const int total = declared_count_ > 0 ? declared_count_ : CountEntries(package_, watch_);
  if (watch_->abandoned()) return -1;
  if (total <= 0) {
    LOG_MSG(L_ERR, "extractor_debug",
            "[ERROR] extractor(%d): Failed to calculate total file numbers, ret: %d\n", total);
    return -1;
  }
  LOG_MSG(L_DEBUG, "extractor_debug", "[DEBUG] extractor(%d): %d entries in '%s'\n", total, source.c_str());
  EntryProgress progress(total, *watch_, progress_sink_);
  ustring dest;
  if (ResolveTarget(target, dest) != 0) return -1;

  // The folder the entries are written into, held until the commit.
  const UniqueFd dir(open(dest.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (!dir) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Failed to open target folder '%s': %s\n",
            dest.c_str(), strerror(errno));
    return -1;
  }

  struct stat st;
  if (fstat(dir.get(), &st) == 0) watch_->WritingTo(st.st_dev);
  bool info_written = false;
  const int r = ExtractEntries(dir.get(), dest, progress, info_written);
  // The entries written so far are reported also when the extraction failed.
  progress.Finish();
  if (r != 0 || watch_->abandoned()) return -1;
  if (!progress.MatchesTotal() && declared_count_ > 0) {
    LOG_MSG(L_ERR, "extractor_debug",
            "[ERROR] extractor(%d): '%s' holds %d entries where its INFO declares %d\n", source.c_str(),
            progress.done(), declared_count_);
    return -1;
  }
  if (!progress.MatchesTotal()) {
    LOG_MSG(L_ERR, "extractor_debug",
            "[ERROR] extractor(%d): '%s' changed while it was read: %d entries counted, %d extracted\n",
            source.c_str(), total, progress.done());
    return -1;
  }
  return CommitInstallation(dir.get(), target, dest, required, info_written);
}

int Extractor::ExtractEntries(int dir, const ustring& dest, EntryProgress& progress, bool& info_written) {
  Utf8Names names;
  PackageStream stream(package_, watch_);
  // Declared first so that it is freed last, after the reader.
  WriteHandle ext;
  KeptIfAbandoned keep(ext, *watch_);
  if (Lib().loaded()) ext.reset(Lib().archive_write_disk_new());
  if (!ext) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Allocate extractor failed\n");
    return -1;
  }
  Lib().archive_write_disk_set_options(ext.get(), kDiskWriteOptions);
  ReadHandle a = OpenReader(stream, ReaderUse::kExtracting);
  if (!a) return -1;

  // Entered once the archive is open, so that a relative source is read
  // from where the caller meant it.
  WorkingDirectoryOfThread in_target(dir, dest);
  const ustring base = in_target.entered() ? ustring(".") : dest;
  // The disk starts on the entries while the next ones are written; done
  // with the entries, before the flush that commits them.
  BackgroundFlush flush(dir);
  if (confine_) ConfineThisThread(dest, "the extracting thread");

  const int r = WriteEntries(a.get(), ext.get(), stream, base, dest, progress, info_written, *watch_, flush);
  if (r == 0) watch_->Flushing();
  // Given up by the watchdog: the names below may by now lead into the
  // restored copy, and closing the writer would set modes and times there.
  if (watch_->abandoned()) return -1;
  // The disk writer gives the folders their modes when it is closed, by the
  // names it created them under; closed while those names still lead into
  // the target, or they would be taken from the thread's previous working
  // folder ("docs" of the package would make the caller's "docs" read-only).
  if (Lib().archive_write_close(ext.get()) != ARCHIVE_OK) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): archive_write_close failed: '%s'\n",
            CauseOf(ext.get()).c_str());
    return -1;
  }
  return r;
}

int Extractor::List() {
  if (source.empty() || target.empty()) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Invalid argument\n");
    return -1;
  }
  Utf8Names names;
  PackageStream stream(PackageFile::Open(source), std::make_shared<ExtractionWatch>());
  ReadHandle a = OpenReader(stream, ReaderUse::kReading);
  if (!a) return -1;
  archive_entry* entry = nullptr;
  while (Lib().archive_read_next_header(a.get(), &entry) == ARCHIVE_OK) {
    const char* name = Lib().archive_entry_pathname(entry);
    fprintf(stdout, "%s\n", name ? name : "");
    fflush(stdout);
    Lib().archive_read_data_skip(a.get());
  }
  Lib().archive_read_close(a.get());
  return 0;
}

int Extractor::copy_data(archive* ar, archive* aw) {
  if (!ar || !aw || !Lib().loaded()) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Invalid Argument\n");
    return -1;
  }
  return CopyEntryData(ar, aw);
}

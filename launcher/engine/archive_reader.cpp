#include "archive_reader.h"

#include <cerrno>
#include <cstring>

#include "log.h"
#include "package_stream.h"
#include "utf8_names.h"

namespace {

// The codes libarchive gives a corrupt archive and a misuse of its interface
// on Linux (its private ARCHIVE_ERRNO_FILE_FORMAT and _PROGRAMMER): they say
// nothing that the message does not.
constexpr int kFormatErrno = EILSEQ;
constexpr int kMisuseErrno = EINVAL;

// A tar archive is a sequence of these blocks; its end-of-archive marker is
// two of them filled with zeros.
constexpr int64_t kTarBlockSize = 512;

ReadHandle NewReader() {
  if (!Lib().loaded()) return ReadHandle();
  ReadHandle a(Lib().archive_read_new());
  if (a) {
    Lib().archive_read_support_filter_all(a.get());
    Lib().archive_read_support_format_all(a.get());
  }
  return a;
}

la_ssize_t ReadPackage(archive* a, void* stream, const void** buffer) {
  return static_cast<PackageStream*>(stream)->Read(a, buffer);
}

la_int64_t SkipPackage(archive*, void* stream, la_int64_t request) {
  return static_cast<PackageStream*>(stream)->pass().Skip(request);
}

la_int64_t SeekPackage(archive* a, void* stream, la_int64_t offset, int whence) {
  const int64_t r = static_cast<PackageStream*>(stream)->pass().Seek(offset, whence);
  if (r < 0) Lib().archive_set_error(a, errno, "Failed to seek in the package");
  return r < 0 ? ARCHIVE_FATAL : r;
}

// Opens reader a on the package for one pass.
bool OpenPackage(archive* a, PackageStream& stream) {
  if (stream.Open() != 0) {
    const int error = errno;
    Lib().archive_set_error(a, error, "Failed to open '%s': %s", stream.file().path().c_str(),
                            strerror(error));
    return false;
  }
  const PackagePass& pass = stream.pass();
  Lib().archive_read_set_callback_data(a, &stream);
  Lib().archive_read_set_read_callback(a, &ReadPackage);
  if (pass.seekable()) {
    // Decoded bytes are read in order, as libarchive reads a compressed
    // stream itself.
    if (!stream.decoded()) {
      Lib().archive_read_set_skip_callback(a, &SkipPackage);
      Lib().archive_read_set_seek_callback(a, &SeekPackage);
    }
    // As libarchive's own file reader does: no entry may overwrite the
    // package itself.
    Lib().archive_read_extract_set_skip_file(a, pass.file().dev(), pass.file().ino());
  }
  return Lib().archive_read_open1(a) == ARCHIVE_OK;
}

void LogAllocateFailed(ReaderUse use) {
  if (use == ReaderUse::kExtracting) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Allocate extractor failed\n");
  } else {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Allocate archive failed\n");
  }
}

void LogOpenFailed(ReaderUse use, archive* a, const PackageStream& pass) {
  if (use == ReaderUse::kExtracting) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Failed to read file '%s' ('%s')\n",
            pass.file().path().c_str(), ErrorText(a));
  } else {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): archive_read_open_filename failed: '%s'\n",
            ErrorText(a));
  }
}

}  // namespace

ReadHandle OpenReader(PackageStream& pass, ReaderUse use) {
  ReadHandle a = NewReader();
  if (!a) {
    LogAllocateFailed(use);
    return a;
  }
  if (!OpenPackage(a.get(), pass)) {
    LogOpenFailed(use, a.get(), pass);
    return ReadHandle();
  }
  return a;
}

const char* ErrorText(archive* a) {
  const char* s = Lib().archive_error_string(a);
  return s ? s : "";
}

std::string CauseOf(archive* first, archive* second) {
  archive* holder = first;
  if (ErrorText(first)[0] == '\0' && second && ErrorText(second)[0] != '\0') holder = second;
  std::string text = ErrorText(holder);
  const int error = Lib().archive_errno(holder);
  if (error <= 0 || error == kFormatErrno || error == kMisuseErrno) return text;
  const std::string reason = strerror(error);
  if (text.find(reason) != std::string::npos) return text;
  return text.empty() ? reason : text + ": " + reason;
}

int CountEntries(const std::shared_ptr<const PackageFile>& package,
                 const std::shared_ptr<ExtractionWatch>& watch) {
  Utf8Names names;
  PackageStream stream(package, watch);
  ReadHandle a = OpenReader(stream, ReaderUse::kReading);
  if (!a) return -1;
  int count = 0;
  archive_entry* entry = nullptr;
  while (Lib().archive_read_next_header(a.get(), &entry) == ARCHIVE_OK) {
    ++count;
    Lib().archive_read_data_skip(a.get());
  }
  return count;
}

int CheckEndOfArchive(archive* a, int64_t consumed_before) {
  if ((Lib().archive_format(a) & ARCHIVE_FORMAT_BASE_MASK) != ARCHIVE_FORMAT_TAR) return 0;
  if (Lib().archive_filter_bytes(a, 0) - consumed_before >= kTarBlockSize) return 0;
  LOG_MSG(L_ERR, "extractor_debug",
          "[ERROR] extractor(%d): The archive ends without its end-of-archive marker: it was cut short\n");
  return -1;
}

int CopyEntryData(archive* ar, archive* aw) {
  for (;;) {
    const void* buff = nullptr;
    size_t size = 0;
    int64_t offset = 0;
    int r = Lib().archive_read_data_block(ar, &buff, &size, &offset);
    if (r == ARCHIVE_EOF) return 0;
    if (r != ARCHIVE_OK) {
      LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): archive_read_data_block failed: '%s'\n",
              ErrorText(ar));
      return -1;
    }
    if (Lib().archive_write_data_block(aw, buff, size, offset) != ARCHIVE_OK) {
      LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): archive_write_data_block failed: '%s'\n",
              ErrorText(aw));
      return -1;
    }
  }
}

// LibArchive: the libarchive functions the extractor calls, looked up when
// the first archive is read rather than linked in when the launcher starts.
// libarchive, with the seven libraries it pulls in, is then loaded only by a
// launch that installs something: loading them is a measurable part of
// every start. Loaded once, never unloaded; all functions or none.
#pragma once

#include <archive.h>
#include <archive_entry.h>

// Every libarchive function the extractor calls, named once: the pointers
// below and the names they are looked up by both come from this list.
#define NIMBORA_LIBARCHIVE_FUNCTIONS(X) \
  X(archive_entry_filetype)             \
  X(archive_entry_hardlink)             \
  X(archive_entry_pathname)             \
  X(archive_entry_set_hardlink)         \
  X(archive_entry_set_pathname)         \
  X(archive_entry_size)                 \
  X(archive_errno)                      \
  X(archive_error_string)               \
  X(archive_filter_bytes)               \
  X(archive_filter_count)               \
  X(archive_format)                     \
  X(archive_read_close)                 \
  X(archive_read_data_block)            \
  X(archive_read_data_skip)             \
  X(archive_read_extract2)              \
  X(archive_read_free)                  \
  X(archive_read_new)                   \
  X(archive_read_next_header)           \
  X(archive_read_extract_set_skip_file) \
  X(archive_read_open1)                 \
  X(archive_read_set_callback_data)     \
  X(archive_read_set_read_callback)     \
  X(archive_read_set_seek_callback)     \
  X(archive_read_set_skip_callback)     \
  X(archive_set_error)                  \
  X(archive_read_support_filter_all)    \
  X(archive_read_support_filter_gzip)   \
  X(archive_read_support_filter_xz)     \
  X(archive_read_support_format_all)    \
  X(archive_read_support_format_raw)    \
  X(archive_write_data_block)           \
  X(archive_write_disk_new)             \
  X(archive_write_close)                \
  X(archive_write_disk_set_options)     \
  X(archive_write_finish_entry)         \
  X(archive_write_free)

class LibArchive {
 public:
#define NIMBORA_LIBARCHIVE_POINTER(name) decltype(&::name) name = nullptr;
  NIMBORA_LIBARCHIVE_FUNCTIONS(NIMBORA_LIBARCHIVE_POINTER)
#undef NIMBORA_LIBARCHIVE_POINTER

  // Loads the library and looks every function up; on any failure the
  // reason is logged, the library is closed again and no pointer is set.
  LibArchive();
  LibArchive(const LibArchive&) = delete;
  LibArchive& operator=(const LibArchive&) = delete;

  bool loaded() const { return loaded_; }

 private:
  bool Bind(void* handle);
  void Clear();

  bool loaded_ = false;
};

// The one instance, loaded on first use; thread-safe.
const LibArchive& Lib();

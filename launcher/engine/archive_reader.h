// The reading side of libarchive as the extractor's passes use it: a reader
// opened on the package, the text of what went wrong on a handle, the check
// of a tar's end, the copy of an entry's data, and the counting pass.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "archive_handles.h"

class ExtractionWatch;
class PackageFile;
class PackageStream;

// The pass a reader is opened for: each logs its failures in words of its own.
enum class ReaderUse { kReading, kExtracting };

// A reader of every format and filter libarchive knows, opened on the
// package for one pass (`stream` outlives it); null, with the failure logged,
// when it cannot be made or opened. Every pass goes through here: the
// count, the extraction and the listing.
ReadHandle OpenReader(PackageStream& stream, ReaderUse use);

// The text libarchive left on handle a, "" when there is none.
const char* ErrorText(archive* a);

// What went wrong on a pair of handles that work together (a reader and
// the disk writer it extracts into): archive_read_extract2 leaves the cause
// on the reader or on the writer depending on the step that failed, and
// libarchive keeps the system's reason apart from the text ("Write failed"
// and ENOSPC). The first handle's text when it has one, else the second's,
// with the system's reason added.
std::string CauseOf(archive* first, archive* second = nullptr);

// The counting pass: the number of entries (0 or more), or -1 when the
// archive cannot be read. A warning or an error ends the count, so an
// archive that breaks off after n good headers counts n.
int CountEntries(const std::shared_ptr<const PackageFile>& package,
                 const std::shared_ptr<ExtractionWatch>& watch);

// libarchive takes a tar that stops at a block boundary between two entries
// for a complete archive, so a package cut short there (copied onto a full
// disk, or by an interrupted copy) would install a part of the client. The
// header read that ends a whole tar consumes the marker's zero block:
// consumed_before is the reader's uncompressed position before that read.
// 0, or -1 (logged) when reader a ended a tar without the marker.
int CheckEndOfArchive(archive* a, int64_t consumed_before);

// Copies the data of the current entry from reader ar to writer aw: 0, or
// -1 (logged) on failure.
int CopyEntryData(archive* ar, archive* aw);

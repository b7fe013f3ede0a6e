// GzipDecoder: gzip members, one after the other, through ISA-L's inflate,
// which checks each member's CRC and length. Takes members whose header
// holds at most a name; gives up at anything else.
#pragma once

#include <archive.h>

#include <memory>
#include <vector>

#include "package_decoder.h"

struct inflate_state;

class GzipDecoder : public PackageDecoder {
 public:
  // Whether a member starting with these bytes is one this decoder takes.
  static bool TakesMember(const uint8_t* head, size_t size);

  explicit GzipDecoder(PackagePass& pass);
  ~GzipDecoder() override;
  Step Next(uint8_t* out, size_t capacity, size_t* size) override;
  const char* name() const override { return "ISA-L inflate"; }
  int filter() const override { return ARCHIVE_FILTER_GZIP; }

 private:
  Step StartMember();

  DecoderInput input_;
  std::unique_ptr<inflate_state> state_;
  bool in_member_ = false;
};

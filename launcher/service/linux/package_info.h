// Fixed locations of the standard installation below /opt/Zorvane/Nimbora.
// Every location the launcher uses is composed by Service instead, so that a
// package tree placed under another prefix works; this record is kept for
// code that wants the standard layout by name.
#pragma once

#include "ustring.h"

class PackageInfo {
 public:
  static PackageInfo& GetInstance();

  ustring GetImageFolder() const { return ImageFolder; }
  ustring GetLogFolder() const { return LogFolder; }
  ustring GetLogLevelPath() const { return LogLevelPath; }
  ustring GetPackagePath() const { return PackagePath; }
  ustring GetConfigFolder() const { return ConfigFolder; }

 private:
  PackageInfo();
  PackageInfo(const PackageInfo&) = delete;
  PackageInfo& operator=(const PackageInfo&) = delete;

  ustring ImageFolder;
  ustring LogFolder;
  ustring LogLevelPath;
  ustring PackagePath;
  ustring ConfigFolder;
};

// Qt's application object and the string table for a whole test program, as
// the launcher sets them up before anything else runs.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>

#include "strtab.h"

namespace testutil {

class QtAppEnvironment : public ::testing::Environment {
 public:
  // before: runs ahead of the application object (a resource registration).
  explicit QtAppEnvironment(int (*before)() = nullptr) : before_(before) {}

  void SetUp() override {
    if (before_) before_();
    app_ = std::make_unique<QCoreApplication>(argc_, argv_);
    StrTable::InitStrTable();
  }
  void TearDown() override { app_.reset(); }

 private:
  int (*before_)();
  int argc_ = 1;
  char name_[10] = "testsuite";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QCoreApplication> app_;
};

}  // namespace testutil

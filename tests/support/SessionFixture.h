// The base of every fixture that runs against the substitute host: each test
// starts and ends with no document, no lent frames and no violations.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "host/document/DocumentBuilder.h"
#include "host/document/Session.h"
#include "support/TestInputs.h"

namespace qxtest {

class SessionTest : public ::testing::Test {
 protected:
  void SetUp() override { host::Session::Current().Reset(); }
  void TearDown() override { host::Session::Current().Reset(); }

  host::Session& session() { return host::Session::Current(); }
  host::Document& document() { return session().document(); }
  void Open(const host::DocumentBuilder& builder) { session().Open(builder.Build()); }
};

inline bool SameBytes(const EXENTRY* entries, int count, const std::vector<EXENTRY>& expected) {
  return count == static_cast<int>(expected.size()) &&
         (count == 0 || std::memcmp(entries, expected.data(), expected.size() * sizeof(EXENTRY)) == 0);
}

inline std::vector<std::uint32_t> EntryNumbers(const EXENTRY* entries, int count) {
  std::vector<std::uint32_t> numbers;
  for (int i = 0; i < count; ++i) numbers.push_back(entries[i].entryNumber);
  return numbers;
}

inline std::vector<std::uint32_t> EntryNumbers(const std::vector<EXENTRY>& entries) {
  return EntryNumbers(entries.data(), static_cast<int>(entries.size()));
}

}  // namespace qxtest

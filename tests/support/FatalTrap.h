#pragma once
// Test doubles for the two process-wide hooks of the text storage.

#include <cstdint>
#include <string>

#include "text/Storage.h"

namespace batch::testing {

// What the fatal report was handed; thrown so that the caller never goes on.
struct FatalReported {
  std::string message;
  std::int32_t code, window, component;
};

// While alive, every fatal report throws FatalReported.
class FatalTrap {
 public:
  FatalTrap();
  ~FatalTrap();
  FatalTrap(const FatalTrap&) = delete;
  FatalTrap& operator=(const FatalTrap&) = delete;

 private:
  FatalReporter previous_;
};

// While alive, counts storage requests and refuses the one numbered
// `refuse` (1-based; 0 refuses none).
class CountingStorage final : public StorageSource {
 public:
  explicit CountingStorage(int refuse = 0);
  ~CountingStorage() override;
  void* Request(std::size_t bytes) noexcept override;
  void Release(void* block) noexcept override;

  int requests = 0;
  int releases = 0;
  std::size_t lastRequestBytes = 0;

 private:
  int refuse_;
  StorageSource* previous_;
};

}  // namespace batch::testing

#include "tests/support/FatalTrap.h"

#include <cstdlib>

#include "text/Text.h"

namespace batch::testing {
namespace {

void Throw(TextRef message, std::int32_t code, std::int32_t window, std::int32_t component) {
  throw FatalReported{std::string(message.View()), code, window, component};
}

}  // namespace

FatalTrap::FatalTrap() : previous_(InstallFatalReporter(&Throw)) {}
FatalTrap::~FatalTrap() { InstallFatalReporter(previous_); }

CountingStorage::CountingStorage(int refuse)
    : refuse_(refuse), previous_(InstallStorageSource(this)) {}
CountingStorage::~CountingStorage() { InstallStorageSource(previous_); }

void* CountingStorage::Request(std::size_t bytes) noexcept {
  ++requests;
  lastRequestBytes = bytes;
  return requests == refuse_ ? nullptr : std::malloc(bytes);
}

void CountingStorage::Release(void* block) noexcept {
  ++releases;
  std::free(block);
}

}  // namespace batch::testing

#include "text/Storage.h"

#include <cstdio>
#include <cstdlib>
#include <limits>

#include "text/Text.h"

namespace batch {
namespace {

class HeapStorage final : public StorageSource {
 public:
  void* Request(std::size_t bytes) noexcept override { return std::malloc(bytes); }
  void Release(void* block) noexcept override { std::free(block); }
};

HeapStorage heap;
StorageSource* source = &heap;
FatalReporter reporter = nullptr;

[[noreturn]] void ReportRefused(std::int64_t bytes) {
  // Built on the stack: there is no storage to be had for it.
  char message[64];
  std::snprintf(message, sizeof message, "分配 %lld 字节内存失败!",
                static_cast<long long>(bytes));
  if (reporter != nullptr) reporter(TextRef(message), 0, 0, 0);
  std::abort();
}

}  // namespace

StorageSource* InstallStorageSource(StorageSource* next) noexcept {
  StorageSource* previous = source;
  source = next != nullptr ? next : &heap;
  return previous;
}

FatalReporter InstallFatalReporter(FatalReporter next) noexcept {
  FatalReporter previous = reporter;
  reporter = next;
  return previous;
}

std::int32_t ClaimTextLength(std::int64_t length) {
  if (length < 0 || length >= std::numeric_limits<std::int32_t>::max()) ReportRefused(length + 1);
  return static_cast<std::int32_t>(length);
}

char* RequestTextBlock(std::int64_t bytes) {
  // Text lengths are 32-bit: anything larger cannot be had either.
  if (bytes <= 0 || bytes > std::numeric_limits<std::int32_t>::max()) ReportRefused(bytes);
  void* block = source->Request(static_cast<std::size_t>(bytes));
  if (block == nullptr) ReportRefused(bytes);
  return static_cast<char*>(block);
}

void ReleaseTextBlock(char* block) noexcept {
  if (block != nullptr) source->Release(block);
}

}  // namespace batch

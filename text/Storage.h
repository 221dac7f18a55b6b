#pragma once
// Every Text block is requested and released here, and nowhere else.
//
// A refused request is fatal: the installed reporter is handed the message
// "分配 N 字节内存失败!" (N being the bytes asked for) and must not return.
// Nothing partial is ever handed back to a caller.

#include <cstddef>
#include <cstdint>

namespace batch {

class TextRef;

// Where the bytes come from; the default takes them from the C heap.
class StorageSource {
 public:
  virtual ~StorageSource() = default;
  virtual void* Request(std::size_t bytes) noexcept = 0;
  virtual void Release(void* block) noexcept = 0;
};

// The process's fatal report. Must not return; if it does, the process aborts.
using FatalReporter = void (*)(TextRef message, std::int32_t code,
                               std::int32_t window, std::int32_t component);

// Both return what was installed before; nullptr restores the default.
StorageSource* InstallStorageSource(StorageSource* source) noexcept;
FatalReporter InstallFatalReporter(FatalReporter reporter) noexcept;

// `length` as a Text length, when a Text that long can be had at all;
// a length past the 32-bit range is reported like any refused request.
std::int32_t ClaimTextLength(std::int64_t length);

// A block of `bytes` bytes; never null.
char* RequestTextBlock(std::int64_t bytes);
void ReleaseTextBlock(char* block) noexcept;

}  // namespace batch

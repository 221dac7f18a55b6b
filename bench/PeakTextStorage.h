#pragma once
// A text storage source that keeps count of the live bytes and their peak,
// to measure what a drop needs beyond its list. Installed while alive.

#include <cstddef>
#include <cstdlib>

#include "text/Storage.h"

namespace batch::bench {

class PeakTextStorage final : public StorageSource {
 public:
  PeakTextStorage() : previous_(InstallStorageSource(this)) {}
  ~PeakTextStorage() override { InstallStorageSource(previous_); }
  PeakTextStorage(const PeakTextStorage&) = delete;
  PeakTextStorage& operator=(const PeakTextStorage&) = delete;

  // Each block's size is kept in a header in front of it: cheap enough not
  // to disturb the timing it runs under.
  void* Request(std::size_t bytes) noexcept override {
    auto* header = static_cast<std::max_align_t*>(std::malloc(sizeof(std::max_align_t) + bytes));
    if (header == nullptr) return nullptr;
    *reinterpret_cast<std::size_t*>(header) = bytes;
    live_ += bytes;
    if (live_ > peak_) peak_ = live_;
    return header + 1;
  }
  void Release(void* block) noexcept override {
    auto* header = static_cast<std::max_align_t*>(block) - 1;
    live_ -= *reinterpret_cast<std::size_t*>(header);
    std::free(header);
  }

  std::size_t Peak() const { return peak_; }

 private:
  StorageSource* previous_;
  std::size_t live_ = 0;
  std::size_t peak_ = 0;
};

}  // namespace batch::bench

// libFuzzer entry: every input is checked against the reference operations.

#include "fuzz/TextOperationsCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  batch::CheckTextOperations(data, size);
  return 0;
}

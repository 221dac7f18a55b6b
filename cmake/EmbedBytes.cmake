# embed_bytes(<target> <file> <function>): compiles the bytes of <file> into
# <target> as `std::span<const std::uint8_t> batch::<function>()`. The source
# is regenerated whenever the file changes.
function(embed_bytes target file function)
  file(READ "${file}" hex HEX)
  string(REGEX REPLACE "(..)" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
  set(out "${CMAKE_CURRENT_BINARY_DIR}/${function}.cpp")
  file(CONFIGURE OUTPUT "${out}" CONTENT [[
// Generated from @file@; do not edit.
#include <cstdint>
#include <span>

namespace batch {

std::span<const std::uint8_t> @function@() {
  static constexpr std::uint8_t bytes[] = {
    @bytes@
  };
  return bytes;
}

}  // namespace batch
]] @ONLY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${file}")
  target_sources(${target} PRIVATE "${out}")
endfunction()

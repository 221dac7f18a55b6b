# Warnings and character sets shared by every target.
#
# Sources are UTF-8. The Windows program speaks the ANSI code page 936, so its
# narrow literals are stored as GBK; on Linux they stay UTF-8, the locale's
# encoding. Numeric escapes such as "\xD5\x5C" are never converted.
# GB18030 is asked for rather than CP936: it encodes every GBK character with
# the same bytes, and it can also take the few characters beyond GBK that
# system headers use (the "µs" of <chrono>).
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)

if(WIN32)
  add_compile_options(-finput-charset=UTF-8 -fexec-charset=GB18030)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  # One self-contained .exe: the C++ runtime and winpthreads linked in.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

if(BATCH_SUFFIX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

if(BATCH_SUFFIX_FUZZ)
  # Coverage feedback for libFuzzer in every library; only the fuzzer
  # programs link libFuzzer's own driver (see fuzz/).
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

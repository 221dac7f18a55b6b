# Runs the Windows programs of this build under Wine, in a prefix of the
# build's own, with the Chinese locale so that the ANSI code page is 936.
set(BATCH_SUFFIX_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "Wine prefix of this build")
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_SOURCE_DIR}/scripts/wine-run.sh;${BATCH_SUFFIX_WINEPREFIX}")

# add_import_check(<target>): the static .exe may import system DLLs only.
find_program(MINGW_OBJDUMP x86_64-w64-mingw32-objdump REQUIRED)
function(add_import_check target)
  add_test(NAME ${target}.imports_only_system_dlls
    COMMAND ${CMAKE_COMMAND}
      -DOBJDUMP=${MINGW_OBJDUMP} -DEXE=$<TARGET_FILE:${target}>
      -P ${CMAKE_SOURCE_DIR}/cmake/CheckImports.cmake)
endfunction()

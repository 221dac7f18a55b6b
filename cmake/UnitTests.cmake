# GoogleTest and the one helper that adds a test program.
#
# Native builds use the system's GoogleTest. The Windows build compiles
# Debian's googletest sources with the cross compiler, and every test program
# then runs under Wine (see Wine.cmake).
include(GoogleTest)

if(CMAKE_CROSSCOMPILING AND WIN32)
  set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to cross-compile")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  # It defines the GTest:: targets itself.
  add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  include(Wine)
else()
  find_package(GTest REQUIRED)
endif()

# add_unit_test(<name> [OWN_MAIN] SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>])
# Builds one GoogleTest program and registers each of its tests with CTest.
# OWN_MAIN: the sources bring their own main() (one that sets up a GUI, say).
function(add_unit_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "OWN_MAIN" "" "SOURCES;LIBS;LABELS")
  add_executable(${name} ${arg_SOURCES})
  if(arg_OWN_MAIN)
    target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gmock GTest::gtest)
  else()
    target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gmock GTest::gtest_main)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES LABELS "${arg_LABELS}")
endfunction()

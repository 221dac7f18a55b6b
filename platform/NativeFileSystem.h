#pragma once
// The file system and path rule of the platform this build is for.

#include "text/PathRule.h"

#ifdef _WIN32
#include "platform/win32/Win32FileSystem.h"
namespace batch {
using NativeFileSystem = Win32FileSystem;
inline constexpr PathRule kNativePaths = kWindowsPaths;
}  // namespace batch
#else
#include "platform/posix/PosixFileSystem.h"
namespace batch {
using NativeFileSystem = PosixFileSystem;
inline constexpr PathRule kNativePaths = kPosixPaths;
}  // namespace batch
#endif

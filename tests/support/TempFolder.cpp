#include "tests/support/TempFolder.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace batch::testing {
namespace {

struct Entry {
  std::string name;
  bool folder;
  std::string linkTarget;  // set for a symbolic link
};

#ifdef _WIN32
constexpr char kSeparator = '\\';

std::string NewFolder() {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  static unsigned counter = 0;
  for (;;) {
    std::string path = std::string(base) + "bs-test-" + std::to_string(GetCurrentProcessId()) +
                       "-" + std::to_string(++counter);
    if (CreateDirectoryA(path.c_str(), nullptr)) return path;
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("no temp folder");
  }
}
bool MakeDir(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != FALSE; }
bool IsThere(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
void RemoveFile(const std::string& path) { DeleteFileA(path.c_str()); }
void RemoveDir(const std::string& path) { RemoveDirectoryA(path.c_str()); }
std::vector<Entry> List(const std::string& folder) {
  std::vector<Entry> entries;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    std::string name = found.cFileName;
    if (name != "." && name != "..")
      entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0, {}});
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return entries;
}
void WriteFile(const std::string& path, std::string_view content) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create " + path);
  DWORD written = 0;
  ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
}
std::string ReadFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot read " + path);
  std::string content(4096, '\0');
  DWORD read = 0;
  ::ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &read, nullptr);
  CloseHandle(file);
  content.resize(read);
  return content;
}
#else
constexpr char kSeparator = '/';

std::string NewFolder() {
  const char* base = getenv("TMPDIR");
  std::string pattern = std::string(base != nullptr ? base : "/tmp") + "/bs-test-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temp folder");
  return pattern;
}
bool MakeDir(const std::string& path) { return mkdir(path.c_str(), 0755) == 0; }
bool IsThere(const std::string& path) {
  struct stat status;
  return lstat(path.c_str(), &status) == 0;
}
void RemoveFile(const std::string& path) { unlink(path.c_str()); }
void RemoveDir(const std::string& path) { rmdir(path.c_str()); }
std::vector<Entry> List(const std::string& folder) {
  std::vector<Entry> entries;
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return entries;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    const std::string path = folder + "/" + name;
    struct stat status;
    if (lstat(path.c_str(), &status) != 0) continue;
    std::string target;
    if (S_ISLNK(status.st_mode)) {
      char bytes[4096];
      const ssize_t length = readlink(path.c_str(), bytes, sizeof bytes);
      target.assign(bytes, length > 0 ? static_cast<std::size_t>(length) : 0);
    }
    entries.push_back({name, S_ISDIR(status.st_mode), target});
  }
  closedir(dir);
  return entries;
}
void WriteFile(const std::string& path, std::string_view content) {
  std::ofstream out(path, std::ios::binary);
  if (!out) throw std::runtime_error("cannot create " + path);
  out << content;
}
std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}
#endif

void RemoveTree(const std::string& folder) {
  for (const Entry& entry : List(folder)) {
    const std::string path = folder + kSeparator + entry.name;
    if (entry.folder) RemoveTree(path); else RemoveFile(path);
  }
  RemoveDir(folder);
}

void Collect(const std::string& folder, const std::string& prefix, std::vector<std::string>& out) {
  for (const Entry& entry : List(folder)) {
    const std::string path = folder + kSeparator + entry.name;
    if (entry.folder) {
      out.push_back(prefix + entry.name + "/");
      Collect(path, prefix + entry.name + "/", out);
    } else if (!entry.linkTarget.empty()) {
      out.push_back(prefix + entry.name + "->" + entry.linkTarget);
    } else {
      out.push_back(prefix + entry.name + "=" + ReadFile(path));
    }
  }
}

}  // namespace

TempFolder::TempFolder() : root_(NewFolder()) {}
TempFolder::~TempFolder() { RemoveTree(root_); }

char TempFolder::Separator() { return kSeparator; }

std::string TempFolder::Path(std::string_view relative) const {
  std::string path = root_;
  if (!relative.empty()) path += kSeparator;
  for (char c : relative) path += c == '/' ? kSeparator : c;
  return path;
}

void TempFolder::MakeFile(std::string_view relative, std::string_view content) const {
  WriteFile(Path(relative), content);
}

void TempFolder::MakeFolder(std::string_view relative) const {
  if (!MakeDir(Path(relative))) throw std::runtime_error("cannot make folder " + Path(relative));
}

bool TempFolder::Exists(std::string_view relative) const { return IsThere(Path(relative)); }

std::string TempFolder::Read(std::string_view relative) const { return ReadFile(Path(relative)); }

std::vector<std::string> TempFolder::Tree() const {
  std::vector<std::string> entries;
  Collect(root_, "", entries);
  std::sort(entries.begin(), entries.end());
  return entries;
}

}  // namespace batch::testing

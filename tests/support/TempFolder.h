#pragma once
// A fresh folder of real files for one test, removed with all it holds.
// Relative names use '/', which is turned into the platform's separator;
// all names are raw bytes (the ANSI code page on Windows).

#include <string>
#include <string_view>
#include <vector>

namespace batch::testing {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  static char Separator();
  const std::string& Root() const { return root_; }
  std::string Path(std::string_view relative) const;

  void MakeFile(std::string_view relative, std::string_view content = "data") const;
  void MakeFolder(std::string_view relative) const;
  bool Exists(std::string_view relative) const;
  std::string Read(std::string_view relative) const;

  // Every entry below the folder, sorted, by its relative name: folders end
  // in '/', files read "name=content", symbolic links "name->target".
  std::vector<std::string> Tree() const;

 private:
  std::string root_;
};

}  // namespace batch::testing

// A drag's uri-list must name exactly the files the user dragged: anything
// doubtful is left out rather than turned into some other path.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/drop/UriList.h"

namespace batch {
namespace {

struct UriCase {
  const char* what;
  std::string uriList;
  std::vector<std::string> paths;
};

TEST(LocalPathsFromUriList, TurnsTheListIntoRawLocalPaths) {
  const UriCase cases[] = {
      {"one file", "file:///d/a.txt\r\n", {"/d/a.txt"}},
      {"list order, last line unended", "file:///d/b\r\nfile:///d/a\r\nfile:///c", {"/d/b", "/d/a", "/c"}},
      {"bare LF line ends", "file:///d/a\nfile:///d/b\n", {"/d/a", "/d/b"}},
      {"comments and blank lines", "# dragged\r\n\r\nfile:///d/a\r\n#file:///d/b\r\n", {"/d/a"}},
      {"localhost in any case", "file://localhost/d/a\r\nfile://LocalHost/d/b\r\n", {"/d/a", "/d/b"}},
      {"scheme in any case", "FILE:///d/a\r\n", {"/d/a"}},
      {"minimal form", "file:/d/a\r\n", {"/d/a"}},
      {"space and percent", "file:///d/a%20b%25c.txt\r\n", {"/d/a b%c.txt"}},
      {"lower-case escapes", "file:///d/%e4%b8%ad.txt\r\n", {"/d/\xE4\xB8\xAD.txt"}},
      {"invalid UTF-8 kept byte for byte", "file:///d/bad%FF%C0.txt\r\n", {"/d/bad\xFF\xC0.txt"}},
      {"unescaped UTF-8 taken as it is", "file:///d/\xE4\xB8\xAD\r\n", {"/d/\xE4\xB8\xAD"}},
      {"folder with trailing slash", "file:///d/photos/\r\n", {"/d/photos"}},
      {"root stays root", "file:///\r\n", {"/"}},
      {"empty list", "", {}},
      {"only a comment", "# nothing\r\n", {}},
  };
  for (const UriCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(LocalPathsFromUriList(c.uriList), c.paths);
  }
}

TEST(LocalPathsFromUriList, LeavesOutWhatIsNotASafeLocalPath) {
  const UriCase cases[] = {
      {"other host", "file://server/d/a\r\n", {}},
      {"other scheme", "http://localhost/d/a\r\nsmb://s/d/a\r\n", {}},
      {"relative", "file:d/a\r\n", {}},
      {"host without path", "file://localhost\r\n", {}},
      {"escaped LF", "file:///d/a%0Ab\r\n", {}},
      {"escaped CR", "file:///d/a%0db\r\n", {}},
      {"escaped zero byte", "file:///d/a%00b\r\n", {}},
      {"escaped slash", "file:///d/a%2Fb\r\n", {}},
      {"broken escape", "file:///d/a%4\r\nfile:///d/a%zz\r\nfile:///d/a%", {}},
      {"query", "file:///d/a?b\r\n", {}},
      {"fragment", "file:///d/a#b\r\n", {}},
      {"not even a URI", "/d/a\r\n", {}},
  };
  for (const UriCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(LocalPathsFromUriList(c.uriList), c.paths);
  }
}

TEST(LocalPathsFromUriList, KeepsTheGoodOnesAroundALeftOutOne) {
  EXPECT_EQ(LocalPathsFromUriList("file:///d/a\r\nfile:///d/x%0Ay\r\nhttp://h/z\r\nfile:///d/b\r\n"),
            (std::vector<std::string>{"/d/a", "/d/b"}));
}

}  // namespace
}  // namespace batch

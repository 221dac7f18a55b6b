// batch-suffix.exe driven from outside, as a user's desktop would: started
// with arguments from another folder, its window found by caption, looked at,
// typed into and closed; and two test builds that must end in the fatal box.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "tests/support/RunningTool.h"

namespace batch::testing {
namespace {

const std::string kCaption = "批量修改文件后缀";
constexpr LPARAM kKeyData = 0x00010001;

// A fresh folder to start the program from, holding one file, a.txt.
class StartFolder {
 public:
  StartFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "batch-driver-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++made_);
    CreateDirectoryA(path_.c_str(), nullptr);
    CloseHandle(CreateFileA(File().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  }
  ~StartFolder() {
    DeleteFileA(File().c_str());
    RemoveDirectoryA(path_.c_str());
  }
  const std::string& Path() const { return path_; }
  std::string File() const { return path_ + "\\a.txt"; }

 private:
  static inline int made_ = 0;
  std::string path_;
};

struct Child {
  std::string windowClass, text;
  RECT place;  // in the client coordinates of the main window
};

std::vector<Child> VisibleChildren(HWND window) {
  std::vector<Child> children;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    char windowClass[64] = "";
    GetClassNameA(child, windowClass, sizeof windowClass);
    RECT place;
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    children.push_back({windowClass, WindowText(child), place});
  }
  return children;
}

// The control with the keyboard focus in the window's thread, once it is
// `expected` or the waiting is over.
HWND FocusOf(HWND window, HWND expected) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  for (int tries = 0; tries < 100; ++tries) {
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    if (info.hwndFocus == expected) break;
    Sleep(50);
  }
  return info.hwndFocus;
}

void PutOnClipboard(const std::string& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  memcpy(GlobalLock(data), text.c_str(), text.size() + 1);
  GlobalUnlock(data);
  SetClipboardData(CF_TEXT, data);
  CloseClipboard();
}

using KeyStrokes = std::vector<std::pair<WORD, bool>>;  // virtual key, down

// Real key presses through the system's input queue, to the foreground window.
void Press(HWND window, const KeyStrokes& keys) {
  SetForegroundWindow(window);
  for (auto [key, down] : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
  }
}

KeyStrokes Tap(WORD key) { return {{key, true}, {key, false}}; }
KeyStrokes WithKey(WORD modifier, WORD key) {
  return {{modifier, true}, {key, true}, {key, false}, {modifier, false}};
}

// The program started with arguments from a folder of its own; each test
// ends it with Esc and expects exit code 0.
class MainWindowTest : public ::testing::Test {
 protected:
  void TearDown() override {
    PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, kKeyData);
    EXPECT_EQ(tool.WaitForExit(), 0u);
  }
  StartFolder folder;
  RunningTool tool{ProgramPath(BATCH_SUFFIX_EXE),
                   {"a.txt \"" + folder.File() + "\" /x", folder.Path()}};
  HWND window = tool.Window();
  HWND edit = tool.Control("Edit");
};

TEST_F(MainWindowTest, ShowsTheDescribedWindowCentredWithFocusInTheSuffixBox) {
  EXPECT_EQ(WindowText(window), kCaption);

  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 379) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 121) / 2);
  EXPECT_EQ(outer.right - outer.left, 379);
  EXPECT_EQ(outer.bottom - outer.top, 121);

  const LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX), 0);
  EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);

  const struct {
    const char* windowClass;
    const char* text;
    RECT place;
  } expected[] = {
      {"BatchSuffixLabel", "新后缀： .", {8, 16, 88, 48}},
      {"Edit", "", {96, 16, 288, 48}},
      {"BatchSuffixLabel", "把文件框选后拖入本窗口，即可修改为上面的后缀。", {0, 64, 376, 80}},
  };
  const std::vector<Child> children = VisibleChildren(window);
  ASSERT_EQ(children.size(), std::size(expected));  // the drop target shows nothing
  for (std::size_t i = 0; i < children.size(); ++i) {
    SCOPED_TRACE(expected[i].text);
    EXPECT_EQ(children[i].windowClass, expected[i].windowClass);
    EXPECT_EQ(children[i].text, expected[i].text);
    const RECT& at = children[i].place;
    EXPECT_EQ((std::vector<LONG>{at.left, at.top, at.right, at.bottom}),
              (std::vector<LONG>{expected[i].place.left, expected[i].place.top,
                                 expected[i].place.right, expected[i].place.bottom}));
  }

  const LONG editStyle = GetWindowLongA(edit, GWL_STYLE);
  EXPECT_NE(editStyle & ES_AUTOHSCROLL, 0);
  EXPECT_EQ(editStyle & (ES_NOHIDESEL | ES_MULTILINE | ES_READONLY | ES_PASSWORD), 0);
  EXPECT_NE(GetWindowLongA(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  EXPECT_EQ(FocusOf(window, edit), edit);

  // The arguments named a file: it is left as it was.
  EXPECT_NE(GetFileAttributesA(folder.File().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(MainWindowTest, WorksInItsOwnFolderWhereverItWasStarted) {
  char full[MAX_PATH];
  GetFullPathNameA(ProgramPath(BATCH_SUFFIX_EXE).c_str(), MAX_PATH, full, nullptr);
  std::string programFolder = full;
  programFolder.resize(programFolder.find_last_of('\\') + 1);
  EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, tool.WorkingFolder().c_str(), -1,
                           programFolder.c_str(), -1),
            CSTR_EQUAL)
      << tool.WorkingFolder() << " is not " << programFolder;
}

TEST_F(MainWindowTest, SuffixBoxTakesAtMostSixteenBytes) {
  const struct {
    const char* what;
    const char* typed;   // letters through WM_CHAR, two-byte characters through WM_IME_CHAR
    const char* pasted;  // then this through WM_PASTE
    const char* kept;
  } cases[] = {
      {"21 letters typed", "abcdefghijklmnopqrstu", "", "abcdefghijklmnop"},
      {"9 two-byte characters", "后后后后后后后后后", "", "后后后后后后后后"},
      {"a pair with one byte left", "abcdefghijklmno后", "", "abcdefghijklmno"},
      {"long paste", "", "0123456789abcdefghij", "0123456789abcdef"},
      {"paste after typing", "abc", "0123456789abcdefghij", "abc0123456789abc"},
      {"two-byte paste", "a", "后后后后后后后后", "a后后后后后后后"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    tool.TypeIntoEditBox(c.typed);
    if (*c.pasted != '\0') {
      PutOnClipboard(c.pasted);
      SendMessageA(edit, WM_PASTE, 0, 0);
    }
    EXPECT_EQ(tool.EditBoxText(), c.kept);
  }
}

// "后" is two bytes in code page 936.
TEST_F(MainWindowTest, TwoByteCharacterTypedByteByByteIsTakenWholeOrNotAtAll) {
  tool.TypeIntoEditBox("abcdefghijklmno");
  for (char byte : std::string_view("后p")) SendMessageA(edit, WM_CHAR, static_cast<BYTE>(byte), kKeyData);
  EXPECT_EQ(tool.EditBoxText(), "abcdefghijklmnop");
}

TEST_F(MainWindowTest, PasteKeysKeepToTheLimit) {
  for (const KeyStrokes& keys : {WithKey(VK_CONTROL, 'V'), WithKey(VK_SHIFT, VK_INSERT)}) {
    SCOPED_TRACE(keys[1].first);
    tool.TypeIntoEditBox("ab");
    PutOnClipboard("0123456789abcdefghij");
    Press(window, keys);
    // A paste changes the text in one step.
    for (int tries = 0; tries < 250 && tool.EditBoxText() == "ab"; ++tries) Sleep(20);
    EXPECT_EQ(tool.EditBoxText(), "ab0123456789abcd");
  }
}

TEST_F(MainWindowTest, TabShiftTabEnterAndF1ChangeNothing) {
  tool.TypeIntoEditBox("png");
  KeyStrokes keys = Tap(VK_TAB);
  for (const KeyStrokes& more : {WithKey(VK_SHIFT, VK_TAB), Tap(VK_RETURN), Tap(VK_F1), Tap('Z')}) {
    keys.insert(keys.end(), more.begin(), more.end());
  }
  Press(window, keys);
  // The last key types a letter: once it shows, the others have been handled.
  for (int tries = 0; tries < 250 && tool.EditBoxText() == "png"; ++tries) Sleep(20);
  EXPECT_EQ(tool.EditBoxText(), "pngz");
  EXPECT_EQ(FocusOf(window, edit), edit);
  EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(MainWindowTest, ASecondCopyRunsBesideTheFirst) {
  RunningTool second(ProgramPath(BATCH_SUFFIX_EXE), {"", folder.Path()});
  EXPECT_NE(second.Window(), window);
  EXPECT_EQ(second.Close(), 0u);
  EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(MainWindowTest, FocusComesBackToTheSuffixBoxWhenTheWindowIsActivatedAgain) {
  RunningTool second(ProgramPath(BATCH_SUFFIX_EXE), {"", folder.Path()});
  for (int tries = 0; tries < 100 && GetForegroundWindow() != second.Window(); ++tries) Sleep(50);
  ASSERT_EQ(GetForegroundWindow(), second.Window());

  SetForegroundWindow(window);
  EXPECT_EQ(FocusOf(window, edit), edit);
  EXPECT_EQ(second.Close(), 0u);
}

// The resources inside the .exe file, read as data.
class ProgramResources : public ::testing::Test {
 protected:
  ~ProgramResources() override { FreeLibrary(module); }
  std::string_view Resource(LPCSTR name, LPCSTR type) const {
    HRSRC found = FindResourceA(module, name, type);
    if (found == nullptr) return {};
    return {static_cast<const char*>(LockResource(LoadResource(module, found))),
            SizeofResource(module, found)};
  }
  HMODULE module = LoadLibraryExA(ProgramPath(BATCH_SUFFIX_EXE).c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
};

TEST_F(ProgramResources, ManifestAsksForCommonControlsSix) {
  const std::string manifest(Resource(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)));  // RT_MANIFEST
  EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
            std::string::npos)
      << manifest;
  EXPECT_EQ(manifest.find("<dependency>"), manifest.rfind("<dependency>"));  // exactly one
}

TEST_F(ProgramResources, IconGroupHoldsThree32BitImages) {
#pragma pack(push, 2)
  struct GroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
  };
#pragma pack(pop)
  const std::string_view group = Resource("DEFAULT_ICON", MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_GE(group.size(), 6u);
  const WORD count = *reinterpret_cast<const WORD*>(group.data() + 4);
  ASSERT_EQ(count, 3);
  ASSERT_EQ(group.size(), 6u + 3 * sizeof(GroupEntry));
  std::vector<int> sizes;
  for (WORD i = 0; i < count; ++i) {
    GroupEntry entry;
    memcpy(&entry, group.data() + 6 + i * sizeof entry, sizeof entry);
    sizes.push_back(entry.width);
    EXPECT_EQ(entry.height, entry.width);
    EXPECT_EQ(entry.bitCount, 32);
    EXPECT_FALSE(Resource(MAKEINTRESOURCEA(entry.id), MAKEINTRESOURCEA(3)).empty());  // RT_ICON
  }
  EXPECT_EQ(sizes, (std::vector<int>{64, 48, 32}));
}

TEST(FatalStart, ShowsTheErrorBoxThenEndsWithMinusOne) {
  const struct {
    const char* program;
    const char* text;
  } cases[] = {
      {BATCH_SUFFIX_TRUNCATED_BLOCK_EXE,
       "运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n\r\n0, 0\r\n"},
      {BATCH_SUFFIX_UNCREATABLE_EXE,
       "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\r\n1, 0\r\n窗口：批量修改文件后缀\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.program);
    StartFolder folder;
    RunningTool tool(ProgramPath(c.program), {"", folder.Path(), false});
    EXPECT_EQ(tool.WaitForBox("错误"), c.text);
    tool.DismissBox("错误");
    EXPECT_EQ(tool.WaitForExit(), 0xFFFFFFFFu);
  }
}

}  // namespace
}  // namespace batch::testing

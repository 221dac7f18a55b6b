// The embedded window description: the committed block is the encoding of
// the main window, and the reader takes nothing but a whole, valid block.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "shell/window/DescriptionBlock.h"
#include "shell/window/EmbeddedWindowBlock.h"
#include "shell/window/MainWindow.h"

namespace batch {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes MainBlock() {
  const WindowDescription windows[] = {MainWindowDescription()};
  return EncodeDescriptions(windows);
}

TEST(DescriptionBlock, CommittedBlockIsTheMainWindowsEncoding) {
  const auto embedded = EmbeddedWindowBlock();
  EXPECT_EQ(Bytes(embedded.begin(), embedded.end()), MainBlock())
      << "regenerate it with write-window-block";
}

TEST(DescriptionBlock, ReadsBackWhatWasEncoded) {
  const auto windows = ReadDescriptions(MainBlock());
  ASSERT_TRUE(windows.has_value());
  ASSERT_EQ(windows->size(), 1u);
  EXPECT_EQ(windows->front(), MainWindowDescription());
}

TEST(DescriptionBlock, MainWindowHoldsItsControlsInStoredOrder) {
  const WindowDescription main = MainWindowDescription();
  std::vector<std::string> names;
  for (const auto& entry : main.entries) names.push_back(entry.name);
  EXPECT_EQ(names, (std::vector<std::string>{"", "拖放对象1", "标签2", "编辑框1", "标签1"}));
  EXPECT_EQ(main.Id(), kMainWindowId);
  EXPECT_EQ(*main.Window().HandlerFor(kCreatedEvent), "AttachDropTarget");
  const ComponentEntry& drop = *main.Find(kDropTargetId);
  EXPECT_EQ(*drop.HandlerFor(kGotFileEvent), "RenameDroppedFiles");
  EXPECT_EQ(std::get<RawSettings>(drop.settings).bytes,
            (Bytes{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}));
}

TEST(DescriptionBlock, EveryShortenedOrLengthenedBlockIsRefused) {
  const Bytes block = MainBlock();
  for (std::size_t size = 0; size < block.size(); ++size) {
    EXPECT_FALSE(ReadDescriptions({block.data(), size})) << "cut to " << size;
  }
  Bytes longer = block;
  longer.push_back(0);
  EXPECT_FALSE(ReadDescriptions(longer));
  // Even when the size field agrees, the bytes left over refuse it.
  longer[8] = static_cast<std::uint8_t>(longer.size());
  longer[9] = static_cast<std::uint8_t>(longer.size() >> 8);
  EXPECT_FALSE(ReadDescriptions(longer));
}

// Re-encodes the main window after one change that makes it inconsistent.
struct Inconsistency {
  const char* what;
  std::function<void(std::vector<WindowDescription>&)> spoil;
};

TEST(DescriptionBlock, InconsistentContentIsRefused) {
  const Inconsistency cases[] = {
      {"no window", [](auto& w) { w.clear(); }},
      {"window without entries", [](auto& w) { w[0].entries.clear(); }},
      {"control before the window",
       [](auto& w) { std::swap(w[0].entries[0], w[0].entries[1]); }},
      {"a second window entry", [](auto& w) { w[0].entries.push_back(w[0].entries[0]); }},
      {"identifier 0", [](auto& w) { w[0].entries[2].id = 0; }},
      {"identifier twice", [](auto& w) { w[0].entries[2].id = w[0].entries[3].id; }},
      {"negative width", [](auto& w) { w[0].entries[2].place.width = -1; }},
      {"event bound twice",
       [](auto& w) { w[0].entries[0].events.push_back({kCreatedEvent, "Other"}); }},
      {"negative event", [](auto& w) { w[0].entries[0].events[0].event = -1; }},
      {"handler without name", [](auto& w) { w[0].entries[0].events[0].handler.clear(); }},
      {"zero byte in a caption",
       [](auto& w) { std::get<LabelSettings>(w[0].entries[2].settings).caption.push_back('\0'); }},
      {"negative length limit",
       [](auto& w) { std::get<EditBoxSettings>(w[0].entries[3].settings).maxBytes = -1; }},
      {"unknown frame",
       [](auto& w) { std::get<WindowSettings>(w[0].entries[0].settings).frame = FrameStyle{7}; }},
      {"unknown line breaking",
       [](auto& w) { std::get<LabelSettings>(w[0].entries[4].settings).lines = LineBreaking{2}; }},
      {"colour past RGB",
       [](auto& w) { std::get<LabelSettings>(w[0].entries[4].settings).text.value = 0x1000000; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<WindowDescription> windows{MainWindowDescription()};
    c.spoil(windows);
    EXPECT_FALSE(ReadDescriptions(EncodeDescriptions(windows)));
  }
}

// Patches the bytes of an otherwise valid block.
TEST(DescriptionBlock, DamagedHeaderOrFieldsAreRefused) {
  const Bytes block = MainBlock();
  const std::size_t firstEntry = 20, typeField = firstEntry + 4, nameSize = typeField + 4;
  const struct {
    const char* what;
    std::size_t at;
    std::uint8_t value;
  } cases[] = {
      {"magic", 0, 'X'},
      {"version 2", 4, 2},
      {"version 0", 4, 0},
      {"size", 8, static_cast<std::uint8_t>(block[8] - 1)},
      {"unknown type", typeField, 4},
      {"name running past the block", nameSize + 3, 0x7F},
      {"flag bit 3", nameSize + 12 + 16, 8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes damaged = block;
    damaged[c.at] = c.value;
    EXPECT_FALSE(ReadDescriptions(damaged));
  }
}

}  // namespace
}  // namespace batch

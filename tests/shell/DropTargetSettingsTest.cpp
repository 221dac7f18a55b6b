// The stored switches of a drop target: what reads, what fails, what is written.

#include <gtest/gtest.h>

#include <vector>

#include "shell/drop/DropTargetSettings.h"

namespace batch {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Record(std::uint32_t version, std::uint32_t text, std::uint32_t html, std::uint32_t url,
             std::uint32_t files) {
  Bytes bytes;
  for (std::uint32_t field : {version, text, html, url, files})
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(field >> shift));
  return bytes;
}

TEST(DropTargetSettings, ReadsTheRecordOrRefusesIt) {
  using Switches = std::array<bool, 4>;
  const struct {
    const char* name;
    Bytes record;
    std::optional<Switches> switches;
  } cases[] = {
      {"the tool's own record", Record(1, 0, 0, 0, 1), Switches{false, false, false, true}},
      {"empty: all off", {}, Switches{}},
      {"version 0", Record(0, 1, 0, 1, 0), Switches{true, false, true, false}},
      {"any non-zero field is on", Record(1, 0x100, 7, 0x80000000, 0), Switches{true, true, true, false}},
      {"version 2", Record(2, 0, 0, 0, 1), std::nullopt},
      {"version with a high byte", Record(0x01000001, 0, 0, 0, 1), std::nullopt},
      {"ends inside the last field", Bytes(19, 0), std::nullopt},
      {"only a version", Bytes{1, 0, 0, 0}, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto settings = ReadDropTargetSettings(c.record);
    ASSERT_EQ(settings.has_value(), c.switches.has_value());
    if (settings) {
      EXPECT_EQ(settings->accept, *c.switches);
    }
  }
}

TEST(DropTargetSettings, WritesVersionOneAndReadsBack) {
  DropTargetSettings settings;
  settings.SetSwitch(3, true);
  settings.SetSwitch(1, true);
  settings.SetSwitch(1, false);
  settings.SetSwitch(4, true);  // no such switch: ignored
  const DropTargetRecord record = WriteDropTargetSettings(settings);
  EXPECT_EQ(Bytes(record.begin(), record.end()), Record(1, 0, 0, 0, 1));

  settings.SetSwitch(0, true);
  const auto read = ReadDropTargetSettings(WriteDropTargetSettings(settings));
  ASSERT_TRUE(read.has_value());
  for (int number = -1; number <= 4; ++number) {
    SCOPED_TRACE(number);
    EXPECT_EQ(read->Switch(number), number == 0 || number == 3);
  }
}

}  // namespace
}  // namespace batch

#include "fuzz/TextOperationsCheck.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "fuzz/TextReference.h"
#include "text/PathRule.h"

namespace batch {
namespace {

struct Input {
  std::int32_t number;  // start position for the searches, count for the cuts
  std::string searched;
  std::string sought;
};

// The byte's signed value, with its two extremes standing for the ends of
// the 32-bit range, where off-by-one and overflow faults live.
std::int32_t NumberFrom(std::uint8_t byte) {
  const auto value = static_cast<std::int8_t>(byte);
  if (value == std::numeric_limits<std::int8_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (value == std::numeric_limits<std::int8_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return value;
}

Input Decode(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t split = std::min(bytes.find('\0'), bytes.size());
  const std::string_view rest = bytes.substr(std::min(split + 1, bytes.size()));
  return {NumberFrom(data[0]), std::string(bytes.substr(0, split)),
          std::string(rest.substr(0, std::min(rest.find('\0'), rest.size())))};
}

std::string Escaped(std::string_view bytes) {
  std::string out;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    char hex[5];
    std::snprintf(hex, sizeof hex, "\\x%02X", byte);
    out += byte >= 0x20 && byte < 0x7F && byte != '\\' ? std::string(1, c) : std::string(hex);
  }
  return out;
}

template <class Value>
void Expect(const Input& input, const char* what, const Value& actual, const Value& expected) {
  if (actual == expected) return;
  std::fprintf(stderr, "%s disagrees: searched \"%s\", sought \"%s\", number %d\n", what,
               Escaped(input.searched).c_str(), Escaped(input.sought).c_str(),
               static_cast<int>(input.number));
  if constexpr (std::is_integral_v<Value>) {
    std::fprintf(stderr, "  got %d, expected %d\n", static_cast<int>(actual), static_cast<int>(expected));
  } else {
    std::fprintf(stderr, "  got \"%s\", expected \"%s\"\n", Escaped(actual).c_str(), Escaped(expected).c_str());
  }
  std::abort();
}

// Null and empty are one value: hand the operations null for an empty text.
TextRef RefTo(const std::string& text) { return text.empty() ? TextRef() : TextRef(text.c_str()); }

void CheckSearches(const Input& input) {
  const std::optional<std::int32_t> starts[] = {std::nullopt, input.number};
  for (const CharRule rule : {CharRule::TwoByte, CharRule::PlainBytes}) {
    for (const bool ignoreCase : {false, true}) {
      for (const auto start : starts) {
        const TextRef searched = RefTo(input.searched);
        const TextRef sought = RefTo(input.sought);
        Expect(input, "FindText", FindText(searched, sought, start, ignoreCase, rule),
               reference::Find(input.searched, input.sought, start, ignoreCase, rule, false));
        Expect(input, "FindTextReverse", FindTextReverse(searched, sought, start, ignoreCase, rule),
               reference::Find(input.searched, input.sought, start, ignoreCase, rule, true));
      }
    }
  }
}

void CheckCutsAndStems(const Input& input) {
  const TextRef searched = RefTo(input.searched);
  Expect(input, "TextLength", TextLength(searched), static_cast<std::int32_t>(input.searched.size()));
  Expect(input, "TextLeft", std::string(TextLeft(searched, input.number).View()),
         reference::Left(input.searched, input.number));
  Expect(input, "TextRight", std::string(TextRight(searched, input.number).View()),
         reference::Right(input.searched, input.number));
  Expect(input, "ConcatText", std::string(ConcatText(searched, RefTo(input.sought)).View()),
         input.searched + input.sought);
  Expect(input, "CopyText", std::string(CopyText(searched).View()), input.searched);
  for (const PathRule& rule : {kWindowsPaths, kPosixPaths}) {
    Expect(input, "SuffixStem", std::string(SuffixStem(searched, rule).View()),
           reference::Stem(input.searched, rule));
  }
}

}  // namespace

void CheckTextOperations(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  const Input input = Decode(data, size);
  CheckSearches(input);
  CheckCutsAndStems(input);
}

}  // namespace batch

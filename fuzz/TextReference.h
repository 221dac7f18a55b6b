#pragma once
// Slow, plain versions of the text operations, written straight from their
// rules with std::string and indices, to hold the real ones against.

#include <cstdint>
#include <optional>
#include <string>

#include "text/PathRule.h"

namespace batch::reference {

std::int32_t Find(const std::string& searched, const std::string& sought,
                  std::optional<std::int32_t> start, bool ignoreCase, CharRule rule,
                  bool reverse);
std::string Left(const std::string& text, std::int32_t count);
std::string Right(const std::string& text, std::int32_t count);
std::string Stem(const std::string& path, PathRule rule);

}  // namespace batch::reference

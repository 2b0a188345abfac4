// Bytes as text of hex digit pairs ("01 ff"), as scripts and test messages
// write registry values.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace psui {

// Lower-case pairs separated by single spaces; "" for no bytes.
std::string HexPairs(const std::vector<uint8_t>& bytes);
// Pairs with or without spaces between them, either case; false for an odd
// digit or anything else.
bool ParseHexPairs(const std::string& text, std::vector<uint8_t>* bytes);

}  // namespace psui

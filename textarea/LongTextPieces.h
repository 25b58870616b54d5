#pragma once
// How a long text is handed to the editing control: in pieces of at most a fixed size, never
// cutting a double-byte character in two. The text is walked once, character by character, so a
// trail byte that has the value of a lead byte is never taken for one and the cost stays linear.
#include <cstddef>
#include <string_view>
#include <vector>

inline constexpr std::size_t kLongTextPiece = 16000;

// The lengths of the pieces in order; their sum is the text's length. A piece whose last byte
// would be the lead byte of a character takes that character's trail byte as well.
std::vector<std::size_t> LongTextPieces(std::string_view text, std::size_t piece = kLongTextPiece);

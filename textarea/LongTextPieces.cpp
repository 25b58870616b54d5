#include "textarea/LongTextPieces.h"

#include <algorithm>

#include "platform/base/CodePage.h"

std::vector<std::size_t> LongTextPieces(std::string_view text, std::size_t piece) {
  std::vector<std::size_t> pieces;
  std::size_t start = 0;
  std::size_t character = 0;  // start of the character the walk stands on; only ever moves forward
  while (start < text.size()) {
    std::size_t end = std::min(start + piece, text.size());
    while (character < end - 1)
      character += IsDBCSLeadByte(static_cast<unsigned char>(text[character])) ? 2 : 1;
    if (character == end - 1 && end < text.size() && IsDBCSLeadByte(static_cast<unsigned char>(text[character])))
      ++end;
    pieces.push_back(end - start);
    start = end;
  }
  return pieces;
}

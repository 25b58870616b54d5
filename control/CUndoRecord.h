#pragma once
// One entry of the control's undo and redo lists.
#include <cstdint>

#include "control/CRefString.h"

// Record kinds (low 16 bits of the kind word) and flags.
constexpr std::uint32_t UNDO_CHAR_INSERTED = 0;  // typed character or line end: undone by Backspace at the position
constexpr std::uint32_t UNDO_BACKSPACE = 1;      // removed by Backspace: undone by inserting the character
constexpr std::uint32_t UNDO_DELETE = 2;         // removed by Delete or a line join: undone by inserting the character
constexpr std::uint32_t UNDO_TEXT_INSERTED = 3;  // undone by deleting the range
constexpr std::uint32_t UNDO_TEXT_DELETED = 5;   // undone by inserting the text
constexpr std::uint32_t UNDO_INDENTED = 6;       // undone by unindenting the range
constexpr std::uint32_t UNDO_KIND_MASK = 0xFFFF;
constexpr std::uint32_t UNDO_WAS_MODIFIED = 0x10000;
constexpr std::uint32_t UNDO_GROUPED = 0x20000;
constexpr std::uint32_t UNDO_LINEEND_CR = 0x40000;  // the removed line end was a lone CR
constexpr std::uint32_t UNDO_LINEEND_LF = 0x80000;  // the removed line end was a lone LF

struct CUndoRecord {
  std::int32_t startColumn = 0;
  std::int32_t startLine = 0;
  std::int32_t endColumnOrChar = 0;  // end column (kinds 3, 5, 6) or the character (kinds 0-2)
  std::int32_t endLine = 0;
  std::uint32_t kind = 0;
  CRefString text;  // the deleted bytes of kind 5

  std::uint32_t Kind() const { return kind & UNDO_KIND_MASK; }
};

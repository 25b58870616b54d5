#pragma once
// Recognising the heading mark at the start of a line of plain text ("1.2 ", "(a) ", "① ", "第3章 "
// and the like), for the readers that turn headed text into an outline.

// The length in bytes of the mark at the start of line, its ending character included; 0 when the
// line has none. kind is set to a number for the style of the mark (0 when there is none): two
// marks of one style have the same kind. The separator of setting Text/ShowStr takes part.
int GetHeadingMark(const char* line, unsigned& kind);

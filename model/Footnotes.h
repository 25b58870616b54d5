#pragma once
// Footnotes inside tree texts: a stretch between the start and end marks of the text-output
// options. The export cuts them out into a numbered list; HTML shows them as popup spans.
// Footnote numbers are positions in the list, so they run on across trees until it is emptied.
#include "platform/base/CString.h"
#include "platform/base/CStringArray.h"

class ATREE;
class CTextOutputOptions;

// The text with each footnote replaced by its reference number; the footnotes go to list.
// Empty start and end marks mean that the text holds no footnotes.
CString ExtractFootnotes(const CTextOutputOptions& options, CStringArray& list, const char* text);
// The gathered footnotes as one numbered block ("" when there are none); empties the list.
CString GetFootnoteText(const CTextOutputOptions& options, CStringArray& list);
// Each footnote as a popup span whose title is the note and whose text is its number (from 1 for
// each call). With escape, the text around the spans and the notes are HTML-escaped, so that the
// spans stay markup while everything else shows as written.
CString MakePopupSpan(const CTextOutputOptions& options, const char* text, bool escape = false);
// Rewrites every item's text with its footnotes made references and the footnote blocks put in
// where the footnote position of the settings places them.
void ConvertFootnotes(ATREE& tree, const CTextOutputOptions& options);

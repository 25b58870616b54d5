#pragma once
// Saving a document in a form other than the native file: the other editor's outline text for a
// ".mem" name, plain text (the text export over the whole outline) for any other name. The model's
// save chooses between them by the extension once the program has installed the converters.
class ATREE;

// The whole outline as the text export writes it, every item expanded. 0 when the user declines
// to turn a text file's form into the export's (setting System/bTextFile), while a check filter
// hides items, or when the file could not be written (each with its message).
int SaveAsTextFile(ATREE& tree, const char* path);
// The other editor's outline; the top item is left out when its title is the file's base name,
// as it is after reading such a file with the top item named after it.
int SaveWzFile(ATREE& tree, const char* path);

#pragma once
// An outline read from its JSON form.
class ATREE;

// Appends an empty top item to an empty model and fills the outline from a JSON file; 0 when
// the file cannot be read as one (the items made so far stay).
int ReadJsonFile(ATREE& tree, const char* path);

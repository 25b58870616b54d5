#pragma once
// Installs the converters' readers and writers in the model, so that its open can read every
// source it knows and its save can write a document as the other editor's outline or as text.
// Called once by the program at start-up (and by tests that open or save such files).
void InstallConverterReaders();

#pragma once
// Installs the converters' readers in the model, so that its open can read every source it
// knows. Called once by the program at start-up (and by tests that open such sources).
void InstallConverterReaders();

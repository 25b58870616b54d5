// The program kesta32: the one application object and the framework's main.
#include "shell/CKestavonProgram.h"
#include "shell/FileSizeSignal.h"

int main(int argc, char** argv) {
  IgnoreFileSizeSignal();
  CKestavonProgram theApp;
  return AfxWinMain(argc, argv);
}

// The program kesta32: the one application object and the framework's main.
#include "shell/CKestavonProgram.h"

int main(int argc, char** argv) {
  CKestavonProgram theApp;
  return AfxWinMain(argc, argv);
}

// The program kesta32: the one application object and the framework's main.
#include "app/CKestavonApp.h"

int main(int argc, char** argv) {
  CKestavonApp theApp;
  return AfxWinMain(argc, argv);
}

#include "control/component/WrilaModule.h"

ComModule& WrilaModule() {
  static ComModule module;
  return module;
}

// The calculator's evaluator on arbitrary expressions, as typed and as normalised.
#include <cstddef>
#include <cstdint>
#include <string>

#include "foundation/CCalculator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CString text(std::string(reinterpret_cast<const char*>(data), size));
  CCalculator calc;
  double value = 0.0;
  calc.EvaluateExpression(text, &value);
  calc.EvaluateExpression(NormaliseExpression(text), &value);
  return 0;
}

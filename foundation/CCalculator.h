#pragma once
// The calculator's expression language: one line of arithmetic with the operators
// ( ) + - * / % ^ = < >, the constant PI and the named functions of CCalcFunctionArray, evaluated
// by conversion to postfix order and a stack of values. Dates are day numbers counted from
// 1 January of year 0 (Gregorian rules); times are numbers of seconds.
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

// The typed text made ready for evaluation: full-width characters made half-width, every blank
// and every '=' removed.
CString NormaliseExpression(const CString& text);

// priority(a) - priority(b): ( ) , -1; + - = < > 1; * / % 2; ^ 3; anything else 65535.
int CompareOperatorPriority(char a, char b);

class CCalculator {
 public:
  CCalculator() = default;

  // 1 with the value in result; 0 for an empty text; -1 an operator without enough values (or no
  // value at all, or an overlong number); -2 a ')' without '('; -3 an unknown or overlong name, or
  // a function without enough values; -4 division by zero. result is written only on success.
  int EvaluateExpression(const CString& text, double* result);

  // Pops the function's arguments (last first) and writes its value. FALSE for an unknown name or
  // too few values on the stack (back() is the top).
  BOOL CallFunction(const CString& name, std::vector<double>& stack, double* result);

  static BOOL IsLeapYear(long long year);
  // DateSerial(0, 1, 1) is 1. Months past 12 run on into the following years.
  static long long DateSerial(int year, int month, int day);
  // Returns the year and leaves the day of that year in serial.
  static int YearFromSerial(double& serial);
  // Returns the month and leaves the day of that month in serial.
  static int MonthFromSerial(double& serial);
};

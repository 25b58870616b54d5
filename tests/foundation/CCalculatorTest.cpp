#include "foundation/CCalculator.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "foundation/CCalcFunctionArray.h"

namespace {

struct Case {
  const char* text;
  int code;
  double value;
};

void ExpectCases(const std::vector<Case>& cases) {
  CCalculator calc;
  for (const Case& c : cases) {
    double value = -12345.0;
    EXPECT_EQ(c.code, calc.EvaluateExpression(c.text, &value)) << c.text;
    if (c.code == 1) {
      EXPECT_NEAR(c.value, value, 1e-9) << c.text;
    } else {
      EXPECT_EQ(-12345.0, value) << c.text << ": result written on failure";
    }
  }
}

TEST(Calculator, PrioritiesSignsAndCommas) {
  ExpectCases({
      {"1+2*3", 1, 7},        {"(1+2)*3", 1, 9},   {"2^3^2", 1, 64},       {"7%3", 1, 1},
      {"-7%3", 1, -1},        {"10/4", 1, 2.5},    {"2^-1", 1, 0.5},       {"3-1", 1, 2},
      {"PI-1", 1, 2.1415926535}, {"pi", 1, 3.1415926535}, {"sqr(4)-1", 1, 1}, {"1,000+1", 1, 1001},
      {"max(1+2*3,4)", 1, 7}, {"2(3)", 1, 3},      {"1<2", 1, 1},          {"2<1", 1, 0},
      {"3>2", 1, 1},          {"2=2", 1, 1},       {"1.5.7+1", 1, 2.5},    {"-0.25*4", 1, -1},
  });
}

TEST(Calculator, ErrorCodes) {
  ExpectCases({
      {"", 0, 0},          {"-(1+2)", -1, 0}, {"(1+2", -1, 0}, {"+", -1, 0},    {"1+2)", -2, 0},
      {")", -2, 0},        {"1e5", -3, 0},    {"Pi", -3, 0},   {"foo(1)", -3, 0}, {"max(1)", -3, 0},
      {"1/0", -4, 0},      {"5%0", -4, 0},    {"5%0.5", -4, 0},
  });
}

TEST(Calculator, GuardsEmptyStacksOverlongTokensAndHugeOperands) {
  ExpectCases({
      {"()", -1, 0},
      {",", -1, 0},
      {"(,)", -1, 0},
      {"(((((", -1, 0},
      {"1e400%2", -3, 0},
      {"4294967296%3", 1, 2147483647 % 3},
      {"-2147483648%-1", 1, 0},
  });
  CCalculator calc;
  double value = 0;
  EXPECT_EQ(-1, calc.EvaluateExpression(CString(std::string(300, '9')), &value));
  EXPECT_EQ(-3, calc.EvaluateExpression(CString(std::string(300, 'x')), &value));
  EXPECT_EQ(1, calc.EvaluateExpression(CString(std::string(254, '1').insert(1, ".")), &value));
}

TEST(Calculator, NormalisedInput) {
  EXPECT_EQ("1+2", NormaliseExpression("1 + 2 ="));
  EXPECT_EQ("(12+3)*4", NormaliseExpression("（１２＋３）＊４"));
  CCalculator calc;
  double value = 0;
  ASSERT_EQ(1, calc.EvaluateExpression(NormaliseExpression("ＭＡＸ（１，　２）×３ ="), &value));
  EXPECT_EQ(6, value);
}

TEST(Calculator, OperatorPriorities) {
  EXPECT_EQ(0, CompareOperatorPriority('+', '-'));
  EXPECT_EQ(-1, CompareOperatorPriority('+', '*'));
  EXPECT_EQ(1, CompareOperatorPriority('^', '%'));
  EXPECT_EQ(2, CompareOperatorPriority('+', '('));
  EXPECT_EQ(1 - 65535, CompareOperatorPriority('<', 'a'));
}

TEST(CalcFunctions, TableAndArgumentCounts) {
  const CCalcFunctionArray& table = CCalcFunctionArray::Instance();
  ASSERT_EQ(33, table.GetSize());
  EXPECT_EQ("ABS", table.GetAt(0).m_strName);
  EXPECT_EQ("IF", table.GetAt(32).m_strName);
  EXPECT_EQ("参照", table.GetAt(32).m_strCategory);
  EXPECT_EQ("条件,項目1,項目2", table.GetAt(32).m_strSyntax);
  for (const char* name : {"sqr", "Sqr", "SQR"}) EXPECT_EQ(1, table.GetArgCount(name)) << name;
  EXPECT_EQ(-1, table.GetArgCount("PI"));
  EXPECT_EQ(0, table.GetArgCount("now"));
  EXPECT_EQ(3, table.GetArgCount("DateSerial"));
}

TEST(CalcFunctions, Examples) {
  ExpectCases({
      {"MAX(2,2)", 1, 2},          {"MIN(2,2)", 1, 2},          {"MIN(1,2)", 1, 1},
      {"IF(0,1,2)", 1, 2},         {"IF(-0.5,1,2)", 1, 1},      {"ROUND(2.5,0)", 1, 3},
      {"ROUND(-2.5,0)", 1, -2},    {"ROUNDUP(-1.5,0)", 1, -1},  {"ROUNDDOWN(-1.5,0)", 1, -1},
      {"ROUND(3.14159,2)", 1, 3.14}, {"ROUND(1234,-2)", 1, 1200}, {"ROUNDDOWN(12345678901.7,0)", 1, 12345678901},
      {"INT(-2.5)", 1, -3},        {"ABS(-2.7)", 1, 2},         {"ABS(-5000000000)", 1, 5000000000},
      {"SQR(9)", 1, 3},            {"LOG(1000)", 1, 3},         {"LN(1)", 1, 0},
      {"EXP(0)", 1, 1},            {"SIN(0)+COS(0)+TAN(0)", 1, 1}, {"ASIN(1)", 1, 1.5707963267948966},
      {"ACOS(1)+ATAN(0)", 1, 0},   {"SINH(0)+COSH(0)+TANH(0)", 1, 1},
      {"YEAR(DATESERIAL(2019,5,1))", 1, 2019}, {"MONTH(DATESERIAL(2019,5,1))", 1, 5},
      {"DAY(DATESERIAL(2019,5,1))", 1, 1},
      {"DATESERIAL(2000,3,1)-DATESERIAL(2000,2,28)", 1, 2},
      {"DATESERIAL(1900,3,1)-DATESERIAL(1900,2,28)", 1, 1},
      {"DATESERIAL(2019,13,1)-DATESERIAL(2020,1,1)", 1, 0},
      {"DAY(DATESERIAL(2019,5,1)+0.5)", 1, 1.5},
      {"TIMESERIAL(1,2,3)", 1, 3723}, {"HOUR(3723)", 1, 1},      {"MINUTE(3723)", 1, 2},
      {"SECOND(3723)", 1, 3},      {"HOUR(90000)", 1, 25},      {"SECOND(-60)", 1, 0},
      {"DATESERIAL(2147483647,1,1)>0", 1, 1},
      {"YEAR(10^300)>2000000", 1, 1}, {"MONTH(-1000)", 1, 0},
  });
}

TEST(CalcFunctions, CurrentDate) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  CCalculator calc;
  double year = 0, month = 0, day = 0, serial = 0;
  ASSERT_EQ(1, calc.EvaluateExpression("NOWYEAR", &year));
  ASSERT_EQ(1, calc.EvaluateExpression("nowmonth", &month));
  ASSERT_EQ(1, calc.EvaluateExpression("NowDay", &day));
  ASSERT_EQ(1, calc.EvaluateExpression("NOW", &serial));
  if (local.tm_hour == 23 && local.tm_min == 59) GTEST_SKIP() << "midnight may pass between the calls";
  EXPECT_EQ(local.tm_year + 1900, year);
  EXPECT_EQ(local.tm_mon + 1, month);
  EXPECT_EQ(local.tm_mday, day);
  EXPECT_EQ(CCalculator::DateSerial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday), serial);
}

TEST(CalcFunctions, CallFunctionPopsArgumentsLastFirst) {
  CCalculator calc;
  std::vector<double> stack = {7, 1, 10, 20};
  double result = 0;
  EXPECT_TRUE(calc.CallFunction("if", stack, &result));
  EXPECT_EQ(10, result);
  EXPECT_EQ(std::vector<double>{7}, stack);
  EXPECT_FALSE(calc.CallFunction("max", stack, &result));
  EXPECT_FALSE(calc.CallFunction("nosuch", stack, &result));
  EXPECT_EQ(std::vector<double>{7}, stack);
}

// The day-number conversions count years and months one by one from year 0.
void SlowYearMonth(double serial, int& year, int& month, double& day) {
  int y = 0;
  while (serial > 0) serial -= 365 + (CCalculator::IsLeapYear(y++) ? 1 : 0);
  year = y - 1;
  serial += 365 + (CCalculator::IsLeapYear(year) ? 1 : 0);
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int m = 1;
  const auto length = [&](int mm) { return kDays[mm - 1] + (mm == 2 && CCalculator::IsLeapYear(year) ? 1 : 0); };
  while (serial > 0) serial -= length(m++);
  month = m - 1;
  day = serial + length(month);
}

TEST(CalcFunctions, DaySerialsAgreeWithCountingOneByOne) {
  EXPECT_EQ(1, CCalculator::DateSerial(0, 1, 1));
  EXPECT_EQ(367, CCalculator::DateSerial(1, 1, 1));
  EXPECT_TRUE(CCalculator::IsLeapYear(0));
  EXPECT_TRUE(CCalculator::IsLeapYear(2000));
  EXPECT_FALSE(CCalculator::IsLeapYear(1900));
  for (double serial : {1.0, 31.0, 32.0, 59.0, 60.0, 61.0, 366.0, 367.0, 0.5, 146097.0, 146098.0, 146097.5,
                        730485.0, 737545.0, 737545.25, 738000.0, 876543.0}) {
    int year = 0, month = 0;
    double day = 0;
    SlowYearMonth(serial, year, month, day);
    double s = serial;
    EXPECT_EQ(month, CCalculator::MonthFromSerial(s)) << serial;
    EXPECT_EQ(day, s) << serial;
    s = serial;
    EXPECT_EQ(year, CCalculator::YearFromSerial(s)) << serial;
  }
  for (int year : {0, 1, 4, 99, 100, 400, 1900, 1999, 2000, 2019, 2024}) {
    for (int month = 1; month <= 12; ++month) {
      double s = static_cast<double>(CCalculator::DateSerial(year, month, 28));
      EXPECT_EQ(month, CCalculator::MonthFromSerial(s)) << year << "/" << month;
      EXPECT_EQ(28, s);
      s = static_cast<double>(CCalculator::DateSerial(year, month, 28));
      EXPECT_EQ(year, CCalculator::YearFromSerial(s));
    }
  }
}

}  // namespace

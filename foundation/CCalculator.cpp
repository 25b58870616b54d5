#include "foundation/CCalculator.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <ctime>
#include <string>

#include "foundation/CCalcFunctionArray.h"
#include "foundation/JapaneseText.h"

namespace {

constexpr double kPi = 3.1415926535;
// The evaluator's number and name buffers hold at most this many bytes.
constexpr size_t kTokenLimit = 255;
// Largest serial handled: keeps the year within an int (about year 1.9e9).
constexpr double kMaxSerial = 7.0e11;
constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

int Priority(char c) {
  switch (c) {
    case '(':
    case ')':
    case ',':
      return -1;
    case '+':
    case '-':
    case '=':
    case '<':
    case '>':
      return 1;
    case '*':
    case '/':
    case '%':
      return 2;
    case '^':
      return 3;
    default:
      return 65535;
  }
}

// Truncation toward zero into 32 bits; out-of-range values saturate instead of being undefined.
int TruncToInt(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return INT_MAX;
  if (v <= -2147483648.0) return INT_MIN;
  return static_cast<int>(v);
}

// Truncation toward zero without a 32-bit limit; never gives -0.
double Whole(double v) { return std::trunc(v) + 0.0; }

// Leading sign, digits and one decimal point, as far as they go.
double ParseNumber(const std::string& token) {
  size_t end = token[0] == '-' ? 1 : 0;
  while (end < token.size() && IsDigit(token[end])) ++end;
  if (end < token.size() && token[end] == '.') {
    ++end;
    while (end < token.size() && IsDigit(token[end])) ++end;
  }
  double value = 0.0;
  if (std::from_chars(token.data(), token.data() + end, value).ec != std::errc()) return 0.0;
  return value;
}

long long DaysBeforeYear(long long year) {
  if (year <= 0) return 0;
  const long long last = year - 1;
  return 365 * year + (last / 4 + 1) - (last / 100 + 1) + (last / 400 + 1);
}

int MonthLength(int month, long long year) {
  return kMonthDays[month - 1] + (month == 2 && CCalculator::IsLeapYear(year) ? 1 : 0);
}

}  // namespace

CString NormaliseExpression(const CString& text) {
  CString normal = HalfWidthText(text);
  normal.Remove(' ');
  normal.Remove('=');
  return normal;
}

int CompareOperatorPriority(char a, char b) { return Priority(a) - Priority(b); }

int CCalculator::EvaluateExpression(const CString& text, double* result) {
  if (text.IsEmpty()) return 0;

  // Commas outside every parenthesis are thousands separators; inside they part arguments.
  std::string expr;
  int depth = 0;
  for (const char c : text.str()) {
    if (c == '(') ++depth;
    if (c == ')') --depth;
    if (c == ',' && depth <= 0) continue;
    expr += c;
  }

  std::string number, name;
  std::vector<std::string> operators, output;
  const auto moveTop = [&] {
    output.push_back(std::move(operators.back()));
    operators.pop_back();
  };
  for (size_t i = 0; i < expr.size(); ++i) {
    const char c = expr[i];
    if (!IsDigit(c) && c != '.' && !number.empty()) {
      output.push_back(number);
      number.clear();
    }
    if (!IsLetter(c) && !name.empty()) {
      operators.push_back(name);
      name.clear();
    }
    switch (c) {
      case '+':
      case '-':
      case '*':
      case '/':
      case '%':
      case '^':
      case '=':
      case '<':
      case '>': {
        const char prev = i > 0 ? expr[i - 1] : '\0';
        if (c == '-' && (i == 0 || !(IsDigit(prev) || IsLetter(prev) || prev == ')'))) {
          number += c;  // a sign, part of the number that follows
          break;
        }
        while (!operators.empty() && CompareOperatorPriority(c, operators.back()[0]) <= 0) moveTop();
        operators.emplace_back(1, c);
        break;
      }
      case '(':
        operators.emplace_back("(");
        break;
      case ')':
        if (operators.empty()) return -2;
        while (operators.back() != "(") {
          moveTop();
          if (operators.empty()) return -2;
        }
        operators.pop_back();
        if (!operators.empty() && IsLetter(operators.back()[0])) moveTop();
        break;
      case ',':
        while (!operators.empty() && operators.back() != "(") moveTop();
        break;
      default:
        if (IsLetter(c)) {
          name += c;
          if (name.size() > kTokenLimit) return -3;
        } else {
          number += c;
          if (number.size() > kTokenLimit) return -1;
        }
        break;
    }
  }
  if (!number.empty()) output.push_back(number);
  if (!name.empty()) output.push_back(name);
  while (!operators.empty()) moveTop();

  std::vector<double> values;
  for (const std::string& token : output) {
    const char first = token[0];
    if (IsDigit(first) || first == '.' || (first == '-' && token.size() > 1)) {
      values.push_back(ParseNumber(token));
      continue;
    }
    if (token == "PI" || token == "pi") {
      values.push_back(kPi);
      continue;
    }
    if (IsLetter(first)) {
      double value = 0.0;
      if (!CallFunction(CString(token), values, &value)) return -3;
      values.push_back(value);
      continue;
    }
    if (values.empty()) return -1;
    const double b = values.back();
    values.pop_back();
    if (values.empty()) return -1;
    const double a = values.back();
    values.pop_back();
    switch (first) {
      case '+':
        values.push_back(a + b);
        break;
      case '-':
        values.push_back(a - b);
        break;
      case '*':
        values.push_back(a * b);
        break;
      case '/':
        if (b == 0.0) return -4;
        values.push_back(a / b);
        break;
      case '%': {
        const long long divisor = TruncToInt(b);
        if (divisor == 0) return -4;
        values.push_back(static_cast<double>(TruncToInt(a) % divisor));
        break;
      }
      case '^':
        values.push_back(std::pow(a, b));
        break;
      case '<':
        values.push_back(a < b ? 1.0 : 0.0);
        break;
      case '>':
        values.push_back(a > b ? 1.0 : 0.0);
        break;
      case '=':
        values.push_back(a == b ? 1.0 : 0.0);
        break;
      default:
        break;  // a stray "(" or punctuation consumes its two values
    }
  }
  if (values.empty()) return -1;
  *result = values.back();
  return 1;
}

BOOL CCalculator::CallFunction(const CString& name, std::vector<double>& stack, double* result) {
  const int count = CCalcFunctionArray::Instance().GetArgCount(name);
  if (count < 0 || stack.size() < static_cast<size_t>(count)) return FALSE;
  double args[3] = {0.0, 0.0, 0.0};
  for (int i = count - 1; i >= 0; --i) {
    args[i] = stack.back();
    stack.pop_back();
  }
  const double x = args[0], a = args[0], b = args[1], c = args[2];

  CString lower = name;
  lower.MakeLower();
  const std::string& fn = lower.str();
  double value = 0.0;
  if (fn == "nowyear" || fn == "nowmonth" || fn == "nowday" || fn == "now") {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const int year = local.tm_year + 1900, month = local.tm_mon + 1, day = local.tm_mday;
    if (fn == "nowyear") value = year;
    else if (fn == "nowmonth") value = month;
    else if (fn == "nowday") value = day;
    else value = static_cast<double>(DateSerial(year, month, day));
  } else if (fn == "sqr") {
    value = std::sqrt(x);
  } else if (fn == "log") {
    value = std::log10(x);
  } else if (fn == "ln") {
    value = std::log(x);
  } else if (fn == "sin") {
    value = std::sin(x);
  } else if (fn == "cos") {
    value = std::cos(x);
  } else if (fn == "tan") {
    value = std::tan(x);
  } else if (fn == "asin") {
    value = std::asin(x);
  } else if (fn == "acos") {
    value = std::acos(x);
  } else if (fn == "atan") {
    value = std::atan(x);
  } else if (fn == "sinh") {
    value = std::sinh(x);
  } else if (fn == "cosh") {
    value = std::cosh(x);
  } else if (fn == "tanh") {
    value = std::tanh(x);
  } else if (fn == "int") {
    value = std::floor(x);
  } else if (fn == "exp") {
    value = std::exp(x);
  } else if (fn == "abs") {
    value = std::fabs(Whole(x));
  } else if (fn == "year") {
    double serial = x;
    value = YearFromSerial(serial);
  } else if (fn == "month") {
    double serial = x;
    value = MonthFromSerial(serial);
  } else if (fn == "day") {
    double serial = x;
    MonthFromSerial(serial);
    value = serial;
  } else if (fn == "hour") {
    value = Whole(Whole(x) / 3600);
  } else if (fn == "minute") {
    value = std::fmod(Whole(Whole(x) / 60), 60) + 0.0;
  } else if (fn == "second") {
    value = std::fmod(Whole(x), 60) + 0.0;
  } else if (fn == "max") {
    value = a > b ? a : b;
  } else if (fn == "min") {
    value = a < b ? a : b;
  } else if (fn == "round") {
    const double p = std::pow(10.0, b);
    value = std::floor(a * p + 0.5) / p;
  } else if (fn == "roundup") {
    const double p = std::pow(10.0, b);
    value = std::ceil(a * p) / p + 0.0;
  } else if (fn == "rounddown") {
    const double p = std::pow(10.0, b);
    value = Whole(a * p) / p;
  } else if (fn == "if") {
    value = a != 0.0 ? b : c;
  } else if (fn == "dateserial") {
    value = static_cast<double>(DateSerial(TruncToInt(a), TruncToInt(b), TruncToInt(c)));
  } else if (fn == "timeserial") {
    value = a * 3600 + b * 60 + c;
  } else {
    return FALSE;
  }
  *result = value;
  return TRUE;
}

BOOL CCalculator::IsLeapYear(long long year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

long long CCalculator::DateSerial(int year, int month, int day) {
  long long y = year;
  if (month > 12) {
    y += (month - 1) / 12;
    month = (month - 1) % 12 + 1;
  }
  long long serial = DaysBeforeYear(y);
  for (int m = 1; m < month; ++m) serial += MonthLength(m, y);
  return serial + day;
}

int CCalculator::YearFromSerial(double& serial) {
  if (!(serial > 0)) {
    // Before day 1: year -1, as counting back from year 0 gives.
    serial += 365;
    return -1;
  }
  if (serial > kMaxSerial) serial = kMaxSerial;
  // Whole 400-year cycles first, then at most 400 single years.
  constexpr long long kCycleDays = 146097;
  long long cycles = static_cast<long long>(serial / kCycleDays);
  if (static_cast<double>(cycles * kCycleDays) >= serial) --cycles;
  long long year = cycles * 400;
  while (static_cast<double>(DaysBeforeYear(year + 1)) < serial) ++year;
  serial -= static_cast<double>(DaysBeforeYear(year));
  return static_cast<int>(year);
}

int CCalculator::MonthFromSerial(double& serial) {
  const int year = YearFromSerial(serial);
  if (!(serial > 0)) return 0;  // more than a year before day 1: no month to name
  int month = 1;
  while (month < 12 && serial > MonthLength(month, year)) {
    serial -= MonthLength(month, year);
    ++month;
  }
  return month;
}

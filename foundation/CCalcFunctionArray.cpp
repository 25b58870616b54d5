#include "foundation/CCalcFunctionArray.h"

CCalcFunctionArray& CCalcFunctionArray::Instance() {
  static CCalcFunctionArray table;
  return table;
}

CCalcFunctionArray::CCalcFunctionArray() {
  const CCalcFunction rows[] = {
      {"ABS", "数学", 1, "値", "絶対値を求める"},
      {"EXP", "数学", 1, "値", "指数を求める"},
      {"INT", "数学", 1, "値", "整数を返す"},
      {"LOG", "数学", 1, "値", "10の対数を求める"},
      {"LN", "数学", 1, "値", "自然対数を求める"},
      {"MAX", "数学", 2, "値,値", "大きい方の値を返す"},
      {"MIN", "数学", 2, "値,値", "小さい方の値を返す"},
      {"ROUND", "数学", 2, "値,桁数", "四捨五入する。桁数は正の場合、小数点以下、負の場合、整数部分。"},
      {"ROUNDDOWN", "数学", 2, "値,桁数", "切り捨てする。桁数は正の場合、小数点以下、負の場合、整数部分。"},
      {"ROUNDUP", "数学", 2, "値,桁数", "切り上げする。桁数は正の場合、小数点以下、負の場合、整数部分。"},
      {"SQR", "数学", 1, "値", "平方根を求める"},
      {"SIN", "三角関数", 1, "値", "サインを求める"},
      {"COS", "三角関数", 1, "値", "コサインを求める"},
      {"TAN", "三角関数", 1, "値", "タンジェントを求める"},
      {"ASIN", "三角関数", 1, "値", "アークサインを求める"},
      {"ACOS", "三角関数", 1, "値", "アークコサインを求める"},
      {"ATAN", "三角関数", 1, "値", "アークタンジェントを求める"},
      {"SINH", "三角関数", 1, "値", "ハイパーボリック サインを求める"},
      {"COSH", "三角関数", 1, "値", "ハイパーボリック コサインを求める"},
      {"TANH", "三角関数", 1, "値", "ハイパーボリック タンジェントを求める"},
      {"DATESERIAL", "日付", 3, "年,月,日", "指定日付のシリアル値を求める"},
      {"NOW", "日付", 0, "", "現在日付のシリアル値を求める"},
      {"NOWDAY", "日付", 0, "", "現在の日を返す"},
      {"NOWMONTH", "日付", 0, "", "現在の月を返す"},
      {"NOWYEAR", "日付", 0, "", "現在の年を返す"},
      {"YEAR", "日付", 1, "", "シリアル値から年を返す"},
      {"MONTH", "日付", 1, "", "シリアル値から月を返す"},
      {"DAY", "日付", 1, "", "シリアル値から日を返す"},
      {"TIMESERIAL", "時間", 3, "時,分,秒", "時間シリアル値を求める"},
      {"HOUR", "時間", 1, "時間シリアル値", "時間シリアル値から時を求める"},
      {"MINUTE", "時間", 1, "時間シリアル値", "時間シリアル値から分を求める"},
      {"SECOND", "時間", 1, "時間シリアル値", "時間シリアル値から秒を求める"},
      {"IF", "参照", 3, "条件,項目1,項目2", "条件が正しいときには項目１を、そうでないときには項目２を返す"},
  };
  for (const CCalcFunction& row : rows) Add(row);
}

int CCalcFunctionArray::GetArgCount(const CString& name) const {
  CString upper = name;
  upper.MakeUpper();
  for (const CCalcFunction& function : m_functions) {
    if (function.m_strName == upper) return function.m_nArgCount;
  }
  return -1;
}

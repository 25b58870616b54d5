#pragma once
// The named functions of the calculator's expression language: name, category, argument count,
// argument hint and description, in the order the calculator dialog lists them.
#include <vector>

#include "platform/base/CString.h"

struct CCalcFunction {
  CString m_strName;      // upper case
  CString m_strCategory;
  int m_nArgCount = 0;
  CString m_strSyntax;    // argument names separated by ','
  CString m_strDescription;
};

class CCalcFunctionArray {
 public:
  // The one table of the program, built on first use.
  static CCalcFunctionArray& Instance();

  CCalcFunctionArray();

  int GetSize() const { return static_cast<int>(m_functions.size()); }
  CCalcFunction GetAt(int index) const { return m_functions.at(static_cast<size_t>(index)); }
  void Add(const CCalcFunction& function) { m_functions.push_back(function); }
  // Argument count of the function of that name (any letter case); -1 when there is none.
  int GetArgCount(const CString& name) const;

 private:
  std::vector<CCalcFunction> m_functions;
};

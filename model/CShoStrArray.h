#pragma once
// Heading-number styles: one style per outline level (text before the number, number kind, text
// after it, custom number strings), their number formatting and their three stored forms (the
// settings file, a style file, the header of an outline document).
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CTextFile;

// Byte that separates custom number strings in every stored form.
constexpr char SHO_CUSTOM_SEPARATOR = '\x01';

// One numbering style.
class CShoStr {
 public:
  CString Mae;                  // text before the number
  int No = 7;                   // numbering kind (7: none); a style never set yields no number
  CString Ato;                  // text after the number
  std::vector<CString> Custom;  // kind 12: the strings for number 1, 2, ...

  // Each string followed by one separator byte (so a non-empty list ends in the separator).
  CString GetCustomText() const;
  // Replaces the list by the pieces of text split at every separator; empty pieces between two
  // separators are kept, a trailing separator adds none.
  void SetCustomText(const char* text);
  CString GetCustom(int k) const;  // empty when k is out of range
  int GetCustomCount() const { return static_cast<int>(Custom.size()); }
};

// The table of styles, entry i for outline level i (0 = the top level).
class CShoStrArray {
 public:
  static constexpr int MaxStyles = 200;  // also the number of per-level counters the model keeps

  CShoStrArray();
  explicit CShoStrArray(const char* section);
  // Copies as operator= does; the stored-in-document flag starts clear.
  CShoStrArray(const CShoStrArray& other);
  // Copies the count, the section, the level separator and the entries in use, not the
  // stored-in-document flag.
  CShoStrArray& operator=(const CShoStrArray& other);

  // From an ini file or an outline document (".kvn"); a null path means the settings file.
  // Returns the count after loading, 0 when an outline document cannot be opened (table unchanged).
  int Load(const char* path = nullptr);
  // Writes the ini form into the file at path (null: the settings file).
  BOOL Save(const char* path = nullptr) const;
  // One header line of an outline document, already split at its first '='.
  void ParseLine(const char* key, const char* value);
  // The header lines, only when the stored-in-document flag is set; each ends in "\n".
  void WriteLines(CTextFile& file) const;

  // The heading number of an item at `level`; counters[0..level] are the ordinal numbers of the
  // item and its ancestors. A level at or past the count uses its kept entry; empty for a level
  // outside the table.
  CString FormatNumber(int level, const int* counters) const;
  // Label of style i's kind for lists.
  CString GetKindName(int i) const;

  // Appends a style (custom strings split from customText at the separator); ignored when full.
  void Add(const char* mae, int kind, const char* ato, const char* customText);
  void RemoveAt(int i);
  void Swap(int i, int j);

  int GetCount() const { return m_nCount; }
  // Getters clamp an index outside the table to its nearest entry.
  CString& GetMae(int i) { return m_styles[Clamp(i)].Mae; }
  const CString& GetMae(int i) const { return m_styles[Clamp(i)].Mae; }
  CString& GetAto(int i) { return m_styles[Clamp(i)].Ato; }
  const CString& GetAto(int i) const { return m_styles[Clamp(i)].Ato; }
  int GetNo(int i) const { return m_styles[Clamp(i)].No; }
  CString GetCustomText(int i) const { return m_styles[Clamp(i)].GetCustomText(); }
  const CShoStr& GetAt(int i) const { return m_styles[Clamp(i)]; }
  // Setters ignore an index outside the table.
  void SetMae(int i, const char* text) { if (IsIndex(i)) m_styles[i].Mae = text; }
  void SetAto(int i, const char* text) { if (IsIndex(i)) m_styles[i].Ato = text; }
  void SetNo(int i, int kind) { if (IsIndex(i)) m_styles[i].No = kind; }
  void SetCustomText(int i, const char* text) { if (IsIndex(i)) m_styles[i].SetCustomText(text); }
  void SetSaveInDocument(int flag) { m_bSaveInDocument = flag; }
  int GetSaveInDocument() const { return m_bSaveInDocument; }
  const CString& GetSection() const { return m_strSection; }
  const CString& GetSeparator() const { return m_strSeparator; }
  void SetSeparator(const char* text) { m_strSeparator = text; }

  // The header lines WriteLines writes, as one text.
  CString GetLinesText() const;

 private:
  static bool IsIndex(int i) { return i >= 0 && i < MaxStyles; }
  static int Clamp(int i) { return i < 0 ? 0 : (i >= MaxStyles ? MaxStyles - 1 : i); }
  int LoadIni(const char* path);

  CShoStr m_styles[MaxStyles];
  int m_nCount = 0;
  CString m_strSection;
  CString m_strSeparator;
  int m_bSaveInDocument = 0;
};

// The table a document holds: its copies keep whether the styles are stored in the document,
// which a table copied out of it for editing leaves behind.
class DocumentShoStr : public CShoStrArray {
 public:
  DocumentShoStr() = default;
  DocumentShoStr(const DocumentShoStr& other) : CShoStrArray(other) { SetSaveInDocument(other.GetSaveInDocument()); }
  DocumentShoStr& operator=(const DocumentShoStr& other) {
    CShoStrArray::operator=(other);
    SetSaveInDocument(other.GetSaveInDocument());
    return *this;
  }
  ~DocumentShoStr() = default;
};

#include "model/ATREE.h"

#include "platform/framework/CWinApp.h"

int ATREE::s_bSharedFile = 0;
int ATREE::s_nTitlesPerThread = 8192;

ATREE::ATREE() {
  m_bNumberStruck = AfxGetProfileInt("System", "DellineSho", 1);
  m_shoStr.Load();
  s_bSharedFile = AfxGetProfileInt("System", "SharedFile", 0);
}

void ATREE::DeleteContents() {
  m_items.RemoveAll();
  m_rows.Clear();
}

void ATREE::AddDirData(std::unique_ptr<CDirData> item) {
  m_items.Add(std::move(item));
  m_rows.SetCurrent(false);
  m_rows.AddItems(GetDirDataCount());
}

void ATREE::SetText(int item, const char* text) {
  const bool current = m_rows.IsCurrent();
  EditDirData(item)->m_strText = text;
  if (!current) return;
  m_rows.ShowTextMark(item, *text != '\0');
  m_rows.SetCurrent(true);
}

CString ATREE::GetCategoryText(int category) const {
  return m_properties.GetCategories().GetDisplayName(category);
}

CString ATREE::GetNetPathName() const {
  return "net:" + m_properties.m_strNetFileID + ";" + (GetDirDataCount() > 0 ? GetName(0) : CString());
}

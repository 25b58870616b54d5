#include "model/ATREE.h"

#include "platform/framework/CWinApp.h"

int ATREE::s_bSharedFile = 0;
int ATREE::s_nTitlesPerThread = 8192;

ATREE::ATREE() {
  m_rangeFrom.SetStatus(COleDateTime::null);
  m_rangeTo.SetStatus(COleDateTime::null);
  m_bNumberStruck = AfxGetProfileInt("System", "DellineSho", 1);
  m_shoStr.Load();
  s_bSharedFile = AfxGetProfileInt("System", "SharedFile", 0);
  m_bCase = AfxGetProfileInt("System", "ISearch", 0);
  m_bWidth = AfxGetProfileInt("System", "ZSearch", 0);
  m_nWordMode = AfxGetProfileInt("System", "MSearch", 1);
  const int titleOnly = AfxGetProfileInt("System", "Title", 0);
  m_bSearchTitles = AfxGetProfileInt("System", "TitleSearch", titleOnly ^ 1);
  m_bSearchTexts = AfxGetProfileInt("System", "TextAreaSearch", 1);
  m_bSearchLinks = AfxGetProfileInt("System", "LinkNameSearch", 0);
}

ATREE::ATREE(const ATREE& other) { CopyFrom(other); }

ATREE::ATREE(const ATREE& other, ItemsOnly) { CopyFrom(other, false); }

ATREE& ATREE::operator=(const ATREE& other) {
  if (this != &other) {
    DeleteContents();
    CopyFrom(other);
  }
  return *this;
}

ATREE::~ATREE() = default;

void ATREE::CopyFrom(const ATREE& other, bool withRows) {
  m_items = other.m_items;  // shares the items until either side changes one
  if (withRows) {
    m_rows = other.m_rows;
    m_itemRows = other.m_itemRows;
  }
  m_bRowsCurrent = withRows && other.m_bRowsCurrent;
  m_shoStr = other.m_shoStr;
  m_shoStr.SetSaveInDocument(other.m_shoStr.GetSaveInDocument());
  m_nCheckFilter = other.m_nCheckFilter;
  m_bLoaded = other.m_bLoaded;
  m_pTreeCtrl = other.m_pTreeCtrl;
  m_bReadOnly = other.m_bReadOnly;
  m_bNumberStruck = other.m_bNumberStruck;
  m_lock = other.m_lock;
  m_bFoundInText = other.m_bFoundInText;
  m_bCase = other.m_bCase;
  m_bWidth = other.m_bWidth;
  m_nWordMode = other.m_nWordMode;
  m_strSearch = other.m_strSearch;
  m_nCategoryFilter = other.m_nCategoryFilter;
  m_bSearchTitles = other.m_bSearchTitles;
  m_bSearchTexts = other.m_bSearchTexts;
  m_bSearchLinks = other.m_bSearchLinks;
  m_rangeFrom = other.m_rangeFrom;
  m_rangeTo = other.m_rangeTo;
  m_bWriteAccess = other.m_bWriteAccess;
  m_properties = other.m_properties;
}

void ATREE::DeleteContents() {
  m_items.RemoveAll();
  m_rows.clear();
  m_itemRows.clear();
  m_itemHandles.clear();
  m_bRowsCurrent = false;
}

void ATREE::AddDirData(std::unique_ptr<CDirData> item) {
  m_items.Add(std::move(item));
  m_bRowsCurrent = false;
  m_itemRows.resize(static_cast<size_t>(GetDirDataCount()), -1);
  if (!m_itemHandles.empty()) m_itemHandles.resize(static_cast<size_t>(GetDirDataCount()), nullptr);
}

CString ATREE::GetCategoryText(int category) const {
  return m_properties.GetCategories().GetDisplayName(category);
}

CString ATREE::GetNetPathName() const {
  return "net:" + m_properties.m_strNetFileID + ";" + (GetDirDataCount() > 0 ? GetName(0) : CString());
}

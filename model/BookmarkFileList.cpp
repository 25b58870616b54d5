#include "model/BookmarkFileList.h"

#include <algorithm>
#include <utility>

#include <wx/menu.h>

#include "foundation/TextSearch.h"
#include "platform/framework/CWinApp.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"

void BookmarkFileList::Load() {
  m_paths.clear();
  const int count = AfxGetProfileInt("Bookmark", "Count", 0);
  for (int i = 0; i < count; ++i) {
    CString key;
    key.Format("name%d", i);
    m_paths.push_back(AfxGetProfileString("Bookmark", key, ""));
  }
}

void BookmarkFileList::Save() const {
  AfxWriteProfileInt("Bookmark", "Count", GetSize());
  for (int i = 0; i < GetSize(); ++i) {
    CString key;
    key.Format("name%d", i);
    AfxWriteProfileString("Bookmark", key, GetAt(i));
  }
}

int BookmarkFileList::Find(const char* path) const {
  for (int i = 0; i < GetSize(); ++i) {
    if (CompareTextOpt(GetAt(i), path, FIND_IGNORE_CASE) == 0) return i;
  }
  return -1;
}

void BookmarkFileList::AppendToMenu(wxMenu* menu) const {
  for (int id = kFirstCommand; id < kFirstCommand + kMenuEntries; ++id) {
    while (wxMenuItem* item = menu->FindChildItem(id)) menu->Destroy(item);
  }
  const int shown = std::min(GetSize(), kMenuEntries);
  for (int i = 0; i < shown; ++i) menu->Append(kFirstCommand + i, CP932ToWx(GetDisplayName(i).str()));
}

void BookmarkFileList::Swap(int i, int j) { std::swap(m_paths[static_cast<size_t>(i)], m_paths[static_cast<size_t>(j)]); }

void BookmarkFileList::Open(int index) const {
  if (index < 0 || index >= GetSize()) return;
  if (CWinApp* app = AfxGetApp()) app->OpenDocumentFile(GetAt(index));
}

CString BookmarkFileList::GetDisplayName(int i) const {
  const CString& path = GetAt(i);
  // Entries written on Windows carry backslashes.
  const int cut = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
  return path.Mid(cut + 1);
}

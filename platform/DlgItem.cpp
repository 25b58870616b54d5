#include "platform/DlgItem.h"

#include <wx/sizer.h>
#include <wx/window.h>

void ReplaceDlgItem(wxWindow* item, wxWindow* replacement) {
  if (wxSizer* sizer = item->GetContainingSizer()) sizer->Replace(item, replacement, true);
  replacement->MoveAfterInTabOrder(item);
  item->Destroy();
}

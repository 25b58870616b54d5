#include "platform/framework/CTreeCtrl.h"

#include "platform/base/CodePage.h"

BOOL CTreeCtrl::Create(wxWindow* parent, wxWindowID id, long style) {
  m_pWindow = new wxTreeCtrl(parent, id, wxDefaultPosition, wxDefaultSize, style | wxTR_HIDE_ROOT);
  m_pWindow->AddRoot(wxEmptyString);
  return TRUE;
}

wxTreeItemId CTreeCtrl::IdOf(HTREEITEM item) const {
  if (item == TVI_ROOT) return m_pWindow->GetRootItem();
  return wxTreeItemId(static_cast<void*>(item));
}

HTREEITEM CTreeCtrl::HandleOf(const wxTreeItemId& id) {
  return id.IsOk() ? static_cast<HTREEITEM>(id.GetID()) : nullptr;
}

void CTreeCtrl::SetRedraw(BOOL redraw) {
  if (!redraw && m_nFrozen == 0) {
    m_pWindow->Freeze();
    m_nFrozen = 1;
  } else if (redraw && m_nFrozen) {
    m_nFrozen = 0;
    m_pWindow->Thaw();
  }
}

BOOL CTreeCtrl::DeleteAllItems() {
  m_pWindow->DeleteChildren(m_pWindow->GetRootItem());
  return TRUE;
}

HTREEITEM CTreeCtrl::InsertItem(UINT mask, LPCTSTR text, int image, int selectedImage, UINT, UINT, LPARAM,
                                HTREEITEM parent, HTREEITEM insertAfter) {
  const wxString label = (mask & TVIF_TEXT) && text ? CP932ToWx(text) : wxString();
  const int normal = (mask & TVIF_IMAGE) ? image : -1;
  const int selected = (mask & TVIF_SELECTEDIMAGE) ? selectedImage : -1;
  const wxTreeItemId under = IdOf(parent ? parent : TVI_ROOT);
  wxTreeItemId id;
  if (insertAfter == TVI_FIRST) {
    id = m_pWindow->PrependItem(under, label, normal, selected);
  } else if (insertAfter == TVI_LAST || insertAfter == nullptr || insertAfter == TVI_ROOT) {
    id = m_pWindow->AppendItem(under, label, normal, selected);
  } else {
    id = m_pWindow->InsertItem(under, IdOf(insertAfter), label, normal, selected);
  }
  return HandleOf(id);
}

BOOL CTreeCtrl::Expand(HTREEITEM item, UINT code) {
  if (!item || item == TVI_ROOT) return FALSE;
  const wxTreeItemId id = IdOf(item);
  switch (code & 3) {
    case TVE_EXPAND:
      m_pWindow->Expand(id);
      return TRUE;
    case TVE_COLLAPSE:
      m_pWindow->Collapse(id);
      return TRUE;
    case TVE_TOGGLE:
      m_pWindow->Toggle(id);
      return TRUE;
    default:
      return FALSE;
  }
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM item) const {
  if (!item || item == TVI_ROOT) return nullptr;
  const wxTreeItemId parent = m_pWindow->GetItemParent(IdOf(item));
  if (!parent.IsOk() || parent == m_pWindow->GetRootItem()) return nullptr;
  return HandleOf(parent);
}

HTREEITEM CTreeCtrl::GetSelectedItem() const { return HandleOf(m_pWindow->GetSelection()); }

BOOL CTreeCtrl::SelectItem(HTREEITEM item) {
  if (!item) {
    m_pWindow->UnselectAll();
    return TRUE;
  }
  m_pWindow->SelectItem(IdOf(item));
  return TRUE;
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const {
  return item ? WxToCP932(m_pWindow->GetItemText(IdOf(item))) : CString();
}

#pragma once
// A tree control of dialogs in the shape the outline code expects: items are HTREEITEM handles,
// inserted under a parent after a sibling (or first, or last), expanded and selected by handle.
// Several items can stand at the top: the wx control's own root is hidden and stands for TVI_ROOT.
// The window belongs to its wx parent; this object only drives it.
#include <cstdint>

#include <wx/treectrl.h>

#include "platform/base/CString.h"
#include "platform/framework/TreeItemHandle.h"
#include "platform/base/WinTypes.h"


// What an insertion sets.
constexpr UINT TVIF_TEXT = 0x0001;
constexpr UINT TVIF_IMAGE = 0x0002;
constexpr UINT TVIF_SELECTEDIMAGE = 0x0020;

// Expand codes.
constexpr UINT TVE_COLLAPSE = 0x0001;
constexpr UINT TVE_EXPAND = 0x0002;
constexpr UINT TVE_TOGGLE = 0x0003;

class CTreeCtrl {
 public:
  // Creates the control as a child of parent, with the given window id.
  BOOL Create(wxWindow* parent, wxWindowID id, long style = wxTR_DEFAULT_STYLE);
  wxTreeCtrl* GetWindow() const { return m_pWindow; }

  // Redrawing off and on again; the control shows the changes made in between at once.
  void SetRedraw(BOOL redraw);
  BOOL DeleteAllItems();
  // Inserts an item under parent (TVI_ROOT: at the top) after the given sibling, TVI_FIRST or
  // TVI_LAST; the mask says which of text, image and selected image are given. The state and
  // data fields are not kept. Null on failure.
  HTREEITEM InsertItem(UINT mask, LPCTSTR text, int image, int selectedImage, UINT state, UINT stateMask,
                       LPARAM param, HTREEITEM parent, HTREEITEM insertAfter);
  BOOL Expand(HTREEITEM item, UINT code);
  // The parent item; null for an item at the top.
  HTREEITEM GetParentItem(HTREEITEM item) const;
  HTREEITEM GetSelectedItem() const;
  BOOL SelectItem(HTREEITEM item);
  CString GetItemText(HTREEITEM item) const;

 private:
  wxTreeItemId IdOf(HTREEITEM item) const;
  static HTREEITEM HandleOf(const wxTreeItemId& id);

  wxTreeCtrl* m_pWindow = nullptr;
  int m_nFrozen = 0;
};

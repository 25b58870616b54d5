#include "control/pages/CListPage.h"

#include <wx/bitmap.h>
#include <wx/button.h>
#include <wx/dcmemory.h>
#include <wx/imaglist.h>
#include <wx/listctrl.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "control/ColorTable.h"
#include "control/pages/PageControls.h"
#include "platform/base/CodePage.h"
#include "platform/base/ColorRef.h"

namespace {

constexpr int kImageSize = 14;

// The row images, masked on magenta: 0 empty, 1 an unchecked box, 2-6 the five highlight colours,
// 7 a checked box.
wxImageList* MakeRowImages() {
  auto* images = new wxImageList(kImageSize, kImageSize, true);
  CColorTable colors;
  colors.Reset();
  for (int image = 0; image <= CListPage::IMAGE_ON; ++image) {
    wxBitmap bitmap(kImageSize, kImageSize);
    {
      wxMemoryDC dc(bitmap);
      dc.SetBackground(wxBrush(wxColour(255, 0, 255)));
      dc.Clear();
      dc.SetPen(*wxBLACK_PEN);
      if (image == CListPage::IMAGE_OFF || image == CListPage::IMAGE_ON) {
        dc.SetBrush(*wxWHITE_BRUSH);
        dc.DrawRectangle(1, 1, kImageSize - 2, kImageSize - 2);
        if (image == CListPage::IMAGE_ON) {
          dc.DrawLine(3, 7, 6, 10);
          dc.DrawLine(6, 10, 11, 3);
        }
      } else if (image >= CListPage::IMAGE_COLOR0) {
        const int role = ROLE_HILITE1 + image - CListPage::IMAGE_COLOR0;
        dc.SetBrush(wxBrush(ColorRefToWx(colors.Back[role] == 0xFFFFFF ? colors.Text[role] : colors.Back[role])));
        dc.DrawRectangle(1, 1, kImageSize - 2, kImageSize - 2);
      }
    }
    images->Add(bitmap, wxColour(255, 0, 255));
  }
  return images;
}

}  // namespace

void CListPage::CreateList(wxWindow* page, wxSizer* column, const char* master, const char* header, const char* hint) {
  AddCheck(page, column, m_masterId, master);
  m_list = new wxListCtrl(page, IDC_LIST, wxDefaultPosition, wxSize(300, 180),
                          wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_EDIT_LABELS);
  m_list->AssignImageList(MakeRowImages(), wxIMAGE_LIST_SMALL);
  m_list->AppendColumn(CP932ToWx(header), wxLIST_FORMAT_LEFT, 270);
  column->Add(m_list, 1, wxEXPAND | wxALL, 3);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  AddButton(page, buttons, IDC_LIST_ADD, "追加(&D)")->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Add(); });
  AddButton(page, buttons, IDC_LIST_DELETE, "削除(&R)")->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Delete(); });
  buttons->Add(new wxStaticText(page, IDC_LIST_HINT, CP932ToWx(hint)), 0, wxALL, 3);
  column->Add(buttons);
  m_list->Bind(wxEVT_KEY_DOWN, &CListPage::OnKey, this);
  m_list->Bind(wxEVT_LIST_KEY_DOWN, [this](wxListEvent& event) {
    wxKeyEvent key(wxEVT_KEY_DOWN);
    key.m_keyCode = event.GetKeyCode();
    OnKey(key);
  });
  m_list->Bind(wxEVT_LIST_END_LABEL_EDIT, &CListPage::OnEndEdit, this);
  m_list->Bind(wxEVT_LIST_BEGIN_LABEL_EDIT, [this](wxListEvent& event) {
    if (!CanEdit(event.GetIndex())) {
      event.Veto();
      return;
    }
    EnableItem(Page(), IDC_LIST_ADD, false);
  });
  m_list->Bind(wxEVT_LIST_ITEM_SELECTED, [this](wxListEvent& event) {
    RowSelected(static_cast<int>(event.GetIndex()));
    UpdateEnabling();
  });
  m_list->Bind(wxEVT_LIST_ITEM_DESELECTED, [this](wxListEvent&) {
    RowSelected(-1);
    UpdateEnabling();
  });
  m_list->Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) {
    int flags = 0;
    const long row = m_list->HitTest(event.GetPosition(), flags);
    event.Skip();
    if (row >= 0 && (flags & wxLIST_HITTEST_ONITEMICON)) Step(static_cast<int>(row));
  });
}

void CListPage::RefillList(int select) {
  CancelEdit();
  m_list->DeleteAllItems();
  for (int row = 0; row < RowCount(); ++row) m_list->InsertItem(row, CP932ToWx(RowText(row).GetString()), RowImage(row));
  if (select >= RowCount()) select = RowCount() - 1;
  SelectRow(select);
}

void CListPage::CancelEdit() {
  if (m_list && m_list->GetEditControl()) m_list->EndEditLabel(true);
}

HRESULT CListPage::Deactivate() {
  CancelEdit();
  m_list = nullptr;
  return CWrilaPage::Deactivate();
}

int CListPage::SelectedRow() const {
  return m_list ? static_cast<int>(m_list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) : -1;
}

void CListPage::SelectRow(int row) {
  if (row >= 0 && row < m_list->GetItemCount()) {
    m_list->SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                         wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    m_list->EnsureVisible(row);
  }
  RowSelected(SelectedRow());
  UpdateEnabling();
}

void CListPage::UpdateEnabling() {
  wxWindow* page = Page();
  const bool on = IsChecked(page, m_masterId);
  const int row = SelectedRow();
  EnableItem(page, IDC_LIST, on);
  EnableItem(page, IDC_LIST_ADD, on);
  EnableItem(page, IDC_LIST_DELETE, on && CanDelete(row));
  if (wxWindow* hint = page->FindWindow(IDC_LIST_HINT)) hint->Show(on && row >= 0);
  m_list->SetBackgroundColour(wxSystemSettings::GetColour(on ? wxSYS_COLOUR_WINDOW : wxSYS_COLOUR_BTNFACE));
}

CString CListPage::CutLabel(const CString& text, int bytes) {
  int end = 0;
  while (end < text.GetLength()) {
    const int step = IsDBCSLeadByte(static_cast<unsigned char>(text[end])) && end + 1 < text.GetLength() ? 2 : 1;
    if (end + step > bytes) break;
    end += step;
  }
  return text.Left(end);
}

void CListPage::OnKey(wxKeyEvent& event) {
  const int row = SelectedRow();
  switch (event.GetKeyCode()) {
    case WXK_F2:
      if (row >= 0 && CanEdit(row)) m_list->EditLabel(row);
      return;
    case WXK_F9:
      if (row >= 0) Step(row);
      return;
    case WXK_INSERT:
      Add();
      return;
    case WXK_DELETE:
      Delete();
      return;
    default:
      event.Skip();
  }
}

void CListPage::OnEndEdit(wxListEvent& event) {
  EnableItem(Page(), IDC_LIST_ADD, IsChecked(Page(), m_masterId));
  const int row = static_cast<int>(event.GetIndex());
  if (event.IsEditCancelled()) return;
  if (!CanEdit(row)) {
    event.Veto();
    return;
  }
  const CString text = CutLabel(WxToCP932(event.GetLabel()), m_maxLabelBytes);
  event.Veto();  // the list shows the cut text, not what was typed
  SetRowText(row, text);
  m_list->SetItemText(row, CP932ToWx(text.GetString()));
  SetDirty();
}

void CListPage::Add() {
  if (!IsChecked(Page(), m_masterId)) return;
  const int row = AddRecord();
  RefillList(row);
  m_list->SetFocus();
  m_list->EditLabel(row);
  SetDirty();
}

void CListPage::Delete() {
  const int row = SelectedRow();
  if (!IsChecked(Page(), m_masterId) || !CanDelete(row)) return;
  DeleteRecord(row);
  RefillList(row);
  SetDirty();
}

void CListPage::Step(int row) {
  if (!IsChecked(Page(), m_masterId)) return;
  StepRow(row);
  m_list->SetItemImage(row, RowImage(row));
  SetDirty();
}

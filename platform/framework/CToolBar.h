#pragma once
// A tool bar of command buttons, docked in its frame's bar area or floating. Buttons are given as
// a list of command ids in which ID_SEPARATOR marks a gap; a gap may carry a control (a text
// field) of its own width. The pictures come from an image source that draws the button of a
// command at the bar's size.
#include <wx/aui/auibar.h>

#include <functional>
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

#ifndef ID_SEPARATOR
#define ID_SEPARATOR 0
#endif
#define TBBS_BUTTON 0x00
#define TBBS_SEPARATOR 0x01

class CToolBar : public wxAuiToolBar {
 public:
  // The picture of a command's button, size × size pixels; an invalid bitmap fails the bar.
  using ImageSource = std::function<wxBitmap(UINT id, int size)>;

  CToolBar() = default;
  ~CToolBar() override;

  // The bar window, a child of the frame, with its window id; FALSE when it cannot be made.
  BOOL CreateEx(wxWindow* parent, UINT nID);
  // Button and picture sizes in pixels (square pictures); the default is 16 × 16 pictures.
  void SetSizes(int buttonSize, int imageSize);
  void SetImageSource(ImageSource source) { m_imageSource = std::move(source); }
  // Replaces the buttons; FALSE when a picture is missing.
  BOOL SetButtons(const UINT* ids, int count);
  int GetCount() const { return static_cast<int>(m_items.size()); }
  UINT GetItemID(int index) const;
  UINT GetButtonStyle(int index) const;
  // Changes one entry: a separator of the given width (a width of 0 is a plain gap) or a button.
  void SetButtonInfo(int index, UINT id, UINT style, int width);
  // The control takes the place of the separator at index (its width and id stay as given).
  void SetItemControl(int index, wxControl* control);
  // The entry's rectangle in the bar's client coordinates; empty while it is not laid out.
  void GetItemRect(int index, RECT* rect) const;

  // The bar's title: its caption when floating and its name in the bar menu.
  void SetWindowText(const char* text);
  const CString& GetTitle() const { return m_title; }

 private:
  struct Item {
    UINT id = ID_SEPARATOR;
    UINT style = TBBS_BUTTON;
    int width = 0;
    wxControl* control = nullptr;
  };
  // Puts the entries into the bar window again after a change.
  BOOL Rebuild();

  std::vector<Item> m_items;
  ImageSource m_imageSource;
  int m_imageSize = 16;
  CString m_title;
};

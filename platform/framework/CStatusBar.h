#pragma once
// The frame's status bar: panes in a row, each with an id, a style and a width. Pane 0 stretches
// and shows the menu prompts; the key indicators (ID_INDICATOR_*) show their key's name while
// that key's lock is on and stay blank otherwise.
#include <wx/statusbr.h>

#include <vector>

#include "platform/base/CString.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/base/WinTypes.h"

#ifndef ID_SEPARATOR
#define ID_SEPARATOR 0
#endif

#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS 0x0100
#define SBPS_POPOUT 0x0200
#define SBPS_STRETCH 0x0800

class CStatusBar : public wxStatusBar {
 public:
  CStatusBar() = default;
  ~CStatusBar() override;

  // Made as the frame's status bar.
  BOOL Create(wxFrame* parent, UINT nID = AFX_IDW_STATUS_BAR);
  // One pane per id; ID_SEPARATOR gives an empty pane, indicators are sized to their text.
  BOOL SetIndicators(const UINT* ids, int count);
  int GetCount() const { return static_cast<int>(m_panes.size()); }
  UINT GetItemID(int index) const;
  void SetPaneInfo(int index, UINT id, UINT style, int width);
  void GetPaneInfo(int index, UINT& id, UINT& style, int& width) const;
  BOOL SetPaneText(int index, const char* text, BOOL update = TRUE);
  CString GetPaneText(int index) const;
  // The pixel width of a text in the bar's own font.
  int GetTextExtent(const char* text) const;
  // Blanks every pane but the key indicators.
  void ClearTexts();
  // Shows or blanks the indicators after the locks' state.
  void UpdateIndicators();

 private:
  struct Pane {
    UINT id = ID_SEPARATOR;
    UINT style = SBPS_NORMAL;
    int width = 0;
    CString text;
  };
  void ApplyWidths();
  static const char* IndicatorText(UINT id);
  void OnUpdateUI(wxUpdateUIEvent& event);

  std::vector<Pane> m_panes;
};

#pragma once
// The child frame of an outline document. Three splitters divide it: the main one puts the tree
// pane beside (or above) the rest; there the link splitter holds the text splitter over the
// link-file pane, which is hidden until asked for; the text splitter shows the text pane, split by
// the user into two rows of the same text at most. The frame switches between tree only, text
// only and both, remembers the pane sizes and the show state of child windows, and fills the mark
// menu with its document's marks.
#include "platform/framework/CMDIChildWnd.h"
#include "platform/base/CStringArray.h"

class CSplitterWnd;
class CSplitterWndEx;

class CKestaFrame : public CMDIChildWnd {
 public:
  // At most this many marks show in the mark menu, from ID_MARK_FIRST on.
  static constexpr int kMaxMarks = 40;
  // Position of the mark menu in the main menu bar.
  static constexpr int kMarkMenuIndex = 4;

  CKestaFrame();
  ~CKestaFrame() override;

  BOOL OnCreateClient(CCreateContext* context) override;
  // -1 takes the show command remembered from the last resized child window.
  void ActivateFrame(int nCmdShow = -1) override;
  // Gives a new window the size stored at the last close, cut to the client area.
  void RestoreSize();
  // Replaces the mark menu's entries with the mark names.
  void UpdateMarkMenu();
  // Follows the current tree's link in the link-file pane: with the automatic flag the pane shows
  // for a tree with a link and goes for one without.
  void ShowLinkFile();
  // Brings the other text pane of a split text area into step with the active one (the first
  // when neither is active), so the pane the user typed in is never overwritten.
  void SyncTextPanes();

  CSplitterWnd* GetSplitter() const { return m_pSplitter; }
  CSplitterWnd* GetTextSplitter() const { return m_pTextSplitter; }
  CSplitterWndEx* GetLinkSplitter() const { return m_pLinkSplitter; }
  BOOL IsLinkFileShown() const;

  CStringArray m_aMarkNames;  // filled by the tree pane

 protected:
  void OnMDIActivate(BOOL activate) override;
  void OnDestroy() override;

 private:
  void OnSizeChanged(wxSizeEvent& event);
  // Category settings of the document (its tree pane's dialog).
  void OnCategorySettings(wxCommandEvent& event);
  void OnTreeOnly(wxCommandEvent& event);
  void OnTextOnly(wxCommandEvent& event);
  void OnBoth(wxCommandEvent& event);
  void OnUnsplit(wxCommandEvent& event);
  void OnUpdateUnsplit(wxUpdateUIEvent& event);
  void OnOtherPane(wxCommandEvent& event);
  void OnWindowSplit(wxCommandEvent& event);
  void OnUpdateWindowSplit(wxUpdateUIEvent& event);
  void OnLinkFileWindow(wxCommandEvent& event);
  void OnUpdateLinkFileWindow(wxUpdateUIEvent& event);
  void OnLinkFileAuto(wxCommandEvent& event);
  void OnUpdateLinkFileAuto(wxUpdateUIEvent& event);

  // Gives the tree pane first and the other part second along the layout's direction.
  void SetMainSizes(int tree, int rest);
  // Width (side by side) or height (stacked) of the main splitter.
  int MainExtent() const;
  void ShowLinkPane();
  void HideLinkPane();
  // Remembers the show state of child windows from a resize of this one.
  void NoteShowState();

  CSplitterWnd* m_pSplitter = nullptr;      // owned by wx, as the panes below
  CSplitterWnd* m_pTextSplitter = nullptr;
  CSplitterWndEx* m_pLinkSplitter = nullptr;
  int m_nSplPos = 0;  // 0 side by side (tree left), 1 stacked (tree on top)
  BOOL m_bActivated = FALSE;
  BOOL m_bLinkFileAuto = FALSE;
  bool m_bLayoutSaved = false;

  wxDECLARE_EVENT_TABLE();
};

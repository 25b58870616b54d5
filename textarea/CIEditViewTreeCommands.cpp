// Tree, file, view, mark and settings commands that reach the text pane while it has the focus:
// they belong to the tree pane, which gets them as they are, while the text pane keeps or restores
// its own state around the call.
#include <wx/event.h>

#include "app/CKestavonDoc.h"
#include "platform/framework/FrameworkIds.h"
#include "resources/CommandIds.h"
#include "textarea/CIEditView.h"

namespace {

enum class Form {
  kKeep,     // the selection is kept around the call, then the pane takes the focus back
  kPlain,    // the pane takes the focus back
  kTitle,    // the title follows the first line first
  kCommit,   // the text goes into the item first
  kNoFocus,  // nothing around the call
};

struct Forwarded {
  int id;
  Form form;
};

constexpr Forwarded kForwarded[] = {
    {ID_TREE_MODIFY, Form::kKeep}, {ID_TREE_LEVEL_UP, Form::kKeep}, {ID_TREE_LEVEL_DOWN, Form::kKeep},
    {ID_TREE_SHOW_ALL_BELOW, Form::kKeep}, {ID_TREE_SHOW_BELOW, Form::kKeep}, {ID_TREE_HIDE_BELOW, Form::kKeep},
    {ID_TREE_CHECK, Form::kKeep}, {ID_TREE_STRIKE, Form::kKeep}, {ID_FILE_TEXT_COPY, Form::kKeep},
    {ID_FILE_TEXT_OUTPUT_FORMAT, Form::kKeep}, {ID_FILE_PRINT_FORMAT, Form::kKeep},
    {ID_SETTINGS_SETTINGS, Form::kKeep}, {ID_SETTINGS_EDITOR, Form::kKeep}, {ID_SETTINGS_HEADING_CHARS, Form::kKeep},
    {ID_VIEW_TREE, Form::kKeep}, {ID_VIEW_CHAPTER, Form::kKeep}, {ID_EDIT_COPY_BELOW, Form::kKeep},
    {ID_SETTINGS_MARK_TEXT, Form::kKeep}, {ID_TREE_SORT, Form::kKeep},
    {ID_TREE_ADD_CHILD, Form::kTitle}, {ID_TREE_ADD_SIBLING, Form::kTitle},
    {ID_VIEW_BACK, Form::kCommit}, {ID_VIEW_FORWARD, Form::kCommit},
    {ID_TREE_PARENT, Form::kNoFocus}, {ID_FILE_PRINT_PREVIEW, Form::kNoFocus}, {ID_FILE_PRINT, Form::kNoFocus},
    {ID_TREE_DELETE, Form::kPlain}, {ID_FILE_TEXT_OUTPUT, Form::kPlain}, {ID_VIEW_OPEN_LINK, Form::kPlain},
    {ID_FILE_EXPORT_HTML_TREES, Form::kPlain}, {ID_MARK_TOGGLE, Form::kPlain}, {ID_MARK_CLEAR_BELOW, Form::kPlain},
    {ID_FILE_EXPORT_HTML_FRAME, Form::kPlain}, {ID_FILE_EXPORT_TEXT_FILES, Form::kPlain},
    {ID_TREE_ADD_URL, Form::kPlain}, {ID_EDIT_PASTE_CHILD, Form::kPlain}, {ID_EDIT_PASTE_SIBLING, Form::kPlain},
    {ID_EDIT_REPLACE_LINK_NAMES, Form::kPlain}, {ID_VIEW_ALL_CHECKS, Form::kPlain},
    {ID_VIEW_UNCHECKED_ONLY, Form::kPlain}, {ID_VIEW_CHECKED_ONLY, Form::kPlain}, {ID_HELP_HOMEPAGE, Form::kPlain},
    {ID_MARK_NEXT, Form::kPlain}, {ID_MARK_PREV, Form::kPlain}, {ID_EDIT_SEARCH_LIST, Form::kPlain},
    {ID_VIEW_HEADING_TOGGLE, Form::kPlain}, {ID_VIEW_HEADING_SHOW, Form::kPlain}, {ID_VIEW_HEADING_HIDE, Form::kPlain},
    {ID_TREE_DATE_TREE, Form::kPlain}, {ID_WORK_NEXT_TREE, Form::kPlain}, {ID_WORK_PREV_TREE, Form::kPlain},
    {ID_FILE_PAGE_SETUP, Form::kPlain}, {ID_FILE_EXPORT_RTF, Form::kPlain}, {ID_FILE_EXPORT_WZ, Form::kPlain},
    {ID_FILE_SAVE_SELECTED, Form::kPlain}, {ID_TREE_MOVE, Form::kPlain}, {ID_FILE_EXPORT_TEXT_FOLDER, Form::kPlain},
    {ID_FILE_SPLIT_TO_FILE, Form::kPlain}, {ID_TREE_COPY_LINK_SAME, Form::kPlain},
    {ID_TREE_COPY_LINK_OTHER, Form::kPlain}, {ID_TREE_COPY_LINK_FOLDER, Form::kPlain},
    {ID_VIEW_RECENT_UPDATED, Form::kPlain}, {ID_VIEW_TIME_NONE, Form::kPlain}, {ID_VIEW_TIME_UPDATED, Form::kPlain},
    {ID_VIEW_TIME_CREATED, Form::kPlain}, {ID_EDIT_CHANGE_TIMES, Form::kPlain}, {ID_FILE_HTML_OUTPUT, Form::kPlain},
    {ID_FILE_PROPERTIES, Form::kPlain},
};

Form FormOf(int id) {
  for (const Forwarded& entry : kForwarded)
    if (entry.id == id) return entry.form;
  return Form::kPlain;  // the mark commands
}

}  // namespace

void CIEditView::BindTreeCommands() {
  for (const Forwarded& entry : kForwarded) {
    Bind(wxEVT_MENU, &CIEditView::OnTreeCommand, this, entry.id);
    Bind(wxEVT_UPDATE_UI, &CIEditView::OnUpdateTreeCommand, this, entry.id);
  }
  Bind(wxEVT_MENU, &CIEditView::OnTreeCommand, this, ID_MARK_FIRST, ID_MARK_LAST);
  Bind(wxEVT_UPDATE_UI, &CIEditView::OnUpdateTreeCommand, this, ID_MARK_FIRST, ID_MARK_LAST);
  for (int id : {ID_TREE_MOVE_UP, ID_TREE_MOVE_DOWN}) {
    Bind(wxEVT_MENU, &CIEditView::OnTreeMove, this, id);
    Bind(wxEVT_UPDATE_UI, &CIEditView::OnUpdateTreeMove, this, id);
  }
}

wxEvtHandler* CIEditView::TreePaneHandler() const {
  CKestavonDoc* doc = GetDocument();
  CTreePane* tree = doc ? doc->GetTreePane() : nullptr;
  return tree ? tree->GetPaneView().GetEventHandler() : nullptr;
}

bool CIEditView::ForwardToTree(int id) {
  wxEvtHandler* tree = TreePaneHandler();
  if (!tree) return false;
  wxCommandEvent command(wxEVT_MENU, id);
  // Only the tree pane: going up from there would bring the command back to this pane.
  command.StopPropagation();
  return tree->ProcessEvent(command);
}

void CIEditView::OnTreeCommand(wxCommandEvent& event) {
  const int id = event.GetId();
  const Form form = FormOf(id);
  CKestavonDoc* doc = GetDocument();
  if (form == Form::kKeep) SaveSel();
  if (form == Form::kTitle && doc && doc->GetTree().GetProperties().m_bAutoTitle) UpdateTitleFromText();
  if (form == Form::kCommit && doc) doc->CommitTextArea();
  if (!ForwardToTree(id)) {
    // A command the tree pane does not take goes on along the usual route.
    event.Skip();
    return;
  }
  if (form == Form::kKeep) RestoreSel();
  if (form != Form::kNoFocus) SetFocus();
}

void CIEditView::OnTreeMove(wxCommandEvent& event) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  SaveSel();
  if (doc->GetTree().GetProperties().m_bAutoTitle) {
    UpdateTitleFromText();
    SetFocus();
  }
  if (m_nTreeUpMode) {
    // Up and down step through the trees instead of moving the tree.
    ForwardToTree(event.GetId() == ID_TREE_MOVE_UP ? ID_WORK_PREV_TREE : ID_WORK_NEXT_TREE);
    return;
  }
  if (!ForwardToTree(event.GetId())) return;
  RestoreSel();
  SetFocus();
}

void CIEditView::OnUpdateTreeMove(wxUpdateUIEvent& event) {
  if (m_nTreeUpMode)
    event.Enable(TreePaneHandler() != nullptr);
  else
    OnUpdateTreeCommand(event);
}

void CIEditView::OnUpdateTreeCommand(wxUpdateUIEvent& event) {
  wxEvtHandler* tree = TreePaneHandler();
  if (!tree) {
    event.Enable(false);
    return;
  }
  wxUpdateUIEvent asked(event.GetId());
  asked.StopPropagation();
  if (!tree->ProcessEvent(asked)) {
    event.Skip();
    return;
  }
  if (asked.GetSetEnabled()) event.Enable(asked.GetEnabled());
  if (asked.GetSetChecked()) event.Check(asked.GetChecked());
  if (asked.GetSetText()) event.SetText(asked.GetText());
}

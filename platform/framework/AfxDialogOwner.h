#pragma once
// The owner of a dialog opened now: the newest shown modal dialog or running job window
// (platform/desktop/DialogOwner.h), else the main frame; null before the main frame exists.
class wxWindow;

wxWindow* AfxGetDialogOwner();

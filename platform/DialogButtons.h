#pragma once
// The OK and Cancel buttons at the foot of a dialog, in the platform's order.
class wxSizer;
class wxWindow;

wxSizer* CreateOkCancelButtons(wxWindow* dialog);

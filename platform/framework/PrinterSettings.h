#pragma once
// The application's current printer: the settings every print and page-setup dialog of the
// program starts from and hands back.
#include <wx/cmndata.h>

wxPrintData& GetAppPrintData();

#include "platform/PrinterSettings.h"

wxPrintData& GetAppPrintData() {
  static wxPrintData data;
  return data;
}

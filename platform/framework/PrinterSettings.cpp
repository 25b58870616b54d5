#include "platform/framework/PrinterSettings.h"

wxPrintData& GetAppPrintData() {
  static wxPrintData data;
  return data;
}

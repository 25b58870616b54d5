#pragma once
// The web browser that is running, reached through the main frame's browser link. The program
// installs it as Seam<IRunningBrowser>; without it, URL mode 0 opens as mode 1 does.
#include "foundation/Seam.h"
#include "platform/base/WinTypes.h"

class IRunningBrowser {
 public:
  virtual ~IRunningBrowser() = default;
  // Opens the URL in a running browser and brings that to the front; FALSE when no browser took it.
  virtual BOOL OpenInFront(const char* url) = 0;
};

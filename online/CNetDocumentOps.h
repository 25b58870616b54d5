#pragma once
// What the outline document and the application do with the web file service: net documents
// opened from and saved to it, the backup copy of a local document, and the application's
// commands that list, open and delete the user's files.
#include "app/NetDocumentService.h"
#include "platform/base/CString.h"

class CNetDocumentOps : public INetDocumentService {
 public:
  BOOL OpenNetFile(CKestavonDoc& doc, const char* netPath) override;
  BOOL UploadNetFile(CKestavonDoc& doc, const char* netPath, BOOL keepLocal) override;
  BOOL CheckNetFileUpdate(CKestavonDoc& doc, const char* localPath) override;
  void OnNetUpload(CKestavonDoc& doc) override;
  void OnFileSaveAsNet(CKestavonDoc& doc) override;

  // A written copy this long or longer is not uploaded.
  static constexpr long long kMaxUpload = 1000000;
};

// The application's commands: open from the service, delete there, the account settings.
void OnNetOpen();
void OnNetDelete();

#pragma once
// The online file service is a layer above the document. The program installs its document
// operations as Seam<INetDocumentService>; without them a net path cannot be opened or saved and
// their commands stay off.
#include "foundation/Seam.h"
#include "platform/base/WinTypes.h"

class CKestavonDoc;

class INetDocumentService {
 public:
  virtual ~INetDocumentService() = default;
  // Loads the net document into the document.
  virtual BOOL OpenNetFile(CKestavonDoc& doc, const char* netPath) = 0;
  // Uploads the document as the net document of the path; keepLocal for the copy of a local one.
  virtual BOOL UploadNetFile(CKestavonDoc& doc, const char* netPath, BOOL keepLocal) = 0;
  // After a local open: replaces the file with a newer copy on the service when the user agrees.
  virtual BOOL CheckNetFileUpdate(CKestavonDoc& doc, const char* localPath) = 0;
  // The upload settings command of a local document, and saving as a net document.
  virtual void OnNetUpload(CKestavonDoc& doc) = 0;
  virtual void OnFileSaveAsNet(CKestavonDoc& doc) = 0;
};

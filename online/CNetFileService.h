#pragma once
// The client of the web file service: the request key, the form request answered in XML, and for
// the operations that move a file a second transfer answered with a short text. Each user
// operation makes its own client, sets the account, runs one operation and reads the result.
#include <memory>
#include <vector>

#include "platform/base/COleDateTime.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CDXMLElement;
class CHttpClient;

// One document of the user's storage.
class CNetFileItem {
 public:
  CString GetNetPath() const;
  CString GetUpdateTime() const { return m_strUpdate; }

  CString m_strTitle;
  CString m_strFileId;
  CString m_strUpdate;  // as the service sends it
};

class CNetFileService {
 public:
  CNetFileService();
  ~CNetFileService();
  CNetFileService(const CNetFileService&) = delete;
  CNetFileService& operator=(const CNetFileService&) = delete;

  void SetAccount(const char* mail, const char* password);

  BOOL List();
  // A new document on the service from the local file (title null: the stored title).
  BOOL Upload(const char* localPath, const char* title = nullptr);
  // Replaces the service's copy of a document (null: the stored title and file ID).
  BOOL Save(const char* localPath, const char* title = nullptr, const char* fileId = nullptr);
  // The update time of one document; FALSE (the date untouched) when the reply lists no file.
  BOOL GetUpdateTime(const char* fileId, COleDateTime& dateTime);
  // The document saved in a private temporary folder; "" on failure. The caller removes it with
  // DeleteDownload.
  CString Download(const char* fileId = nullptr);
  BOOL Delete(const char* fileId = nullptr);

  int GetFileCount() const { return static_cast<int>(m_files.size()); }
  CNetFileItem* GetFile(int index) const;
  CString GetMessage() const { return m_strMessage; }
  CString GetTitle() const { return m_strTitle; }
  CString GetFileId() const { return m_strFileId; }
  int GetStatusCode() const { return m_nStatus; }
  CString GetDate() const { return m_strDate; }
  // Whether the last request's reply listed files (the list holds them then).
  BOOL LastReplyListedFiles() const { return m_bListedFiles; }
  // Whether the user cancelled a transfer of the last operation: it failed without a message to show.
  BOOL IsCancelled() const { return m_bCancelled; }

  CString GetNetPath() const;
  void SetNetPath(const char* path);

  // A new empty file in the temporary folder named "pelkonet..." with the extension (".kvn"),
  // readable by its owner only; "" when none could be made.
  static CString GetTempFilePath(const char* extension = "");
  // Removes a downloaded file and its private folder.
  static void DeleteDownload(const char* path);

  // The request key of the password at the date ("%Y/%m/%d %H:%M:%S").
  static CString MakeKey(const char* password, const char* date);
  // Takes a transfer's text reply: status line and message; TRUE when the status is 0.
  BOOL CheckTransferReply(const char* reply);
  // Takes a request's XML reply; FALSE with the result message set when it is an error or no reply.
  BOOL ParseReply(const char* reply);

  // The addresses come from the settings (section "Net": "RequestSite", "TransferSite"); empty
  // when they are not set.
  static CString GetRequestUrl();
  static CString GetTransferBase();

 private:
  BOOL Request(const char* mode, const char* title, const char* fileId);
  // The multipart transfer of an upload or save to the endpoint.
  BOOL TransferFile(const char* endpoint, const char* localPath, BOOL withPub);
  BOOL CheckConfigured();
  // FALSE, with the result message set, for a file that could not be downloaded again.
  BOOL CheckUploadSize(const char* localPath);
  // Takes a client's cancel; TRUE when the user cancelled.
  BOOL TookCancel(const CHttpClient& client);

  CString m_strTransferBase;
  CString m_strRequestUrl;
  CString m_strMail;
  CString m_strPassword;
  CString m_strDate;
  CString m_strKey;
  CString m_strTitle;
  CString m_strFileId;
  CString m_strTransferReply;
  CString m_strConfirm;
  int m_nStatus = 0;
  CString m_strMessage;
  std::vector<std::unique_ptr<CNetFileItem>> m_files;
  BOOL m_bListedFiles = FALSE;
  BOOL m_bCancelled = FALSE;
};

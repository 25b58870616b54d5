#pragma once
// One HTTP transfer of the web file service client: a form POST whose reply is text, a multipart
// upload of one local file, or a form POST whose reply body is saved as a file. Each call returns
// when its transfer has ended; meanwhile the transfer runs off the GUI thread behind a progress
// dialog whose Cancel button stops it. Failures are shown here, on the GUI thread, the library's
// text after the message. A client serves one transfer.
#include <memory>
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CHttpFile;
struct CTransferProgress;

struct CPelkoHttpParam {
  CString name;
  CString value;
};

class CHttpClient {
 public:
  explicit CHttpClient(const char* url);
  ~CHttpClient();
  CHttpClient(const CHttpClient&) = delete;
  CHttpClient& operator=(const CHttpClient&) = delete;

  // Parameters are sent in the order they were added.
  void AddParam(const char* name, const char* value);
  // The reply text is empty after any failure.
  BOOL PostForm();
  // Multipart POST of the parameters and the file; FALSE (nothing sent) when it cannot be read.
  BOOL UploadFile(const char* localPath);
  // Form POST whose body is saved in folder, under the reply's file name or the URL's last part;
  // the saved file's path, or "" when nothing was saved (the reply text may then hold a text
  // reply). The file is created new; a failed or cancelled transfer leaves none behind.
  CString DownloadFile(const char* folder);
  CString GetResponseText() const { return m_strResponse; }
  // Whether the user cancelled the transfer; nothing was shown then.
  BOOL IsCancelled() const { return m_bCancelled; }

  // The pieces of the requests, as sent.
  CString BuildFormBody() const;
  static CString EncodeFormValue(const char* value);
  CString BuildParamParts() const;
  CString BuildFilePartHeader() const;
  CString BuildTrailer() const;
  CString GetBoundary() const { return m_strBoundary; }
  // The file name that the reply headers give (after the first "filename="), "" when none.
  static CString GetFileNameFromHeaders(const char* rawHeaders);
  // The name reduced to a plain file name: its last path component; "" for a name that is empty,
  // "." or "..", or holds a control character.
  static CString SafeFileName(const char* name);

  // The largest reply taken as text.
  static constexpr size_t kMaxTextReply = 1u << 20;
  // The largest body saved by a download; the service refuses to upload a larger file, so that
  // whatever is stored can be downloaded again.
  static constexpr size_t kMaxDownload = 16u << 20;

 private:
  // Opens the request of the URL; FALSE after the parse failure was shown.
  std::unique_ptr<CHttpFile> OpenRequest();
  // Reads the rest of a text reply into the reply text, carriage returns dropped (on the worker).
  void ReadResponseText(CHttpFile& file, CTransferProgress& progress);
  // After the transfer: FALSE with an empty reply on a cancel, an error (shown) or an error
  // status, else TRUE with the reply read.
  BOOL FinishRequest(CHttpFile& file);
  // A boundary that occurs neither in the parts nor in the file.
  void ChooseBoundary(const char* localPath);
  void ShowHttpError(const CHttpFile& file) const;

  CString m_strURL;
  CString m_strResponse;
  DWORD m_dwTotalSize = 0;
  DWORD m_dwReceivedSize = 0;
  CString m_strBoundary;
  std::vector<std::unique_ptr<CPelkoHttpParam>> m_params;
  BOOL m_bCancelled = FALSE;
};

#include "treeview/TreeClipboard.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>

#include <string>

#include "model/TreeRecordCheck.h"
#include "platform/base/CodePage.h"

namespace tree_clipboard {

namespace {

const wxDataFormat& RecordsFormat() {
  static const wxDataFormat format("Kestavon");
  return format;
}

}  // namespace

bool Put(const CString& records, const CString& title) {
  wxClipboardLocker lock;
  if (!lock) return false;
  auto* both = new wxDataObjectComposite;
  auto* own = new wxCustomDataObject(RecordsFormat());
  // The block ends in a NUL, as readers of the format expect.
  own->SetData(static_cast<size_t>(records.GetLength()) + 1, records.GetString());
  both->Add(own, true);
  both->Add(new wxTextDataObject(CP932ToWx(title.str())));
  return wxTheClipboard->SetData(both);
}

Content Take(CString& data, std::string* lost) {
  wxClipboardLocker lock;
  if (!lock) return Content::kNothing;
  if (wxTheClipboard->IsSupported(RecordsFormat())) {
    wxCustomDataObject own(RecordsFormat());
    if (wxTheClipboard->GetData(own)) {
      std::string bytes(static_cast<const char*>(own.GetData()), own.GetSize());
      bytes.resize(bytes.find('\0') == std::string::npos ? bytes.size() : bytes.find('\0'));
      data = CString(std::move(bytes));
      return CleanTreeRecords(data) ? Content::kRecords : Content::kNothing;
    }
  }
  if (wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT)) {
    wxTextDataObject text;
    if (wxTheClipboard->GetData(text)) {
      data = WxToCP932(text.GetText(), lost);
      return Content::kText;
    }
  }
  return Content::kNothing;
}

}  // namespace tree_clipboard

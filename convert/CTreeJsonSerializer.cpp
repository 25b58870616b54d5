#include "convert/CTreeJsonSerializer.h"

#include <json/json.h>

#include <memory>
#include <string>

#include "model/ATREE.h"
#include "platform/base/COleDateTime.h"
#include "platform/base/RegularFile.h"

namespace {

const Json::Value& Member(const Json::Value& item, const char* name) {
  static const Json::Value none;
  return item.isObject() ? item[name] : none;
}

// A string member as its bytes, cut at a zero byte as every text of the model is; "" when absent.
CString Text(const Json::Value& item, const char* name) {
  const Json::Value& value = Member(item, name);
  return value.isNull() ? CString() : CString(value.asString().c_str());
}

COleDateTime Time(const Json::Value& item, const char* name) {
  COleDateTime time;
  time.ParseDateTime(Text(item, name));
  return time;
}

// A title names one level: no line break, no level separator, never empty.
CString CleanTitle(CString title) {
  ATREE::DeleteLineBreaks(title);
  ATREE::StripLevelSeparators(title);
  ATREE::StripRecordBytes(title);
  if (title.IsEmpty()) title = "(無題)";
  return title;
}

bool HasChildren(const Json::Value& item) {
  const Json::Value& child = Member(item, "child");
  return child.isArray() && !child.empty();
}

}  // namespace

int CTreeJsonSerializer::ReadFile(const char* path) {
  std::string bytes;
  if (!ReadRegularFile(path, bytes)) return 0;
  Json::CharReaderBuilder builder;
  builder["allowComments"] = true;
  builder["collectComments"] = true;
  const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
  Json::Value document;
  std::string errors;
  try {
    // Nesting deeper than the reader's limit is thrown, not reported.
    if (!reader->parse(bytes.data(), bytes.data() + bytes.size(), &document, &errors)) return 0;
    const Json::Value& body = Member(document, "body");
    m_nRootId = Member(body, "id").asInt();
    CDirData* root = m_tree.EditDirData(0);
    CString title = Text(body, "title");
    ATREE::DeleteLineBreaks(title);
    ATREE::StripLevelSeparators(title);  // the top item is level 0
    root->m_strPath = title;
    root->m_strText = Text(body, "text");
    root->m_strLink = Text(body, "link");
    ATREE::StripRecordBytes(root->m_strPath);
    ATREE::StripRecordBytes(root->m_strText);
    ATREE::StripRecordBytes(root->m_strLink);
    root->SetUpdateTime(Time(body, "mdate"));
    root->SetCreateTime(Time(body, "cdate"));
    if (HasChildren(body)) ReadNodes(0, body["child"]);
  } catch (const Json::Exception&) {
    return 0;
  }
  return 1;
}

void CTreeJsonSerializer::ReadNodes(int parentIndex, const Json::Value& array) {
  for (const Json::Value& element : array) {
    CString title = CleanTitle(Text(element, "title"));
    CString text = Text(element, "text");
    // Items come in document order, so each one ends the model.
    const int index = m_tree.AppendLastChild(parentIndex, title, Text(element, "link"), text, 1);
    CDirData* item = m_tree.EditDirData(index);
    item->SetUpdateTime(Time(element, "mdate"));
    item->SetCreateTime(Time(element, "cdate"));
    if (HasChildren(element)) ReadNodes(index, element["child"]);
  }
}

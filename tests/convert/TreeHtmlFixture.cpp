#include "tests/convert/TreeHtmlFixture.h"

#include <wx/webview.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "platform/base/CodePage.h"

namespace tree_html_test {

bool Load(wxWebView* web, const std::string& path) {
  bool loaded = false;
  const wxString url = wxString::FromUTF8("file://" + CP932ToUTF8(path));
  auto note = [&](wxWebViewEvent& event) {
    loaded = loaded || event.GetURL() == url;
    event.Skip();
  };
  web->Bind(wxEVT_WEBVIEW_LOADED, note);
  web->LoadURL(url);
  const bool done = kesta_test::RunUntil([&] { return loaded; });
  web->Unbind(wxEVT_WEBVIEW_LOADED, note);
  return done;
}

std::string Script(wxWebView* web, const char* script) {
  wxString result;
  return web->RunScript(script, &result) ? result.utf8_string() : "(script failed)";
}

std::unique_ptr<ATREE> MakeFlatOutline(int count) {
  std::vector<std::pair<std::string, std::string>> items{{"t0", "top"}};
  for (int i = 1; i < count; ++i) items.emplace_back("t0/t" + std::to_string(i), "text " + std::to_string(i));
  return export_test::MakeOutline(items);
}

void TreeHtmlTest::SetUp() {
  ExportTest::SetUp();
  m_site = m_dir + "/site";
  std::filesystem::create_directories(m_site);
}

std::unique_ptr<CTreeHtmlExporter> TreeHtmlTest::Exporter(const ATREE& tree, int current) {
  return std::make_unique<CTreeHtmlExporter>(tree, current, CString((m_dir + "/doc.kvn").c_str()), FreshOptions());
}

std::string TreeHtmlTest::Read(const std::string& name) const {
  return kesta_test::ReadBytes(CP932ToUTF8(Out(name)));
}

bool TreeHtmlTest::Exists(const std::string& name) const {
  return std::filesystem::exists(CP932ToUTF8(Out(name)));
}

}  // namespace tree_html_test

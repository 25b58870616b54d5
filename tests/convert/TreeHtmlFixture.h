#pragma once
// The multi-file HTML export's tests: outlines to export, an output folder of each test's own and
// the written pages read back.
#include <memory>
#include <string>

#include "convert/CTreeHtmlExporter.h"
#include "tests/convert/ExportFixture.h"

class wxWebView;

namespace tree_html_test {

// Loads a written page into the web view and waits until it is there.
bool Load(wxWebView* web, const std::string& path);
// The script's result as UTF-8, "(script failed)" when it failed.
std::string Script(wxWebView* web, const char* script);

// "t0" with the trees "t1" .. "t<count - 1>" as its children, each with a text of its own.
std::unique_ptr<ATREE> MakeFlatOutline(int count);

class TreeHtmlTest : public export_test::ExportTest {
 protected:
  void SetUp() override;
  // The exporter over the outline with the given tree current.
  std::unique_ptr<CTreeHtmlExporter> Exporter(const ATREE& tree, int current = 0);
  // The path of a file in the output folder.
  std::string Out(const std::string& name) const { return m_site + "/" + name; }
  // A written file, as its bytes.
  std::string Read(const std::string& name) const;
  bool Exists(const std::string& name) const;
  std::string m_site;
};

}  // namespace tree_html_test

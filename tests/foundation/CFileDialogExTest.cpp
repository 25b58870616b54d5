#include <gtest/gtest.h>
#include <wx/filedlg.h>
#include <wx/frame.h>
#include <wx/textctrl.h>

#include <dlfcn.h>

#include <functional>
#include <string>
#include <vector>

#include "foundation/CFileDialogEx.h"
#include "platform/base/CodePage.h"
#include "platform/framework/FileDialogFilter.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"

namespace {

TEST(FileDialogFilter, WindowsFiltersBecomeWxFiltersThatIgnoreCase) {
  struct Case {
    const char* windows;
    const char* wx;
  } cases[] = {
      {"(*.KVN)|*.KVN|", "(*.KVN)|*.KVN;*.[kK][vV][nN]"},
      {"Kestavon (*.kvn)|*.kvn|すべて (*.*)|*.*||",
       "Kestavon (*.kvn)|*.kvn;*.[kK][vV][nN]|すべて (*.*)|*"},
      {"Text|*.txt; *.log|", "Text|*.txt;*.[tT][xX][tT];*.log;*.[lL][oO][gG]"},
      {"Any|*|Numbered|*.1?|", "Any|*|Numbered|*.1?"},
      {"Odd|a[1].htm|", "Odd|a[1].htm;[aA][[]1[]].[hH][tT][mM]"},
      {"ポ|ポ*.csv|", "ポ|ポ*.csv;ポ*.[cC][sS][vV]"},  // ポ ends in the byte of "|"
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(FileFilterToWx(c.windows), CString(c.wx)) << c.windows;
  // A double-byte character whose second byte is a letter is left whole.
  EXPECT_EQ(CaseInsensitivePattern("ア*.b"), CString("ア*.[bB]"));
}

// The patterns are matched by GTK itself, through the chooser's own filter object.
class GtkFilter {
 public:
  GtkFilter() {
    m_new = reinterpret_cast<void* (*)()>(dlsym(RTLD_DEFAULT, "gtk_file_filter_new"));
    m_add = reinterpret_cast<void (*)(void*, const char*)>(dlsym(RTLD_DEFAULT, "gtk_file_filter_add_pattern"));
    m_filter = reinterpret_cast<int (*)(void*, const Info*)>(dlsym(RTLD_DEFAULT, "gtk_file_filter_filter"));
    m_sink = reinterpret_cast<void* (*)(void*)>(dlsym(RTLD_DEFAULT, "g_object_ref_sink"));
    m_unref = reinterpret_cast<void (*)(void*)>(dlsym(RTLD_DEFAULT, "g_object_unref"));
  }
  bool Available() const { return m_new && m_add && m_filter && m_sink && m_unref; }
  // Does the wx pattern list (";"-separated) of one filter show the file name?
  bool Shows(const wxString& patterns, const char* name) {
    void* filter = m_sink(m_new());
    for (const wxString& pattern : wxSplit(patterns, ';')) m_add(filter, pattern.utf8_str());
    const Info info{4 /* GTK_FILE_FILTER_DISPLAY_NAME */, nullptr, nullptr, name, nullptr};
    const bool shown = m_filter(filter, &info) != 0;
    m_unref(filter);
    return shown;
  }

 private:
  struct Info {
    int contains;
    const char* filename;
    const char* uri;
    const char* display_name;
    const char* mime_type;
  };
  void* (*m_new)() = nullptr;
  void (*m_add)(void*, const char*) = nullptr;
  int (*m_filter)(void*, const Info*) = nullptr;
  void* (*m_sink)(void*) = nullptr;
  void (*m_unref)(void*) = nullptr;
};

TEST(FileDialogFilter, TheChooserListsNamesInEitherCase) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "no display";
  GtkFilter gtk;
  if (!gtk.Available()) GTEST_SKIP() << "not the GTK port";
  const wxArrayString parts = wxSplit(CP932ToWx(FileFilterToWx("(*.KVN)|*.KVN|All|*.*||").GetString()), '|');
  ASSERT_EQ(parts.size(), 4u);
  for (const char* name : {"a.kvn", "A.KVN", "b.Kvn"}) EXPECT_TRUE(gtk.Shows(parts[1], name)) << name;
  for (const char* name : {"a.kvn.txt", "kvn", "a.kv"}) EXPECT_FALSE(gtk.Shows(parts[1], name)) << name;
  EXPECT_TRUE(gtk.Shows(parts[3], "README"));
}

// A dialog whose chooser is answered by the test in place of the user: the n-th showing picks the
// n-th path of the list, and an empty path (or the end of the list) cancels.
class AnsweredDialog : public CFileDialogEx {
 public:
  AnsweredDialog(std::vector<std::string> answers, BOOL open, const char* defExt, const char* fileName, DWORD flags,
                 const char* filter, wxWindow* parent)
      : CFileDialogEx(open, defExt, fileName, flags, filter, parent), m_answers(std::move(answers)) {}
  size_t m_shown = 0;
  std::vector<wxString> m_names;  // the name each showing started with
  wxString m_wildcard;
  int m_startFilter = -1;

 protected:
  int ShowChooser(wxFileDialog& dialog, std::vector<CString>& paths, int& filterIndex) override {
    m_names.push_back(dialog.GetFilename());
    m_wildcard = dialog.GetWildcard();
    m_startFilter = dialog.GetFilterIndex();
    const std::string chosen = m_shown < m_answers.size() ? m_answers[m_shown] : std::string();
    ++m_shown;
    if (chosen.empty()) return wxID_CANCEL;
    paths.emplace_back(chosen.c_str());
    filterIndex = 1;
    return wxID_OK;
  }

 private:
  std::vector<std::string> m_answers;
};

class RefusingDialog : public AnsweredDialog {
 public:
  using AnsweredDialog::AnsweredDialog;
  BOOL OnFileNameOK() override {
    m_seen.emplace_back(GetPathName().GetString());
    return m_seen.size() < 2;  // the first name is refused
  }
  std::vector<std::string> m_seen;
};

class FileDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "no display";
    m_frame = new wxFrame(nullptr, wxID_ANY, "files");
    m_field = new wxTextCtrl(m_frame, wxID_ANY);
    m_frame->Show();
    m_field->SetFocus();
    m_dir = kesta_test::MakeTempDir("filedlg");
  }
  void TearDown() override {
    if (m_frame) m_frame->Destroy();
  }
  wxFrame* m_frame = nullptr;
  wxTextCtrl* m_field = nullptr;
  std::string m_dir;
};

TEST_F(FileDialogTest, CancelReturnsIdCancelAndGivesTheFocusBack) {
  AnsweredDialog dialog({}, TRUE, "kvn", nullptr, OFN_FILEMUSTEXIST, "(*.KVN)|*.KVN|All|*.*||", m_frame);
  dialog.m_ofn.nFilterIndex = 2;
  const wxWindow* focusBefore = wxWindow::FindFocus();
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.m_shown, 1u);
  EXPECT_EQ(dialog.m_wildcard, "(*.KVN)|*.KVN;*.[kK][vV][nN]|All|*");
  EXPECT_EQ(dialog.m_startFilter, 1);
  EXPECT_EQ(dialog.m_ofn.nFilterIndex, 2u);
  EXPECT_EQ(dialog.GetPathName(), CString(""));
  EXPECT_EQ(wxWindow::FindFocus(), focusBefore);
}

TEST_F(FileDialogTest, DerivedDialogSeesTheChosenNameAndMayRefuseIt) {
  const std::vector<std::string> offered = {m_dir + "/first.kvn", m_dir + "/second.kvn"};
  RefusingDialog dialog(offered, TRUE, "kvn", nullptr, OFN_HIDEREADONLY, "(*.KVN)|*.KVN|All|*.*||", m_frame);
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_shown, 2u);
  EXPECT_EQ(dialog.m_names.back(), "first.kvn");  // asked again from the refused name
  EXPECT_EQ(dialog.m_seen, offered);
  EXPECT_EQ(dialog.m_ofn.nFilterIndex, 2u);
  EXPECT_EQ(dialog.GetPathName(), CString(offered[1].c_str()));
  EXPECT_EQ(dialog.GetFileName(), CString("second.kvn"));
  EXPECT_EQ(dialog.GetFileTitle(), CString("second"));
  EXPECT_EQ(dialog.GetFileExt(), CString("kvn"));
  EXPECT_EQ(dialog.GetFolderPath(), CString(m_dir.c_str()));
}

TEST_F(FileDialogTest, SavedNameWithoutExtensionGetsTheDefaultOneAndItsOverwriteQuestion) {
  kesta_test::WriteBytes(m_dir + "/notes.kvn", "old");
  std::vector<std::string> asked;
  ScopedMessageBoxHook no([&](const MessageBoxCall& call) {
    asked.emplace_back(CP932ToUTF8(call.text.GetString()));
    return IDNO;
  });
  AnsweredDialog dialog({m_dir + "/notes"}, FALSE, "kvn", "notes", OFN_OVERWRITEPROMPT, "(*.KVN)|*.KVN||", m_frame);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);  // the overwrite was refused, then the chooser cancelled
  EXPECT_EQ(dialog.m_shown, 2u);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_NE(asked[0].find("notes.kvn"), std::string::npos);

  AnsweredDialog fresh({m_dir + "/new", m_dir + "/kept.txt"}, FALSE, "kvn", nullptr, OFN_OVERWRITEPROMPT,
                       "(*.KVN)|*.KVN||", m_frame);
  EXPECT_EQ(fresh.DoModal(), IDOK);
  EXPECT_EQ(fresh.GetPathName(), CString((m_dir + "/new.kvn").c_str()));
  EXPECT_EQ(fresh.DoModal(), IDOK);
  EXPECT_EQ(fresh.GetPathName(), CString((m_dir + "/kept.txt").c_str()));
}

}  // namespace

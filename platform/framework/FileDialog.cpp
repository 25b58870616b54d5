#include "platform/framework/FileDialog.h"

#include <gtk/gtk.h>
#include <wx/filedlg.h>

#include "platform/base/CodePage.h"
#include "platform/framework/FileDialogFilter.h"

std::unique_ptr<wxFileDialog> MakeFileDialog(wxWindow* owner, const char* title, const char* folder,
                                             const char* file, const char* filter, long style) {
  return std::make_unique<wxFileDialog>(owner, CP932ToWx(title), CP932ToWx(folder), CP932ToWx(file),
                                        CP932ToWx(FileFilterToWx(filter).str()), style);
}

bool ChooseFile(wxWindow* owner, const char* title, const char* folder, const char* file, const char* filter,
                long style, FileChoice& choice, const char* defaultExtension) {
  std::unique_ptr<wxFileDialog> dialog = MakeFileDialog(owner, title, folder, file, filter, style);
  if (dialog->ShowModal() != wxID_OK) return false;
  choice.path = WxToCP932(dialog->GetPath());
  choice.folder = WxToCP932(dialog->GetDirectory());
  if (defaultExtension && choice.path.Find('.', choice.path.ReverseFind('/') + 1) < 0)
    choice.path += CString(".") + defaultExtension;
  return true;
}

namespace {

using TypeRename = std::function<CString(const CString&, int)>;

void OnFilterChanged(GObject* object, GParamSpec*, gpointer data) {
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(object);
  if (gtk_file_chooser_get_action(chooser) != GTK_FILE_CHOOSER_ACTION_SAVE) return;
  GSList* filters = gtk_file_chooser_list_filters(chooser);
  const int index = g_slist_index(filters, gtk_file_chooser_get_filter(chooser));
  g_slist_free(filters);
  if (index < 0) return;
  gchar* current = gtk_file_chooser_get_current_name(chooser);
  const CString name = UTF8ToCP932(current ? current : "");
  g_free(current);
  const CString renamed = (*static_cast<TypeRename*>(data))(name, index + 1);
  if (renamed != name) gtk_file_chooser_set_current_name(chooser, CP932ToUTF8(renamed.str()).c_str());
}

}  // namespace

void FollowFileType(wxFileDialog& dialog, std::function<CString(const CString& name, int typeIndex)> rename) {
  GtkWidget* widget = dialog.GetHandle();
  if (!widget || !GTK_IS_FILE_CHOOSER(widget)) return;
  g_signal_connect_data(widget, "notify::filter", G_CALLBACK(OnFilterChanged), new TypeRename(std::move(rename)),
                        [](gpointer data, GClosure*) { delete static_cast<TypeRename*>(data); }, GConnectFlags(0));
}

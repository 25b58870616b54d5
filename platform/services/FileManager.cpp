#include "platform/services/FileManager.h"

#include <gio/gio.h>

#include "platform/base/CString.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/Shell.h"

namespace {

bool CallFileManager(const char* method, const std::string& utf8Path) {
  GError* error = nullptr;
  GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error);
  if (!bus) {
    g_clear_error(&error);
    return false;
  }
  gchar* uri = g_filename_to_uri(utf8Path.c_str(), nullptr, nullptr);
  bool shown = false;
  if (uri) {
    const gchar* uris[] = {uri, nullptr};
    // A short timeout: without a file manager on the bus the call fails at once, and one that
    // hangs must not freeze the program.
    GVariant* reply = g_dbus_connection_call_sync(
        bus, "org.freedesktop.FileManager1", "/org/freedesktop/FileManager1", "org.freedesktop.FileManager1",
        method, g_variant_new("(^ass)", uris, ""), nullptr, G_DBUS_CALL_FLAGS_NONE, 3000, nullptr, &error);
    shown = reply != nullptr;
    if (reply) g_variant_unref(reply);
    g_clear_error(&error);
    g_free(uri);
  }
  g_object_unref(bus);
  return shown;
}

}  // namespace

BOOL ShowInFileManager(const char* path) {
  const CString file(path);
  if (CallFileManager("ShowItems", CP932ToUTF8(file.str()))) return TRUE;
  const int slash = file.ReverseFind('/');
  const CString folder = slash > 0 ? file.Left(slash) : CString("/");
  return ShellExecute(nullptr, "explore", folder, nullptr, nullptr, SW_SHOWNORMAL) > 32;
}

BOOL ShowPropertiesInFileManager(const char* path) {
  return CallFileManager("ShowItemProperties", CP932ToUTF8(CString(path).str())) ? TRUE : FALSE;
}

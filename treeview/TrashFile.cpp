#include "treeview/TrashFile.h"

#include <gio/gio.h>

#include "platform/base/CodePage.h"

BOOL MoveToTrash(const char* path) {
  GFile* file = g_file_new_for_path(CP932ToUTF8(path).c_str());
  const gboolean moved = g_file_trash(file, nullptr, nullptr);
  g_object_unref(file);
  return moved ? TRUE : FALSE;
}

#include "platform/framework/CompactMenus.h"

#include <gtk/gtk.h>

void UseCompactMenus() {
  static bool applied = false;
  if (applied) return;
  GdkScreen* screen = gdk_screen_get_default();
  if (!screen) return;
  applied = true;
  GtkCssProvider* css = gtk_css_provider_new();
  gtk_css_provider_load_from_data(css,
                                  "menu menuitem { min-height: 0; padding-top: 1px; padding-bottom: 1px; }\n"
                                  "menu separator { margin-top: 1px; margin-bottom: 1px; }\n",
                                  -1, nullptr);
  gtk_style_context_add_provider_for_screen(screen, GTK_STYLE_PROVIDER(css), GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(css);
}

#include "platform/desktop/MenuKeyText.h"

#include <gdk/gdkkeysyms.h>
#include <gtk/gtk.h>
#include <wx/menu.h>

#include <string_view>

#include "platform/base/CodePage.h"

namespace {

// The key text lives on the GTK item itself, so it goes when the item goes.
constexpr const char* kKeyTextData = "kesta-key-text";

struct KeyName {
  std::string_view name;
  guint keyval;
};

guint KeyvalOf(std::string_view name) {
  // The keypad operators are drawn from the plain characters, which GTK shows as they are.
  static const KeyName kNames[] = {
      {"@", GDK_KEY_at},         {"Insert", GDK_KEY_Insert},     {"Delete", GDK_KEY_Delete},
      {"BackSpace", GDK_KEY_BackSpace}, {"Enter", GDK_KEY_Return}, {"Space", GDK_KEY_space},
      {"PageUp", GDK_KEY_Page_Up}, {"PageDown", GDK_KEY_Page_Down}, {"End", GDK_KEY_End},
      {"Home", GDK_KEY_Home},    {"*", GDK_KEY_asterisk},        {"+", GDK_KEY_plus},
      {"-", GDK_KEY_minus},      {"/", GDK_KEY_slash},           {"Up", GDK_KEY_Up},
      {"Down", GDK_KEY_Down},    {"Left", GDK_KEY_Left},         {"Right", GDK_KEY_Right},
      {"Escape", GDK_KEY_Escape}, {"Tab", GDK_KEY_Tab},
  };

  for (const KeyName& key : kNames) {
    if (key.name == name) return key.keyval;
  }
  if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return GDK_KEY_a + static_cast<guint>(name[0] - 'A');
  if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return GDK_KEY_0 + static_cast<guint>(name[0] - '0');
  if (name.size() == 4 && name.substr(0, 3) == "NUM" && name[3] >= '0' && name[3] <= '9')
    return GDK_KEY_KP_0 + static_cast<guint>(name[3] - '0');
  if (name.size() >= 2 && name[0] == 'F') {
    int number = 0;
    for (char c : name.substr(1)) {
      if (c < '0' || c > '9') return 0;
      number = number * 10 + (c - '0');
    }
    if (number >= 1 && number <= 12) return GDK_KEY_F1 + static_cast<guint>(number - 1);
  }
  return 0;
}

// "Alt+Shift+Ctrl+F5" as a key and modifiers for the accelerator label, which draws them in GTK's
// own way ("Shift+Ctrl+Alt+F5", "KP 3" for NUM3); 0 when the key name is not one of the key
// table's (the label then shows nothing). The whole text stays readable through GetMenuItemText.
guint ParseKeyText(std::string_view text, GdkModifierType& mods) {
  mods = static_cast<GdkModifierType>(0);
  struct Prefix {
    std::string_view text;
    GdkModifierType mod;
  };
  static const Prefix kPrefixes[] = {{"Alt+", GDK_MOD1_MASK}, {"Shift+", GDK_SHIFT_MASK}, {"Ctrl+", GDK_CONTROL_MASK}};
  for (bool found = true; found;) {
    found = false;
    for (const Prefix& prefix : kPrefixes) {
      // "+" alone is a key name, so a prefix needs something behind it.
      if (text.size() > prefix.text.size() && text.substr(0, prefix.text.size()) == prefix.text) {
        mods = static_cast<GdkModifierType>(mods | prefix.mod);
        text.remove_prefix(prefix.text.size());
        found = true;
      }
    }
  }
  return KeyvalOf(text);
}

GtkAccelLabel* AccelLabelOf(const wxMenuItem* item) {
  GtkWidget* widget = item->GetMenuItem();
  if (!widget || !GTK_IS_BIN(widget)) return nullptr;
  GtkWidget* child = gtk_bin_get_child(GTK_BIN(widget));
  return child && GTK_IS_ACCEL_LABEL(child) ? GTK_ACCEL_LABEL(child) : nullptr;
}

}  // namespace

CString GetMenuItemText(const wxMenuItem* item) {
  CString text = WxToCP932(item->GetItemLabel());
  if (GtkWidget* widget = item->GetMenuItem()) {
    if (const auto* keys = static_cast<const char*>(g_object_get_data(G_OBJECT(widget), kKeyTextData))) {
      text += "\t";
      text += keys;
    }
  }
  return text;
}

void SetMenuItemText(wxMenuItem* item, const CString& text) {
  const int tab = text.Find('\t');
  const CString label = tab < 0 ? text : text.Left(tab);
  const CString keys = tab < 0 ? CString() : text.Mid(tab + 1);
  // The label goes to wx without the tab, so wx installs no accelerator for it.
  item->SetItemLabel(CP932ToWx(label.str()));
  GtkWidget* widget = item->GetMenuItem();
  if (!widget) return;
  if (tab < 0) {
    g_object_set_data(G_OBJECT(widget), kKeyTextData, nullptr);
  } else {
    g_object_set_data_full(G_OBJECT(widget), kKeyTextData, g_strdup(keys.GetString()), g_free);
  }
  if (GtkAccelLabel* accelLabel = AccelLabelOf(item)) {
    GdkModifierType mods;
    const guint keyval = tab < 0 ? 0 : ParseKeyText(keys.GetString(), mods);
    gtk_accel_label_set_accel(accelLabel, keyval, keyval ? mods : static_cast<GdkModifierType>(0));
  }
}

#include "platform/desktop/MenuKeyText.h"

#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/menu.h>

#include <vector>

#include "platform/base/CodePage.h"
#include "tests/common/TestSupport.h"

namespace {

constexpr int kOpen = 100;
constexpr int kWired = 101;

class MenuKeyTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
    m_frame = new wxFrame(nullptr, wxID_ANY, "keys");
    auto* menu = new wxMenu;
    m_item = menu->Append(kOpen, CP932ToWx("開く(&O)"));
    // What wx does with a tab in a label: GTK gets a real accelerator.
    menu->Append(kWired, "Wired\tCtrl+J");
    auto* bar = new wxMenuBar;
    bar->Append(menu, "File");
    m_frame->SetMenuBar(bar);
    m_frame->Bind(wxEVT_MENU, [this](wxCommandEvent& event) { m_commands.push_back(event.GetId()); });
    m_frame->Show();
  }

  void TearDown() override {
    if (!m_frame) return;
    m_frame->Destroy();
    wxTheApp->ProcessIdle();
  }

  GObject* Window() const { return G_OBJECT(m_frame->GetHandle()); }

  // Entries for the combination in every accelerator group of the frame's window.
  guint AcceleratorCount(guint key, GdkModifierType mods) const {
    guint total = 0;
    for (GSList* group = gtk_accel_groups_from_object(Window()); group; group = group->next) {
      guint count = 0;
      gtk_accel_group_query(GTK_ACCEL_GROUP(group->data), key, mods, &count);
      total += count;
    }
    return total;
  }

  void ShownKeys(guint& key, GdkModifierType& mods) const {
    GtkWidget* child = gtk_bin_get_child(GTK_BIN(m_item->GetMenuItem()));
    ASSERT_TRUE(GTK_IS_ACCEL_LABEL(child));
    gtk_accel_label_get_accel(GTK_ACCEL_LABEL(child), &key, &mods);
  }

  wxFrame* m_frame = nullptr;
  wxMenuItem* m_item = nullptr;
  std::vector<int> m_commands;
};

}  // namespace

TEST_F(MenuKeyTextTest, KeysAreShownButNeverInstalled) {
  SetMenuItemText(m_item, "開く(&O)\tCtrl+K");

  EXPECT_EQ(GetMenuItemText(m_item), "開く(&O)\tCtrl+K");
  EXPECT_EQ(WxToCP932(m_item->GetItemLabel()), "開く(&O)");
  guint key = 0;
  GdkModifierType mods{};
  ShownKeys(key, mods);
  EXPECT_EQ(key, static_cast<guint>(GDK_KEY_k));
  EXPECT_EQ(mods, GDK_CONTROL_MASK);

  // A tab handed to wx does install an accelerator; ours installs none, so pressing the keys
  // reaches only the program's own key table.
  EXPECT_GT(AcceleratorCount(GDK_KEY_j, GDK_CONTROL_MASK), 0u);
  EXPECT_EQ(AcceleratorCount(GDK_KEY_k, GDK_CONTROL_MASK), 0u);
  EXPECT_FALSE(gtk_accel_groups_activate(Window(), GDK_KEY_k, GDK_CONTROL_MASK));
  EXPECT_TRUE(m_commands.empty());
}

TEST_F(MenuKeyTextTest, KeyTextsOfTheKeyTable) {
  struct Case {
    const char* keys;
    guint key;
    GdkModifierType mods;
  };
  const Case cases[] = {
      {"Alt+Shift+Ctrl+F5", GDK_KEY_F5, static_cast<GdkModifierType>(GDK_MOD1_MASK | GDK_SHIFT_MASK | GDK_CONTROL_MASK)},
      {"Shift+PageUp", GDK_KEY_Page_Up, GDK_SHIFT_MASK},
      {"Ctrl++", GDK_KEY_plus, GDK_CONTROL_MASK},
      {"+", GDK_KEY_plus, static_cast<GdkModifierType>(0)},
      {"Shift+*", GDK_KEY_asterisk, GDK_SHIFT_MASK},
      {"NUM3", GDK_KEY_KP_3, static_cast<GdkModifierType>(0)},
      {"Ctrl+@", GDK_KEY_at, GDK_CONTROL_MASK},
      {"F12", GDK_KEY_F12, static_cast<GdkModifierType>(0)},
      {"Insert", GDK_KEY_Insert, static_cast<GdkModifierType>(0)},
      // A key outside the key-name table has no name: the text stays, nothing is drawn.
      {"Ctrl+", 0, static_cast<GdkModifierType>(0)},
  };
  for (const Case& c : cases) {
    const CString text = CString("開く(&O)\t") + c.keys;
    SetMenuItemText(m_item, text);
    EXPECT_EQ(GetMenuItemText(m_item), text);
    guint key = 0;
    GdkModifierType mods{};
    ShownKeys(key, mods);
    EXPECT_EQ(key, c.key) << c.keys;
    EXPECT_EQ(mods, c.mods) << c.keys;
    if (c.key) {
      EXPECT_EQ(AcceleratorCount(c.key, c.mods), 0u) << c.keys;
    }
  }
}

TEST_F(MenuKeyTextTest, ANewTextReplacesOrRemovesTheKeys) {
  SetMenuItemText(m_item, "開く(&O)\tCtrl+K");
  SetMenuItemText(m_item, "閉じる(&C)\tCtrl+W");
  EXPECT_EQ(GetMenuItemText(m_item), "閉じる(&C)\tCtrl+W");
  guint key = 0;
  GdkModifierType mods{};
  ShownKeys(key, mods);
  EXPECT_EQ(key, static_cast<guint>(GDK_KEY_w));

  // A label changed through wx alone (update handlers do that) keeps the keys.
  m_item->SetItemLabel("Close");
  EXPECT_EQ(GetMenuItemText(m_item), "Close\tCtrl+W");
  ShownKeys(key, mods);
  EXPECT_EQ(key, static_cast<guint>(GDK_KEY_w));
  EXPECT_EQ(AcceleratorCount(GDK_KEY_w, GDK_CONTROL_MASK), 0u);

  SetMenuItemText(m_item, "閉じる(&C)");
  EXPECT_EQ(GetMenuItemText(m_item), "閉じる(&C)");
  ShownKeys(key, mods);
  EXPECT_EQ(key, 0u);
}

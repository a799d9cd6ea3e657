// The accessible objects of real windows, read in-process through ATK as the bridge reads
// them: roles, names, states, the notifications of a changed name, and a closed window's
// objects, still held, going defunct.
#include "WindowsFixture.h"

#include <atk/atk.h>

#include "fltk/AccessibleApplication.h"
#include "screens/Layouts.h"

namespace ttt::test {

namespace {

std::string nameOf(AtkObject* object) {
  const gchar* name = atk_object_get_name(object);
  return name != nullptr ? name : "";
}

// The child of that role and name; a new reference, or null.
AtkObject* findChild(AtkObject* parent, AtkRole role, const std::string& name) {
  for (int i = 0; i < atk_object_get_n_accessible_children(parent); ++i) {
    AtkObject* child = atk_object_ref_accessible_child(parent, i);
    if (atk_object_get_role(child) == role && nameOf(child) == name) return child;
    g_object_unref(child);
  }
  return nullptr;
}

bool hasState(AtkObject* object, AtkStateType state) {
  AtkStateSet* states = atk_object_ref_state_set(object);
  const bool has = atk_state_set_contains_state(states, state) != FALSE;
  g_object_unref(states);
  return has;
}

}  // namespace

TEST_F(WindowsTest, TheTreeFollowsTheWindowsTheirNamesStatesAndFocus) {
  AccessibleApplication root("orvane-tictactoe");
  AtkObject* app = root.object();
  EXPECT_EQ(atk_object_get_role(app), ATK_ROLE_APPLICATION);
  RecordingForm& form = open(twoPlayerLayout());
  root.sync();
  AtkObject* frame = findChild(app, ATK_ROLE_FRAME, "TWO PLAYER !");
  ASSERT_NE(frame, nullptr);
  AtkObject* board = findChild(frame, ATK_ROLE_PANEL, "Board");
  ASSERT_NE(board, nullptr);
  ASSERT_EQ(atk_object_get_n_accessible_children(board), 9);
  AtkObject* centre = atk_object_ref_accessible_child(board, 4);
  EXPECT_EQ(nameOf(centre), "centre, empty");
  EXPECT_EQ(atk_object_get_index_in_parent(centre), 4);
  // Where the cell's label is, on the screen and in its window.
  const Fl_Widget& label = *widget(form, "S(4)");
  const WindowView& shown = windowOf(form);
  std::array<gint, 4> place{};
  atk_component_get_extents(ATK_COMPONENT(centre), &place[0], &place[1], &place[2], &place[3],
                            ATK_XY_SCREEN);
  EXPECT_EQ(place, (std::array<gint, 4>{shown.x() + label.x(), shown.y() + label.y(), 33, 33}));
  atk_component_get_extents(ATK_COMPONENT(centre), &place[0], &place[1], &place[2], &place[3],
                            ATK_XY_WINDOW);
  EXPECT_EQ(place, (std::array<gint, 4>{label.x(), label.y(), 33, 33}));
  AtkObject* newGame = findChild(frame, ATK_ROLE_PUSH_BUTTON, "NEW GAME");
  ASSERT_NE(newGame, nullptr);
  // In the shared reading order: the names and marks, the board, then the buttons.
  EXPECT_EQ(atk_object_get_index_in_parent(board), 4);
  EXPECT_EQ(atk_object_get_index_in_parent(newGame), 5);
  EXPECT_STREQ(atk_action_get_keybinding(ATK_ACTION(newGame), 0), "<Alt>n");
  EXPECT_TRUE(hasState(newGame, ATK_STATE_FOCUSED) && hasState(newGame, ATK_STATE_SHOWING));
  EXPECT_TRUE(hasState(frame, ATK_STATE_ACTIVE));
  // The hidden side-to-move label is left out; the name labels are in.
  EXPECT_EQ(findChild(frame, ATK_ROLE_LABEL, ""), nullptr);
  AtkObject* nameA = findChild(frame, ATK_ROLE_LABEL, "PLAYER A");
  ASSERT_NE(nameA, nullptr);

  // A mark, the focus moving and a locked board are told at the next sync, once each.
  std::vector<std::string> told;
  g_signal_connect(
      centre, "notify::accessible-name",
      G_CALLBACK(+[](GObject* object, GParamSpec*, gpointer data) {
        static_cast<std::vector<std::string>*>(data)->push_back(nameOf(ATK_OBJECT(object)));
      }),
      &told);
  form.control("S(4)").setCaption("X");
  EXPECT_EQ(told, std::vector<std::string>{});  // not before the sync
  root.sync();
  root.sync();
  EXPECT_EQ(told, std::vector<std::string>{"centre, X"});
  pressKey(windowOf(form), FL_Tab, "\t");
  EXPECT_FALSE(hasState(newGame, ATK_STATE_FOCUSED));
  EXPECT_TRUE(hasState(centre, ATK_STATE_ENABLED));
  form.control("Frame2").setEnabled(false);
  EXPECT_FALSE(hasState(centre, ATK_STATE_ENABLED));

  // Closed, the window leaves the tree; what a screen reader still holds is defunct.
  form.requestClose();
  Fl::wait(0);  // the toolkit deletes the window once it has left its handlers
  root.sync();
  EXPECT_EQ(atk_object_get_n_accessible_children(app), 0);
  EXPECT_TRUE(hasState(centre, ATK_STATE_DEFUNCT) && hasState(frame, ATK_STATE_DEFUNCT));
  EXPECT_EQ(atk_object_get_n_accessible_children(board), 0);
  for (AtkObject* held : {centre, board, frame, newGame, nameA}) g_object_unref(held);
}

}  // namespace ttt::test

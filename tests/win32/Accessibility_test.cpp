// What a screen reader finds in the windows, in-process under Wine: the accessible objects
// that the windows answer, their roles, names, states and places, and their events.
#include "GameWindowsFixture.h"

#include "win32/AccessibleObject.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace ttt::test {
namespace {

struct Releaser {
  void operator()(IUnknown* object) const { object->Release(); }
};
using Accessible = std::unique_ptr<IAccessible, Releaser>;

VARIANT self() { return selfChildId(); }

std::wstring nameOf(IAccessible* object, VARIANT child = self()) {
  BSTR name = nullptr;
  if (object->get_accName(child, &name) != S_OK || name == nullptr) return L"";
  std::wstring text(name, SysStringLen(name));
  SysFreeString(name);
  return text;
}

LONG roleOf(IAccessible* object, VARIANT child = self()) {
  VARIANT role;
  VariantInit(&role);
  if (FAILED(object->get_accRole(child, &role)) || role.vt != VT_I4) return -1;
  return role.lVal;
}

LONG stateOf(IAccessible* object) {
  VARIANT state;
  VariantInit(&state);
  if (FAILED(object->get_accState(self(), &state)) || state.vt != VT_I4) return -1;
  return state.lVal;
}

// "role name", with "(hidden)" or "(unavailable)" where the state says so.
std::wstring describe(IAccessible* object) {
  const LONG role = roleOf(object);
  std::wstring text = role == ROLE_SYSTEM_CLIENT       ? L"client"
                      : role == ROLE_SYSTEM_GROUPING   ? L"grouping"
                      : role == ROLE_SYSTEM_STATICTEXT ? L"text"
                      : role == ROLE_SYSTEM_LINK       ? L"link"
                      : role == ROLE_SYSTEM_CELL       ? L"cell"
                      : role == ROLE_SYSTEM_PUSHBUTTON ? L"button"
                                                       : L"role " + std::to_wstring(role);
  text += L" " + nameOf(object);
  const LONG state = stateOf(object);
  if ((state & STATE_SYSTEM_INVISIBLE) != 0) text += L" (hidden)";
  if ((state & STATE_SYSTEM_UNAVAILABLE) != 0) text += L" (unavailable)";
  return text;
}

Accessible clientOf(HWND window) {
  IAccessible* object = nullptr;
  AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                             reinterpret_cast<void**>(&object));
  return Accessible(object);
}

// The children as AccessibleChildren hands them to a screen reader.
std::vector<Accessible> childrenOf(IAccessible* parent) {
  LONG count = 0;
  parent->get_accChildCount(&count);
  std::vector<VARIANT> found(static_cast<std::size_t>(count));
  LONG obtained = 0;
  std::vector<Accessible> children;
  if (count == 0 || FAILED(AccessibleChildren(parent, 0, count, found.data(), &obtained))) {
    return children;
  }
  for (LONG i = 0; i < obtained; ++i) {
    VARIANT& child = found[static_cast<std::size_t>(i)];
    IAccessible* object = nullptr;
    if (child.vt == VT_DISPATCH && child.pdispVal != nullptr) {
      child.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&object));
    }
    VariantClear(&child);
    children.emplace_back(object);
  }
  return children;
}

std::vector<std::wstring> describeChildren(IAccessible* parent) {
  std::vector<std::wstring> described;
  for (const auto& child : childrenOf(parent)) {
    described.push_back(child ? describe(child.get()) : L"(no object)");
  }
  return described;
}

// The first child that is called `name`.
Accessible childNamed(IAccessible* parent, const std::wstring& name) {
  for (auto& child : childrenOf(parent)) {
    if (child && nameOf(child.get()) == name) return std::move(child);
  }
  return nullptr;
}

class AccessibilityTest : public GameWindowsTest {
 protected:
  static void SetUpTestSuite() {
    GameWindowsTest::SetUpTestSuite();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  }
};

// A screen reader asks for the object under the pointer: over a cell it must hear the cell.
TEST_F(AccessibilityTest, TheObjectUnderAPointOfTheBoardIsItsCell) {
  const HWND two = openTwoPlayer();
  const HWND frame = FindWindowExW(two, nullptr, kFrameClass, nullptr);
  ASSERT_NE(frame, nullptr);
  POINT centre{48 + 16, 32 + 16};  // the top left cell
  ClientToScreen(frame, &centre);
  IAccessible* object = nullptr;
  VARIANT child;
  VariantInit(&child);
  ASSERT_EQ(AccessibleObjectFromPoint(centre, &object, &child), S_OK);
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(nameOf(object, child), L"top left, empty");
  EXPECT_EQ(roleOf(object, child), ROLE_SYSTEM_CELL);
  object->Release();
}

using Names = std::vector<std::wstring>;

// What the platform's own object says of a button (Wine's calls it a client, Windows' a
// push button), which the buttons keep.
std::wstring describeNativeButton(HWND window, const wchar_t* caption) {
  const HWND button = FindWindowExW(window, nullptr, WC_BUTTONW, caption);
  IAccessible* native = nullptr;
  CreateStdAccessibleObject(button, OBJID_CLIENT, __uuidof(IAccessible),
                            reinterpret_cast<void**>(&native));
  if (native == nullptr) return L"(no native object)";
  const std::wstring described = describe(native);
  native->Release();
  return described;
}

TEST_F(AccessibilityTest, TheTwoPlayerWindowNamesItsLabelsButtonsBoardAndCellsInReadingOrder) {
  const HWND two = openTwoPlayer();
  const Accessible client = clientOf(two);
  ASSERT_TRUE(client);
  EXPECT_EQ(describe(client.get()), L"client TWO PLAYER !");
  const std::wstring newGame = describeNativeButton(two, L"&NEW GAME");
  EXPECT_EQ(newGame.substr(newGame.find(L' ')), L" NEW GAME");
  EXPECT_EQ(describeChildren(client.get()),
            (Names{L"text PLAYER A", L"text = \" X \"", L"text PLAYER B", L"text = \" O \"",
                   L"grouping Board", describeNativeButton(two, L"&NEW GAME"),
                   describeNativeButton(two, L"&EXIT"), L"text WEBSITE :",
                   L"link www.orvane.example", L"text EMAIL ID :", L"link orvane@orvane.example"}));
  const Accessible board = childNamed(client.get(), L"Board");
  ASSERT_TRUE(board);
  EXPECT_EQ(describeChildren(board.get()),
            (Names{L"cell top left, empty", L"cell top middle, empty", L"cell top right, empty",
                   L"cell middle left, empty", L"cell centre, empty", L"cell middle right, empty",
                   L"cell bottom left, empty", L"cell bottom middle, empty",
                   L"cell bottom right, empty"}));

  // The objects a screen reader holds follow the game: X on the centre, then O top left.
  const Accessible centre = childNamed(board.get(), L"centre, empty");
  ASSERT_TRUE(centre);
  pressKey('5');
  EXPECT_EQ(nameOf(centre.get()), L"centre, X");
  pressKey('1');
  EXPECT_EQ(describeChildren(board.get()).at(0), L"cell top left, O");
}

// The name changes that screen readers hear, each with the object it names.
struct NameChange {
  HWND window;
  LONG object;
  LONG child;
};
std::vector<NameChange> nameChanges;

void CALLBACK recordNameChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                               DWORD) {
  nameChanges.push_back({window, object, child});
}

// The names of the objects that the recorded name changes point at, as they read now.
std::vector<std::wstring> namesChanged() {
  std::vector<std::wstring> names;
  for (const NameChange& change : nameChanges) {
    IAccessible* object = nullptr;
    VARIANT child;
    VariantInit(&child);
    if (AccessibleObjectFromEvent(change.window, static_cast<DWORD>(change.object),
                                  static_cast<DWORD>(change.child), &object, &child) != S_OK) {
      names.push_back(L"(no object)");
      continue;
    }
    names.push_back(nameOf(object, child));
    object->Release();
  }
  return names;
}

TEST_F(AccessibilityTest, TheSinglePlayerWindowTellsTheNameTheScoreAndEveryChangeOfThem) {
  fakes.inputBox.answer("Zo\xc3\xab");
  const HWND single = openSinglePlayer();
  const Accessible client = clientOf(single);
  ASSERT_TRUE(client);
  // In the shared reading order: the name and marks, then the score's headings and counts.
  const std::vector<std::wstring> atLoad = describeChildren(client.get());
  ASSERT_GE(atLoad.size(), 7u);
  EXPECT_EQ(atLoad.at(0), L"text Zo\u00eb");
  EXPECT_EQ(std::vector(atLoad.begin() + 3, atLoad.begin() + 7),
            (Names{L"text WIN", L"text LOSS", L"text 0", L"text 0"}));

  nameChanges.clear();
  const HWINEVENTHOOK hook =
      SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, recordNameChange,
                      GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  pressKey('1');
  ASSERT_TRUE(pumpUntil([this] { return app.singlePlayer().control("turn").caption() == "X"; }));
  const std::vector<std::wstring> afterMove = namesChanged();
  // The mark and the reply; the hidden side to move and move counter change unheard.
  ASSERT_EQ(afterMove.size(), 2u);
  EXPECT_EQ(afterMove.at(0), L"top left, X");
  EXPECT_TRUE(afterMove.at(1).ends_with(L", O")) << afterMove.at(1);

  playSinglePlayerToTheResult();
  const std::vector<std::wstring> score = describeChildren(client.get());
  const bool won = score.at(5) == L"text 1";
  EXPECT_EQ(score.at(won ? 6 : 5), L"text 0");
  EXPECT_EQ(score.at(won ? 5 : 6), L"text 1") << "no win or loss counted";
  const std::vector<std::wstring> afterResult = namesChanged();
  EXPECT_EQ(std::count(afterResult.begin(), afterResult.end(), L"1"), 1)
      << "the score was not told";
  UnhookWinEvent(hook);
}

TEST_F(AccessibilityTest, CellsArePlacedOnTheirLabelsAreClickedByTheirActionAndLockWithTheBoard) {
  const HWND two = openTwoPlayer();
  const HWND frame = FindWindowExW(two, nullptr, kFrameClass, nullptr);
  const Accessible board = clientOf(frame);
  ASSERT_TRUE(board);
  const Accessible cell = childNamed(board.get(), L"bottom right, empty");
  ASSERT_TRUE(cell);
  POINT corner{168, 128};  // the label of the bottom right cell, 33 pixels square
  ClientToScreen(frame, &corner);
  LONG left = 0, top = 0, width = 0, height = 0;
  ASSERT_EQ(cell->accLocation(&left, &top, &width, &height, self()), S_OK);
  EXPECT_EQ((std::vector<LONG>{left, top, width, height}),
            (std::vector<LONG>{corner.x, corner.y, 33, 33}));

  BSTR action = nullptr;
  ASSERT_EQ(cell->get_accDefaultAction(self(), &action), S_OK);
  EXPECT_EQ(std::wstring(action), L"Click");
  SysFreeString(action);
  ASSERT_EQ(cell->accDoDefaultAction(self()), S_OK);
  EXPECT_EQ(nameOf(cell.get()), L"bottom right, X");
  EXPECT_EQ(app.twoPlayer().control("summa").caption(), "O");
  ASSERT_EQ(cell->accDoDefaultAction(self()), S_OK);  // taken: refused as a click is
  EXPECT_EQ(app.twoPlayer().control("summa").caption(), "O");

  // O takes the top row; the locked board and its cells say they take no input.
  for (const WPARAM key : {'1', '4', '2', '5', '3'}) pressKey(key);
  ASSERT_TRUE(pumpUntil([this] { return !fakes.messageBox.shown.empty(); }));
  EXPECT_EQ(describe(board.get()), L"grouping Board (unavailable)");
  const Accessible free = childNamed(board.get(), L"middle right, empty");
  ASSERT_TRUE(free);
  EXPECT_EQ(describe(free.get()), L"cell middle right, empty (unavailable)");
  free->accDoDefaultAction(self());
  EXPECT_EQ(nameOf(free.get()), L"middle right, empty");

  const Accessible link = childNamed(clientOf(two).get(), L"www.orvane.example");
  ASSERT_TRUE(link);
  EXPECT_EQ(stateOf(link.get()) & STATE_SYSTEM_LINKED, STATE_SYSTEM_LINKED);
  ASSERT_EQ(link->accDoDefaultAction(self()), S_OK);
  EXPECT_EQ(fakes.launcher.opened, std::vector<std::string>{"http://www.orvane.example/games/"});
}

TEST_F(AccessibilityTest, AnObjectHeldPastItsWindowSaysItIsGone) {
  const HWND two = openTwoPlayer();
  const Accessible board = clientOf(FindWindowExW(two, nullptr, kFrameClass, nullptr));
  ASSERT_TRUE(board);
  const Accessible cell = childNamed(board.get(), L"centre, empty");
  ASSERT_TRUE(cell);
  app.twoPlayer().control("Command2").click();  // EXIT
  ASSERT_TRUE(pumpUntil([this] { return !shown(L"TWO PLAYER !"); }));
  BSTR name = nullptr;
  EXPECT_EQ(cell->get_accName(self(), &name), RPC_E_DISCONNECTED);
  EXPECT_EQ(name, nullptr);
  LONG count = -1;
  EXPECT_EQ(board->get_accChildCount(&count), RPC_E_DISCONNECTED);
  EXPECT_EQ(cell->accDoDefaultAction(self()), RPC_E_DISCONNECTED);
}

}  // namespace
}  // namespace ttt::test

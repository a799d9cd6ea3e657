// What a screen reader finds in the windows, in-process under Wine: the accessible objects
// that the windows answer, their roles, names, states and places, and their events.
#include "GameWindowsFixture.h"

#include "win32/accessibility/AccessibleObject.h"
#include "win32/dialogs/Win32Dialogs.h"
#include "win32/system/WideText.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <functional>
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

LONG stateOf(IAccessible* object, VARIANT child = self()) {
  VARIANT state;
  VariantInit(&state);
  if (FAILED(object->get_accState(child, &state)) || state.vt != VT_I4) return -1;
  return state.lVal;
}

// "role name", with "(hidden)" or "(unavailable)" where the state says so.
std::wstring describe(IAccessible* object, VARIANT child = self()) {
  const LONG role = roleOf(object, child);
  std::wstring text = role == ROLE_SYSTEM_CLIENT       ? L"client"
                      : role == ROLE_SYSTEM_WINDOW     ? L"window"
                      : role == ROLE_SYSTEM_DIALOG     ? L"dialog"
                      : role == ROLE_SYSTEM_ALERT      ? L"alert"
                      : role == ROLE_SYSTEM_GROUPING   ? L"grouping"
                      : role == ROLE_SYSTEM_STATICTEXT ? L"text"
                      : role == ROLE_SYSTEM_TEXT       ? L"edit"
                      : role == ROLE_SYSTEM_LINK       ? L"link"
                      : role == ROLE_SYSTEM_CELL       ? L"cell"
                      : role == ROLE_SYSTEM_PUSHBUTTON ? L"button"
                                                       : L"role " + std::to_wstring(role);
  text += L" " + nameOf(object, child);
  const LONG state = stateOf(object, child);
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
  // What a reader asks a window that opens: its focus, the first button. (On Windows the
  // system tells the window and its focus by events; Wine 8 tells neither on a first focus.)
  VARIANT focus;
  VariantInit(&focus);
  ASSERT_EQ(client->get_accFocus(&focus), S_OK);
  ASSERT_EQ(focus.vt, VT_DISPATCH);
  IAccessible* object = nullptr;
  focus.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&object));
  VariantClear(&focus);
  const Accessible focused(object);
  ASSERT_TRUE(focused);
  EXPECT_EQ(describe(focused.get()), newGame);
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

// The name changes and alerts that screen readers hear, each with the object it names,
// while the listener lives.
struct Heard {
  DWORD event;
  HWND window;
  LONG object;
  LONG child;
};
std::vector<Heard> heard;

void CALLBACK recordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                          DWORD, DWORD) {
  if (event == EVENT_OBJECT_NAMECHANGE || event == EVENT_SYSTEM_ALERT) {
    heard.push_back({event, window, object, child});
  }
}

class Listener {
 public:
  Listener()
      : hook_(SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_OBJECT_NAMECHANGE, nullptr, recordEvent,
                              GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT)) {
    heard.clear();
  }
  ~Listener() { UnhookWinEvent(hook_); }
  bool listening() const { return hook_ != nullptr; }

 private:
  HWINEVENTHOOK hook_;
};

// What a screen reader reads for each event of the kind heard so far, as it reads the
// objects now: alerts with their role, name changes by the name alone.
std::vector<std::wstring> readHeard(DWORD kind) {
  std::vector<std::wstring> read;
  for (const Heard& event : heard) {
    if (event.event != kind) continue;
    IAccessible* object = nullptr;
    VARIANT child;
    VariantInit(&child);
    if (AccessibleObjectFromEvent(event.window, static_cast<DWORD>(event.object),
                                  static_cast<DWORD>(event.child), &object, &child) != S_OK) {
      read.push_back(L"(no object)");
      continue;
    }
    read.push_back(kind == EVENT_SYSTEM_ALERT ? describe(object, child) : nameOf(object, child));
    object->Release();
  }
  return read;
}

// Objects a reader follows tell their changes; what is spoken unasked comes as alerts, read
// after the fact as a reader out of process reads them: each still says what it said, the
// focus stays where it was, and a new game clears the board silently.
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

  const HWND focus = GetFocus();
  const Listener listener;
  ASSERT_TRUE(listener.listening());
  pressKey('1');
  ASSERT_TRUE(pumpUntil([this] { return app.singlePlayer().control("turn").caption() == "X"; }));
  // The mark and the reply; the hidden side to move and move counter change unheard.
  const std::vector<std::wstring> afterMove = readHeard(EVENT_OBJECT_NAMECHANGE);
  ASSERT_EQ(afterMove.size(), 2u);
  EXPECT_EQ(afterMove.at(0), L"top left, X");
  EXPECT_TRUE(afterMove.at(1).ends_with(L", O")) << afterMove.at(1);
  const std::vector<std::wstring> said = readHeard(EVENT_SYSTEM_ALERT);
  ASSERT_EQ(said.size(), 2u);
  EXPECT_EQ(said.at(0), L"alert top left, X");
  EXPECT_EQ(said.at(1), L"alert " + afterMove.at(1));
  EXPECT_EQ(GetFocus(), focus);

  playSinglePlayerToTheResult();
  const std::vector<std::wstring> score = describeChildren(client.get());
  const bool won = score.at(5) == L"text 1";
  EXPECT_EQ(score.at(won ? 6 : 5), L"text 0");
  EXPECT_EQ(score.at(won ? 5 : 6), L"text 1") << "no win or loss counted";
  const std::vector<std::wstring> afterResult = readHeard(EVENT_OBJECT_NAMECHANGE);
  EXPECT_EQ(std::count(afterResult.begin(), afterResult.end(), L"1"), 1)
      << "the score was not told";
  const std::vector<std::wstring> alerts = readHeard(EVENT_SYSTEM_ALERT);
  ASSERT_FALSE(alerts.empty());
  EXPECT_EQ(alerts.back(), won ? L"alert WIN 1" : L"alert LOSS 1");

  heard.clear();
  app.singlePlayer().control("Command1").click();  // NEW GAME
  settle();
  EXPECT_EQ(readHeard(EVENT_SYSTEM_ALERT), Names{});
  EXPECT_EQ(GetFocus(), focus);
}

// The player's own mark by a click of the mouse, in the two-player window.
TEST_F(AccessibilityTest, AMarkPlacedByTheMouseIsAlertedByItsPlace) {
  const HWND frame = FindWindowExW(openTwoPlayer(), nullptr, kFrameClass, nullptr);
  ASSERT_NE(frame, nullptr);
  const Listener listener;
  const LPARAM bottomRight = MAKELPARAM(168 + 16, 128 + 16);
  PostMessageW(frame, WM_LBUTTONDOWN, MK_LBUTTON, bottomRight);
  PostMessageW(frame, WM_LBUTTONUP, 0, bottomRight);
  settle();
  EXPECT_EQ(readHeard(EVENT_SYSTEM_ALERT), Names{L"alert bottom right, X"});
}

// The boxes are the system's own dialogs, whose objects a reader reads whole. While one is
// open, `whileOpen` is given it: it reads what it needs and closes it with OK.
std::function<bool(HWND)> whileOpen;

void CALLBACK visitOpenBox(HWND, UINT, UINT_PTR, DWORD) {
  const HWND box = GetForegroundWindow();
  wchar_t dialogClass[8] = {};
  GetClassNameW(box, dialogClass, 8);
  if (std::wstring(dialogClass) == L"#32770" && whileOpen(box)) {
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  }
}

void openBoxWith(const std::function<void()>& open, std::function<bool(HWND)> inBox) {
  whileOpen = std::move(inBox);
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, visitOpenBox);
  open();
  KillTimer(nullptr, timer);
}

// Each child window of a dialog as its client object reads.
std::vector<std::wstring> describeControls(HWND dialog) {
  std::vector<std::wstring> described;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const Accessible object = clientOf(child);
    described.push_back(object ? describe(object.get()) : L"(no object)");
  }
  return described;
}

TEST_F(AccessibilityTest, TheBoxesTextsAndTheNameFieldAreReadByTheSystemsObjects) {
  const HWND two = openTwoPlayer();
  const std::string contact = "Send Your Comments\r\n\r\n    orvane@orvane.example";
  Win32MessageBox message([two] { return two; });
  std::vector<std::wstring> read;
  openBoxWith([&] { message.show(contact, 64, "CONTACT !"); },
              [&](HWND box) {
                read = describeControls(box);
                read.push_back(describe(clientOf(GetFocus()).get()));
                return true;
              });
  // Wine's objects call every control a client; Windows' a graphic, push button and text.
  EXPECT_EQ(read, (Names{L"client ", L"client OK", L"client " + toWide(contact), L"client OK"}));

  // The prompt names the field; what was typed and rubbed out reads back as it stands.
  Win32InputBox input("Orvane'S Tic Tac Toe !", [two] { return two; });
  for (const std::string prompt : {"ENTER ' PLAYER A ' NAME", "ENTER ' PLAYER B ' NAME "}) {
    bool typed = false;
    std::wstring value;
    openBoxWith([&] { EXPECT_EQ(input.ask(prompt), "An"); },
                [&](HWND box) {
                  const HWND field = GetFocus();
                  if (!typed) {
                    read = describeControls(box);
                    for (const wchar_t key : std::wstring(L"Ann\b")) PostMessageW(field, WM_CHAR, key, 1);
                    typed = true;
                    return false;
                  }
                  BSTR text = nullptr;
                  clientOf(field)->get_accValue(self(), &text);
                  value = text != nullptr ? std::wstring(text, SysStringLen(text)) : L"(none)";
                  SysFreeString(text);
                  return true;
                });
    const std::wstring named = toWide(prompt);
    EXPECT_EQ(read, (Names{L"client " + named, L"edit " + named, L"client OK", L"client Cancel"}));
    EXPECT_EQ(value, L"An");
  }
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

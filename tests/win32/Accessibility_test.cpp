// What a screen reader finds in the windows, in-process under Wine: the accessible objects
// that the windows answer, their roles, names, states and places, and their events.
#include "GameWindowsFixture.h"

#include "win32/accessibility/AccessibleObject.h"
#include "win32/dialogs/Win32Dialogs.h"
#include "win32/system/WideText.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>


namespace ttt::test {
namespace {

struct Releaser {
  void operator()(IUnknown* object) const { object->Release(); }
};
using Accessible = std::unique_ptr<IAccessible, Releaser>;
using Names = std::vector<std::wstring>;

VARIANT self() { return selfChildId(); }

std::wstring nameOf(IAccessible* object, VARIANT child = self()) {
  BSTR name = nullptr;
  if (object->get_accName(child, &name) != S_OK || name == nullptr) return L"";
  std::wstring text(name, SysStringLen(name));
  SysFreeString(name);
  return text;
}

// "role name", with "(unavailable)" where the state says so.
std::wstring describe(IAccessible* object, VARIANT child = self()) {
  static const std::map<LONG, std::wstring> roles{
      {ROLE_SYSTEM_CLIENT, L"client"},   {ROLE_SYSTEM_ALERT, L"alert"}, {ROLE_SYSTEM_GROUPING, L"grouping"},
      {ROLE_SYSTEM_STATICTEXT, L"text"}, {ROLE_SYSTEM_TEXT, L"edit"},   {ROLE_SYSTEM_LINK, L"link"},
      {ROLE_SYSTEM_CELL, L"cell"},       {ROLE_SYSTEM_PUSHBUTTON, L"button"}};
  VARIANT role, state;
  VariantInit(&role);
  VariantInit(&state);
  object->get_accRole(child, &role);
  object->get_accState(child, &state);
  const auto known = roles.find(role.vt == VT_I4 ? role.lVal : -1);
  std::wstring text = (known != roles.end() ? known->second : L"role ?") + L" " + nameOf(object, child);
  return (state.vt == VT_I4 && (state.lVal & STATE_SYSTEM_UNAVAILABLE) != 0) ? text + L" (unavailable)" : text;
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
  if (count == 0 || FAILED(AccessibleChildren(parent, 0, count, found.data(), &obtained))) return children;
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

Names describeChildren(IAccessible* parent) {
  Names described;
  for (const auto& child : childrenOf(parent)) described.push_back(child ? describe(child.get()) : L"(no object)");
  return described;
}

Accessible childNamed(IAccessible* parent, const std::wstring& name) {
  for (auto& child : childrenOf(parent)) {
    if (child && nameOf(child.get()) == name) return std::move(child);
  }
  return nullptr;
}

// Each child window of a dialog as its client object reads.
Names describeControls(HWND dialog) {
  Names described;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    described.push_back(describe(clientOf(child).get()));
  }
  return described;
}

// The alerts (with their roles) or name changes (by the name alone) that screen readers hear,
// read after the fact as a reader out of process reads them.
struct Heard {
  DWORD event;
  HWND window;
  LONG object;
  LONG child;
};
std::vector<Heard> heard;
void CALLBACK recordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (event == EVENT_OBJECT_NAMECHANGE || event == EVENT_SYSTEM_ALERT) heard.push_back({event, window, object, child});
}
Names readHeard(DWORD kind) {
  Names read;
  for (const Heard& event : heard) {
    if (event.event != kind) continue;
    IAccessible* object = nullptr;
    VARIANT child;
    VariantInit(&child);
    if (AccessibleObjectFromEvent(event.window, static_cast<DWORD>(event.object), static_cast<DWORD>(event.child),
                                  &object, &child) != S_OK) {
      read.push_back(L"(no object)");
      continue;
    }
    read.push_back(kind == EVENT_SYSTEM_ALERT ? describe(object, child) : nameOf(object, child));
    object->Release();
  }
  return read;
}

class AccessibilityTest : public GameWindowsTest {
 protected:
  static void SetUpTestSuite() {
    GameWindowsTest::SetUpTestSuite();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  }
  void SetUp() override {
    heard.clear();
    hook_ = SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_OBJECT_NAMECHANGE, nullptr, recordEvent,
                            GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook_, nullptr);
  }
  void TearDown() override { UnhookWinEvent(hook_); }
  // What the platform's own object says of a button (Wine's calls it a client, Windows' a
  // push button), which the buttons keep.
  static std::wstring nativeButton(HWND window, const wchar_t* caption) {
    IAccessible* native = nullptr;
    CreateStdAccessibleObject(FindWindowExW(window, nullptr, WC_BUTTONW, caption), OBJID_CLIENT,
                              __uuidof(IAccessible), reinterpret_cast<void**>(&native));
    return Accessible(native) ? describe(native) : L"(no native object)";
  }
  HWINEVENTHOOK hook_ = nullptr;
};

TEST_F(AccessibilityTest, TheTwoPlayerWindowNamesItsPartsInReadingOrderUntilItIsGone) {
  const HWND two = openTwoPlayer();
  const Accessible client = clientOf(two);
  ASSERT_TRUE(client);
  EXPECT_EQ(describe(client.get()), L"client TWO PLAYER !");
  const std::wstring newGame = nativeButton(two, L"&NEW GAME");
  EXPECT_EQ(newGame.substr(newGame.find(L' ')), L" NEW GAME");
  // What a reader asks a window that opens: its focus, the first button. (Wine 8 tells no
  // event of a first focus.)
  VARIANT focus;
  VariantInit(&focus);
  ASSERT_EQ(client->get_accFocus(&focus), S_OK);
  ASSERT_EQ(focus.vt, VT_DISPATCH);
  IAccessible* focused = nullptr;
  focus.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&focused));
  VariantClear(&focus);
  const Accessible held(focused);
  ASSERT_TRUE(held);
  EXPECT_EQ(describe(held.get()), newGame);
  EXPECT_EQ(describeChildren(client.get()),
            (Names{L"text PLAYER A", L"text = \" X \"", L"text PLAYER B", L"text = \" O \"", L"grouping Board",
                   newGame, nativeButton(two, L"&EXIT"), L"text WEBSITE :", L"link www.orvane.example",
                   L"text EMAIL ID :", L"link orvane@orvane.example"}));
  const Accessible board = childNamed(client.get(), L"Board");
  ASSERT_TRUE(board);
  EXPECT_EQ(describeChildren(board.get()),
            (Names{L"cell top left, empty", L"cell top middle, empty", L"cell top right, empty",
                   L"cell middle left, empty", L"cell centre, empty", L"cell middle right, empty",
                   L"cell bottom left, empty", L"cell bottom middle, empty", L"cell bottom right, empty"}));

  // The objects a screen reader holds follow the game, and say so once their window is gone.
  const Accessible centre = childNamed(board.get(), L"centre, empty");
  ASSERT_TRUE(centre);
  pressKey('5');
  EXPECT_EQ(nameOf(centre.get()), L"centre, X");
  pressKey('1');
  EXPECT_EQ(describeChildren(board.get()).at(0), L"cell top left, O");
  app.twoPlayer().control("Command2").click();  // EXIT
  ASSERT_TRUE(pumpUntil([this] { return !window(L"TWO PLAYER !"); }));
  BSTR name = nullptr;
  EXPECT_EQ(centre->get_accName(self(), &name), RPC_E_DISCONNECTED);
  EXPECT_EQ(name, nullptr);
  LONG count = -1;
  EXPECT_EQ(board->get_accChildCount(&count), RPC_E_DISCONNECTED);
  EXPECT_EQ(centre->accDoDefaultAction(self()), RPC_E_DISCONNECTED);
}

// What is spoken unasked comes as alerts: each still says what it said, the focus stays where
// it was, and a new game clears the board silently.
TEST_F(AccessibilityTest, TheSinglePlayerWindowTellsTheNameTheScoreAndEveryChangeOfThem) {
  fakes.inputBox.answer("Zo\xc3\xab");
  const HWND single = openGame("Command1", L"SINGLE PLAYER !");
  const Accessible client = clientOf(single);
  ASSERT_TRUE(client);
  // In the shared reading order: the name and marks, then the score's headings and counts.
  const Names atLoad = describeChildren(client.get());
  ASSERT_GE(atLoad.size(), 7u);
  EXPECT_EQ(atLoad.at(0), L"text Zo\u00eb");
  EXPECT_EQ(Names(atLoad.begin() + 3, atLoad.begin() + 7), (Names{L"text WIN", L"text LOSS", L"text 0", L"text 0"}));

  const HWND focus = GetFocus();
  Form& form = app.singlePlayer();
  pressKey('1');
  ASSERT_TRUE(pumpUntil([&] { return form.control("turn").caption() == "X"; }));
  // The mark and the reply; the hidden side to move and move counter change unheard.
  const Names afterMove = readHeard(EVENT_OBJECT_NAMECHANGE);
  ASSERT_EQ(afterMove.size(), 2u);
  EXPECT_EQ(afterMove.at(0), L"top left, X");
  EXPECT_TRUE(afterMove.at(1).ends_with(L", O")) << afterMove.at(1);
  EXPECT_EQ(readHeard(EVENT_SYSTEM_ALERT), (Names{L"alert top left, X", L"alert " + afterMove.at(1)}));
  EXPECT_EQ(GetFocus(), focus);

  // On by the digit row, the first empty cell each time, to the result.
  for (int move = 0; move < 4 && fakes.messageBox.shown.empty(); ++move) {
    const auto empty = describeChildren(childNamed(client.get(), L"Board").get());
    const auto cell = std::find_if(empty.begin(), empty.end(), [](auto& c) { return c.ends_with(L"empty"); });
    ASSERT_NE(cell, empty.end());
    pressKey(static_cast<WPARAM>('1' + (cell - empty.begin())));
    pumpUntil([&] { return form.control("turn").caption() != "O" || !fakes.messageBox.shown.empty(); });
  }
  ASSERT_TRUE(pumpUntil([&] { return !fakes.messageBox.shown.empty(); }));
  const Names score = describeChildren(client.get());
  const bool won = score.at(5) == L"text 1";
  EXPECT_EQ(score.at(won ? 6 : 5), L"text 0");
  EXPECT_EQ(score.at(won ? 5 : 6), L"text 1") << "no win or loss counted";
  const Names afterResult = readHeard(EVENT_OBJECT_NAMECHANGE);
  EXPECT_EQ(std::count(afterResult.begin(), afterResult.end(), L"1"), 1) << "the score was not told";
  ASSERT_FALSE(readHeard(EVENT_SYSTEM_ALERT).empty());
  EXPECT_EQ(readHeard(EVENT_SYSTEM_ALERT).back(), won ? L"alert WIN 1" : L"alert LOSS 1");

  heard.clear();
  form.control("Command1").click();  // NEW GAME
  settle();
  EXPECT_EQ(readHeard(EVENT_SYSTEM_ALERT), Names{});
  EXPECT_EQ(GetFocus(), focus);
}

// The boxes are the system's own dialogs, under their owner, whose objects a reader reads whole.
TEST_F(AccessibilityTest, TheBoxesTextsAndTheNameFieldAreReadByTheSystemsObjects) {
  const HWND two = openTwoPlayer();
  Names read;
  whenDialogOpens([&](HWND box) {
    read = describeControls(box);
    read.at(2) = textOf(GetDlgItem(box, 0xFFFF));  // the text as it stands, "&" and all
    read.push_back(describe(clientOf(GetFocus()).get()));
    read.push_back(GetWindow(box, GW_OWNER) == two ? L"owned" : L"not owned");
    return true;
  });
  Win32MessageBox([two] { return two; }).show("A&B Won\r\n\r\n    The Game !", 64, "A&B WON !");
  // Wine's objects call every control a client; Windows' a graphic, push button and text.
  EXPECT_EQ(read, (Names{L"client ", L"client OK", L"A&B Won\r\n\r\n    The Game !", L"client OK", L"owned"}));

  // The prompt names the field; what was typed and rubbed out reads back as it stands.
  Win32InputBox input("Orvane'S Tic Tac Toe !", [two] { return two; });
  for (const std::string prompt : {"ENTER ' PLAYER A ' NAME", "ENTER ' PLAYER B ' NAME "}) {
    bool typed = false;
    std::wstring value;
    whenDialogOpens([&](HWND box) {
      const HWND field = GetFocus();
      if (!std::exchange(typed, true)) {
        read = describeControls(box);
        for (const wchar_t key : std::wstring(L"Ann\b")) PostMessageW(field, WM_CHAR, key, 1);
        return false;
      }
      BSTR text = nullptr;
      clientOf(field)->get_accValue(self(), &text);
      value = text != nullptr ? std::wstring(text, SysStringLen(text)) : L"(none)";
      SysFreeString(text);
      return true;
    });
    EXPECT_EQ(input.ask(prompt), "An");
    const std::wstring named = toWide(prompt);
    EXPECT_EQ(read, (Names{L"client " + named, L"edit " + named, L"client OK", L"client Cancel"}));
    EXPECT_EQ(value, L"An");
  }
}

TEST_F(AccessibilityTest, CellsArePlacedOnTheirLabelsAreClickedByTheirActionAndLockWithTheBoard) {
  const HWND two = openTwoPlayer();
  const HWND frame = frameOf(two);
  const Accessible board = clientOf(frame);
  ASSERT_TRUE(board);
  // A screen reader asks for the object under the pointer: over a cell it must hear the cell.
  POINT point{48 + 16, 32 + 16};  // the top left cell
  ClientToScreen(frame, &point);
  IAccessible* object = nullptr;
  VARIANT child;
  VariantInit(&child);
  ASSERT_EQ(AccessibleObjectFromPoint(point, &object, &child), S_OK);
  const Accessible under(object);
  ASSERT_TRUE(under);
  EXPECT_EQ(describe(under.get(), child), L"cell top left, empty");

  const Accessible cell = childNamed(board.get(), L"bottom right, empty");
  ASSERT_TRUE(cell);
  POINT corner{168, 128};  // the label of the bottom right cell, 33 pixels square
  ClientToScreen(frame, &corner);
  LONG left = 0, top = 0, width = 0, height = 0;
  ASSERT_EQ(cell->accLocation(&left, &top, &width, &height, self()), S_OK);
  EXPECT_EQ((std::vector<LONG>{left, top, width, height}), (std::vector<LONG>{corner.x, corner.y, 33, 33}));
  BSTR action = nullptr;
  ASSERT_EQ(cell->get_accDefaultAction(self(), &action), S_OK);
  EXPECT_EQ(std::wstring(action), L"Click");
  SysFreeString(action);
  ASSERT_EQ(cell->accDoDefaultAction(self()), S_OK);
  EXPECT_EQ(nameOf(cell.get()), L"bottom right, X");
  EXPECT_EQ(app.twoPlayer().control("summa").caption(), "O");
  ASSERT_EQ(cell->accDoDefaultAction(self()), S_OK);  // taken: refused as a click is
  EXPECT_EQ(app.twoPlayer().control("summa").caption(), "O");
  // Each mark, placed by its action or by the mouse, is alerted by its place.
  click(frame, 48 + 16, 32 + 16);
  EXPECT_EQ(readHeard(EVENT_SYSTEM_ALERT), (Names{L"alert bottom right, X", L"alert top left, O"}));

  // X takes the middle row; the locked board and its cells say they take no input.
  for (const WPARAM key : {'4', '2', '5', '3', '6'}) pressKey(key);
  ASSERT_TRUE(pumpUntil([this] { return !fakes.messageBox.shown.empty(); }));
  EXPECT_EQ(describe(board.get()), L"grouping Board (unavailable)");
  const Accessible free = childNamed(board.get(), L"bottom left, empty");
  ASSERT_TRUE(free);
  EXPECT_EQ(describe(free.get()), L"cell bottom left, empty (unavailable)");
  free->accDoDefaultAction(self());
  EXPECT_EQ(nameOf(free.get()), L"bottom left, empty");

  const Accessible link = childNamed(clientOf(two).get(), L"www.orvane.example");
  ASSERT_TRUE(link);
  VARIANT state;
  VariantInit(&state);
  link->get_accState(self(), &state);
  EXPECT_EQ(state.lVal & STATE_SYSTEM_LINKED, STATE_SYSTEM_LINKED);
  ASSERT_EQ(link->accDoDefaultAction(self()), S_OK);
  EXPECT_EQ(fakes.launcher.opened, std::vector<std::string>{"http://www.orvane.example/games/"});
}

}  // namespace
}  // namespace ttt::test

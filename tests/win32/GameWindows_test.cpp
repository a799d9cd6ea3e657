// The program's windows in-process under Wine on a private X server: their borders, owners,
// focus, fonts and dialog keys; what the board shows of a game; and what a screen reader finds
// in them, the accessible objects' roles, names, states and places, and their events.
#include "GameWindowsFixture.h"

#include "win32/accessibility/AccessibleObject.h"
#include "win32/dialogs/Win32Dialogs.h"
#include "win32/system/WideText.h"

#include <oleacc.h>

#include <memory>
#include <string>
#include <tuple>
#include <utility>
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

// "role name", the role in the system's words, with "(unavailable)" where the state says so.
std::wstring describe(IAccessible* object, VARIANT child = self()) {
  VARIANT role, state;
  VariantInit(&role);
  VariantInit(&state);
  object->get_accRole(child, &role);
  object->get_accState(child, &state);
  wchar_t roleText[40] = L"role ?";
  if (role.vt == VT_I4) GetRoleTextW(static_cast<DWORD>(role.lVal), roleText, 40);
  std::wstring text = std::wstring(roleText) + L" " + nameOf(object, child);
  if (state.vt == VT_I4 && (state.lVal & STATE_SYSTEM_UNAVAILABLE) != 0) text += L" (unavailable)";
  return text;
}

Accessible clientOf(HWND window) {
  IAccessible* object = nullptr;
  AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                             reinterpret_cast<void**>(&object));
  return Accessible(object);
}

// The object that `held` holds, which it then no longer holds.
Accessible objectIn(VARIANT& held) {
  IAccessible* object = nullptr;
  if (held.vt == VT_DISPATCH && held.pdispVal != nullptr) {
    held.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&object));
  }
  VariantClear(&held);
  return Accessible(object);
}

// The children as AccessibleChildren hands them to a screen reader.
std::vector<Accessible> childrenOf(IAccessible* parent) {
  LONG count = 0, obtained = 0;
  parent->get_accChildCount(&count);
  std::vector<VARIANT> found(static_cast<std::size_t>(count) + 1);
  AccessibleChildren(parent, 0, count, found.data(), &obtained);
  std::vector<Accessible> children;
  for (LONG i = 0; i < obtained; ++i) children.push_back(objectIn(found[std::size_t(i)]));
  return children;
}

Names describeChildren(IAccessible* parent) {
  Names described;
  for (const auto& child : childrenOf(parent))
    described.push_back(child ? describe(child.get()) : L"(no object)");
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
std::vector<std::tuple<DWORD, HWND, LONG, LONG>> heard;  // event, window, object, child
void CALLBACK recordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                          DWORD) {
  if (event == EVENT_OBJECT_NAMECHANGE || event == EVENT_SYSTEM_ALERT)
    heard.emplace_back(event, window, object, child);
}
Names readHeard(DWORD kind) {
  Names read;
  for (const auto& [event, window, object, child] : heard) {
    if (event != kind) continue;
    IAccessible* found = nullptr;
    VARIANT id;
    VariantInit(&id);
    if (AccessibleObjectFromEvent(window, static_cast<DWORD>(object), static_cast<DWORD>(child),
                                  &found, &id) != S_OK) {
      read.push_back(L"(no object)");
      continue;
    }
    read.push_back(kind == EVENT_SYSTEM_ALERT ? describe(found, id) : nameOf(found, id));
    found->Release();
  }
  return read;
}

COLORREF pixelAt(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

// The windows with a screen reader's ear on their events.
class WindowsTest : public GameWindowsTest {
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
  HWINEVENTHOOK hook_ = nullptr;
};

TEST_F(WindowsTest, HaveFixedBordersOwnersFocusFontTheDialogKeysAndTellAScoreUnderItsHeading) {
  app.start();
  ASSERT_TRUE(pumpUntil([this] { return window(kMenuTitle) != nullptr; }));
  const HWND menu = window(kMenuTitle);
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(menu, GWL_STYLE));
  EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
            DWORD{WS_SYSMENU});
  EXPECT_NE(GetWindow(menu, GW_OWNER), nullptr) << "the menu has a taskbar button";
  post(WM_SYSCHAR, 'o', 0x20000000);  // Alt+O
  ASSERT_TRUE(pumpUntil([this] { return window(L"SINGLE PLAYER !") != nullptr; }));
  EXPECT_EQ(GetWindow(window(L"SINGLE PLAYER !"), GW_OWNER), nullptr);
  EXPECT_EQ(textOf(GetFocus()), L"&EXIT");  // the lowest tab index
  // A score count, on the window itself rather than in the board's frame, is told under its
  // heading.
  app.singlePlayer().control("Label10(1)").setCaption("1");
  settle();
  EXPECT_EQ(readHeard(EVENT_OBJECT_NAMECHANGE), Names{L"1"});
  EXPECT_EQ(readHeard(EVENT_SYSTEM_ALERT), Names{L"alert LOSS 1"});

  app.singlePlayer().control("Command2").click();
  openTwoPlayer();
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(GetFocus(), WM_GETFONT, 0, 0)), sizeof font,
             &font);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_EQ(font.lfHeight, -13);  // 9.75 points at 96 DPI
  EXPECT_STREQ(font.lfFaceName, L"Microsoft Sans Serif");
  post(WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(textOf(GetFocus()), L"&EXIT");
  post(WM_CHAR, 'e');  // the bare letter is not Alt+E
  EXPECT_NE(window(L"TWO PLAYER !"), nullptr);
  post(WM_SYSCHAR, 'e', 0x20000000);
  EXPECT_TRUE(pumpUntil([this] { return !window(L"TWO PLAYER !") && window(kMenuTitle); }));
}

// What a reader finds, hears and does in the two-player window, until the window is gone and
// with it the objects that the reader holds; and what the board shows of the game.
TEST_F(WindowsTest, TheTwoPlayerWindowsObjectsAndBoardFollowTheGameUntilTheWindowIsGone) {
  const HWND two = openTwoPlayer();
  const HWND frame = frameOf(two);
  ASSERT_TRUE(pumpUntil([this] { return windows.sleeping(); })) << "the idle window keeps ticking";
  // S(0) has the inactive border's colour, S(1) the window's button face.
  EXPECT_EQ(pixelAt(frame, 48 + 30, 32 + 30), GetSysColor(COLOR_INACTIVEBORDER));
  EXPECT_EQ(pixelAt(frame, 104 + 30, 32 + 30), GetSysColor(COLOR_BTNFACE));
  const COLORREF border = pixelAt(frame, 0, 0);
  const Accessible client = clientOf(two);
  ASSERT_TRUE(client);
  EXPECT_EQ(describe(client.get()), L"client TWO PLAYER !");
  // What a reader asks a window that opens: its focus, the first button, which keeps the
  // platform's own object (Wine's calls it a client). Wine 8 tells no event of a first focus.
  VARIANT focus;
  VariantInit(&focus);
  ASSERT_EQ(client->get_accFocus(&focus), S_OK);
  const Accessible held = objectIn(focus);
  ASSERT_TRUE(held);
  EXPECT_EQ(describe(held.get()), L"client NEW GAME");
  EXPECT_EQ(describeChildren(client.get()),
            (Names{L"static text PLAYER A", L"static text = \" X \"", L"static text PLAYER B",
                   L"static text = \" O \"", L"grouping Board", L"client NEW GAME", L"client EXIT",
                   L"static text WEBSITE :", L"link www.orvane.example", L"static text EMAIL ID :",
                   L"link orvane@orvane.example"}));
  const Accessible board = childNamed(client.get(), L"Board");
  ASSERT_TRUE(board);
  const Names cells = describeChildren(board.get());
  ASSERT_EQ(cells.size(), 9u);
  EXPECT_EQ(cells.front(), L"cell top left, empty");
  EXPECT_EQ(cells.back(), L"cell bottom right, empty");

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

  const Accessible centre = childNamed(board.get(), L"centre, empty");
  ASSERT_TRUE(centre);
  POINT corner{104, 80};  // the label of the centre cell, 33 pixels square
  ClientToScreen(frame, &corner);
  LONG left = 0, top = 0, width = 0, height = 0;
  ASSERT_EQ(centre->accLocation(&left, &top, &width, &height, self()), S_OK);
  EXPECT_EQ((std::vector<LONG>{left, top, width, height}),
            (std::vector<LONG>{corner.x, corner.y, 33, 33}));
  BSTR action = nullptr;
  ASSERT_EQ(centre->get_accDefaultAction(self(), &action), S_OK);
  EXPECT_EQ(std::wstring(action), L"Click");
  SysFreeString(action);
  click(frame, 36, 48);  // inside the top left square, outside its label: no mark, unheard
  ASSERT_EQ(centre->accDoDefaultAction(self()), S_OK);
  EXPECT_EQ(nameOf(centre.get()), L"centre, X");
  // Each mark, placed by its action or by the mouse, is told by its place and alerted, the
  // focus staying where it was; the hidden side to move changes unheard.
  const HWND focused = GetFocus();
  click(frame, 48 + 16, 32 + 16);
  EXPECT_EQ(describeChildren(board.get()).at(0), L"cell top left, O");
  EXPECT_EQ(readHeard(EVENT_OBJECT_NAMECHANGE), (Names{L"centre, X", L"top left, O"}));
  EXPECT_EQ(readHeard(EVENT_SYSTEM_ALERT), (Names{L"alert centre, X", L"alert top left, O"}));
  EXPECT_EQ(GetFocus(), focused);

  // X takes the middle row; the locked board and its cells say they take no input.
  for (const WPARAM key : {'4', '2', '6'}) pressKey(key);
  ASSERT_TRUE(pumpUntil([this] { return !fakes.messageBox.shown.empty(); }));
  EXPECT_EQ(describe(board.get()), L"grouping Board (unavailable)");
  const Accessible free = childNamed(board.get(), L"bottom left, empty");
  ASSERT_TRUE(free);
  EXPECT_EQ(describe(free.get()), L"cell bottom left, empty (unavailable)");
  free->accDoDefaultAction(self());
  EXPECT_EQ(nameOf(free.get()), L"bottom left, empty");
  EXPECT_FALSE(IsWindowEnabled(frame));
  // The strike line is drawn over the grid line it crosses, and the locked frame is not greyed.
  EXPECT_TRUE(pumpUntil([&] { return pixelAt(frame, 88, 96) == RGB(255, 255, 0); }));
  EXPECT_EQ(pixelAt(frame, 60, 96), RGB(255, 255, 0));
  EXPECT_EQ(pixelAt(frame, 0, 0), border);
  EXPECT_TRUE(pumpUntil([this] { return windows.sleeping(); }));

  const Accessible link = childNamed(client.get(), L"www.orvane.example");
  ASSERT_TRUE(link);
  VARIANT state;
  VariantInit(&state);
  link->get_accState(self(), &state);
  EXPECT_EQ(state.lVal & STATE_SYSTEM_LINKED, STATE_SYSTEM_LINKED);
  ASSERT_EQ(link->accDoDefaultAction(self()), S_OK);
  EXPECT_EQ(fakes.launcher.opened, std::vector<std::string>{"http://www.orvane.example/games/"});

  app.twoPlayer().control("Command2").click();  // EXIT
  ASSERT_TRUE(pumpUntil([this] { return !window(L"TWO PLAYER !"); }));
  BSTR name = nullptr;
  EXPECT_EQ(centre->get_accName(self(), &name), RPC_E_DISCONNECTED);
  EXPECT_EQ(name, nullptr);
  LONG count = -1;
  EXPECT_EQ(board->get_accChildCount(&count), RPC_E_DISCONNECTED);
  EXPECT_EQ(centre->accDoDefaultAction(self()), RPC_E_DISCONNECTED);
}

// The boxes are the system's own dialogs, under their owner, whose objects a reader reads whole.
TEST_F(WindowsTest, TheBoxesTextsAndTheNameFieldAreReadByTheSystemsObjects) {
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
  EXPECT_EQ(read, (Names{L"client ", L"client OK", L"A&B Won\r\n\r\n    The Game !", L"client OK",
                         L"owned"}));

  // The prompt names the field, the focus, which takes what is typed and rubbed out.
  const std::string prompt = "ENTER ' PLAYER B ' NAME ";
  whenDialogOpens([&](HWND box) {
    read = describeControls(box);
    for (const wchar_t key : std::wstring(L"Ann\b")) PostMessageW(GetFocus(), WM_CHAR, key, 1);
    return true;
  });
  EXPECT_EQ(Win32InputBox("Orvane'S Tic Tac Toe !", [two] { return two; }).ask(prompt), "An");
  const std::wstring named = toWide(prompt);
  EXPECT_EQ(read, (Names{L"client " + named, L"text " + named, L"client OK", L"client Cancel"}));
}

}  // namespace
}  // namespace ttt::test

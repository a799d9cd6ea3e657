#!/usr/bin/python3
"""Reads the real program through AT-SPI as a screen reader does, while keys drive it: the menu
frame and its buttons with their access keys, the name boxes as dialogs, the two-player frame
with its board of nine cells, a cell's name changing to hold "X" after its key (and the event
telling of it), a cell pressed through its action, the result and contact boxes as alerts
with their text, a single-player score changing, and the program's windows leaving the tree
as they close."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

GAME = sys.argv[1]
MENU = "ORVANE'S TIC TAC TOE !"
ASK = "Orvane'S Tic Tac Toe !"
CELLS = ["top left", "top middle", "top right", "middle left", "centre", "middle right",
         "bottom left", "bottom middle", "bottom right"]
events = []


def fail(message):
    print(f"accessibility: FAILED: {message}", file=sys.stderr)
    sys.exit(1)


def wait_for(condition, what, seconds=10):
    """Runs GLib's loop (which delivers events) until condition() gives a value, or fails."""
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while True:
        while context.iteration(False):
            pass
        try:
            value = condition()
        except GLib.GError:
            value = None  # an object that went away while it was read
        if value:
            return value
        if time.monotonic() > deadline:
            fail(f"no {what} within {seconds} s")
        time.sleep(0.05)


def children(node):
    return [child for child in node if child is not None]


def states(node):
    return {pyatspi.stateToString(state) for state in node.getState().getStates()}


def tree(node, depth=0):
    shown = sorted(states(node) & {"focused", "enabled", "showing", "active"})
    line = f"{'  ' * depth}{node.getRoleName()} \"{node.name}\" [{' '.join(shown)}]"
    return "\n".join([line] + [tree(child, depth + 1) for child in children(node)])


def program():
    for app in children(pyatspi.Registry.getDesktop(0)):
        if app.name == "orvane-tictactoe":
            return app
    return None


def window(role, name):
    app = program()
    for child in children(app) if app else []:
        if child.getRole() == role and child.name == name:
            return child
    return None


def keys(title, *pressed):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                           capture_output=True, text=True).stdout.split()
    if not found:
        fail(f"no X window \"{title}\" to press {pressed} in")
    subprocess.run(["xdotool", "windowfocus", "--sync", found[0], "key", *pressed], check=True)


def answer(prompt, name):
    box = wait_for(lambda: window(pyatspi.ROLE_DIALOG, ASK), f"name box for \"{prompt}\"")
    wait_for(lambda: box.description == prompt, f"name box describing \"{prompt}\"")
    parts = {child.getRole(): child for child in children(box)}
    if parts[pyatspi.ROLE_LABEL].name != prompt or "focused" not in states(parts[pyatspi.ROLE_ENTRY]):
        fail(f"the name box shows no label \"{prompt}\" or its field lacks the focus")
    subprocess.run(["xdotool", "type", "--delay", "20", name], check=True)
    keys(ASK, "Return")


def alert(title):
    box = wait_for(lambda: window(pyatspi.ROLE_ALERT, title), f"alert \"{title}\"")
    label = [child.name for child in children(box) if child.getRole() == pyatspi.ROLE_LABEL]
    print(tree(box))
    return box.description, label


def board(frame):
    panels = [child for child in children(frame) if child.getRole() == pyatspi.ROLE_PANEL]
    if len(panels) != 1 or panels[0].name != "Board":
        fail(f"no single panel \"Board\" in \"{frame.name}\"")
    return [cell for cell in children(panels[0]) if cell.getRole() == pyatspi.ROLE_TABLE_CELL]


def heard(event):
    try:
        name = event.source.name
    except GLib.GError:
        name = None  # gone by the time the event is read
    if event.detail1 or event.type.endswith("accessible-name"):
        events.append((event.type, name))


def play_single_player_to_a_score():
    """Games against the computer, by keys, taking the first empty cell, until one is won or
    lost: a score label then reads "1", and the bridge told of the change."""
    keys(MENU, "alt+o")
    answer("ENTER YOUR NAME ", "Zoe")
    title = "SINGLE PLAYER !"
    frame = wait_for(lambda: window(pyatspi.ROLE_FRAME, title), "single-player frame")
    cells = board(frame)
    scores = [c for c in children(frame) if c.getRole() == pyatspi.ROLE_LABEL and c.name == "0"]
    if len(scores) != 2:
        fail(f"the single-player frame has no two scores of \"0\": {tree(frame)}")
    events.clear()
    for _ in range(8):
        for move in range(1, 6):
            empty = [i for i, cell in enumerate(cells) if cell.name.endswith("empty")]
            keys(title, str(empty[0] + 1))
            wait_for(lambda: window(pyatspi.ROLE_ALERT, "Tic Tac Toe !") or
                     sum(not cell.name.endswith("empty") for cell in cells) >= 2 * move,
                     f"a reply or a result after move {move}")
            if window(pyatspi.ROLE_ALERT, "Tic Tac Toe !"):
                break
        keys("Tic Tac Toe !", "Return")
        if wait_for(lambda: window(pyatspi.ROLE_ALERT, "Tic Tac Toe !") is None, "the box to go"):
            if any(score.name == "1" for score in scores):
                break
        keys(title, "alt+n")
        wait_for(lambda: all(cell.name.endswith("empty") for cell in cells), "a cleared board")
    else:
        fail("eight games and no win or loss")
    wait_for(lambda: any(t.endswith("accessible-name") and n == "1" for t, n in events),
             "name-changed event of the score")
    print(f"score: {[score.name for score in scores]}")
    keys(title, "alt+e")
    wait_for(lambda: window(pyatspi.ROLE_FRAME, MENU), "the menu after the single-player game")


def main():
    game = subprocess.Popen([GAME])
    pyatspi.Registry.registerEventListener(
        heard, "object:property-change:accessible-name", "object:state-changed:focused")

    menu = wait_for(lambda: window(pyatspi.ROLE_FRAME, MENU), f"frame \"{MENU}\"")
    print(tree(program()))
    buttons = [c for c in children(menu) if c.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    seen = [(b.name, b.queryAction().getKeyBinding(0)) for b in buttons]
    if seen != [("ONE PLAYER", "<Alt>o"), ("TWO PLAYER", "<Alt>t"), ("EXIT", "<Alt>e")]:
        fail(f"the menu's buttons read {seen}")
    if "focused" not in states(buttons[0]):
        fail("ONE PLAYER does not have the focus")

    keys(MENU, "alt+t")
    answer("ENTER ' PLAYER A ' NAME", "Ann")
    answer("ENTER ' PLAYER B ' NAME ", "Bob")
    game_window = wait_for(lambda: window(pyatspi.ROLE_FRAME, "TWO PLAYER !"), "two-player frame")
    cells = board(game_window)
    if [cell.name for cell in cells] != [f"{place}, empty" for place in CELLS]:
        fail(f"the cells read {[cell.name for cell in cells]}")
    wait_for(lambda: window(pyatspi.ROLE_FRAME, MENU) is None, "the menu to leave the tree")
    print(tree(game_window))

    events.clear()
    keys("TWO PLAYER !", "1")
    wait_for(lambda: cells[0].name == "top left, X", "\"top left, X\" after the key 1")
    wait_for(lambda: any(t.endswith("accessible-name") and "X" in n for t, n in events),
             "name-changed event holding \"X\"")
    keys("TWO PLAYER !", "4", "2", "5", "3")
    description, label = alert("Ann WON !")
    if description != "Ann Won The Game !" or label != ["Ann Won The Game !"]:
        fail(f"the result box reads {description!r} and {label!r}")
    wait_for(lambda: any(t.endswith("focused") and n == "OK" for t, n in events), "focus on OK")
    print(f"result box text: {description}")
    keys("Ann WON !", "Return")

    # A new game opens with O; a cell pressed through its action takes the mark, as a click.
    keys("TWO PLAYER !", "alt+n")
    wait_for(lambda: cells[4].name == "centre, empty", "a cleared board")
    if not cells[4].queryAction().doAction(0):
        fail("the centre cell's action was refused")
    wait_for(lambda: cells[4].name == "centre, O", "\"centre, O\" after the cell's action")

    keys("TWO PLAYER !", "alt+e")
    menu = wait_for(lambda: window(pyatspi.ROLE_FRAME, MENU), "the menu again")
    wait_for(lambda: window(pyatspi.ROLE_FRAME, "TWO PLAYER !") is None, "the game to leave")
    play_single_player_to_a_score()
    keys(MENU, "alt+e")
    description, label = alert("CONTACT !")
    if not label or label[0] != description or "@" not in description:
        fail(f"the contact box reads {description!r} and {label!r}")
    keys("CONTACT !", "Return")
    try:
        status = game.wait(timeout=10)
    except subprocess.TimeoutExpired:
        game.kill()
        fail("the program did not end")
    if status != 0:
        fail(f"the program ended with {status}")


main()

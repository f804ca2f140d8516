#!/usr/bin/python3
"""The game as a screen reader sees it through AT-SPI.

Reads the accessibility trees of the Start window, the main window and the
Win window, checks roles, names and states, and plays a whole game through
them: START, the options and the hint check box by their actions, NEW GAME by
its action and the file dialog, a board move by its action, then every piece
dragged, turned and dropped with xdotool until Win shows; Close by its action
and the game ended by its caption bar's Close.

Usage: accessibility.py <picture to make and play> <game pid>
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

APP = "Quiltrix"
GRID = 44  # the pieces' grid step
CELL = 80  # a piece's cell
SNAP = 11  # the drop lattice
# Nine blocks of a 131 x 131 picture, each its own colour with a black
# top-left quadrant, so that a piece and its turn can be told from pixels.
COLOURS = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 0), (255, 0, 255),
           (0, 255, 255), (255, 128, 0), (128, 0, 255), (0, 128, 128)]
MARKER = (0, 0, 0)
# Where the solved picture is laid: right of and below where scattered
# pieces lie (their cells start within 55..440 x 55..297).
SOLVED_AT = (473, 330)

R = pyatspi


def log(message):
    print("[a11y] " + message, file=sys.stderr, flush=True)


def fail(message):
    print("[a11y] FAIL: " + message, file=sys.stderr, flush=True)
    sys.exit(1)


# ---- the tree ------------------------------------------------------------------

def application(limit=20):
    end = time.time() + limit
    while time.time() < end:
        for app in R.Registry.getDesktop(0):
            if app is not None and app.name == APP:
                return app
        time.sleep(0.2)
    fail("the game never showed up on the accessibility bus")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def states(node):
    return set(node.getState().getStates())


def top_windows():
    return [w for w in application() if w is not None and R.STATE_SHOWING in states(w)]


def window(role, limit=10):
    end = time.time() + limit
    while time.time() < end:
        for w in top_windows():
            if w.getRole() == role:
                return w
        time.sleep(0.1)
    fail("no %s window" % node_role(role))


def find(root, role, name, limit=5):
    end = time.time() + limit
    while True:
        for node in walk(root):
            if node.getRole() == role and node.name == name:
                return node
        if time.time() > end:
            fail("no %s named %r in %r" % (node_role(role), name, root.name))
        time.sleep(0.1)


def node_role(role):
    return str(role).replace("ROLE_", "").lower()


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def dump(root):
    for node in walk(root):
        log("  %s %r %s" % (node.getRoleName(), node.name,
                            ",".join(R.stateToString(s) for s in states(node))))


# What a player can use or read says what it is.
NAMED_ROLES = {R.ROLE_PUSH_BUTTON, R.ROLE_CHECK_BOX, R.ROLE_RADIO_BUTTON, R.ROLE_LABEL,
               R.ROLE_IMAGE, R.ROLE_LINK, R.ROLE_DIALOG, R.ROLE_FRAME}


def expect_all_named(root):
    for node in walk(root):
        if node.getRole() in NAMED_ROLES and not node.name.strip():
            dump(root)
            fail("an unnamed %s in %r" % (node.getRoleName(), root.name))
        if node.getRole() == R.ROLE_FILLER and R.STATE_FOCUSABLE in states(node):
            dump(root)
            fail("a focusable control without a role in %r" % root.name)


def expect_state(node, state, present=True):
    if (state in states(node)) != present:
        fail("%r %s %s" % (node.name, "lacks" if present else "has",
                          R.stateToString(state)))


def act(node, name):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == name:
            action.doAction(i)
            return
    fail("%r has no %s action" % (node.name, name))


def wait_for(check, what, limit=5):
    end = time.time() + limit
    while time.time() < end:
        if check():
            return
        time.sleep(0.05)
    fail(what)


class Events:
    """Announcements of the game, as a screen reader hears them."""

    def __init__(self, *kinds):
        self.heard = []
        self.kinds = kinds
        R.Registry.registerEventListener(self.hear, *kinds)
        # The game hears of a new listener over the bus before it reports to it.
        self.pump(0.5)

    @staticmethod
    def pump(seconds):
        end = time.time() + seconds
        context = GLib.MainContext.default()
        while time.time() < end:
            while context.pending():
                context.iteration(False)
            time.sleep(0.02)

    def hear(self, event):
        self.heard.append((event.type, event.source.name if event.source else "", event.detail1))

    def wait(self, kind, name, detail, limit=3):
        end = time.time() + limit
        context = GLib.MainContext.default()
        while time.time() < end:
            while context.pending():
                context.iteration(False)
            if any(k.startswith(kind) and n == name and d == detail for k, n, d in self.heard):
                return
            time.sleep(0.02)
        fail("no %s %s=%d from %r; heard %r" % (kind, "detail", detail, name, self.heard))

    def never(self, kind, name):
        self.pump(0.3)
        if any(k.startswith(kind) and n == name for k, n, _ in self.heard):
            fail("%r announced %s though it did not change" % (name, kind))

    def close(self):
        R.Registry.deregisterEventListener(self.hear, *self.kinds)


# ---- the screen ------------------------------------------------------------------

def extents(node):
    box = node.queryComponent().getExtents(R.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def grab(area):
    x, y, w, h = area
    ppm = subprocess.run(["/usr/bin/import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y),
                          "+repage", "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
    # P6 header: magic, width, height, maximum, then the pixels.
    fields, pos = [], 0
    while len(fields) < 4:
        while ppm[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not ppm[end:end + 1].isspace():
            end += 1
        fields.append(ppm[pos:end])
        pos = end
    width, height = int(fields[1]), int(fields[2])
    return width, height, ppm[pos + 1:]


class Piece:
    def __init__(self, index):
        self.row, self.col = divmod(index, 3)
        self.colour = COLOURS[index]


def look(board, piece):
    """Where piece shows on the board: (pixels of its colour, a pixel to take
    it by, quarter-turns it has) or None when too little of it shows."""
    width, height, pixels = grab(board)
    xs, ys = [], []
    colour = bytes(piece.colour)
    for i in range(0, len(pixels), 3):
        if pixels[i:i + 3] == colour:
            xs.append((i // 3) % width)
            ys.append((i // 3) // width)
    body = 3 * (GRID // 2) ** 2
    if len(xs) < body * 0.9:
        return None
    left, top, right, bottom = min(xs), min(ys), max(xs), max(ys)
    half_x, half_y = (left + right) // 2, (top + bottom) // 2
    dark = [0, 0, 0, 0]  # top-left, top-right, bottom-right, bottom-left
    marker = bytes(MARKER)
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            i = 3 * (y * width + x)
            if pixels[i:i + 3] == marker:
                quadrant = (0 if x <= half_x else 1) if y <= half_y else (3 if x <= half_x else 2)
                dark[quadrant] += 1
    turns = dark.index(max(dark))
    grip = sorted(zip(xs, ys), key=lambda p: abs(p[0] - half_x) + abs(p[1] - half_y))[0]
    return len(xs), grip, turns, (left, top)


def xdo(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


def place(board, piece, seen):
    _, grip, turns, _ = seen
    bx, by = board[0], board[1]
    xdo("mousemove", "--sync", bx + grip[0], by + grip[1], "mousedown", 1)
    time.sleep(0.1)
    for _ in range((4 - turns) % 4):
        xdo("key", "r")
        time.sleep(0.1)
    cell_x = SOLVED_AT[0] + GRID * piece.col
    cell_y = SOLVED_AT[1] + GRID * piece.row
    xdo("mousemove", "--sync", bx + cell_x + CELL // 2, by + cell_y + CELL // 2)
    time.sleep(0.1)
    xdo("mouseup", 1)
    time.sleep(0.3)


# ---- the walk ---------------------------------------------------------------------

def make_picture(path):
    draw = []
    for index, colour in enumerate(COLOURS):
        row, col = divmod(index, 3)
        x, y = GRID * col, GRID * row
        draw += ["-fill", "rgb%r" % (colour,), "-draw",
                 "rectangle %d,%d %d,%d" % (x, y, x + GRID - 1, y + GRID - 1),
                 "-fill", "rgb%r" % (MARKER,), "-draw",
                 "rectangle %d,%d %d,%d" % (x, y, x + GRID // 2 - 1, y + GRID // 2 - 1)]
    subprocess.run(["/usr/bin/convert", "-size", "131x131", "xc:white"] + draw + [path], check=True)


def start_window():
    log("the Start window")
    start = window(R.ROLE_FRAME)
    expect_all_named(start)
    if start.name != APP:
        fail("the Start window is named %r" % start.name)
    find(start, R.ROLE_IMAGE, APP)
    go = find(start, R.ROLE_PUSH_BUTTON, "START")
    cancel = find(start, R.ROLE_PUSH_BUTTON, "CANCEL")
    for state in (R.STATE_FOCUSABLE, R.STATE_FOCUSED, R.STATE_IS_DEFAULT, R.STATE_ENABLED):
        expect_state(go, state)
    expect_state(cancel, R.STATE_IS_DEFAULT, False)
    expect_state(cancel, R.STATE_FOCUSED, False)
    log("START through its action")
    act(go, "Press")


def main_window():
    log("the main window")
    main = None
    end = time.time() + 10
    while main is None and time.time() < end:
        main = next((w for w in top_windows() if w.getRole() == R.ROLE_FRAME and
                     any(n.getRole() == R.ROLE_MENU_BAR for n in walk(w))), None)
        time.sleep(0.1)
    if main is None:
        fail("START did not bring up the main window")
    expect_all_named(main)
    if sum(1 for w in top_windows() if w.getRole() == R.ROLE_FRAME) != 1:
        fail("the Start window is still shown")
    buttons = ["NEW GAME", "Scatter the pieces", "Board colour", "Move the board up",
               "Move the board left", "Move the board right", "Move the board down"]
    for name in buttons:
        expect_state(find(main, R.ROLE_PUSH_BUTTON, name), R.STATE_FOCUSABLE)
    if find(main, R.ROLE_PUSH_BUTTON, "NEW GAME").description != "New Game":
        fail("NEW GAME does not carry its tool tip")
    easy = find(main, R.ROLE_RADIO_BUTTON, "Easy Jigsaw")
    rectangular = find(main, R.ROLE_RADIO_BUTTON, "Rectangular")
    find(main, R.ROLE_RADIO_BUTTON, "Hard Jigsaw")
    expect_state(easy, R.STATE_CHECKED)
    expect_state(rectangular, R.STATE_CHECKED, False)
    hint_box = find(main, R.ROLE_CHECK_BOX, "HINT IMAGE")
    expect_state(hint_box, R.STATE_CHECKED)
    find(main, R.ROLE_LABEL, "Timer")
    clock = find(main, R.ROLE_LABEL, "Time played")
    if text_of(clock) != "0:00":
        fail("the clock reads %r" % text_of(clock))
    hint = find(main, R.ROLE_IMAGE, "Hint image")
    area = find(main, R.ROLE_IMAGE, "Play area")
    if area.description != "No puzzle yet":
        fail("the play area says %r before a game" % area.description)
    caption = caption_bar(main)
    names = [c.name for c in caption]
    if names != ["Minimize", "Maximize", "Close"]:
        fail("the caption bar's buttons are %r" % names)
    expect_state(caption[1], R.STATE_ENABLED, False)

    log("HINT IMAGE and Rectangular through their actions, as announced")
    events = Events("object:state-changed:checked", "object:state-changed:focused")
    act(hint_box, "Toggle")
    events.wait("object:state-changed:checked", "HINT IMAGE", 0)
    wait_for(lambda: R.STATE_SHOWING not in states(hint), "unticking HINT IMAGE left the hint shown")
    act(hint_box, "Toggle")
    events.wait("object:state-changed:checked", "HINT IMAGE", 1)
    wait_for(lambda: R.STATE_SHOWING in states(hint), "ticking HINT IMAGE left the hint hidden")
    act(rectangular, "Toggle")
    events.wait("object:state-changed:checked", "Rectangular", 1)
    events.wait("object:state-changed:checked", "Easy Jigsaw", 0)
    events.never("object:state-changed:checked", "Hard Jigsaw")
    expect_state(easy, R.STATE_CHECKED, False)
    # With no window manager the main window takes the keyboard when clicked.
    x, y, w, h = extents(area)
    xdo("mousemove", "--sync", x + w // 2, y + h // 2, "click", 1)
    wait_for(lambda: R.STATE_FOCUSED in states(area), "a click on the play area left it unfocused")
    new_game = find(main, R.ROLE_PUSH_BUTTON, "NEW GAME")
    act(new_game, "SetFocus")
    events.wait("object:state-changed:focused", "NEW GAME", 1)
    events.close()
    return main


def caption_bar(main):
    # Qt hands a title bar to AT-SPI as a text.
    for node in walk(main):
        if node.getRole() in (R.ROLE_TITLE_BAR, R.ROLE_TEXT) and node.childCount == 3:
            if node.name != APP:
                fail("the caption bar reads %r" % node.name)
            return node
    dump(main)
    fail("no caption bar")


def new_game(main, picture):
    log("NEW GAME through its action; the picture typed into the file dialog")
    act(find(main, R.ROLE_PUSH_BUTTON, "NEW GAME"), "Press")
    dialog = window(R.ROLE_DIALOG)
    if dialog.name != "Select Picture":
        fail("NEW GAME opened %r" % dialog.name)
    time.sleep(0.3)
    xdo("type", "--delay", 10, picture)
    xdo("key", "Return")
    area = find(main, R.ROLE_IMAGE, "Play area")
    wait_for(lambda: area.description == "A puzzle of 9 pieces",
             "the play area says %r" % area.description)
    clock = find(main, R.ROLE_LABEL, "Time played")
    wait_for(lambda: text_of(clock) != "0:00", "the clock does not run", limit=4)


def board_moves(main, board):
    log("the board moves right and back through the arrows' actions")
    before = {i: look(board, Piece(i)) for i in range(9)}
    act(find(main, R.ROLE_PUSH_BUTTON, "Move the board right"), "Press")
    time.sleep(0.5)
    moved = 0
    for i, seen in before.items():
        now = look(board, Piece(i))
        if seen and now and seen[0] == now[0]:  # wholly in sight both times
            if (now[3][0] - seen[3][0], now[3][1] - seen[3][1]) != (GRID, 0):
                fail("piece %d went from %r to %r" % (i, seen[3], now[3]))
            moved += 1
    if moved == 0:
        fail("no piece could be seen moving")
    act(find(main, R.ROLE_PUSH_BUTTON, "Move the board left"), "Press")
    time.sleep(0.5)


def solve(board):
    log("every piece dragged, turned and dropped into place")
    left = list(range(9))
    for _ in range(30):
        if not left:
            return
        progress = False
        for i in list(left):
            seen = look(board, Piece(i))
            if seen is None:
                continue
            place(board, Piece(i), seen)
            after = look(board, Piece(i))
            want = (SOLVED_AT[0] + GRID * Piece(i).col + 18, SOLVED_AT[1] + GRID * Piece(i).row + 18)
            if after and after[2] == 0 and after[3] == want:
                left.remove(i)
                progress = True
        if not progress:
            fail("pieces %r cannot be seen well enough to place" % left)
    fail("the puzzle could not be solved")


def win_window():
    log("the Win window")
    win = window(R.ROLE_DIALOG)
    expect_all_named(win)
    if not win.name.startswith(APP + " "):
        fail("the Win window is named %r" % win.name)
    for text in ("CONGRATULATIONS !!!", "You have succesfully solved the Puzzle !", "Your Time:"):
        find(win, R.ROLE_LABEL, text)
    close = find(win, R.ROLE_PUSH_BUTTON, "Close")
    expect_state(close, R.STATE_FOCUSED)
    log("Close through its action")
    act(close, "Press")
    wait_for(lambda: all(w.getRole() != R.ROLE_DIALOG for w in top_windows()),
             "the Win window stays open")


def main():
    picture, game_pid = sys.argv[1], int(sys.argv[2])
    make_picture(picture)
    start_window()
    frame = main_window()
    new_game(frame, picture)
    board = extents(find(frame, R.ROLE_IMAGE, "Play area"))
    board_moves(frame, board)
    solve(board)
    win_window()
    log("the game ends through its caption bar's Close")
    act(caption_bar(frame)[2], "Press")
    end = time.time() + 10
    while time.time() < end:
        if not os.path.exists("/proc/%d" % game_pid) or \
                open("/proc/%d/stat" % game_pid).read().split()[2] == "Z":
            return
        time.sleep(0.1)
    fail("the game did not end")


if __name__ == "__main__":
    main()

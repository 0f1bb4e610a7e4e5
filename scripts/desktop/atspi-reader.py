#!/usr/bin/python3
"""Reads the running program over the accessibility bus as a screen reader does.

Walks the main window's tree and prints it (role and name of each node; the message grid only
by its header, row count and first row), checks that every control is there with its role and
name, types a keyword into the keyword box, presses the search button through its action and
reads the count off the status line, presses a festival link, then opens the system menu with
Alt+Space and reads its items as the program announces them. Prints the time each part takes;
exits non-zero on the first check that fails.

usage: atspi-reader.py PID WINDOW SHOT
  the program's process id, its X window id, and where to save a screenshot of the menu
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TITLE = "短信查询 V1.0"
KEYWORD = "春节"
STATUS_AFTER_SEARCH = "关于春节的短信,共搜索到1596条短信记录"
ROWS_AFTER_SEARCH = 1596
FESTIVAL = "元旦"
GRID_COLUMNS = ["短信内容"]

# Every control of the window, as (role, name); each must be in the tree exactly so.
EXPECTED = [
    ("frame", TITLE),
    ("label", "短信搜索："),
    ("label", "常用分类："),
    ("text", "短信搜索"),
    ("text", "短信内容"),
    ("text", "状态"),
    ("table", "短信列表"),
] + [("push button", name) for name in
     ("搜索", "刷新", "复制", "在线版本", "退出", "软件升级", "关闭", "最小化")] + [
    ("link", name) for name in ("春节", "元旦", "圣诞", "愚人", "母亲", "父亲", "更多...")]
SYSTEM_MENU = ["最小化", "最大化/还原", "关闭"]


class CheckFailed(Exception):
    pass


def check(condition, what):
    if not condition:
        raise CheckFailed(what)
    print(f"ok: {what}")


def wait_until(what, probe, seconds=10.0):
    """The first true answer of probe() within the time, else a failed check."""
    deadline = time.monotonic() + seconds
    while True:
        answer = probe()
        if answer or time.monotonic() > deadline:
            check(answer, what)
            return answer
        time.sleep(0.1)


def role(node):
    """The node's role name; None for a node that went away meanwhile."""
    try:
        return node.getRoleName()
    except GLib.GError:
        return None


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def table_facts(node):
    """A table's column header, row count and first row: reading every row takes minutes."""
    table = node.queryTable()
    header = [table.getColumnHeader(c).name for c in range(table.nColumns)]
    first = [table.getAccessibleAt(0, c).name for c in range(table.nColumns)] \
        if table.nRows else []
    return header, table.nRows, first


def walk(node, depth, seen):
    """Prints the tree under node and collects (role, name, node) of every node in seen."""
    indent = "  " * depth
    actions = ""
    try:
        action = node.queryAction()
        actions = " [" + ", ".join(action.getName(i) for i in range(action.nActions)) + "]" \
            if action.nActions else ""
    except NotImplementedError:
        pass
    print(f'{indent}{role(node)} "{node.name}"{actions}')
    seen.append((role(node), node.name, node))
    if role(node) == "table":
        header, rows, first = table_facts(node)
        print(f"{indent}  header {header}, {rows} rows, first row {first}")
        return
    for child in children(node):
        walk(child, depth + 1, seen)


def find(seen, wanted_role, name):
    for node_role, node_name, node in seen:
        if node_role == wanted_role and node_name == name:
            return node
    return None


def program(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def main_window(app):
    for window in children(app):
        if role(window) == "frame" and window.name == TITLE:
            return window
    return None


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def timed(label, part, *args):
    started = time.monotonic()
    result = part(*args)
    print(f"time: {label} {time.monotonic() - started:.1f}s")
    return result


def read_tree(pid):
    app = wait_until("the program is on the accessibility bus", lambda: program(pid), 20)
    window = wait_until(f'its window is a frame named "{TITLE}"', lambda: main_window(app))
    seen = []
    walk(window, 0, seen)
    missing = [f'{wanted_role} "{name}"' for wanted_role, name in EXPECTED
               if find(seen, wanted_role, name) is None]
    check(not missing, f"all {len(EXPECTED)} controls are in the tree with their roles and names"
          + (f"; missing: {', '.join(missing)}" if missing else ""))
    for name in ("春节", "更多..."):
        action = find(seen, "link", name).queryAction()
        check(action.nActions == 1 and action.getName(0) == "Press",
              f'link "{name}" can be pressed')
    header, rows, first = table_facts(find(seen, "table", "短信列表"))
    check(header == GRID_COLUMNS, f"the grid's column header is {GRID_COLUMNS}")
    check(rows > ROWS_AFTER_SEARCH, f"the grid lists the whole library ({rows} rows)")
    check(len(first) == 1 and first[0] != "", f"the grid's first row reads {first}")
    return app, seen


def search(seen):
    keyword_box = find(seen, "text", "短信搜索")
    status = find(seen, "text", "状态")
    before = text_of(status)
    print(f"status line before: {before}")
    keyword_box.queryEditableText().setTextContents(KEYWORD)
    check(text_of(keyword_box) == KEYWORD, f'typed "{KEYWORD}" into the keyword box')
    button = find(seen, "push button", "搜索")
    check(button.queryAction().doAction(0), "pressed 搜索 through its action")
    after = wait_until("the status line changed", lambda: text_of(status) != before and
                       text_of(status))
    print(f"status line after: {after}")
    check(after == STATUS_AFTER_SEARCH, f"the status line reads {STATUS_AFTER_SEARCH}")
    rows = find(seen, "table", "短信列表").queryTable().nRows
    check(rows == ROWS_AFTER_SEARCH, f"the grid holds {ROWS_AFTER_SEARCH} rows ({rows})")
    # A festival link searches for its word when pressed.
    check(find(seen, "link", FESTIVAL).queryAction().doAction(0), f"pressed link {FESTIVAL}")
    after = wait_until(f"the status line tells of {FESTIVAL}",
                       lambda: text_of(status).startswith(f"关于{FESTIVAL}的短信") and
                       text_of(status))
    print(f"status line after {FESTIVAL}: {after}")
    check(text_of(keyword_box) == FESTIVAL, f"the keyword box reads {FESTIVAL}")


class Events:
    """The state changes the program reports (a window shown, an item focused), as a screen
    reader hears them: popup menus are not children of the application, they are announced."""

    def __init__(self):
        self.heard = []
        pyatspi.Registry.registerEventListener(self.hear, "object:state-changed:showing",
                                               "object:state-changed:focused")
        self.pump(0.5)  # the program learns that somebody listens

    def hear(self, event):
        self.heard.append((event.type, event.detail1, event.source))

    @staticmethod
    def pump(seconds):
        context = GLib.MainContext.default()
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            while context.iteration(False):
                pass
            time.sleep(0.05)

    def wait_for(self, what, kind, shown, accept, seconds=10.0):
        """The source of the first `kind` change to `shown` whose source accept() takes."""
        def probe():
            self.pump(0.1)
            for event_type, detail, source in self.heard:
                if event_type.endswith(kind) and detail == shown and accept(source):
                    return source
            return None
        found = wait_until(what, probe, seconds)
        self.heard.clear()
        return found


def system_menu(window_id, shot):
    events = Events()
    subprocess.run(["xdotool", "windowactivate", "--sync", window_id], check=False)
    subprocess.run(["xdotool", "key", "--clearmodifiers", "alt+space"], check=True)
    menu = events.wait_for("Alt+Space showed the system menu", "showing", 1,
                           lambda source: role(source) == "popup menu")
    subprocess.run(["import", "-window", "root", shot], check=False)
    seen = []
    walk(menu, 0, seen)
    names = [name for node_role, name, _ in seen if node_role == "menu item"]
    check(names == SYSTEM_MENU, f"the system menu's items are {SYSTEM_MENU}")
    subprocess.run(["xdotool", "key", "Down"], check=True)
    item = events.wait_for("Down focused a menu item", "focused", 1,
                           lambda source: role(source) == "menu item")
    check(item.parent == menu, "the focused item is the system menu's")
    check(item.name == SYSTEM_MENU[0], f"the focused item is {item.name}")
    subprocess.run(["xdotool", "key", "Escape"], check=True)
    # The menu's window is gone by the time the event is read: it is known by its identity.
    events.wait_for("Escape closed the system menu", "showing", 0, lambda source: source == menu)


def main():
    pid, window_id, shot = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    try:
        _, seen = timed("tree", read_tree, pid)
        timed("search", search, seen)
        timed("system menu", system_menu, window_id, shot)
    except CheckFailed as failure:
        print(f"FAILED: {failure}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

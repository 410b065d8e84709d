"""Reads Tavrolin's window as a screen reader does, through AT-SPI: the
controls' names, roles and states after start-up and after changes made
with the keyboard alone."""
import subprocess
import sys
import time

import pyatspi

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


# Waits end once what they wait for holds; they give up only after a
# minute, when something hangs, and what is checked next then fails.
HANG_GUARD = 60


def wait_until(holds, timeout=HANG_GUARD):
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = holds()
        except Exception:  # a node that went away while it was read
            value = None
        if value or time.monotonic() > deadline:
            return value
        time.sleep(0.05)


def find_app():
    def tavrolin():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower() == "tavrolin" and app.childCount > 0:
                return app
        return None
    return wait_until(tavrolin)


def walk(node, out):
    try:
        out.append(node)
        for child in node:
            if child is not None:
                walk(child, out)
    except Exception:
        pass
    return out


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def controls(app):
    """Visible controls by role name, each a dict from accessible name to node."""
    found = {}
    for node in walk(app, []):
        if showing(node):
            found.setdefault(node.getRoleName(), {})[node.name] = node
    return found


def key(*names, then):
    """Presses the keys, then waits until what they do has reached the
    accessibility tree (then() holds)."""
    subprocess.run(["xdotool", "key", "--delay", "150", *names], check=True)
    wait_until(then)


def focused(app):
    return [n.name for n in walk(app, []) if n.getState().contains(pyatspi.STATE_FOCUSED)]


def radio(app, name):
    return controls(app).get("radio button", {}).get(name)


def selected(app, name):
    node = radio(app, name)
    return node is not None and checked(node)


def slow_down(app):
    bar = controls(app).get("scroll bar", {}).get("Zpomalení animace")
    return bar.queryValue().currentValue if bar is not None else None


app = find_app()
if app is None:
    print("FAIL the program did not appear on the accessibility bus")
    sys.exit(1)

frame = app[0]
check(frame.name.startswith("Tavrolin - "), "the window is announced with its caption: %r" % frame.name)
check("Animace" in (frame.description or ""), "the window describes the drawing in Czech")

c = controls(app)
buttons = c.get("push button", {})
check({"Start", "Konec"} <= set(buttons), "push buttons Start and Konec: %s" % sorted(buttons))
radios = c.get("radio button", {})
expected_radios = {"0,5 červená", "1 zelená", "1,5 modrá", "černa", "červená", "zelená", "modrá", "0,5", "1", "1,5"}
check(set(radios) == expected_radios, "the ten visible option buttons: %s" % sorted(radios))
check(sorted(n for n, r in radios.items() if checked(r)) == ["1", "1 zelená", "zelená"],
      "selected after start-up: 1 zelená, zelená, 1")
groups = set(c.get("grouping", {})) | set(c.get("panel", {}))
check({"Relat. kmitočet světla", "Barva grafu", "Relat.délka"} <= groups,
      "the three frames are groups with their captions: %s" % sorted(groups))
frames = {**c.get("panel", {}), **c.get("grouping", {})}
length_frame = frames.get("Relat.délka")
check(length_frame is not None
      and length_frame.description == "Relativní délka vektoru světla odrazeného od spodního rozhraní",
      "the arrow-length frame is explained by its heading: %r" % (length_frame and length_frame.description))
bars = c.get("scroll bar", {})
check("Zpomalení animace" in bars, "the speed scroll bar is named: %s" % sorted(bars))
if "Zpomalení animace" in bars:
    check(bars["Zpomalení animace"].queryValue().currentValue == 1, "the scroll bar's value is 1")
texts = c.get("text", {})
check("Nadpis" in texts, "the title field is named: %s" % sorted(texts))
hidden = {"Rychlá", "Pomalejší", "Pomalá", "0", "50"}
check(not (hidden & set(radios)), "the hidden option buttons are not shown")
check(not ({"Animace", "Posun zdroje"} & groups), "the hidden frames are not shown")

# With the keyboard alone: Tab from Start enters the colour group at its
# selection; an arrow key picks blue. Tab to the frequency group and an
# arrow key picks 0,5 red, which also selects the red colour button.
wait_until(lambda: "Start" in focused(app))
check("Start" in focused(app), "Start has the focus after start-up: %s" % focused(app))
key("Tab", then=lambda: "Start" not in focused(app))
check("zelená" in focused(app), "Tab lands on the selected colour button: %s" % focused(app))
key("Right", then=lambda: selected(app, "modrá"))
check(selected(app, "modrá") and not selected(app, "zelená"), "Right selects modrá")
key("Tab", "Left", then=lambda: selected(app, "0,5 červená") and selected(app, "červená"))
check(selected(app, "0,5 červená") and not selected(app, "1 zelená"), "Left selects 0,5 červená")
check(selected(app, "červená") and not selected(app, "modrá"), "its handler selects the red colour button")
key("Tab", "Tab", "Tab", "Right", then=lambda: slow_down(app) == 2)
check(slow_down(app) == 2, "Right on the scroll bar makes it 2 (it is %r)" % slow_down(app))

print("%d passed, %d failed" % (1 if not failures else 0, 1 if failures else 0))
sys.exit(1 if failures else 0)

#!/usr/bin/python3
"""Drives the running program as a screen reader does, over the accessibility bus (AT-SPI).
The program is started with a table to open: the script window must show that table's text.
Then the check finds every control of the main window with its role and name, types an id,
presses MAKE SCRIPT!!! through the button's action, finds the script window's control and
reads the script it shows.

    usage: atspi_check.py PROGRAM

Run it inside a session bus (dbus-run-session) on a display. Gives up after 30 s at most;
exit status 0 when everything was found as expected.
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

# Role and name of every control, under the control that holds it, as a screen reader
# announces them. The piece lists' own parts (their entries and text field) are not listed.
MAIN_WINDOW = {
    ("filler", "Admin Harnwright"): {
        ("panel", "Mods of Armor"): [
            ("text", "Item definition id"), ("text", "Defname"), ("text", "Display name"),
            ("text", "Weight"), ("text", "Armour value"), ("text", "Description"),
            ("text", "Colour"), ("text", "Lowest hit points"), ("text", "Highest hit points")],
        ("panel", "Piece of Armour"): [
            ("combo box", "Platemail piece"), ("combo box", "Ringmail piece"),
            ("combo box", "Chainmail piece"), ("combo box", "Leather piece"),
            ("combo box", "Hard Leather piece")],
        ("panel", "Types Of Armour"): [
            ("radio button", "Platemail"), ("radio button", "Ringmail"),
            ("radio button", "Chainmail"), ("radio button", "Leather"),
            ("radio button", "Hard Leather")],
        ("panel", "Req Stats"): [
            ("text", "Strength requirement"), ("text", "Dexterity requirement"),
            ("text", "Intelligence requirement")],
        ("push button", "Make script"): [], ("push button", "Make a whole set"): [],
        ("push button", "Exit"): [], ("push button", "Reset"): [],
    }
}
SCRIPT_WINDOW = {("filler", "Form2"): {("text", "Item definition script"): []}}

# The accessibility interface reports each line end as one line feed.
SCRIPT = (
    "// Designed By: Admin Pimlet :)\n[ITEMDEF helm_of_dawn]\nDEFNAME=Defname\nNAME=Name\n"
    "TYPE=T_ARMOR\nWEIGHT=Weight\nARMOR=Armour\nREQSTR=StrReq\nREQDEX=DexReq\nREQINT=IntReq\n"
    "CATEGORY=Pimlet's Creations\nSUBSECTION=Name\nDESCRIPTION=Description\n\nON=@Create\n"
    "COLOR=Color\n{Hp Out of HP}\n")

# The table the program is started with, and the text it adds to the script.
TABLE = 'Material,Piece,Itemdef,Name\r\nChainmail,Coif,coif_of_dusk,"Dusk, the Coif"\r\n'
TABLE_SCRIPT = (
    "// Designed By: Admin Pimlet :)\n[ITEMDEF coif_of_dusk]\nDEFNAME=Defname\n"
    "NAME=Dusk, the Coif\nID=i_chainmail_coif\nTYPE=T_ARMOR\nWEIGHT=Weight\nARMOR=Armour\n"
    "REQSTR=StrReq\nREQDEX=DexReq\nREQINT=IntReq\nCATEGORY=Pimlet's Creations\n"
    "SUBSECTION=Dusk, the Coif\nDESCRIPTION=Description\n\nON=@Create\nCOLOR=Color\n"
    "{Hp Out of HP}\n")

DEADLINE = time.monotonic() + 30

# Newer releases of the accessibility stack (those of Debian 13) call a push button "button".
SAME_ROLE = {"button": "push button"}


def wait_for(what, probe):
    """Calls probe until it returns something, or fails once the deadline has passed."""
    while True:
        found = probe()
        if found:
            return found
        if time.monotonic() > DEADLINE:
            sys.exit(f"FAIL: gave up waiting for {what}")
        time.sleep(0.1)


def role(node):
    """The role's name as the table above spells it."""
    name = node.getRoleName()
    return SAME_ROLE.get(name, name)


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def controls(node):
    """The tree below node as {(role, name): {...}} down to the controls; a combo box's parts
    are left out, and so are unnamed parts such as scroll bars."""
    tree = {}
    for child in children(node):
        if child.name:
            below = {} if role(child) == "combo box" else controls(child)
            tree[(role(child), child.name)] = below
    return tree


def expected(table):
    return {key: expected(value) if isinstance(value, dict) else {leaf: {} for leaf in value}
            for key, value in table.items()}


def find(node, wanted, name):
    if role(node) == wanted and node.name == name:
        return node
    for child in children(node):
        found = find(child, wanted, name)
        if found:
            return found
    return None


def check_windows(app, table, what):
    want = expected(table)
    window = next(iter(want))
    node = wait_for(what, lambda: next(
        (w for w in children(app) if (role(w), w.name) == window), None))
    got = {window: controls(node)}
    if got != want:
        sys.exit(f"FAIL: {what}: found\n  {got}\nexpected\n  {want}")
    count = len(want[window]) + sum(len(below) for below in want[window].values())
    print(f"atspi: {what}: all {count} of its controls found with their roles and names")


def main():
    program = sys.argv[1]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    folder = tempfile.TemporaryDirectory()
    table = os.path.join(folder.name, "coif.csv")
    with open(table, "w", encoding="utf-8", newline="") as file:
        file.write(TABLE)
    process = subprocess.Popen([program, table], env=env)
    try:
        def application():
            desktop = pyatspi.Registry.getDesktop(0)
            return next((a for a in children(desktop) if a and a.name == "armoursmith"
                         and a.get_process_id() == process.pid and a.childCount), None)
        app = wait_for("the program on the accessibility bus", application)
        check_windows(app, MAIN_WINDOW, "main window")
        check_windows(app, SCRIPT_WINDOW, "script window")
        script = find(app, "text", "Item definition script").queryText()
        text = wait_for("the opened table's text", lambda: script.getText(0, -1))
        if text != TABLE_SCRIPT:
            sys.exit(f"FAIL: the script window shows\n{text!r}\nexpected\n{TABLE_SCRIPT!r}")
        print("atspi: the table named on the command line is in the script window")

        box = find(app, "text", "Item definition id")
        box.queryEditableText().setTextContents("helm_of_dawn")
        make_script = find(app, "push button", "Make script").queryAction()
        # The presses find the script window shown and ask to raise it, which a Wayland
        # compositor does not grant. A press is animated: the next waits for its script.
        for presses in (1, 2):
            make_script.doAction(0)
            wait_for(f"script {presses}",
                     lambda: len(script.getText(0, -1)) >= len(TABLE_SCRIPT + presses * SCRIPT))
        text = script.getText(0, -1)
        if text != TABLE_SCRIPT + 2 * SCRIPT:
            sys.exit(f"FAIL: the script window shows\n{text!r}\nexpected the table's text and "
                     f"twice\n{SCRIPT!r}")
        print("atspi: typed an id, pressed MAKE SCRIPT!!! twice and read the script it wrote")
    finally:
        process.terminate()
        process.wait(5)
    if process.returncode not in (0, -15):
        sys.exit(f"FAIL: the program ended with status {process.returncode}")


if __name__ == "__main__":
    main()

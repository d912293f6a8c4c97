#!/usr/bin/python3
"""Prints what a screen reader finds in a program's windows through AT-SPI:
every object that is showing, as role and name separated by a tab, one a line
in the order of the tree. Waits up to 20 s for the program to register.
With --press NAME it then does the first action of the push button of that
name, as a screen reader's "activate" does; with --focused it prints only the
objects that have the focus, as a screen reader announces them.
Usage: accessible_tree.py PROGRAM_NAME [--press NAME | --focused]"""
import sys
import time

import pyatspi


def find_application(name):
    for _ in range(200):
        desktop = pyatspi.Registry.getDesktop(0)
        for application in desktop:
            if application is not None and application.name == name and application.childCount:
                return application
        time.sleep(0.1)
    sys.exit(f"{name} did not register with the accessibility bus")


def walk(node, press, focused_only):
    for child in node:
        if child is None or not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        if not focused_only or child.getState().contains(pyatspi.STATE_FOCUSED):
            print(f"{child.getRoleName()}\t{child.name}")
        if child.name == press and child.getRoleName() == "push button":
            child.queryAction().doAction(0)
        walk(child, press, focused_only)


walk(find_application(sys.argv[1]), sys.argv[3] if len(sys.argv) > 3 else None,
     "--focused" in sys.argv)

#!/usr/bin/python3
"""Prints what a screen reader finds in a program's windows through AT-SPI:
every object that is showing, as role and name separated by a tab, one a line
in the order of the tree. Waits up to 20 s for the program to register.
With --press NAME it then does the first action of the push button of that
name, as a screen reader's "activate" does.
Usage: accessible_tree.py PROGRAM_NAME [--press NAME]"""
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


def walk(node, press):
    for child in node:
        if child is None or not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        print(f"{child.getRoleName()}\t{child.name}")
        if child.name == press and child.getRoleName() == "push button":
            child.queryAction().doAction(0)
        walk(child, press)


walk(find_application(sys.argv[1]), sys.argv[3] if len(sys.argv) > 3 else None)

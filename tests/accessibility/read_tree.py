#!/usr/bin/python3
"""Prints what a screen reader finds in a program: its windows' accessibility tree through AT-SPI,
one line per shown node (role | name | description). Starts the program, reads, ends it.
Run inside with_accessibility_bus.sh; needs Debian's python3-pyatspi.
Usage: read_tree.py PROGRAM [ARGUMENTS...]"""
import os
import subprocess
import sys
import time

import pyatspi


def find_application(name, seconds):
    end = time.time() + seconds
    while time.time() < end:
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == name:
                return application
        time.sleep(0.2)
    return None


def print_tree(node, depth):
    if depth > 1 and not node.getState().contains(pyatspi.STATE_SHOWING):
        return
    print("%s%s | %s | %s" % ("  " * depth, node.getRoleName(), node.name, node.description))
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            print_tree(child, depth + 1)


def main():
    program = subprocess.Popen(sys.argv[1:])
    try:
        application = find_application(os.path.basename(sys.argv[1]), 20)
        if application is None:
            print("the program did not appear on the accessibility bus", file=sys.stderr)
            return 1
        time.sleep(1)  # its window is shown and activated
        print_tree(application, 0)
        return 0
    finally:
        program.terminate()
        program.wait()


if __name__ == "__main__":
    sys.exit(main())

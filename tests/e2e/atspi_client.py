#!/usr/bin/python3
"""What a screen reader sees of one program, through the accessibility bus
(AT-SPI), run by Debian's Python where the bindings live:

    atspi_client.py PID list            every object: role, name, states (JSON lines)
    atspi_client.py PID press NAME      the Press action of the button or menu entry named NAME

Exit status 77: the bindings (gir1.2-atspi-2.0) are missing; 3: the program
is not on the bus; 4: no such button."""

import json
import sys

try:
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi
except (ImportError, ValueError) as e:
    print(f"no AT-SPI bindings: {e}")
    sys.exit(77)


def application(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def walk(node, depth=0):
    if node is None or depth > 60:
        return
    yield node
    for i in range(node.get_child_count()):
        yield from walk(node.get_child_at_index(i), depth + 1)


def states(node):
    s = node.get_state_set()
    return [name for name, st in (("showing", Atspi.StateType.SHOWING),
                                  ("enabled", Atspi.StateType.ENABLED),
                                  ("focusable", Atspi.StateType.FOCUSABLE)) if s.contains(st)]


def main():
    pid, command = int(sys.argv[1]), sys.argv[2]
    app = application(pid)
    if app is None:
        print(f"process {pid} is not on the accessibility bus")
        return 3
    if command == "list":
        for node in walk(app):
            print(json.dumps({"role": node.get_role_name(), "name": node.get_name() or "",
                              "states": states(node)}))
        return 0
    if command == "press":
        wanted = sys.argv[3]
        for node in walk(app):
            if node.get_role() in (Atspi.Role.PUSH_BUTTON, Atspi.Role.MENU_ITEM) and node.get_name() == wanted:
                action = node.get_action_iface()
                for i in range(action.get_n_actions()):
                    if action.get_action_name(i).lower() in ("press", "click"):
                        action.do_action(i)
                        return 0
        print(f'no button "{wanted}" with a press action')
        return 4
    return 2


if __name__ == "__main__":
    sys.exit(main())

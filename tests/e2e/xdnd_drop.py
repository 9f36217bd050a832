#!/usr/bin/python3
"""Drops files on an X window as a file manager does, by the XDnD protocol
(version 5): xdnd_drop.py WINDOW X Y PATH... (X, Y on the screen), on $DISPLAY.
Exits 0 once the target has said it finished with the drop, 1 when it refused
it or did not answer. Run by the system's python3, which has python3-xlib."""
import sys
import time
import urllib.parse

from Xlib import X, display, protocol

TIMEOUT = 10


def main(window_id, x, y, *paths):
    screen = display.Display()
    atom = lambda name: screen.intern_atom(name)
    target = screen.create_resource_object("window", int(window_id))
    source = screen.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
    uri_list, selection = atom("text/uri-list"), atom("XdndSelection")
    data = "".join("file://%s\r\n" % urllib.parse.quote(path) for path in paths).encode()
    source.set_selection_owner(selection, X.CurrentTime)

    def send(name, values):
        target.send_event(protocol.event.ClientMessage(window=target, client_type=atom(name),
                                                       data=(32, (values + [0] * 5)[:5])))
        screen.flush()

    def wait_for(name):
        deadline = time.monotonic() + TIMEOUT
        while time.monotonic() < deadline:
            while screen.pending_events():
                event = screen.next_event()
                if event.type == X.SelectionRequest:
                    answer(event)
                elif event.type == X.ClientMessage and event.client_type == atom(name):
                    return event.data[1][1]
            time.sleep(0.01)
        sys.exit("no %s from the target" % name)

    def answer(request):  # the one type offered
        request.requestor.change_property(request.property, uri_list, 8, data)
        reply = protocol.event.SelectionNotify(time=request.time, requestor=request.requestor,
                                               selection=request.selection, target=request.target,
                                               property=request.property)
        request.requestor.send_event(reply)
        screen.flush()

    send("XdndEnter", [source.id, 5 << 24, uri_list])
    send("XdndPosition", [source.id, 0, int(x) << 16 | int(y), X.CurrentTime, atom("XdndActionCopy")])
    if not wait_for("XdndStatus") & 1:
        sys.exit("the target refused the drop")
    send("XdndDrop", [source.id, 0, X.CurrentTime])
    wait_for("XdndFinished")


if __name__ == "__main__":
    main(*sys.argv[1:])

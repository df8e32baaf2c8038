#!/usr/bin/python3
"""An FTP server on 127.0.0.1 for the update tests and figures.

Serves ROOT to one account on a free port, prints the port once it listens, and then one line
per event of its sessions: "connect", "login", "sent PATH", "incomplete PATH", "logout" (the
client's QUIT) and "disconnect", PATH relative to ROOT. Options make it misbehave as servers
do: never greet, stall the download of one file, hold back the reply that ends it, or drop the
session in its middle, and close idle sessions.
"""

import argparse
import logging
import os
import socket
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer

# How long --hold-reply holds back the reply, far longer than any client time-out of the tests.
HOLD_SECONDS = 10


def event(line):
    print(line, flush=True)


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--silent", action="store_true",
                        help="accept connections and never greet")
    misbehaviour = parser.add_mutually_exclusive_group()
    misbehaviour.add_argument("--stall", metavar="NAME",
                              help="send the first half of file NAME, then nothing")
    misbehaviour.add_argument("--hold-reply", metavar="NAME",
                              help="send file NAME, then hold back the reply that ends it")
    misbehaviour.add_argument("--drop", metavar="NAME",
                              help="send the first half of file NAME, then drop the session")
    parser.add_argument("--idle-timeout", type=float, metavar="SECONDS",
                        help="close a session that has been idle this long")
    return parser.parse_args()


def serve_silently():
    listener = socket.create_server(("127.0.0.1", 0))
    event(listener.getsockname()[1])
    sessions = []
    while True:
        session, _ = listener.accept()
        sessions.append(session)
        event("connect")


def handler_class(options):
    root = os.path.realpath(options.root)
    for name, mode in ((options.stall, "stall"), (options.hold_reply, "hold"),
                       (options.drop, "drop")):
        if name:
            misbehaving_name, misbehaviour = name, mode
            break
    else:
        misbehaving_name, misbehaviour = None, None

    class Transfer(DTPHandler):
        def close_when_done(self):
            if self.cmd_channel.misbehaviour != "stall":
                super().close_when_done()

        def close(self):
            mode = self.cmd_channel.misbehaviour
            reply = self._resp
            if mode in ("hold", "drop"):
                self._resp = ()
            super().close()
            if mode == "hold" and reply:
                self.cmd_channel.ioloop.call_later(HOLD_SECONDS, self.cmd_channel.respond,
                                                   reply[0])
            if mode == "drop":
                self.cmd_channel.close()

    class Handler(FTPHandler):
        dtp_handler = Transfer
        auth_failed_timeout = 0
        misbehaviour = None

        def on_connect(self):
            event("connect")

        def on_disconnect(self):
            event("disconnect")

        def on_login(self, username):
            event("login")

        def on_logout(self, username):
            event("logout")

        def on_file_sent(self, file):
            event("sent " + os.path.relpath(file, root))

        def on_incomplete_file_sent(self, file):
            event("incomplete " + os.path.relpath(file, root))

        def ftp_RETR(self, file):
            self.misbehaviour = (misbehaviour if os.path.basename(file) == misbehaving_name
                                 else None)
            if self.misbehaviour in ("stall", "drop"):
                with open(file, "rb") as source:
                    content = source.read()
                self.push_dtp_data(content[:len(content) // 2], cmd="RETR")
                return file
            return super().ftp_RETR(file)

    if options.idle_timeout is not None:
        Handler.timeout = options.idle_timeout
    return Handler


def main():
    options = parse_arguments()
    logging.basicConfig(level=logging.CRITICAL)
    if options.silent:
        serve_silently()
    authorizer = DummyAuthorizer()
    authorizer.add_user(options.user, options.password, options.root, perm="elr")
    handler = handler_class(options)
    handler.authorizer = authorizer
    server = FTPServer(("127.0.0.1", 0), handler)
    event(server.address[1])
    # Polling now and then runs the timers (idle time-outs, held replies) on time.
    server.serve_forever(timeout=0.1)


if __name__ == "__main__":
    sys.exit(main())

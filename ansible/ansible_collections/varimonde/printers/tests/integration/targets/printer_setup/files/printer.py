# -*- coding: utf-8 -*-
# A network printer on a free loopback port, for as long as the target runs:
# it writes its port to PORT_FILE once it listens, and every byte it takes to
# RECEIVED, one connection at a time, as a printer takes them. It ends when
# PORT_FILE is removed, or after SECONDS at most.
#   printer.py PORT_FILE RECEIVED SECONDS

from __future__ import absolute_import, division, print_function
__metaclass__ = type

import os
import socket
import sys
import time


def main():
    port_file, received, seconds = sys.argv[1], sys.argv[2], float(sys.argv[3])
    server = socket.create_server(('127.0.0.1', 0))
    server.settimeout(0.2)
    with open(port_file + '.tmp', 'w') as out:
        out.write(str(server.getsockname()[1]))
    # Whole when it is read.
    os.rename(port_file + '.tmp', port_file)
    end = time.monotonic() + seconds
    with open(received, 'ab') as out:
        while time.monotonic() < end and os.path.exists(port_file):
            try:
                connection = server.accept()[0]
            except socket.timeout:
                continue
            with connection:
                connection.settimeout(None)
                while True:
                    chunk = connection.recv(65536)
                    if not chunk:
                        break
                    out.write(chunk)
                    out.flush()


if __name__ == '__main__':
    main()

#!/usr/bin/env python3
"""A printer's SNMP objects for snmpd's pass_persist, read from a state file
the test rewrites while the agent runs: one object a line, "OID TYPE VALUE".
Argument 1 is the state file, argument 2 the subtree this process serves."""
import sys

state, root = sys.argv[1], sys.argv[2]


def key(oid):
    return tuple(int(part) for part in oid.strip().strip('.').split('.') if part)


top = key(root)


def objects():
    rows = {}
    try:
        with open(state, encoding='utf-8') as lines:
            for line in lines:
                parts = line.rstrip('\n').split(' ', 2)
                if len(parts) == 3 and key(parts[0])[:len(top)] == top:
                    rows[key(parts[0])] = (parts[1], parts[2])
    except OSError:
        pass
    return rows


for command in sys.stdin:
    command = command.strip()
    if command == 'PING':
        print('PONG')
    elif command in ('get', 'getnext'):
        asked = key(sys.stdin.readline())
        rows = objects()
        if command == 'get':
            found = asked if asked in rows else None
        else:
            found = min((row for row in rows if row > asked), default=None)
        if found is None:
            print('NONE')
        else:
            print('.' + '.'.join(map(str, found)))
            print(rows[found][0])
            print(rows[found][1])
    elif command == 'set':
        sys.stdin.readline()
        sys.stdin.readline()
        print('not-writable')
    sys.stdout.flush()

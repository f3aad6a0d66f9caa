# -*- coding: utf-8 -*-
# printer_setup's command line, and what it says in check mode when a file
# an earlier task would copy is not there yet.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

import pytest

from ansible_collections.varimonde.printers.plugins.modules.printer_setup import (
    command, missing, printer, shown, would_send)


def params(**given):
    every = dict(targets=None, targets_file=None, actions=[], stall_limit=None, busy_limit=None,
                 connect_timeout=None, jobs=None, ignore_status=False, community=None,
                 snmp_port=None, snmp_user=None, snmp_auth=None, snmp_priv=None)
    every.update(given)
    return every


def test_every_option_in_the_programs_order():
    line, secrets = command(params(
        targets=['COM1', 'tcp://h'], targets_file='/etc/p.txt',
        actions=[dict(calibrate='gap', print_type='TT', ribbon='PREMIUM RESIN', id=None),
                 dict(store_graphic='/l.png', id='LOGO', convert=True, dither=True, width=400,
                      pcx=False, invert=False),
                 dict(list=True, pcx=None)],
        stall_limit=30, busy_limit=300, connect_timeout=2, jobs=4, ignore_status=True,
        community='labels', snmp_port=1161), 'prog')
    assert line == ['prog', '--to', 'COM1', '--to', 'tcp://h', '--targets', '/etc/p.txt',
                    '--calibrate', 'gap', '--print-type', 'TT', '--ribbon', 'PREMIUM RESIN',
                    '--store-graphic', '/l.png', '--id', 'LOGO', '--convert', '--dither',
                    '--width', '400', '--list',
                    '--stall-limit', '30', '--busy-limit', '300', '--connect-timeout', '2',
                    '--jobs', '4', '--ignore-status', '--snmp-port', '1161', '--snmp-secrets', '-']
    assert secrets == 'community=labels\n'
    assert 'labels' not in line


def test_check_mode_says_what_a_real_run_would_send(tmp_path):
    here = tmp_path / 'printers.txt'
    here.write_text('tcp://h\n')
    gone = str(tmp_path / 'cache' / 'fw-2.3.bin')
    given = params(targets_file=str(here), actions=[dict(firmware=gone), dict(test_label=1)])
    assert missing(given) == [gone]
    assert would_send(given, [gone]) == (
        'Check mode: %s not on this host yet (an earlier task puts it there in a real run), so '
        'nothing was checked; a real run sends firmware: %s, test_label: 1 to the printers of %s.'
        % (gone, gone, here))
    assert missing(params(targets=['tcp://h'], actions=[dict(send=str(here))])) == []


def test_the_report_and_the_dry_run_as_the_task_shows_them():
    entry = dict(target='tcp://h', outcome='failed', bytesSent=10, bytesTotal=20, seconds=0.5,
                 failure='refused', actions=['--list'])
    assert printer(entry) == dict(target='tcp://h', result='failed', bytes_sent=10, bytes_total=20,
                                  seconds=0.5, reason='refused', actions=['--list'])
    sends = [dict(action='--calibrate gap', text='! 0 0\r\nEND'),
             dict(action='--firmware /fw.bin', bytes=3, sha256='ab')]
    assert shown(sends) == '# --calibrate gap\n! 0 0\r\nEND\n# --firmware /fw.bin: 3 bytes, SHA-256 ab\n'

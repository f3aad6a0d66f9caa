# -*- coding: utf-8 -*-
# The shared part: the SNMP options as words and secrets, the report read as
# facts, and the program's messages in the words of the module's options.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

import pytest

from ansible_collections.varimonde.printers.plugins.module_utils.setup_program import (
    facts, finding_words, in_module_words, snmp_words)


@pytest.mark.parametrize('params, words, secrets', [
    (dict(), [], None),
    (dict(snmp_port=1161, community='labels'), ['--snmp-port', '1161', '--snmp-secrets', '-'],
     'community=labels\n'),
    (dict(snmp_user='ops', snmp_auth='a b c d e', snmp_priv='#priv=x'),
     ['--snmp-user', 'ops', '--snmp-secrets', '-'], 'auth=a b c d e\npriv=#priv=x\n'),
    (dict(community=None, snmp_port=None, snmp_user=''), [], None),
])
def test_secrets_go_to_standard_input_only(params, words, secrets):
    assert snmp_words(params) == (words, secrets)


@pytest.mark.parametrize('name', ['community', 'snmp_auth', 'snmp_priv'])
@pytest.mark.parametrize('value', ['labels\npriv=other', 'labels\r'])
def test_a_line_break_in_a_secret_is_refused(name, value):
    with pytest.raises(ValueError, match='^%s holds a line break$' % name):
        snmp_words({name: value, 'snmp_user': 'ops'})


@pytest.mark.parametrize('params, words', [
    (dict(ranges=['10.0.4.0/24', '10.0.5.7'], scan_ports=[6101], dns_sd=True),
     ['--discover', '--range', '10.0.4.0/24', '--range', '10.0.5.7', '--scan-port', '6101',
      '--dns-sd']),
    (dict(dns_sd=True), ['--discover', '--dns-sd']),
    (dict(targets=['tcp://a', 'tcp://b:6101'], targets_file='/etc/p.txt', community='c'),
     ['--status', '--to', 'tcp://a', '--to', 'tcp://b:6101', '--targets', '/etc/p.txt',
      '--snmp-secrets', '-']),
])
def test_finding_or_asking(params, words):
    assert finding_words(params)[0] == words


def test_the_report_becomes_facts():
    report = {'program': 'varimonde-setup', 'notes': [], 'printers': [
        {'target': 'tcp://10.0.4.21:9100', 'address': '10.0.4.21', 'port': 9100, 'name': 'n',
         'makeModel': 'Varimonde LX-4', 'serial': 'SN1', 'snmp': True, 'status': 'no paper',
         'conditions': ['no paper'], 'error': True, 'foundBy': ['sweep', 'snmp'],
         'later': 'a field the program added'}]}
    assert facts(report) == [{
        'target': 'tcp://10.0.4.21:9100', 'address': '10.0.4.21', 'port': 9100, 'name': 'n',
        'make_model': 'Varimonde LX-4', 'serial': 'SN1', 'snmp': True, 'status': 'no paper',
        'conditions': ['no paper'], 'error': True, 'found_by': ['sweep', 'snmp']}]


OPTIONS = {'targets', 'targets_file', 'busy_limit', 'stall_limit', 'threshold', 'community'}


@pytest.mark.parametrize('said, meant', [
    ('tcp://h:9100 took no data for 60 s though it still answers: check paper. 0 bytes delivered;'
     ' the wait for progress is set on the Communication Settings tab (Give up after) or with '
     '--busy-limit.',
     'tcp://h:9100 took no data for 60 s though it still answers: check paper. 0 bytes delivered;'
     ' the wait for progress is set with busy_limit.'),
    ('--threshold takes a grey from 1 to 255, not "300"',
     'threshold takes a grey from 1 to 255, not "300"'),
    ('no printer to send to: give --to or --targets\n'
     "Try 'varimonde-setup --help' for more information.",
     'no printer to send to: give targets or targets_file'),
    ('--snmp-secrets: line 1 is not community=, auth= or priv=',
     'community: line 1 is not community=, auth= or priv='),
    # an option the module does not have stays the program's
    ('--jobs takes a whole number', '--jobs takes a whole number'),
])
def test_messages_speak_of_module_options(said, meant):
    assert in_module_words(said, OPTIONS) == meant

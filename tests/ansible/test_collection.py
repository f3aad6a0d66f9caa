"""The collection's modules driven by ansible-playbook on this machine.
printer_setup: loopback network printers and a pseudo-terminal get the bytes
the command line sends for the same options; check mode sends nothing and
shows the diff; a refused printer fails its host, which the next play leaves
out; a bad combination fails before anything is sent. printer_facts: the
status and the printers found, read from real SNMP agents on loopback. The
README's inventory file, read from the README as written, runs against
loopback printers and agents; ansible-lint finds nothing in it, the README's
roll-out (run by rollout-readme.sh) nor the modules' examples.

    test_collection.py PROGRAM COLLECTIONS
"""

import hashlib
import json
import os
import pty
import re
import select
import shutil
import socket
import struct
import subprocess
import sys
import tempfile
import threading
import time
import tty
import unittest

import yaml

PROGRAM, COLLECTIONS = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
HERE = os.path.dirname(os.path.abspath(__file__))
README = os.path.join(HERE, '..', '..', 'README.md')
MODULES = os.path.join(COLLECTIONS, 'ansible_collections', 'varimonde', 'printers', 'plugins',
                       'modules')


class Indented(yaml.SafeDumper):
    """YAML with the items of a list indented under their key, as yamllint expects."""

    def increase_indent(self, flow=False, indentless=False):
        return super().increase_indent(flow, False)


def readme_block(marker):
    """The first YAML block after `marker` in the README's Ansible section, as it is written."""
    with open(README) as readme:
        section = readme.read().split('## Many sites with Ansible\n', 1)[1].split('\n## ', 1)[0]
    return section.split(marker, 1)[1].split('```yaml\n', 1)[1].split('```', 1)[0]


def settle(active, seconds=10.0):
    """Waits until `active()` is false for a moment: the printer has all it will get."""
    deadline = time.monotonic() + seconds
    quiet_since = None
    while time.monotonic() < deadline:
        if active():
            quiet_since = None
        elif quiet_since is None:
            quiet_since = time.monotonic()
        elif time.monotonic() - quiet_since > 0.3:
            return
        time.sleep(0.05)
    raise AssertionError('the printer kept receiving')


class NetworkPrinter:
    """A printer on a free loopback port that writes what it receives to a file;
    like a printer, it takes one connection at a time, to its end."""

    def __init__(self, folder, address='127.0.0.1'):
        self.server = socket.create_server((address, 0))
        self.target = 'tcp://%s:%d' % (address, self.server.getsockname()[1])
        self.path = tempfile.mkstemp(dir=folder, suffix='.received')[1]
        self.connections = 0
        self.open = 0
        threading.Thread(target=self.accept, daemon=True).start()

    def accept(self):
        while True:
            try:
                connection, _ = self.server.accept()
            except OSError:
                return
            self.connections += 1
            self.open = 1
            with connection, open(self.path, 'ab') as out:
                while True:
                    chunk = connection.recv(65536)
                    if not chunk:
                        break
                    out.write(chunk)
            self.open = 0

    def received(self):
        settle(lambda: self.open > 0)
        with open(self.path, 'rb') as stream:
            return stream.read()

    def close(self):
        # Stops listening at once: closed alone, it would go on while accept() waits on it.
        try:
            self.server.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass
        self.server.close()


class SerialPrinter:
    """A pseudo-terminal: the program opens the slave path, the test reads the master."""

    def __init__(self):
        self.master, self.slave = pty.openpty()
        tty.setraw(self.slave)
        self.target = os.ttyname(self.slave)
        self.bytes = b''
        self.last = 0.0
        self.running = True
        threading.Thread(target=self.read, daemon=True).start()

    def read(self):
        while self.running:
            ready, _, _ = select.select([self.master], [], [], 0.05)
            if ready:
                self.bytes += os.read(self.master, 65536)
                self.last = time.monotonic()

    def received(self):
        settle(lambda: time.monotonic() - self.last < 0.3)
        return self.bytes

    def close(self):
        self.running = False
        time.sleep(0.1)
        os.close(self.slave)
        os.close(self.master)


def closed_port():
    """A loopback port nothing listens on: the printer there refuses the connection."""
    with socket.create_server(('127.0.0.1', 0)) as server:
        return 'tcp://127.0.0.1:%d' % server.getsockname()[1]


def one_bit_bmp(width=16, height=2):
    """A 1-bit BMP the printer stores as it is: rows padded to 4 bytes."""
    row = (width + 31) // 32 * 4
    pixels = bytes(range(row * height))
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 1, 0, len(pixels), 2835, 2835, 2, 2)
    palette = b'\x00\x00\x00\x00\xff\xff\xff\x00'
    offset = 14 + len(header) + len(palette)
    return b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset) + header + palette + pixels


class Agent:
    """A real SNMP agent answering as a printer on loopback addresses, on one
    UDP port for all; stopped with the test."""

    def __init__(self, folder, addresses, port, name, bits):
        config = os.path.join(folder, name + '.conf')
        with open(config, 'w') as out:
            out.write('rocommunity tested 127.0.0.0/8\n'
                      'override 1.3.6.1.2.1.1.5.0 octet_str "%s"\n'
                      'override 1.3.6.1.2.1.25.3.2.1.3.1 octet_str "Varimonde LX-4"\n'
                      'override 1.3.6.1.2.1.43.5.1.1.17.1 octet_str "SN-%s"\n'
                      'override 1.3.6.1.2.1.25.3.5.1.1.1 integer 3\n'
                      'override 1.3.6.1.2.1.25.3.5.1.2.1 octet_str %s\n' % (name, name, bits))
        env = dict(os.environ, MIBS='', SNMPCONFPATH=folder,
                   SNMP_PERSISTENT_DIR=os.path.join(folder, name + '.state'))
        endpoints = ','.join('udp:%s:%d' % (address, port) for address in addresses)
        self.process = subprocess.Popen(
            ['/usr/sbin/snmpd', '-f', '-Lo', '-C', '-c', config, '-M', os.path.join(folder, 'none'),
             endpoints], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Ready once the program reads it.
        for _ in range(50):
            if subprocess.run([PROGRAM, '--status', '--to', 'tcp://' + addresses[0], '--snmp-secrets',
                               '-', '--snmp-port', str(port)], input=b'community=tested\n',
                              capture_output=True).returncode != 2:
                return
            time.sleep(0.1)

    def close(self):
        self.process.terminate()
        self.process.wait(5)


def free_udp_port(addresses):
    """A UDP port free on every one of `addresses`."""
    while True:
        with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as probe:
            probe.bind((addresses[0], 0))
            port = probe.getsockname()[1]
        try:
            for address in addresses:
                with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as probe:
                    probe.bind((address, port))
            return port
        except OSError:
            continue


class CollectionTest(unittest.TestCase):

    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.dir = self.folder.name
        self.printers = []
        # Ansible's own files go to the test's folder, not the real home.
        self.env = dict(os.environ, HOME=self.dir, ANSIBLE_COLLECTIONS_PATH=COLLECTIONS,
                        ANSIBLE_LOCAL_TEMP=os.path.join(self.dir, 'tmp'),
                        ANSIBLE_REMOTE_TEMP=os.path.join(self.dir, 'tmp'),
                        ANSIBLE_NOCOLOR='1', ANSIBLE_RETRY_FILES_ENABLED='0',
                        # Each host's last result, as JSON, in a file of its own.
                        ANSIBLE_CALLBACKS_ENABLED='tree',
                        ANSIBLE_CALLBACK_TREE_DIR=os.path.join(self.dir, 'results'))

    def tearDown(self):
        for printer in self.printers:
            printer.close()
        self.folder.cleanup()

    def file(self, name, data):
        path = os.path.join(self.dir, name)
        with open(path, 'wb') as out:
            out.write(data)
        return path

    def network(self, address='127.0.0.1'):
        self.printers.append(NetworkPrinter(self.dir, address))
        return self.printers[-1]

    def serial(self):
        self.printers.append(SerialPrinter())
        return self.printers[-1]

    def inventory(self, hosts):
        local = dict(ansible_connection='local', ansible_python_interpreter='/usr/bin/python3')
        shops = {'hosts': {name: dict(local, **host) for name, host in hosts.items()}}
        return self.file('inventory.json', json.dumps({'all': {'children': {'shops': shops}}}).encode())

    def playbook(self, playbook, hosts, variables, *options):
        """Runs a playbook; `variables` None: only the inventory's."""
        extra = []
        if variables is not None:
            extra = ['-e', '@' + self.file('vars.json', json.dumps(dict(variables, program=PROGRAM)).encode())]
        return subprocess.run(['ansible-playbook', '-i', self.inventory(hosts)] + extra +
                              [os.path.join(HERE, playbook)] + list(options),
                              env=self.env, capture_output=True, text=True, timeout=180, cwd=self.dir)

    def result(self, host):
        """The host's last task result."""
        with open(os.path.join(self.dir, 'results', host)) as stream:
            return json.load(stream)

    def command_line(self, arguments):
        return subprocess.run([PROGRAM] + arguments, capture_output=True, timeout=60)

    def actions(self):
        """Every action but a profile, each with its options, and the same on the command line."""
        fmt = self.file('label.fmt', b'NAME\r\nA 1\rB\n2\r\n')
        bmp = self.file('logo.bmp', one_bit_bmp())
        firmware = self.file('fw.bin', bytes(range(256)) * 5)
        raw = self.file('raw.bin', b'\x1b\x00raw')
        table = [
            ({'calibrate': 'bar', 'print_type': 'TT', 'ribbon': 'PREMIUM RESIN'},
             ['--calibrate', 'bar', '--print-type', 'TT', '--ribbon', 'PREMIUM RESIN']),
            ({'test_label': 2}, ['--test-label', '2']),
            ({'store_graphic': bmp, 'id': 'logo'}, ['--store-graphic', bmp, '--id', 'logo']),
            ({'store_format': fmt, 'id': 'SHIP'}, ['--store-format', fmt, '--id', 'SHIP']),
            ({'print_format': fmt}, ['--print-format', fmt]),
            ({'recall_image': 'LOGO'}, ['--recall-image', 'LOGO']),
            ({'recall_format': 'SHIP', 'quantity': 3}, ['--recall-format', 'SHIP', '--quantity', '3']),
            ({'delete': 'SHIP'}, ['--delete', 'SHIP']),
            ({'list': True}, ['--list']),
            ({'firmware': firmware}, ['--firmware', firmware]),
            ({'send': raw}, ['--send', raw]),
        ]
        return [item for item, _ in table], [word for _, words in table for word in words]

    def test_printers_get_the_command_lines_bytes(self):
        network, serial, direct = self.network(), self.serial(), self.network()
        actions, words = self.actions()
        listed = self.file('printers.txt', ('# the counter\n%s:19200,N,8,1\n' % serial.target).encode())
        ran = self.playbook('setup.yml', {'shop': {'printers': [network.target],
                                                   'printers_file': listed}},
                            {'actions': actions})
        self.assertEqual(ran.returncode, 0, ran.stdout + ran.stderr)
        self.assertEqual(self.command_line(['--to', direct.target] + words).returncode, 0)
        expected = direct.received()
        self.assertGreater(len(expected), 1280)
        self.assertEqual(network.received(), expected)
        self.assertEqual(serial.received(), expected)
        result = self.result('shop')
        self.assertTrue(result['changed'])
        self.assertEqual([(p['target'], p['result'], p['bytes_sent'], p['reason'])
                          for p in result['printers']],
                         [(network.target, 'sent', len(expected), ''),
                          (serial.target + ':19200,N,8,1', 'sent', len(expected), '')])

    def test_check_mode_sends_nothing_and_shows_the_diff(self):
        network, serial = self.network(), self.serial()
        firmware = self.file('fw.bin', b'\x00\xff' * 700)
        actions = [{'calibrate': 'gap', 'print_type': 'DT'}, {'firmware': firmware}]
        ran = self.playbook('setup.yml', {'shop': {'printers': [network.target, serial.target]}},
                            {'actions': actions}, '--check', '--diff')
        self.assertEqual(ran.returncode, 0, ran.stdout + ran.stderr)
        time.sleep(0.5)
        self.assertEqual(network.connections, 0)
        self.assertEqual(serial.bytes, b'')
        calibration = self.command_line(['--calibrate', 'gap', '--print-type', 'DT', '--dry-run'])
        digest = hashlib.sha256(b'\x00\xff' * 700).hexdigest()
        for target in (network.target, serial.target):
            self.assertIn('+++ after: ' + target, ran.stdout)
        # Each block of the dry run on lines of its own: a block starts "! ".
        for line in calibration.stdout.decode().replace('END!', 'END\n!').splitlines():
            self.assertIn('+' + line, ran.stdout)
        self.assertIn('+# --firmware %s: 1400 bytes, SHA-256 %s' % (firmware, digest), ran.stdout)
        self.assertIn('changed: [shop]', ran.stdout)

    def test_a_refused_printer_fails_its_host_and_the_next_play_skips_it(self):
        first, second, third = self.network(), self.network(), self.network()
        refused = closed_port()
        ran = self.playbook('two_plays.yml', {'site1': {'printers': [first.target]},
                                              'site2': {'printers': [second.target, refused]},
                                              'site3': {'printers': [third.target]}}, {})
        self.assertEqual(ran.returncode, 2, ran.stdout + ran.stderr)
        failed = self.result('site2')
        self.assertIn('site2                      : ok=0    changed=0    unreachable=0    failed=1', ran.stdout)
        self.assertTrue(failed['msg'].startswith(refused + ': '), failed['msg'])
        self.assertIn('refused', failed['msg'])
        self.assertEqual([p['result'] for p in failed['printers']], ['sent', 'failed'])
        second_play = ran.stdout.split('PLAY [List the stored objects]')[1].split('PLAY RECAP')[0]
        self.assertEqual(sorted(re.findall(r'changed: \[(\w+)\]', second_play)), ['site1', 'site3'])
        test_label = self.command_line(['--test-label', '1', '--dry-run']).stdout
        listing = self.command_line(['--list', '--dry-run']).stdout
        self.assertEqual(first.received(), test_label + listing)
        self.assertEqual(second.received(), test_label)
        self.assertEqual(third.received(), test_label + listing)

    def test_a_bad_combination_fails_before_anything_is_sent(self):
        network = self.network()
        firmware = self.file('fw.bin', b'firmware')
        table = [
            # Ansible's argument checks
            ({'calibrate': 'gap'}, 'parameters are required together: calibrate, print_type'),
            ({'test_label': 1, 'list': True}, 'parameters are mutually exclusive'),
            ({'test_label': 3}, 'value of test_label must be one of: 1, 2'),
            ({'quantity': 2, 'recall_image': 'A'}, 'missing parameter(s) required by \'quantity\''),
            # the program's
            ({'store_graphic': firmware, 'id': 'A', 'convert': True, 'threshold': 300},
             'threshold takes a grey from 1 to 255, not "300"'),
            ({'calibrate': 'gap', 'print_type': 'DT', 'ribbon': 'WAX'},
             'ribbon is for thermal transfer (print_type TT) only'),
            ({'firmware': os.path.join(self.dir, 'missing.bin')}, 'missing.bin'),
        ]
        for bad, message in table:
            with self.subTest(bad=bad):
                ran = self.playbook('setup.yml', {'shop': {'printers': [network.target]}},
                                    {'actions': [{'firmware': firmware}, bad]})
                self.assertEqual(ran.returncode, 2, ran.stdout + ran.stderr)
                result = self.result('shop')
                self.assertIn(message, result['msg'])
                self.assertFalse(result['changed'])
        self.assertEqual(network.connections, 0)

    def inventory_file(self, ranges, scan_ports, port, **more):
        """The README's printers.varimonde.yml with the test's own ranges and SNMP options."""
        config = yaml.safe_load(readme_block('A file `printers.varimonde.yml`'))
        config.update(ranges=ranges, scan_ports=scan_ports, community='tested', snmp_port=port, **more)
        return self.file('printers.varimonde.yml', yaml.safe_dump(config).encode())

    def inventory_of(self, path, *options):
        self.env['PATH'] = os.path.dirname(PROGRAM) + os.pathsep + self.env['PATH']
        ran = subprocess.run(['ansible-inventory', '-i', path, '--list'] + list(options),
                             env=self.env, capture_output=True, text=True, timeout=60)
        self.assertEqual(ran.returncode, 0, ran.stdout + ran.stderr)
        self.assertNotIn('[WARNING]', ran.stderr)
        listed = json.loads(ran.stdout)
        groups = dict((name, sorted(group.get('hosts', [])))
                      for name, group in listed.items() if name not in ('_meta', 'all'))
        return groups, listed['_meta']['hostvars']

    def test_the_readmes_inventory_file_makes_a_host_of_each_printer(self):
        port = free_udp_port(['127.0.0.2', '127.0.0.3'])
        self.printers += [Agent(self.dir, ['127.0.0.2'], port, 'label1', '0x00'),
                          Agent(self.dir, ['127.0.0.3'], port, 'label2', '0x4000')]
        ready, empty = self.network('127.0.0.2'), self.network('127.0.0.3')
        ports = [int(p.target.rsplit(':', 1)[1]) for p in (ready, empty)]
        groups, hostvars = self.inventory_of(self.inventory_file(['127.0.0.2', '127.0.0.3'], ports, port))
        first, second = '127.0.0.2_%d' % ports[0], '127.0.0.3_%d' % ports[1]
        self.assertEqual(groups, {'varimonde_printers': [first, second], 'status_ready': [first],
                                  'status_no_paper': [second], 'needs_someone': [second],
                                  'model_Varimonde_LX_4': [first, second]})
        self.assertEqual(dict((name, hostvars[second][name]) for name in (
            'ansible_host', 'ansible_connection', 'varimonde_target', 'varimonde_serial',
            'varimonde_status', 'varimonde_error', 'varimonde_found_by')),
            dict(ansible_host='127.0.0.3', ansible_connection='local', varimonde_target=empty.target,
                 varimonde_serial='SN-label2', varimonde_status='no paper', varimonde_error=True,
                 varimonde_found_by=['sweep', 'snmp']))
        self.assertEqual(ready.received() + empty.received(), b'')
        # As the README shows it.
        graph = subprocess.run(['ansible-inventory', '-i', 'printers.varimonde.yml', '--graph'],
                               cwd=self.dir, env=self.env, capture_output=True, text=True, timeout=60)
        self.assertIn('--@varimonde_printers:\n  |  |--%s\n  |  |--%s\n' % (first, second), graph.stdout)

    def test_the_inventory_comes_from_the_cache_until_it_is_flushed(self):
        printer = self.network('127.0.0.2')
        path = self.inventory_file(['127.0.0.2'], [int(printer.target.rsplit(':', 1)[1])],
                                   free_udp_port(['127.0.0.2']), cache=True, cache_plugin='jsonfile',
                                   cache_connection=os.path.join(self.dir, 'cache'))
        host = printer.target[len('tcp://'):].replace(':', '_')
        self.assertEqual(self.inventory_of(path)[0]['varimonde_printers'], [host])
        printer.close()
        self.assertEqual(self.inventory_of(path)[0]['varimonde_printers'], [host])
        shutil.rmtree(os.path.join(self.dir, 'cache'))
        self.assertEqual(self.inventory_of(path)[0].get('varimonde_printers', []), [])

    def test_ansible_lint_finds_nothing_in_the_readme_nor_the_examples(self):
        files = [self.file('rollout.yml', readme_block('A firmware roll-out').encode())]
        for module in sorted(os.listdir(MODULES)):
            if module.endswith('.py'):
                with open(os.path.join(MODULES, module)) as source:
                    examples = source.read().split("EXAMPLES = r'''\n", 1)[1].split("'''", 1)[0]
                play = [{'name': 'The examples of ' + module, 'hosts': 'all', 'gather_facts': False,
                         'tasks': yaml.safe_load(examples)}]
                text = yaml.dump(play, Dumper=Indented, sort_keys=False, width=1000)
                files.append(self.file(module.replace('.py', '.yml'), ('---\n' + text).encode()))
        ran = subprocess.run(['ansible-lint', '--offline', '--nocolor', '-q'] + files, cwd=self.dir,
                             env=dict(self.env, ANSIBLE_COLLECTIONS_PATHS=COLLECTIONS),
                             capture_output=True, text=True, timeout=300)
        self.assertEqual(ran.returncode, 0, ran.stdout + ran.stderr)

    def facts(self, hosts, variables):
        """The ready.yml play: each host's printers as facts, and the assert on them."""
        port = free_udp_port(['127.0.0.2', '127.0.0.3'])
        self.printers += [Agent(self.dir, ['127.0.0.2'], port, 'label1', '0x00'),
                          Agent(self.dir, ['127.0.0.3'], port, 'label2', '0x4000')]
        ran = self.playbook('ready.yml', hosts, dict(variables, snmp_port=port, out=self.dir))
        read = {}
        for host in hosts:
            with open(os.path.join(self.dir, host + '.json')) as facts:
                read[host] = [(p['target'], p['status'], p['snmp'], p['error'], p['name'], p['serial'],
                               p['make_model'], p['found_by']) for p in json.load(facts)]
        return ran, read

    def test_printer_facts_read_the_status_for_the_assert_before_a_send(self):
        ran, read = self.facts({'site1': {'printers': ['tcp://127.0.0.2']},
                                'site2': {'printers': ['tcp://127.0.0.3:6101', 'tcp://127.0.0.4']}}, {})
        self.assertEqual(ran.returncode, 2, ran.stdout + ran.stderr)
        ready = ('ready', True, False, 'label1', 'SN-label1', 'Varimonde LX-4', ['snmp'])
        self.assertEqual(read, {
            'site1': [('tcp://127.0.0.2:9100',) + ready],
            'site2': [('tcp://127.0.0.3:6101', 'no paper', True, True, 'label2', 'SN-label2',
                       'Varimonde LX-4', ['snmp']),
                      ('tcp://127.0.0.4:9100', 'unknown', False, False, '', '', '', [])]})
        self.assertIn('Not ready: tcp://127.0.0.3:6101, tcp://127.0.0.4:9100', ran.stdout)
        self.assertRegex(ran.stdout, r'site1 +: ok=3 +changed=1 +unreachable=0 +failed=0')

    def test_printer_facts_find_the_printers_of_a_range(self):
        printer = self.network('127.0.0.2')
        port = int(printer.target.rsplit(':', 1)[1])
        ran, read = self.facts({'shop': {}}, {'ranges': ['127.0.0.2', '127.0.0.3'], 'scan_ports': [port]})
        self.assertEqual(ran.returncode, 0, ran.stdout + ran.stderr)
        self.assertEqual(read['shop'], [(printer.target, 'ready', True, False, 'label1', 'SN-label1',
                                         'Varimonde LX-4', ['sweep', 'snmp'])])
        self.assertEqual(printer.connections, 1)
        self.assertEqual(printer.received(), b'')


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1], verbosity=2)

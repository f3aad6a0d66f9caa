# -*- coding: utf-8 -*-
# Ansible runs its modules with the interpreter it finds on the host:
# no "#!" line.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
---
module: printer_setup
short_description: Set up Varimonde label printers with varimonde-setup
description:
  - Runs C(varimonde-setup) on the managed host, which sends each printer the same bytes as the
    setup utility's window would, and returns every printer's outcome from its JSON report.
  - The printers are those the managed host reaches itself, so serial, parallel and USB printers
    are set up from the PC they are plugged into.
  - The actions run in the order given, the same on every printer; a printer's run stops at its
    first failure. The program checks every value and file before it sends anything.
  - A printer that failed fails the task with its reason. The task has changed when any printer
    took bytes; in check mode, when any printer would be sent bytes.
version_added: 1.0.0
author:
  - Varimonde Technical Support (@varimonde)
options:
  targets:
    description:
      - Printers to send to, each as the program takes it with C(--to)
        (C(COM1), C(/dev/ttyUSB0:9600,N,8,1), C(LPT1), C(usb:/dev/usb/lp0), C(tcp://HOST[:PORT])).
      - At least one of I(targets) and I(targets_file) is needed.
    type: list
    elements: str
  targets_file:
    description:
      - A file on the managed host with one target a line; blank lines and comments from a C(#)
        are skipped.
    type: path
  actions:
    description:
      - What to send, in order; each item holds exactly one action and the options that go with it.
    type: list
    elements: dict
    required: true
    suboptions:
      profile:
        description: Send the configuration of a profile file (C(.vsp)).
        type: path
      calibrate:
        description: Calibrate media sensing for this index type; needs I(print_type).
        type: str
        choices: [gap, bar]
      print_type:
        description: With I(calibrate), direct thermal or thermal transfer.
        type: str
        choices: [DT, TT]
      ribbon:
        description:
          - With I(calibrate) and C(TT), the ribbon, C(WAX) unless given.
          - C(WAX), C(WAX/RESIN COMBO) or C(PREMIUM RESIN), or their places 0, 1 and 2.
        type: str
      test_label:
        description: Print test label 1 (4X3) or 2 (2.4X1).
        type: int
        choices: [1, 2]
      store_graphic:
        description: Store a 1-bit BMP graphic (a PCX with I(pcx)) under I(id).
        type: path
      pcx:
        description: With I(store_graphic), the file is a PCX.
        type: bool
      convert:
        description: With I(store_graphic), make any picture a 1-bit BMP first.
        type: bool
      dither:
        description: With I(convert), spread the greys by error diffusion.
        type: bool
      threshold:
        description: With I(convert), the grey (1-255, default 128) below which a dot is black.
        type: int
      width:
        description: With I(convert), scale to this many dots across.
        type: int
      invert:
        description: With I(convert), swap black and white.
        type: bool
      store_format:
        description: Store a label format file under I(id).
        type: path
      id:
        description: With I(store_graphic) or I(store_format), the identifier, at most 8 characters.
        type: str
      print_format:
        description: Print a label format file as it is.
        type: path
      recall_image:
        description: Print the stored graphic of this identifier.
        type: str
      recall_format:
        description: Print the stored format of this identifier.
        type: str
      quantity:
        description: With I(recall_format), how many labels (1 unless given).
        type: int
      delete:
        description: Delete the stored graphic or format of this identifier.
        type: str
      list:
        description: Have the printer print the list of its stored objects.
        type: bool
      firmware:
        description: Upload a firmware image.
        type: path
      send:
        description: Send a file's bytes unchanged.
        type: path
  stall_limit:
    description:
      - Seconds a printer may take no data before it has failed (the program's default is 10); a
        network printer, seconds it may leave the program without any answer.
    type: int
  busy_limit:
    description:
      - Seconds a network printer that still answers may take no data before it has failed (the
        program's default is 60), such as one out of paper.
    type: int
  connect_timeout:
    description: Seconds to wait for a network printer to answer (the program's default is 5).
    type: int
  jobs:
    description:
      - At most this many printers at once. By default every network and USB printer at once and
        one transfer per serial or parallel port.
    type: int
  ignore_status:
    description:
      - Send even to a network printer whose SNMP status reports an error (no paper, door open,
        jammed, offline). Before a profile, a stored graphic or format, or a firmware image, the
        status is read with the SNMP options.
    type: bool
    default: false
  report:
    description:
      - Also keep the program's JSON report at this path on the managed host. Not written in check
        mode.
    type: path
attributes:
  action_group:
    description: Use C(group/varimonde.printers.printers) in C(module_defaults) to set its options.
    support: full
    membership: [varimonde.printers.printers]
  check_mode:
    description:
      - Runs the program's dry run, which opens no port and sends nothing.
      - A file the actions or I(targets_file) name that is not on the host yet, such as an image an
        earlier task copies there in a real run, does not fail the task; it says what a real run
        would send instead (C(missing), C(msg)), and has changed.
    support: full
  diff_mode:
    description: Shows what each printer would be sent, text blocks as text and files as their size and SHA-256.
    support: full
notes:
  - The SNMP options and the limits can be set once for both modules of the collection with
    C(module_defaults) and the group C(group/varimonde.printers.printers).
extends_documentation_fragment:
  - varimonde.printers.setup_program
  - varimonde.printers.setup_program.snmp
seealso:
  - module: varimonde.printers.printer_facts
'''

EXAMPLES = r'''
- name: Calibrate and print a test label on the shop's two printers
  varimonde.printers.printer_setup:
    targets:
      - /dev/ttyUSB0:9600,N,8,1
      - tcp://192.0.2.15
    actions:
      - calibrate: gap
        print_type: TT
        ribbon: WAX
      - test_label: 1

- name: Store the logo, then the label format that prints it
  varimonde.printers.printer_setup:
    targets_file: /etc/varimonde/printers.txt
    actions:
      - store_graphic: /srv/labels/logo.png
        id: LOGO
        convert: true
        dither: true
        width: 400
      - store_format: /srv/labels/shipping.fmt
        id: SHIP
      - recall_format: SHIP
        quantity: 2

- name: Upload a firmware image and keep the report
  varimonde.printers.printer_setup:
    targets: "{{ printers }}"
    actions:
      - firmware: /srv/firmware/fw-2.3.bin
    stall_limit: 30
    busy_limit: 300
    community: "{{ vault_printer_community }}"
    report: /var/log/varimonde/firmware.json
  register: upload
'''

RETURN = r'''
printers:
  description: Each printer's outcome, in the order of the targets.
  returned: when the program ran
  type: list
  elements: dict
  contains:
    target:
      description: The target as given.
      type: str
      sample: tcp://192.0.2.15
    result:
      description: C(sent), C(failed) or C(cancelled); C(not sent) in check mode.
      type: str
      sample: sent
    bytes_sent:
      description: Bytes the printer took.
      type: int
      sample: 1048580
    bytes_total:
      description: Bytes the actions make.
      type: int
      sample: 1048580
    seconds:
      description: How long the printer's run took.
      type: float
      sample: 2.5
    reason:
      description: Why the printer failed; empty when it did not.
      type: str
      sample: The printer at 192.0.2.15 port 9100 refused the connection.
    actions:
      description: The printer's actions as the command line writes them.
      type: list
      elements: str
      sample: ["--firmware /srv/firmware/fw-2.3.bin"]
sends:
  description: In check mode, what every printer would be sent, transmission by transmission.
  returned: in check mode
  type: list
  elements: dict
  contains:
    action:
      description: The action the transmission belongs to.
      type: str
    bytes:
      description: The size of the transmission.
      type: int
    text:
      description: A text block as it would be sent.
      type: str
      returned: for a text block
    sha256:
      description: The SHA-256 of a file's bytes.
      type: str
      returned: for a file's bytes
missing:
  description: In check mode, the files not on the host yet; the program did not run.
  returned: in check mode, when a file is missing
  type: list
  elements: str
  sample: [/var/cache/varimonde/fw-2.3.bin]
msg:
  description: Why the task failed; in check mode with files missing, what a real run would send.
  returned: when failed, or in check mode with files missing
  type: str
cmd:
  description: The command that ran.
  returned: always
  type: list
  elements: str
rc:
  description: The program's exit status (0 every printer done, 1 a printer failed, 2 refused arguments).
  returned: always
  type: int
stdout:
  description: The program's summary table.
  returned: always
  type: str
stderr:
  description: The program's notes (each firmware's size and SHA-256) and errors.
  returned: always
  type: str
'''

import os

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.varimonde.printers.plugins.module_utils.setup_program import (
    EXECUTABLE_OPTION, SNMP_OPTIONS, SNMP_REQUIRED_BY, in_module_words, program, read_json, run,
    snmp_words)

# The actions in the command line's order of help; each is --NAME with dashes.
ACTIONS = ['profile', 'calibrate', 'test_label', 'store_graphic', 'print_format', 'store_format',
           'recall_image', 'recall_format', 'delete', 'list', 'firmware', 'send']
# The options that follow an action on the command line, in this order.
MODIFIERS = ['print_type', 'ribbon', 'id', 'pcx', 'convert', 'dither', 'threshold', 'width',
             'invert', 'quantity']
SWITCHES = ['list', 'pcx', 'convert', 'dither', 'invert']
# The actions that read a file on the managed host.
SOURCES = ['profile', 'store_graphic', 'print_format', 'store_format', 'firmware', 'send']

ACTION_OPTIONS = dict(
    profile=dict(type='path'),
    calibrate=dict(type='str', choices=['gap', 'bar']),
    print_type=dict(type='str', choices=['DT', 'TT']),
    ribbon=dict(type='str'),
    test_label=dict(type='int', choices=[1, 2]),
    store_graphic=dict(type='path'),
    pcx=dict(type='bool'),
    convert=dict(type='bool'),
    dither=dict(type='bool'),
    threshold=dict(type='int'),
    width=dict(type='int'),
    invert=dict(type='bool'),
    store_format=dict(type='path'),
    id=dict(type='str'),
    print_format=dict(type='path'),
    recall_image=dict(type='str'),
    recall_format=dict(type='str'),
    quantity=dict(type='int'),
    delete=dict(type='str'),
    list=dict(type='bool'),
    firmware=dict(type='path'),
    send=dict(type='path'),
)


def flag(name):
    return '--' + name.replace('_', '-')


def words(item, names):
    """The command-line words of the options of one action item that are set."""
    line = []
    for name in names:
        value = item.get(name)
        if value is None or value is False:
            continue
        line.append(flag(name))
        if name not in SWITCHES:
            line.append(str(value))
    return line


def command(params, executable):
    """The command line, and the secrets for its standard input."""
    line = [executable]
    for target in params['targets'] or []:
        line += ['--to', target]
    if params['targets_file']:
        line += ['--targets', params['targets_file']]
    for item in params['actions']:
        line += words(item, ACTIONS) + words(item, MODIFIERS)
    for name in ('stall_limit', 'busy_limit', 'connect_timeout', 'jobs'):
        if params[name] is not None:
            line += [flag(name), str(params[name])]
    if params['ignore_status']:
        line.append('--ignore-status')
    snmp, secrets = snmp_words(params)
    return line + snmp, secrets


def missing(params):
    """The files the task names that are not on the host."""
    named = [item[name] for item in params['actions'] for name in SOURCES if item.get(name)]
    if params['targets_file']:
        named.append(params['targets_file'])
    return [path for path in named if not os.path.exists(path)]


def would_send(params, absent):
    """What a real run would do, said in check mode when files are not there to read yet."""
    actions = ', '.join(' '.join('%s: %s' % (name, item[name]) for name in ACTIONS + MODIFIERS
                                 if item.get(name) not in (None, False))
                        for item in params['actions'])
    printers = ', '.join(params['targets'] or [])
    if params['targets_file']:
        printers = ' and '.join(p for p in (printers, 'the printers of ' + params['targets_file']) if p)
    return ('Check mode: %s not on this host yet (an earlier task puts it there in a real run), '
            'so nothing was checked; a real run sends %s to %s.'
            % (', '.join(absent), actions, printers))


def printer(entry):
    return dict(target=entry['target'], result=entry['outcome'], bytes_sent=entry['bytesSent'],
                bytes_total=entry['bytesTotal'], seconds=entry['seconds'],
                reason=entry['failure'], actions=entry['actions'])


def shown(sends):
    """What a printer would be sent, as a diff shows it."""
    lines = []
    for send in sends:
        if 'text' in send:
            text = send['text']
            lines.append('# %s\n%s%s' % (send['action'], text, '' if text.endswith('\n') else '\n'))
        else:
            lines.append('# %s: %d bytes, SHA-256 %s\n' % (send['action'], send['bytes'],
                                                           send['sha256']))
    return ''.join(lines)


def main():
    arguments = dict(
        targets=dict(type='list', elements='str'),
        targets_file=dict(type='path'),
        actions=dict(type='list', elements='dict', required=True, options=ACTION_OPTIONS,
                     mutually_exclusive=[ACTIONS], required_one_of=[ACTIONS],
                     required_together=[['calibrate', 'print_type']],
                     required_by=dict(ribbon='calibrate', store_graphic='id',
                                      store_format='id', pcx='store_graphic',
                                      convert='store_graphic', dither='convert',
                                      threshold='convert', width='convert',
                                      invert='convert', quantity='recall_format')),
        stall_limit=dict(type='int'),
        busy_limit=dict(type='int'),
        connect_timeout=dict(type='int'),
        jobs=dict(type='int'),
        ignore_status=dict(type='bool', default=False),
        report=dict(type='path'),
        executable=EXECUTABLE_OPTION,
    )
    arguments.update(SNMP_OPTIONS)
    module = AnsibleModule(
        argument_spec=arguments,
        required_one_of=[['targets', 'targets_file']],
        required_by=SNMP_REQUIRED_BY,
        supports_check_mode=True,
    )
    options = set(arguments) | set(ACTION_OPTIONS)
    params = module.params
    if module.check_mode:
        absent = missing(params)
        if absent:
            module.exit_json(changed=True, missing=absent, msg=would_send(params, absent), cmd=[],
                             rc=0, stdout='', stderr='', printers=[], sends=[])
    try:
        line, secrets = command(params, program(module))
    except ValueError as error:
        module.fail_json(msg=str(error))
    report = os.path.join(module.tmpdir, 'report.json')
    if module.check_mode:
        line += ['--dry-run', '--output', os.path.join(module.tmpdir, 'dry-run.bin')]
    elif params['report']:
        report = params['report']
    line += ['--report', report]

    result = run(module, line, secrets)
    rc, err = result['rc'], result['stderr']
    if rc == 2:
        module.fail_json(msg=in_module_words(err, options).strip(), **result)
    outcome = read_json(module, report, result, options)
    result['printers'] = [printer(entry) for entry in outcome['printers']]
    for entry in result['printers']:
        entry['reason'] = in_module_words(entry['reason'], options)
    if module.check_mode:
        result['sends'] = outcome['sends']
        after = shown(outcome['sends'])
        result['diff'] = [dict(before='', after=after, before_header=entry['target'],
                               after_header=entry['target']) for entry in outcome['printers']]
    # Check mode says whether a run would change anything: it would, when it sends bytes.
    taken = 'bytes_total' if module.check_mode else 'bytes_sent'
    result['changed'] = any(entry[taken] > 0 for entry in result['printers'])
    failed = ['%s: %s' % (entry['target'], entry['reason'] or entry['result'])
              for entry in result['printers'] if entry['result'] != 'sent' and
              not module.check_mode]
    if rc != 0 or failed:
        module.fail_json(msg='; '.join(failed) or in_module_words(err, options).strip(), **result)
    module.exit_json(**result)


if __name__ == '__main__':
    main()

# -*- coding: utf-8 -*-
# The one way the modules and the inventory plugin find and run the setup
# program, give it the SNMP options and read what it says.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

import json
import os
import re

EXECUTABLE_OPTION = dict(type='str', default='varimonde-setup')

# The SNMP options every module takes alike; the secrets never reach the
# program's command line, where every user of the host could read them.
SNMP_OPTIONS = dict(
    community=dict(type='str', no_log=True),
    snmp_port=dict(type='int'),
    snmp_user=dict(type='str'),
    snmp_auth=dict(type='str', no_log=True),
    snmp_priv=dict(type='str', no_log=True),
)
SNMP_REQUIRED_BY = dict(snmp_auth='snmp_user', snmp_priv='snmp_user')
# Each secret's key in the text the program reads with --snmp-secrets.
SECRETS = (('community', 'community'), ('auth', 'snmp_auth'), ('priv', 'snmp_priv'))


def program(module):
    """The program named by the executable option: a path as given, a bare name from PATH."""
    executable = module.params['executable']
    if os.sep in executable:
        return executable
    return module.get_bin_path(executable, required=True)


def snmp_words(params):
    """The command-line words of the SNMP options, and the secrets as the text the program
    then reads on its standard input (None when there are none). Raises ValueError, naming
    the option, for a secret with a line break, which would make a line of its own."""
    line = []
    if params.get('snmp_port') is not None:
        line += ['--snmp-port', str(params['snmp_port'])]
    if params.get('snmp_user'):
        line += ['--snmp-user', params['snmp_user']]
    secrets = []
    for key, name in SECRETS:
        value = params.get(name)
        if value is None:
            continue
        if '\n' in value or '\r' in value:
            raise ValueError('%s holds a line break' % name)
        secrets.append('%s=%s\n' % (key, value))
    if not secrets:
        return line, None
    return line + ['--snmp-secrets', '-'], ''.join(secrets)


def finding_words(params):
    """The words of --discover (with ranges or dns_sd) or --status (with targets or
    targets_file), the SNMP options' included, and the secrets as snmp_words gives them."""
    finding = bool(params.get('ranges') or params.get('dns_sd'))
    line = ['--discover' if finding else '--status']
    for option, name in (('--range', 'ranges'), ('--scan-port', 'scan_ports'), ('--to', 'targets')):
        for value in params.get(name) or []:
            line += [option, str(value)]
    if params.get('dns_sd'):
        line.append('--dns-sd')
    if params.get('targets_file') is not None:
        line += ['--targets', params['targets_file']]
    snmp, secrets = snmp_words(params)
    return line + snmp, secrets


# The report's names as facts are named.
FIELDS = dict(target='target', address='address', port='port', name='name',
              makeModel='make_model', serial='serial', snmp='snmp', status='status',
              conditions='conditions', error='error', foundBy='found_by', location='location',
              uptimeSeconds='uptime_seconds', console='console', alerts='alerts',
              odometer='odometer', odometerUnit='odometer_unit', media='media', readAt='read_at')


def facts(report):
    """The printers of a --discover or --status report, named as facts are."""
    return [dict((FIELDS[key], value) for key, value in entry.items() if key in FIELDS)
            for entry in report['printers']]


# Options of the program whose module option has another name.
RENAMED = {'to': 'targets', 'targets': 'targets_file', 'range': 'ranges', 'scan-port': 'scan_ports',
           'snmp-auth': 'snmp_auth', 'snmp-priv': 'snmp_priv', 'snmp-secrets': 'community'}
FLAG = re.compile(r'--([a-z][a-z0-9-]*)')
# "set on the Communication Settings tab (Give up after) or with --busy-limit"
WINDOW = re.compile(r'on the [A-Z][\w ]* tab(?: \([^)]*\))? or ')


def in_module_words(text, options):
    """The program's message as a task speaks: module options for its options, no window
    tabs. `options` are the module's option names, suboptions included."""
    def option(match):
        flag = match.group(1)
        name = RENAMED.get(flag, flag.replace('-', '_'))
        return name if name in options else match.group(0)
    text = WINDOW.sub('', text)
    text = FLAG.sub(option, text)
    return '\n'.join(line for line in text.splitlines() if "varimonde-setup --help'" not in line)


def run(module, line, data=None):
    """Runs the program, `data` on its standard input; the task's result so far."""
    rc, out, err = module.run_command(line, data=data, binary_data=data is not None)
    return dict(cmd=line, rc=rc, stdout=out, stderr=err, changed=False)


def read_json(module, path, result, options=()):
    """The JSON the program wrote, or the task fails with what it said instead."""
    try:
        with open(path, 'rb') as stream:
            return json.loads(stream.read().decode('utf-8'))
    except (IOError, OSError, ValueError) as error:
        message = in_module_words(result.get('stderr', ''), options).strip() or str(error)
        module.fail_json(msg=message, **result)

# -*- coding: utf-8 -*-
# Ansible runs its modules with the interpreter it finds on the host:
# no "#!" line.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
---
module: printer_facts
short_description: Find Varimonde network printers and read their status
description:
  - Runs C(varimonde-setup) on the managed host to find network printers (C(--discover)) or to
    read the status of given ones (C(--status)) over SNMP, and returns each printer as facts.
  - With I(ranges) or I(dns_sd) it finds printers; with I(targets) or I(targets_file) it reads
    their status.
  - A printer that reports an error or does not answer does not fail the task; its C(status),
    C(error) and C(snmp) say so, for a play to C(assert) on before it sends.
version_added: 1.0.0
author:
  - Varimonde Technical Support (@varimonde)
options:
  ranges:
    description:
      - Find printers in these CIDR ranges (at most /22) or hosts, by connecting to port 9100 and
        each of I(scan_ports). Nothing is written to any printer.
    type: list
    elements: str
  scan_ports:
    description: With I(ranges), raw ports to try besides 9100.
    type: list
    elements: int
  dns_sd:
    description: Also find printers through DNS-SD (the Avahi daemon).
    type: bool
    default: false
  targets:
    description: Read the status of these network printers (C(tcp://HOST[:PORT])).
    type: list
    elements: str
  targets_file:
    description: Read the status of the printers of this targets file on the managed host.
    type: path
attributes:
  action_group:
    description: Use C(group/varimonde.printers.printers) in C(module_defaults) to set its options.
    support: full
    membership: [varimonde.printers.printers]
  check_mode:
    description: Only reads; runs the same in check mode.
    support: full
  diff_mode:
    description: Changes nothing, shows no diff.
    support: none
  facts:
    description: Returns the printers as C(varimonde_printers).
    support: full
notes:
  - The SNMP options and the limits can be set once for both modules of the collection with
    C(module_defaults) and the group C(group/varimonde.printers.printers).
extends_documentation_fragment:
  - varimonde.printers.setup_program
  - varimonde.printers.setup_program.snmp
seealso:
  - module: varimonde.printers.printer_setup
'''

EXAMPLES = r'''
- name: Read the status of the site's printers
  varimonde.printers.printer_facts:
    targets_file: /etc/varimonde/printers.txt
    community: labels

- name: Every printer is ready before the firmware goes out
  ansible.builtin.assert:
    that: varimonde_printers | rejectattr('status', 'equalto', 'ready') | list | length == 0
    fail_msg: "Not ready: {{ varimonde_printers | rejectattr('status', 'equalto', 'ready') | map(attribute='target') | join(', ') }}"

- name: Find the printers of the shop's network
  varimonde.printers.printer_facts:
    ranges: [10.0.4.0/24]
    dns_sd: true
'''

RETURN = r'''
ansible_facts:
  description: The printers found or asked.
  returned: always
  type: dict
  contains:
    varimonde_printers:
      description: One entry a printer.
      type: list
      elements: dict
      contains:
        target:
          description: The printer as a target, C(tcp://address:port).
          type: str
          sample: tcp://10.0.4.21:9100
        address:
          description: Its address.
          type: str
        port:
          description: Its raw port; 0 when only IPP named it.
          type: int
        name:
          description: Its SNMP name.
          type: str
        make_model:
          description: Its make and model.
          type: str
        serial:
          description: Its serial number.
          type: str
        snmp:
          description: Whether it answered SNMP.
          type: bool
        status:
          description: C(ready), C(printing), C(warming up), C(unknown), or its conditions such as C(no paper, door open).
          type: str
          sample: ready
        conditions:
          description: Its conditions, one a word group.
          type: list
          elements: str
        error:
          description: Whether a condition refuses a send.
          type: bool
        found_by:
          description: How it was found (C(sweep), C(dns-sd), C(snmp)).
          type: list
          elements: str
        location:
          description: Its SNMP location.
          type: str
        uptime_seconds:
          description: How long it has been up; null when it did not say.
          type: int
        console:
          description: The lines of its front panel, top first.
          type: list
          elements: str
        alerts:
          description: Its standing alerts, each with C(index), C(severity) (C(critical), C(warning),
            C(other)), C(group), C(code), C(description) and C(uptimeSeconds) (its uptime when raised).
          type: list
          elements: dict
        odometer:
          description: Its life count; null when it did not say.
          type: int
        odometer_unit:
          description: The odometer's unit (C(impressions), C(feet), C(meters)...).
          type: str
        media:
          description: The media loaded, one name an input.
          type: list
          elements: str
        read_at:
          description: When it answered, in UTC; null when it did not.
          type: str
    varimonde_printer_notes:
      description: What the program noted, such as a printer that did not answer SNMP.
      type: list
      elements: str
cmd:
  description: The command that ran.
  returned: always
  type: list
  elements: str
rc:
  description: The program's exit status (0, 1 when a printer reports an error or does not answer).
  returned: always
  type: int
'''

import os

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.varimonde.printers.plugins.module_utils.setup_program import (
    EXECUTABLE_OPTION, SNMP_OPTIONS, SNMP_REQUIRED_BY, facts, finding_words, in_module_words, program,
    read_json, run)


def main():
    finding, asking = ['ranges', 'scan_ports', 'dns_sd'], ['targets', 'targets_file']
    arguments = dict(
        ranges=dict(type='list', elements='str'),
        scan_ports=dict(type='list', elements='int'),
        dns_sd=dict(type='bool', default=False),
        targets=dict(type='list', elements='str'),
        targets_file=dict(type='path'),
        executable=EXECUTABLE_OPTION,
    )
    arguments.update(SNMP_OPTIONS)
    module = AnsibleModule(
        argument_spec=arguments,
        mutually_exclusive=[(found, asked) for found in finding for asked in asking],
        required_one_of=[['ranges', 'dns_sd', 'targets', 'targets_file']],
        required_by=dict(SNMP_REQUIRED_BY, scan_ports='ranges'),
        supports_check_mode=True,
    )
    try:
        words, secrets = finding_words(module.params)
        line = [program(module)] + words
    except ValueError as error:
        module.fail_json(msg=str(error))
    report = os.path.join(module.tmpdir, 'report.json')
    line += ['--report', report]
    result = run(module, line, secrets)
    if result['rc'] not in (0, 1):
        module.fail_json(msg=in_module_words(result['stderr'], arguments).strip(), **result)
    found = read_json(module, report, result, arguments)
    # Exit 1 says a printer is not ready: that is a fact to assert on, not a failed task.
    module.exit_json(ansible_facts=dict(varimonde_printers=facts(found),
                                        varimonde_printer_notes=found['notes']),
                     failed=False, **result)


if __name__ == '__main__':
    main()

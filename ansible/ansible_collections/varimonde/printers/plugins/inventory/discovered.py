# -*- coding: utf-8 -*-
# The printers the program finds, as an inventory: one host a printer.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
---
name: discovered
short_description: Varimonde network printers found by the setup program, one host a printer
description:
  - Runs C(varimonde-setup --discover) on the controller with the ranges, DNS-SD and SNMP options of
    the inventory file, and makes one host of each printer found, in the group C(varimonde_printers),
    with what was found as host variables, each named C(varimonde_) and the fact's name
    (C(varimonde_target), C(varimonde_address), C(varimonde_port), C(varimonde_name),
    C(varimonde_make_model), C(varimonde_serial), C(varimonde_snmp), C(varimonde_status),
    C(varimonde_conditions), C(varimonde_error), C(varimonde_found_by)), and C(ansible_host).
  - A host is named by the printer's address, with C(_) and the port when that is not 9100.
  - The inventory file's name ends in C(varimonde.yml) or C(varimonde.yaml).
version_added: 1.0.0
author:
  - Varimonde Technical Support (@varimonde)
options:
  plugin:
    description: This plugin's name.
    type: str
    required: true
    choices: [varimonde.printers.discovered]
  ranges:
    description: CIDR ranges (at most /22) or hosts to sweep on port 9100 and each of I(scan_ports).
    type: list
    elements: str
    default: []
  scan_ports:
    description: Raw ports to try besides 9100.
    type: list
    elements: int
    default: []
  dns_sd:
    description: Also find printers through DNS-SD (the Avahi daemon).
    type: bool
    default: false
  executable:
    description: The setup program on the controller, a name looked up in C(PATH) or a path.
    type: str
    default: varimonde-setup
notes:
  - The secrets reach the program on its standard input, never on its command line.
extends_documentation_fragment:
  - varimonde.printers.setup_program.snmp
  - constructed
  - inventory_cache
'''

EXAMPLES = r'''
# printers.varimonde.yml
plugin: varimonde.printers.discovered
ranges: [10.0.4.0/24]
dns_sd: true
community: labels
keyed_groups:
  - key: varimonde_status
    prefix: status
groups:
  needs_someone: varimonde_error
compose:
  ansible_connection: "'local'"
'''

import json
import os
import subprocess
import tempfile

from ansible.errors import AnsibleParserError
from ansible.module_utils.common.process import get_bin_path
from ansible.plugins.inventory import BaseInventoryPlugin, Cacheable, Constructable
from ansible_collections.varimonde.printers.plugins.module_utils.setup_program import (
    facts, finding_words, in_module_words)

OPTIONS = ('ranges', 'scan_ports', 'dns_sd', 'community', 'snmp_port', 'snmp_user', 'snmp_auth',
           'snmp_priv')


def host_name(printer):
    if printer['port'] in (0, 9100):
        return printer['address']
    return '%s_%d' % (printer['address'], printer['port'])


class InventoryModule(BaseInventoryPlugin, Constructable, Cacheable):

    NAME = 'varimonde.printers.discovered'

    def verify_file(self, path):
        return super(InventoryModule, self).verify_file(path) and \
            path.endswith(('varimonde.yml', 'varimonde.yaml'))

    def discover(self):
        """The printers the program finds, as facts."""
        params = dict((name, self.get_option(name)) for name in OPTIONS)
        if not params['ranges'] and not params['dns_sd']:
            raise AnsibleParserError('%s: give ranges or dns_sd; nothing is swept unless asked'
                                     % self.NAME)
        try:
            words, secrets = finding_words(params)
        except ValueError as error:
            raise AnsibleParserError('%s: %s' % (self.NAME, error))
        executable = self.get_option('executable')
        if os.sep not in executable:
            executable = get_bin_path(executable)
        folder = tempfile.mkdtemp()
        try:
            report = os.path.join(folder, 'report.json')
            ran = subprocess.run([executable] + words + ['--report', report],
                                 input=(secrets or '').encode(), capture_output=True, check=False)
            if ran.returncode != 0 or not os.path.exists(report):
                said = in_module_words(ran.stderr.decode('utf-8', 'replace'), OPTIONS)
                raise AnsibleParserError('%s: %s' % (self.NAME, said.strip()))
            with open(report, 'rb') as stream:
                return facts(json.loads(stream.read().decode('utf-8')))
        finally:
            for name in os.listdir(folder):
                os.remove(os.path.join(folder, name))
            os.rmdir(folder)

    def parse(self, inventory, loader, path, cache=True):
        super(InventoryModule, self).parse(inventory, loader, path, cache)
        self._read_config_data(path)
        key = self.get_cache_key(path)
        reading = self.get_option('cache') and cache
        updating = self.get_option('cache') and not cache
        printers = None
        if reading:
            try:
                printers = self._cache[key]
            except KeyError:
                updating = True
        if printers is None:
            printers = self.discover()
        if updating:
            self._cache[key] = printers
        self.populate(printers)

    def populate(self, printers):
        strict = self.get_option('strict')
        self.inventory.add_group('varimonde_printers')
        for printer in printers:
            host = self.inventory.add_host(host_name(printer), group='varimonde_printers')
            variables = dict(('varimonde_' + name, value) for name, value in printer.items())
            variables['ansible_host'] = printer['address']
            for name, value in variables.items():
                self.inventory.set_variable(host, name, value)
            self._set_composite_vars(self.get_option('compose'), variables, host, strict=strict)
            self._add_host_to_composed_groups(self.get_option('groups'), variables, host,
                                              strict=strict)
            self._add_host_to_keyed_groups(self.get_option('keyed_groups'), variables, host,
                                           strict=strict)

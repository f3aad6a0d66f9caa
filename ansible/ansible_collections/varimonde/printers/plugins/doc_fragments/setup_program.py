# -*- coding: utf-8 -*-
# What every module that runs the setup program documents alike.

from __future__ import absolute_import, division, print_function
__metaclass__ = type


class ModuleDocFragment(object):
    DOCUMENTATION = r'''
options:
  executable:
    description: The setup program, a name looked up in C(PATH) or a path.
    type: str
    default: varimonde-setup
notes:
  - Needs C(varimonde-setup) on the managed host; the Debian package C(varimonde-setup) installs it
    together with this collection.
'''

    SNMP = r'''
options:
  community:
    description:
      - The SNMP v2c community (the program's default is C(public)).
      - Like the pass phrases, it reaches the program on its standard input, never on its command
        line, and is kept out of the output.
    type: str
  snmp_port:
    description: The UDP port the printers answer SNMP on (the program's default is 161).
    type: int
  snmp_user:
    description: Ask over SNMP v3 as this user.
    type: str
  snmp_auth:
    description: With I(snmp_user), the SHA authentication pass phrase.
    type: str
  snmp_priv:
    description: With I(snmp_user), the AES privacy pass phrase; needs I(snmp_auth).
    type: str
'''

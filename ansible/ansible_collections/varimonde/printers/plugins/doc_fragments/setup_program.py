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

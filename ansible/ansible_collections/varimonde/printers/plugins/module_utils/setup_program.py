# -*- coding: utf-8 -*-
# The one way the modules find and run the setup program.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

import json
import os

EXECUTABLE_OPTION = dict(type='str', default='varimonde-setup')


def program(module):
    """The program named by the executable option: a path as given, a bare name from PATH."""
    executable = module.params['executable']
    if os.sep in executable:
        return executable
    return module.get_bin_path(executable, required=True)


def run(module, line):
    """Runs the program; the task's result so far."""
    rc, out, err = module.run_command(line)
    return dict(cmd=line, rc=rc, stdout=out, stderr=err, changed=False)


def read_json(module, path, result):
    """The JSON the program wrote, or the task fails with what it said instead."""
    try:
        with open(path, 'rb') as stream:
            return json.loads(stream.read().decode('utf-8'))
    except (IOError, OSError, ValueError) as error:
        message = result.get('stderr', '').strip() or str(error)
        module.fail_json(msg=message, **result)

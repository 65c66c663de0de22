#!/usr/bin/env python3
"""Every language complete: lupdate, run on the texts' sources into copies of
the translation files, finds nothing new, unfinished or gone, and leaves the
copies as committed; every translation keeps its source's %1, %2 ...

    check.py LUPDATE SOURCES... -- TS_FILES... -- LUPDATE_OPTIONS...
"""

import filecmp
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

args = sys.argv[1:]
lupdate, args = args[0], args[1:]
sources = args[:args.index("--")]
ts_files = args[len(sources) + 1:][:args[len(sources) + 1:].index("--")]
options = args[len(sources) + len(ts_files) + 2:]

failures = []
with tempfile.TemporaryDirectory() as scratch:
    copies = [shutil.copy(ts, scratch) for ts in ts_files]
    run = subprocess.run([lupdate, *options, *sources, "-ts", *copies], capture_output=True, text=True)
    if run.returncode != 0:
        failures.append("lupdate failed: " + run.stderr.strip())
    for ts, copy in zip(ts_files, copies):
        name = os.path.basename(ts)
        for message in ET.parse(copy).getroot().iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            state = translation.get("type") if translation is not None else "missing"
            if state:
                failures.append("%s: %s %r" % (name, state, source))
            elif set(re.findall(r"%\d", source)) != set(re.findall(r"%\d", translation.text or "")):
                failures.append("%s: %r does not keep the %%N of %r" % (name, translation.text, source))
        if not failures and not filecmp.cmp(ts, copy, shallow=False):
            failures.append("%s is not as lupdate writes it" % name)

for f in failures:
    print("FAIL", f)
if failures:
    print("     bring them up to date: cmake --build build --target update_translations,\n"
          "     then translate what is unfinished (linguist i18n/*.ts)")
    sys.exit(1)
print("PASS %d languages complete" % len(ts_files))

#!/usr/bin/env python3
"""Fails on an include in the core that reaches up: each folder of the core
may include only from itself and the folders below it, as src/core/layers.txt
lists them, lowest first."""
import pathlib
import re
import sys

core = pathlib.Path(sys.argv[1])
order = [line.split('#')[0].strip() for line in (core / 'layers.txt').read_text().splitlines()]
order = [name for name in order if name]
rank = {name: i for i, name in enumerate(order)}
folders = sorted(p.name for p in core.iterdir() if p.is_dir())
faults = [f'{name}/ is not in layers.txt' for name in folders if name not in rank]
faults += [f'layers.txt names {name}/, which is not a folder of the core' for name in order if name not in folders]
include = re.compile(r'^\s*#\s*include\s+"([^/"]+)/[^"]+"', re.M)
for source in sorted(core.glob('*/*')):
    if source.suffix not in ('.h', '.cpp') or source.parent.name not in rank:
        continue
    own = source.parent.name
    for used in include.findall(source.read_text(encoding='utf-8')):
        if used not in rank:
            faults.append(f'{source.relative_to(core)} includes from {used}/, which is no layer of the core')
        elif rank[used] > rank[own]:
            faults.append(f'{source.relative_to(core)} includes from {used}/, a layer above {own}/')
for fault in faults:
    print(fault)
print(f'{len(order)} layers, {len(faults)} includes against their order')
sys.exit(1 if faults else 0)

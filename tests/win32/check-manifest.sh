#!/usr/bin/env bash
# Reads the manifest back out of tavrolin.exe and checks each entry Windows
# acts on: run as the user, the Windows versions it was tested for, visual
# styles, and drawing at the screen's scale.
# Usage: check-manifest.sh tavrolin.exe
set -uo pipefail
manifest=$(wrestool -x --raw --type=24 --name=1 "$1" 2>/dev/null)
[ -n "$manifest" ] || { echo "FAIL: no manifest (resource type 24, id 1)"; echo "0 passed, 1 failed"; exit 1; }
printf '%s' "$manifest" | python3 -c '
import sys
import xml.etree.ElementTree as ET

v1, v3 = "{urn:schemas-microsoft-com:asm.v1}", "{urn:schemas-microsoft-com:asm.v3}"
compat = "{urn:schemas-microsoft-com:compatibility.v1}"
ws2005 = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"
ws2016 = "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}"
root = ET.fromstring(sys.stdin.read())
failures = []
def expect(ok, what):
    if not ok: failures.append(what)

levels = [e.get("level") for e in root.iter(v3 + "requestedExecutionLevel")]
expect(levels == ["asInvoker"], "requestedExecutionLevel asInvoker, found %s" % levels)

windows = {"Windows 7": "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "Windows 8": "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
           "Windows 8.1": "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
           "Windows 10 and 11": "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}
ids = {e.get("Id").lower() for e in root.iter(compat + "supportedOS")}
for name, guid in windows.items():
    expect(guid in ids, "supportedOS " + name)

controls = [e for e in root.iter(v1 + "assemblyIdentity") if e.get("name") == "Microsoft.Windows.Common-Controls"]
expect(len(controls) == 1 and controls[0].get("version") == "6.0.0.0"
       and controls[0].get("publicKeyToken") == "6595b64144ccf1df", "a dependency on Common-Controls 6.0.0.0")

aware = [(e.text or "").strip().lower() for e in root.iter(ws2005 + "dpiAware")]
expect(len(aware) == 1 and aware[0] in ("true", "true/pm"), "dpiAware true (system-aware on Windows 7), found %s" % aware)
awareness = [[m.strip().lower() for m in (e.text or "").split(",")] for e in root.iter(ws2016 + "dpiAwareness")]
expect(len(awareness) == 1 and awareness[0][0] == "permonitorv2", "dpiAwareness PerMonitorV2 first, found %s" % awareness)

for f in failures: print("FAIL: manifest lacks", f)
print("1 passed, 0 failed" if not failures else "0 passed, 1 failed")
sys.exit(1 if failures else 0)
'

"""Fails unless the program carries a well-formed application manifest with the elements a
managed Windows workstation expects: asInvoker, Windows 7 to 11, Common Controls 6 and system
DPI awareness, and the program's own version. Usage: python3 check_manifest.py sorvane.exe 1.1.0"""
import sys
import xml.etree.ElementTree as ElementTree

ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
ASM_V3 = "{urn:schemas-microsoft-com:asm.v3}"
COMPAT = "{urn:schemas-microsoft-com:compatibility.v1}"
SETTINGS = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"
SUPPORTED_OS = {
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  # Windows 7
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  # Windows 8
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  # Windows 8.1
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  # Windows 10 and 11
}


def manifest_text(program):
    data = open(program, "rb").read()
    start = data.find(b"<?xml")
    end = data.find(b"</assembly>", start)
    if start < 0 or end < 0:
        sys.exit(f"{program}: no manifest found")
    return data[start:end + len(b"</assembly>")]


def check(root, version):
    identity = root.find(f"{ASM_V1}assemblyIdentity")
    assert identity is not None and identity.get("version") == f"{version}.0", "the version"
    level = root.find(f"{ASM_V3}trustInfo/{ASM_V3}security/{ASM_V3}requestedPrivileges/"
                      f"{ASM_V3}requestedExecutionLevel")
    assert level is not None and level.get("level") == "asInvoker", "asInvoker"
    found = {os.get("Id") for os in root.iter(f"{COMPAT}supportedOS")}
    assert found == SUPPORTED_OS, f"supportedOS: {sorted(found)}"
    controls = [identity for identity in root.iter(f"{ASM_V1}assemblyIdentity")
                if identity.get("name") == "Microsoft.Windows.Common-Controls"]
    assert len(controls) == 1 and controls[0].get("version") == "6.0.0.0", "Common Controls 6"
    aware = root.find(f"{ASM_V3}application/{ASM_V3}windowsSettings/{SETTINGS}dpiAware")
    assert aware is not None and aware.text.strip() == "true", "dpiAware true"


if __name__ == "__main__":
    root = ElementTree.fromstring(manifest_text(sys.argv[1]))
    try:
        check(root, sys.argv[2])
    except AssertionError as missing:
        sys.exit(f"{sys.argv[1]}: manifest lacks {missing}")
    print("manifest: well-formed, asInvoker, Windows 7-11, Common Controls 6, dpiAware")

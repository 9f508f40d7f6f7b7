"""Checks the winget and Scoop manifests in a release folder against the files beside them.

Each manifest must parse (YAML or JSON), the three winget manifests must name one package and
version, every SHA-256 and product code must be that of the file its address names, and Scoop's
checkver and autoupdate must lead back to this release. Prints a line per manifest and exits 1
when any does not match.
    python3 manifests_match.py DIR
Needs PyYAML: Debian's python3-yaml, for /usr/bin/python3.
"""
import hashlib
import json
import pathlib
import re
import subprocess
import sys

import yaml

WINGET = ["Vantrel.Quorvel.yaml", "Vantrel.Quorvel.installer.yaml", "Vantrel.Quorvel.locale.en-US.yaml"]
SCOOP = "quorvel.json"


def sha256(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


def product_code(msi):
    table = subprocess.run(["msiinfo", "export", str(msi), "Property"], capture_output=True,
                           text=True, check=True).stdout
    for line in table.splitlines():
        name, _, value = line.rstrip("\r").partition("\t")
        if name == "ProductCode":
            return value
    return None


def file_named_by(folder, address):
    name = address.rsplit("/", 1)[-1]
    if not name or not (folder / name).is_file():
        raise ValueError(f"{address} names no file beside it")
    return folder / name


def check_winget_identity(manifests):
    if len(manifests) != len(WINGET):
        raise ValueError("one of the three winget manifests is missing")
    identities = {(m["PackageIdentifier"], str(m["PackageVersion"])) for m in manifests.values()}
    if len(identities) != 1:
        raise ValueError(f"the winget manifests name different packages or versions: {sorted(identities)}")


def check_winget_installers(folder, manifest):
    installers = manifest["Installers"]
    if sorted(i["Architecture"] for i in installers) != ["x64", "x86"]:
        raise ValueError("the installer manifest does not name one x64 and one x86 installer")
    for installer in installers:
        msi = file_named_by(folder, installer["InstallerUrl"])
        if installer["InstallerSha256"].lower() != sha256(msi):
            raise ValueError(f"the SHA-256 of {msi.name} is not that of the file")
        if installer["ProductCode"] != product_code(msi):
            raise ValueError(f"the product code of {msi.name} is not the one the installer carries")


def check_scoop(folder, manifest):
    for arch in ("64bit", "32bit"):
        entry = manifest["architecture"][arch]
        archive = file_named_by(folder, entry["url"])
        if entry["hash"].lower() != sha256(archive):
            raise ValueError(f"the hash of {archive.name} is not that of the file")
    check_scoop_update(folder, manifest)


def check_scoop_update(folder, manifest):
    """What Scoop reads to update: checkver must find this very version in the file it names, and
    autoupdate, given this version, must give back this manifest's addresses and folders."""
    version = manifest["version"]
    checkver = manifest["checkver"]
    found = re.search(checkver["regex"], file_named_by(folder, checkver["url"]).read_text())
    if not found or found.group(1) != version:
        raise ValueError(f"its checkver does not find version {version} in {checkver['url']}")
    for arch in ("64bit", "32bit"):
        for field, pattern in manifest["autoupdate"]["architecture"][arch].items():
            if pattern.replace("$version", version) != manifest["architecture"][arch][field]:
                raise ValueError(f"its autoupdate {field} of {arch} does not give this release's")


def problem_of(error):
    return f"lacks the field {error}" if isinstance(error, KeyError) else str(error)


def main(folder):
    results = {}
    winget = {}
    for name in WINGET:
        if (folder / name).exists():
            try:
                winget[name] = yaml.safe_load((folder / name).read_text())
                results[name] = None
            except yaml.YAMLError as error:
                results[name] = f"does not parse: {error}"
    if winget:
        try:
            check_winget_identity(winget)
        except (ValueError, KeyError, TypeError) as error:
            for name in winget:
                results[name] = results[name] or problem_of(error)
    installer = "Vantrel.Quorvel.installer.yaml"
    if installer in winget and not results[installer]:
        try:
            check_winget_installers(folder, winget[installer])
        except (ValueError, KeyError, TypeError) as error:
            results[installer] = problem_of(error)
    if (folder / SCOOP).exists():
        try:
            check_scoop(folder, json.loads((folder / SCOOP).read_text()))
            results[SCOOP] = None
        except json.JSONDecodeError as error:
            results[SCOOP] = f"does not parse: {error}"
        except (ValueError, KeyError, TypeError) as error:
            results[SCOOP] = problem_of(error)
    for name, problem in results.items():
        if problem:
            print(f"DIFFERS  {name}  ({problem})")
        else:
            print(f"match    {name}  (parses, and agrees with the files beside it)")
    return 1 if any(results.values()) else 0


if __name__ == "__main__":
    sys.exit(main(pathlib.Path(sys.argv[1])))

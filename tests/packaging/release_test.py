#!/usr/bin/env python3
"""scripts/release as a packager meets it: it refuses a version without release
notes, and the Scoop and winget manifests it writes name the files it has just
built (URLs with the version, SHA-256 hashes that match) and carry the fields
each package manager requires. Prints one line per failed check; fails when
any check does."""
import hashlib
import json
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import zipfile

import yaml

ROOT = pathlib.Path(__file__).resolve().parents[2]
BASE = "https://downloads.test/lizhi"
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
    return ok


def sha256(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


def refuses_a_version_without_notes(work):
    tree = work / "tree"
    (tree / "scripts").mkdir(parents=True)
    shutil.copy(ROOT / "scripts/release", tree / "scripts/release")
    shutil.copy(ROOT / "CHANGELOG.md", tree / "CHANGELOG.md")
    (tree / "CMakeLists.txt").write_text("project(lizhi VERSION 9.8.7 LANGUAGES CXX C)\n")
    run = subprocess.run([tree / "scripts/release", "--out", tree / "out"], capture_output=True, text=True)
    check(run.returncode == 1, f"a version without notes: exit code {run.returncode}, not 1")
    check("9.8.7" in run.stderr, f"the refusal names the version: {run.stderr!r}")
    check(not any((tree / "out").iterdir()), "nothing is written for a refused version")


def scoop_manifest(out, version):
    zip_path = out / f"lizhi-{version}.zip"
    manifest = json.loads((out / "scoop/lizhi.json").read_text(encoding="utf-8"))
    url = f"{BASE}/v{version}/lizhi-{version}.zip"
    for key in ("version", "description", "homepage", "license", "url", "hash", "bin", "shortcuts"):
        check(manifest.get(key), f"scoop: {key} is missing")
    check(manifest.get("version") == version, f"scoop: version {manifest.get('version')}")
    check(manifest.get("url") == url, f"scoop: url {manifest.get('url')}")
    check(manifest.get("hash") == sha256(zip_path), "scoop: hash is not the zip's")
    check(manifest.get("license") == "MIT", "scoop: license")
    template = manifest.get("autoupdate", {}).get("url", "")
    check("$version" in template and template.replace("$version", version) == url,
          f"scoop: autoupdate url {template}")
    regex = manifest.get("checkver", {}).get("regex", "")
    found = re.search(regex, zip_path.name) if regex else None
    check(found and found.group(1) == version, f"scoop: checkver regex {regex!r}")
    check(sorted(manifest.get("persist", [])) == ["setup.ini", "txt"], "scoop: persist")
    pre_install = manifest.get("pre_install", "")
    check("setup.ini" in pre_install and "New-Item" in pre_install, "scoop: pre_install creates setup.ini")
    # The binary and the shortcut's target lie in the zip's folder Scoop extracts.
    with zipfile.ZipFile(zip_path) as archive:
        names = archive.namelist()
    folder = manifest.get("extract_dir", "")
    check(f"{folder}/{manifest.get('bin')}" in names, f"scoop: bin not in the zip's {folder}/")
    check(f"{folder}/{manifest.get('shortcuts', [['']])[0][0]}" in names, "scoop: shortcut target not in the zip")


def winget_manifests(out, version):
    setup = out / f"lizhi-{version}-setup.exe"
    folder = out / "winget" / version
    manifests = {}
    for path in sorted(folder.glob("*.yaml")):
        document = yaml.safe_load(path.read_text(encoding="utf-8"))
        manifests[document.get("ManifestType")] = document
    if not check(sorted(manifests) == ["defaultLocale", "installer", "version"], f"winget: {sorted(manifests)}"):
        return
    ids = {document.get("PackageIdentifier") for document in manifests.values()}
    check(len(ids) == 1 and None not in ids, f"winget: package identifiers {ids}")
    for kind, document in manifests.items():
        check(str(document.get("PackageVersion")) == version, f"winget {kind}: PackageVersion")
        check(str(document.get("ManifestVersion")) == "1.6.0", f"winget {kind}: ManifestVersion")
    locale = manifests["defaultLocale"]
    check(manifests["version"].get("DefaultLocale") == locale.get("PackageLocale"), "winget: DefaultLocale")
    for key in ("PackageLocale", "Publisher", "PackageName", "License", "ShortDescription"):
        check(locale.get(key), f"winget defaultLocale: {key} is missing")
    installer = manifests["installer"]
    check(installer.get("Scope") == "user", "winget: Scope")
    switches = installer.get("InstallerSwitches", {})
    check(switches.get("Silent") == "/S" and switches.get("SilentWithProgress") == "/S", "winget: silent switch")
    entries = installer.get("Installers") or [{}]
    check(len(entries) == 1, "winget: one installer")
    entry = entries[0]
    check(entry.get("Architecture") and (entry.get("InstallerType") or installer.get("InstallerType")),
          "winget: Architecture and InstallerType")
    check(entry.get("InstallerUrl") == f"{BASE}/v{version}/{setup.name}", f"winget: url {entry.get('InstallerUrl')}")
    check(str(entry.get("InstallerSha256", "")).lower() == sha256(setup), "winget: hash is not the installer's")


def main():
    version = re.search(r"^project\(lizhi VERSION ([0-9.]+)", (ROOT / "CMakeLists.txt").read_text(), re.M).group(1)
    with tempfile.TemporaryDirectory() as work:
        work = pathlib.Path(work)
        refuses_a_version_without_notes(work)
        out = work / "dist"
        run = subprocess.run([ROOT / "scripts/release", "--out", out, "--download-base", BASE + "/"],
                             capture_output=True, text=True)
        if check(run.returncode == 0, f"scripts/release failed:\n{run.stdout}{run.stderr}"):
            scoop_manifest(out, version)
            winget_manifests(out, version)
    for failure in failures:
        print("release test:", failure)
    print("release test:", "passed" if not failures else f"{len(failures)} checks failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

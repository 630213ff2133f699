#!/usr/bin/python3
"""What scripts/package wrote: the portable zip holds exactly the program's files; both
executables are small, stripped (their debug information in the debug zip, found again by
CRC), self-contained, and carry a well-formed manifest and version information; the MSI is a
Windows Installer database; the tests zip holds every Windows test and its runner; the Windows
workflow parses and names what the packages hold.

Usage: check_packages.py DIST_DIR VERSION RELEASE_TESTS_DIR
"""

import fnmatch
import io
import os
import re
import struct
import sys
import unittest
import xml.etree.ElementTree as ElementTree
import zipfile
import zlib

import pefile
import yaml

DIST, VERSION, TESTS_DIR = sys.argv[1:4]
SOURCE = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
NAME = f"skarvel-{VERSION}-win64"

ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
ASM_V3 = "{urn:schemas-microsoft-com:asm.v3}"
COMPATIBILITY = "{urn:schemas-microsoft-com:compatibility.v1}"
SUPPORTED_OS = {  # Vista, 7, 8, 8.1, 10 and 11
    "{e2011457-1546-43c5-a5fe-008deee3d3f0}",
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
}
# exe: (subsystem, execution level, common controls 6 and a DPI choice)
EXECUTABLES = {
    "skarvel.exe": (pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"], "highestAvailable", True),
    "skarvel-cli.exe": (pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_CUI"], "asInvoker", False),
}
RUNTIME_DLLS = {"libstdc++-6.dll", "libgcc_s_seh-1.dll", "libwinpthread-1.dll"}
# Loaded by their first use, not at start: delay-imported or looked up when needed.
FIRST_USE_DLLS = {"shell32.dll", "ole32.dll", "oleaut32.dll", "shlwapi.dll",
                  "wininet.dll", "winmm.dll", "comdlg32.dll", "oleacc.dll"}


def read_zip(path):
    with zipfile.ZipFile(path) as archive:
        return {info.filename: archive.read(info) for info in archive.infolist()
                if not info.is_dir()}


def resource(pe, type_id, name_id=None):
    """The data of every resource of TYPE_ID (and NAME_ID), in any language."""
    found = []
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if kind.id != type_id:
            continue
        for name in kind.directory.entries:
            if name_id is not None and name.id != name_id:
                continue
            for language in name.directory.entries:
                entry = language.data.struct
                found.append(pe.get_data(entry.OffsetToData, entry.Size))
    return found


def section_names(pe):
    """Section names, long ones ("/4") read from the string table after the symbols."""
    table = pe.FILE_HEADER.PointerToSymbolTable + pe.FILE_HEADER.NumberOfSymbols * 18
    names = {}
    for section in pe.sections:
        name = section.Name.rstrip(b"\0").decode()
        if name.startswith("/"):
            start = table + int(name[1:])
            name = pe.__data__[start:pe.__data__.index(b"\0", start)].decode()
        names[name] = section
    return names


def version_numbers(ms, ls):
    return f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"


class Packages(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.portable = read_zip(os.path.join(DIST, f"{NAME}.zip"))
        cls.debug = read_zip(os.path.join(DIST, f"{NAME}-debug.zip"))
        cls.tests = read_zip(os.path.join(DIST, f"skarvel-{VERSION}-tests-win64.zip"))

    def test_the_portable_zip_holds_the_program_folder_and_nothing_else(self):
        expected = {f"{NAME}/{f}" for f in ("skarvel.exe", "skarvel-cli.exe", "README.txt",
                                            "LICENSE.txt")}
        for folder in ("Language", "Sound"):
            for f in os.listdir(os.path.join(SOURCE, "resources", "app", folder)):
                expected.add(f"{NAME}/{folder}/{f}")
        # The administrative templates, as they stand in policy/.
        for folder, _, files in os.walk(os.path.join(SOURCE, "policy")):
            for f in files:
                relative = os.path.relpath(os.path.join(folder, f), SOURCE).replace(os.sep, "/")
                expected.add(f"{NAME}/{relative}")
        self.assertEqual(set(self.portable), expected)
        for text in ("README.txt", "LICENSE.txt"):
            data = self.portable[f"{NAME}/{text}"]
            self.assertEqual(data.count(b"\n"), data.count(b"\r\n"), f"{text} has CR LF lines")
        self.assertIn(VERSION.encode(), self.portable[f"{NAME}/README.txt"])

    def test_both_executables_are_small_stripped_self_contained_and_described(self):
        for exe, (subsystem, level, controls6) in EXECUTABLES.items():
            with self.subTest(exe=exe):
                data = self.portable[f"{NAME}/{exe}"]
                self.assertLess(len(data), 5 * 1024 * 1024)
                pe = pefile.PE(data=data)
                self.assertEqual(pe.FILE_HEADER.Machine, pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"])
                self.assertEqual(pe.OPTIONAL_HEADER.Subsystem, subsystem)
                self.check_debug_link(exe, pe)
                imports = {i.dll.decode().lower() for i in pe.DIRECTORY_ENTRY_IMPORT}
                self.assertFalse(imports & RUNTIME_DLLS, "the C++ runtime is linked in")
                self.assertFalse(imports & FIRST_USE_DLLS, "a DLL loaded before it is needed")
                self.assertTrue(resource(pe, pefile.RESOURCE_TYPE["RT_GROUP_ICON"]), "an icon")
                self.check_manifest(pe, level, controls6)
                self.check_version(exe, pe)

    def test_the_command_line_cleaner_carries_the_event_messages(self):
        pe = pefile.PE(data=self.portable[f"{NAME}/skarvel-cli.exe"])
        tables = resource(pe, pefile.RESOURCE_TYPE["RT_MESSAGETABLE"])
        self.assertEqual(len(tables), 1, "one message table")
        table = tables[0]
        messages = {}
        for block in range(int.from_bytes(table[:4], "little")):
            low, high, offset = struct.unpack_from("<III", table, 4 + 12 * block)
            for message in range(low, high + 1):
                length, flags = struct.unpack_from("<HH", table, offset)
                text = table[offset + 4:offset + length]
                messages[message] = text.decode("utf-16-le" if flags & 1 else "cp1252")
                offset += length
        self.assertEqual(sorted(messages), [1000, 1001, 1002, 1003])
        for message, text in messages.items():
            for insert in ("%1", "%2", "%3", "%4", "%5"):
                self.assertIn(insert, text, message)

    def check_debug_link(self, exe, pe):
        sections = section_names(pe)
        self.assertFalse({s for s in sections if s.startswith(".debug")}, "debug sections left")
        self.assertIn(".gnu_debuglink", sections)
        raw = sections[".gnu_debuglink"].get_data()
        name = raw[: raw.index(b"\0")].decode()
        crc = int.from_bytes(raw[(len(name) + 4) & ~3:][:4], "little")
        self.assertEqual(name, f"{exe}.debug")
        self.assertIn(name, self.debug, "the debug information is in the debug zip")
        self.assertEqual(zlib.crc32(self.debug[name]), crc, "the debug file is this build's")

    def check_manifest(self, pe, level, controls6):
        manifests = resource(pe, pefile.RESOURCE_TYPE["RT_MANIFEST"])
        self.assertEqual(len(manifests), 1, "one manifest")
        self.assertEqual(len(resource(pe, pefile.RESOURCE_TYPE["RT_MANIFEST"], 1)), 1, "id 1")
        root = ElementTree.fromstring(manifests[0])
        self.assertEqual(root.tag, f"{ASM_V1}assembly")
        self.assertEqual(root.find(f"{ASM_V1}assemblyIdentity").get("version"), VERSION)
        levels = root.findall(f".//{ASM_V3}requestedExecutionLevel")
        self.assertEqual([(e.get("level"), e.get("uiAccess")) for e in levels], [(level, "false")])
        self.assertEqual({e.get("Id") for e in root.iter(f"{COMPATIBILITY}supportedOS")},
                         SUPPORTED_OS)
        dependencies = [e.attrib for e in root.iter(f"{ASM_V1}assemblyIdentity")
                        if e.get("name") == "Microsoft.Windows.Common-Controls"]
        settings = {e.tag.split("}")[1]: (e.text or "").strip()
                    for e in root.iter() if e.tag.endswith(("}dpiAware", "}dpiAwareness"))}
        if controls6:
            self.assertEqual(len(dependencies), 1)
            self.assertEqual(dependencies[0]["version"], "6.0.0.0")
            self.assertEqual(dependencies[0]["publicKeyToken"], "6595b64144ccf1df")
            self.assertEqual(settings, {"dpiAware": "false", "dpiAwareness": "unaware"})
        else:
            self.assertEqual((dependencies, settings), ([], {}))

    def check_version(self, exe, pe):
        fixed = pe.VS_FIXEDFILEINFO[0]
        self.assertEqual(version_numbers(fixed.FileVersionMS, fixed.FileVersionLS), VERSION)
        self.assertEqual(version_numbers(fixed.ProductVersionMS, fixed.ProductVersionLS), VERSION)
        strings = {}
        for info in pe.FileInfo[0]:
            if info.Key == b"StringFileInfo":
                for table in info.StringTable:
                    strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
        self.assertEqual(strings["ProductName"], "Skarvel")
        self.assertEqual(strings["CompanyName"], "Skarvel Project")
        self.assertIn("Skarvel Project", strings["LegalCopyright"])
        self.assertEqual(strings["FileVersion"], VERSION)
        self.assertEqual(strings["ProductVersion"], VERSION)
        self.assertEqual(strings["OriginalFilename"], exe)
        self.assertTrue(strings["FileDescription"].startswith("Skarvel "))

    def test_the_installer_is_a_windows_installer_database(self):
        with open(os.path.join(DIST, f"{NAME}.msi"), "rb") as msi:
            data = msi.read()
        self.assertEqual(data[:8], bytes.fromhex("D0CF11E0A1B11AE1"))
        for text in ("Skarvel", VERSION, "skarvel.exe", "skarvel-cli.exe", "ProgramMenuFolder"):
            self.assertIn(text.encode(), data, text)

    def test_the_tests_zip_holds_every_windows_test_and_its_runner(self):
        root = f"skarvel-{VERSION}-tests-win64"
        names = {n[len(root) + 1:] for n in self.tests}
        programs = {f for f in os.listdir(TESTS_DIR) if f.startswith("win_") and f.endswith(".exe")}
        self.assertTrue(programs)
        self.assertEqual({n for n in names if n.startswith("tests/")},
                         {f"tests/{p}" for p in programs})
        for needed in ("run-tests.cmd", "README.txt", "bin/skarvel.exe", "bin/skarvel-cli.exe",
                       "bin/Sound/1.wav", "source/resources/app/Language/Russian.MordaunLang"):
            self.assertIn(needed, names)
        runner = self.tests[f"{root}/run-tests.cmd"]
        self.assertEqual(runner.count(b"\n"), runner.count(b"\r\n"), "CR LF lines")

    def test_the_windows_workflow_parses_and_names_what_the_packages_hold(self):
        with open(os.path.join(SOURCE, ".github", "workflows", "windows.yml"), encoding="utf-8") as f:
            workflow = yaml.safe_load(f)
        jobs = workflow["jobs"]
        build, windows = jobs["build"], jobs["windows-tests"]
        self.assertEqual(windows["needs"], "build")
        self.assertEqual(windows["runs-on"], "windows-latest")
        build_runs = " ".join(step.get("run", "") for step in build["steps"])
        for script in re.findall(r"scripts/[\w-]+", build_runs):
            self.assertTrue(os.path.isfile(os.path.join(SOURCE, script)), script)
        uploaded = [s["with"]["path"] for s in build["steps"] if "upload-artifact" in s.get("uses", "")]
        self.assertEqual(uploaded, [os.path.basename(DIST) + "/"])
        windows_runs = "\n".join(step.get("run", "") for step in windows["steps"])
        # The tests zip the Windows job looks for, and the runner it starts in the folder inside.
        zips = re.findall(r"-Filter '([^']+)'", windows_runs)
        self.assertEqual(len(zips), 1)
        matched = [f for f in os.listdir(DIST) if fnmatch.fnmatch(f, zips[0])]
        self.assertEqual(matched, [f"skarvel-{VERSION}-tests-win64.zip"])
        self.assertIn("run-tests.cmd", windows_runs)
        self.assertIn(f"skarvel-{VERSION}-tests-win64/run-tests.cmd", self.tests)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)

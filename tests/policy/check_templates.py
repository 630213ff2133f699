#!/usr/bin/env python3
"""Checks the administrative templates: every file well-formed; every string, presentation,
category and support definition the ADMX refers to present (strings and presentations in every
language, each language with the same ids); every presentation control bound to an element of
its policy; and the registry values the templates define exactly those the program reads.

Usage: check_templates.py POLICY_VALUES_PROGRAM POLICY_FOLDER
"""
import pathlib
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

NS = "{http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions}"
BASE_KEY = "software\\policies\\skarvel"
problems = []


def problem(text):
    problems.append(text)


def parse(path):
    try:
        return ET.parse(path).getroot()
    except ET.ParseError as error:
        problem(f"{path}: not well-formed: {error}")
        return None


def references(root, kind):
    found = set()
    for element in root.iter():
        for value in element.attrib.values():
            found.update(re.findall(r"\$\(" + kind + r"\.([^)]*)\)", value))
    return found


def relative_key(key):
    key = key.lower()
    if key == BASE_KEY:
        return ""
    if not key.startswith(BASE_KEY + "\\"):
        problem(f"a value outside {BASE_KEY}: {key}")
    return key[len(BASE_KEY) + 1:]


def defined_values(admx):
    """The (sub-key, value name, type) of every registry value the templates write."""
    values = set()
    for policy in admx.iter(NS + "policy"):
        name, key = policy.get("name"), policy.get("key", "")
        if policy.get("class") != "Both":
            problem(f"policy {name}: not for both the computer and the user")
        if policy.get("valueName"):
            typed = "dword" if policy.find(f"{NS}enabledValue/{NS}decimal") is not None else "string"
            values.add((relative_key(key), policy.get("valueName"), typed))
        elements = policy.find(NS + "elements")
        for element in [] if elements is None else list(elements):
            tag = element.tag[len(NS):]
            where = relative_key(element.get("key", key))
            if tag == "list":
                values.add((where, "*", "string"))
            elif tag == "text":
                values.add((where, element.get("valueName"),
                            "expand" if element.get("expandable") == "true" else "string"))
            elif tag == "enum":
                values.add((where, element.get("valueName"), "string"))
            elif tag == "decimal":
                values.add((where, element.get("valueName"), "dword"))
            else:
                problem(f"policy {name}: an element this check does not know: {tag}")
    return values


def check_presentations(admx, adml, path):
    elements = {}
    for policy in admx.iter(NS + "policy"):
        presentation = re.findall(r"\$\(presentation\.([^)]*)\)", policy.get("presentation", ""))
        ids = {e.get("id") for e in policy.iterfind(f"{NS}elements/*")}
        if presentation:
            elements[presentation[0]] = ids
        elif ids:
            problem(f"policy {policy.get('name')}: elements but no presentation")
    for presentation in adml.iter(NS + "presentation"):
        wanted = elements.get(presentation.get("id"), set())
        shown = {control.get("refId") for control in presentation if control.get("refId")}
        if shown != wanted:
            problem(f"{path}: presentation {presentation.get('id')} shows {sorted(shown)}, "
                    f"its policy has {sorted(wanted)}")


def main():
    program, folder = sys.argv[1], pathlib.Path(sys.argv[2])
    admx_files = sorted(folder.glob("*.admx"))
    adml_files = sorted(folder.glob("*/*.adml"))
    languages = {path.parent.name for path in adml_files}
    if len(admx_files) != 1 or languages != {"en-US", "de-DE", "ru-RU"}:
        problem(f"expected one ADMX and ADML files in en-US, de-DE and ru-RU: {admx_files}, "
                f"{sorted(languages)}")
    admx = parse(admx_files[0]) if admx_files else None
    if admx is None:
        return
    categories = {c.get("name") for c in admx.iter(NS + "category")}
    supported = {d.get("name") for d in admx.iter(NS + "definition")}
    for element in admx.iter():
        ref = element.get("ref")
        if element.tag == NS + "parentCategory" and ref not in categories:
            problem(f"unknown category {ref}")
        if element.tag == NS + "supportedOn" and ref is not None and ref not in supported:
            problem(f"unknown supportedOn {ref}")
    strings, presentations = references(admx, "string"), references(admx, "presentation")
    seen = None
    for path in adml_files:
        adml = parse(path)
        if adml is None:
            continue
        table = {s.get("id") for s in adml.iter(NS + "string")}
        shown = {p.get("id") for p in adml.iter(NS + "presentation")}
        for missing in sorted(strings - table):
            problem(f"{path}: no string {missing}")
        for missing in sorted(presentations - shown):
            problem(f"{path}: no presentation {missing}")
        if seen is not None and seen != (table, shown):
            problem(f"{path}: other string or presentation ids than the other languages")
        seen = (table, shown)
        check_presentations(admx, adml, path)

    read = set()
    for line in subprocess.run([program], check=True, capture_output=True,
                               text=True).stdout.splitlines():
        key, name, typed = line.split("\t")
        read.add((key.lower(), name, typed))
    defined = defined_values(admx)
    for value in sorted(read - defined):
        problem(f"read by the program, in no template: {value}")
    for value in sorted(defined - read):
        problem(f"in a template, not read by the program: {value}")


main()
for text in problems:
    print(text)
sys.exit(1 if problems else 0)

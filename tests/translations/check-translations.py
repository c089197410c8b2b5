#!/usr/bin/env python3
"""Checks the translations in translations/horavela_<code>.ts, one per language.

For each of the ten languages it checks that:
  1. the file exists and its language attribute names its code (hi or hi_IN);
  2. every message is translated: no translation left unfinished, vanished or
     obsolete, none empty, and no empty plural form;
  3. the translation holds the same %1..%99 (and %n in plurals) as the source,
     in any order;
  4. a source with an access key (&File) keeps one in the translation, either
     within the word or as "फ़ाइल (&F)"; a context whose English keys are all
     different gets a "note:" line when the translation uses one key twice;
  5. no translation is a copy of its English source, unless the source is on
     the keep list or has no letters in it ("%1 – %2", ":");
  6. with --project, the files are up to date with the sources: lupdate run on
     copies of them must leave every byte as it is.
The project file lists the source files, one a line, as lupdate's @lst-file
does, relative to the folder the script runs in. Each failure is one line
naming the file, the context and the source text, and makes the exit status 1.
A line per language ends the run: "hi: 212 texts translated".

Usage, from the project's root:
  tests/translations/check-translations.py --lupdate /usr/lib/qt6/bin/lupdate
      --project <list-of-sources or ""> [--ts-dir translations]
      [--keep-list translations/keep-english.txt]
"""
import argparse
import difflib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

LANGUAGES = ["hi", "bn", "te", "mr", "ta", "gu", "kn", "ml", "pa", "or"]
# QString::arg's markers, %L1 being the localised form of %1. %n counts only in
# plurals: elsewhere tr() leaves it as it is.
ARG = re.compile(r"%L?[1-9][0-9]?")
ARG_OR_N = re.compile(r"%L?(?:[1-9][0-9]?|n)")
# "&&" stands for a plain "&", so pairs are taken whole: the second "&" of
# "&&F" is not a key.
AMPERSAND = re.compile(r"&(.)", re.S)

# Everything to print before the summary, in order; notes do not fail the run.
report = []
failed = False


def failure(line):
    global failed
    failed = True
    report.append(line)


def one_line(text):
    return text.replace("\n", "\\n")


def fail(ts, context, source, what):
    failure(f'{ts.name}: {context}: "{one_line(source)}": {what}')


def access_key(text, english):
    """The first access key in text, or None. English keys are a letter or a
    digit; translated ones may be any visible character."""
    for match in AMPERSAND.finditer(text):
        key = match.group(1)
        if key != "&" and (key.isascii() and key.isalnum() if english else not key.isspace()):
            return key
    return None


def may_stay_english(source, numerus, keep):
    plain = AMPERSAND.sub(r"\1", source)
    if plain in keep:
        return True
    # Numbers and punctuation read the same in every language.
    return not any(c.isalpha() for c in (ARG_OR_N if numerus else ARG).sub("", plain))


def check_file(ts, code, keep):
    """Checks one file and gives the number of its texts translated."""
    try:
        root = ET.parse(ts).getroot()
    except (ET.ParseError, OSError) as error:
        failure(f"{ts.name}: cannot be read as XML: {error}")
        return None
    language = root.get("language", "")
    if not re.fullmatch(re.escape(code) + r"(_[A-Za-z]+)?", language):
        failure(f'{ts.name}: language is "{language}", not {code}')
    translated = 0
    for context in root.iter("context"):
        name = context.findtext("name", "")
        keyed = []  # (source, English key, translated key) for the note below
        for message in context.iter("message"):
            source = message.findtext("source", "")
            numerus = message.get("numerus") == "yes"
            translation = message.find("translation")
            if translation is None:
                fail(ts, name, source, "no translation")
                continue
            kind = translation.get("type")
            forms = ([form.text or "" for form in translation.iter("numerusform")]
                     if numerus else [translation.text or ""])
            if kind in ("unfinished", "vanished", "obsolete"):
                fail(ts, name, source, f"translation is {kind}")
                continue
            if not forms or not all(form.strip() for form in forms):
                fail(ts, name, source, "translation is empty")
                continue
            translated += 1
            markers = sorted((ARG_OR_N if numerus else ARG).findall(source))
            for form in forms:
                found = sorted((ARG_OR_N if numerus else ARG).findall(form))
                if found != markers:
                    fail(ts, name, source, f'placeholders {" ".join(found) or "none"} in '
                         f'"{one_line(form)}", the source has {" ".join(markers) or "none"}')
                if form == source and not may_stay_english(source, numerus, keep):
                    fail(ts, name, source, "translation is the English source")
            english_key = access_key(source, True)
            if english_key:
                translated_key = access_key(forms[0], False)
                if translated_key is None:
                    fail(ts, name, source, f'no access key in "{one_line(forms[0])}"')
                keyed.append((source, english_key, translated_key))
        # Two buttons of one window sharing a key make the key step between
        # them; worth a look only where the English kept them apart.
        english_keys = [english.lower() for _, english, _ in keyed]
        if len(set(english_keys)) == len(english_keys):
            first_with = {}
            for source, _, key in keyed:
                if key is None:
                    continue
                if key.lower() in first_with:
                    report.append(f'note: {ts.name}: {name}: access key &{key} of "{source}" '
                                  f'is also that of "{first_with[key.lower()]}"')
                else:
                    first_with[key.lower()] = source
    return translated


def check_behind_sources(lupdate, project, files):
    """Runs lupdate on copies of the files; the committed ones must not change."""
    if not (Path(lupdate).is_file() or shutil.which(lupdate)):
        report.append("lupdate missing: skipped")
        return
    if not Path(project).is_file():
        failure(f"{project}: the list of sources does not exist")
        return
    with tempfile.TemporaryDirectory() as temp:
        copies = [Path(temp) / ts.name for ts in files]
        for ts, copy in zip(files, copies):
            shutil.copyfile(ts, copy)
        run = subprocess.run([lupdate, "@" + project, "-ts", *map(str, copies),
                              "-locations", "none", "-no-obsolete", "-silent"],
                             capture_output=True, text=True)
        if run.returncode != 0:
            output = " ".join((run.stderr + run.stdout).split())
            failure(f"lupdate failed ({run.returncode}): {output}")
            return
        for ts, copy in zip(files, copies):
            before, after = ts.read_bytes(), copy.read_bytes()
            if before == after:
                continue
            failure(f"{ts.name} is behind the sources: run the update_translations target")
            diff = difflib.unified_diff(before.decode("utf-8", "replace").splitlines(),
                                        after.decode("utf-8", "replace").splitlines(),
                                        "committed", "after lupdate", lineterm="", n=0)
            report.extend("    " + line for line in list(diff)[2:12])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--lupdate", default="lupdate")
    parser.add_argument("--project", default="", help="list of source files for lupdate")
    parser.add_argument("--ts-dir", default="translations")
    parser.add_argument("--keep-list", help="texts that stay English "
                        "(default: keep-english.txt in the ts dir, if there)")
    args = parser.parse_args()

    # Names and the like that read the same in every language, one a line.
    keep = set()
    keep_list = Path(args.keep_list or Path(args.ts_dir) / "keep-english.txt")
    if keep_list.is_file():
        lines = [line.strip() for line in keep_list.read_text(encoding="utf-8").splitlines()]
        keep = {line for line in lines if line and not line.startswith("#")}
    elif args.keep_list:
        failure(f"{keep_list}: the keep list does not exist")

    summary, readable = [], []
    for code in LANGUAGES:
        ts = Path(args.ts_dir) / f"horavela_{code}.ts"
        if not ts.is_file():
            failure(f"{ts.name}: missing")
            summary.append(f"{code}: no file")
            continue
        translated = check_file(ts, code, keep)
        if translated is None:
            summary.append(f"{code}: unreadable")
            continue
        # lupdate stops at the first file it cannot read, so that one stays out.
        readable.append(ts)
        summary.append(f"{code}: {translated} texts translated")

    if args.project and readable:
        check_behind_sources(args.lupdate, args.project, readable)
    elif not args.project:
        report.append("behind the sources: no --project given: skipped")

    print("\n".join(report + summary))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""The translation files against the sources: every text a person reads is
in every .ts file, finished, none left over, and every translation keeps its
source's placeholders (%1.., | line breaks, \\n, HTML tags and entities,
leading and trailing blanks, the & of a keyboard shortcut).

usage: check_translations.py LUPDATE SOURCE_DIR TS_FILE...
Prints one line per fault and exits 1 when there is any.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def messages(path):
    """(context, source) -> (translation text, type attribute) of one .ts file."""
    out = {}
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name') or ''
        for message in context.iter('message'):
            source = message.findtext('source') or ''
            translation = message.find('translation')
            text = translation.text or '' if translation is not None else ''
            kind = translation.get('type', '') if translation is not None else 'unfinished'
            out[(name, source)] = (text, kind)
    return out


PLACEHOLDER = re.compile(r'%L?\d+|%n')
# The tags of Qt's rich text; a word in angle brackets such as <turns> is
# plain text that a translation may translate.
HTML_TAGS = ('a b big blockquote body br center cite code dd div dl dt em font h1 h2 h3 h4 h5 h6 head hr html i '
             'img kbd li meta nobr ol p pre qt s samp small span strong style sub sup table tbody td tfoot th '
             'thead title tr tt u ul var').split()
TAG = re.compile(r'</?\s*(' + '|'.join(HTML_TAGS) + r')\b[^>]*>', re.I)
ENTITY = re.compile(r'&(?:[A-Za-z]+|#\d+);')


def shortcut_count(text):
    text = ENTITY.sub('', text).replace('&&', '')
    return len(re.findall(r'&\S', text))


def marks(text):
    """What a translation must keep of its source, as comparable values."""
    return {
        'placeholders %N': sorted(PLACEHOLDER.findall(text)),
        'line breaks |': text.count('|'),
        'new lines': text.count('\n'),
        'tabs': text.count('\t'),
        'HTML tags': sorted(m.group(1).lower() + ('/' if m.group(0).startswith('</') else '')
                            for m in TAG.finditer(text)),
        'HTML entities': sorted(ENTITY.findall(text)),
        'leading blanks': len(text) - len(text.lstrip(' ')),
        'trailing blanks': len(text) - len(text.rstrip(' ')),
        'keyboard shortcut &': shortcut_count(text),
    }


def check(lupdate, source_dir, ts_files):
    faults = []
    for ts in ts_files:
        name = os.path.basename(ts)
        with tempfile.TemporaryDirectory() as tmp:
            # lupdate brings a copy up to date with the sources: what it adds is
            # missing from the file, what it marks vanished is left over.
            copy = os.path.join(tmp, name)
            shutil.copyfile(ts, copy)
            run = subprocess.run([lupdate, '-silent', '-locations', 'none', '-extensions', 'cpp,h',
                                  source_dir, '-ts', copy], capture_output=True, text=True)
            if run.returncode != 0:
                faults.append(f'{name}: lupdate failed: {run.stderr.strip()}')
                continue
            before = messages(ts)
            after = messages(copy)
        for (context, source), (text, kind) in sorted(after.items()):
            where = f'{name}: [{context}] "{source[:70]}"'
            if (context, source) not in before:
                faults.append(f'{where}: missing')
            elif kind in ('obsolete', 'vanished'):
                faults.append(f'{where}: obsolete (no longer in the sources)')
            elif kind == 'unfinished' or not text:
                faults.append(f'{where}: unfinished')
            else:
                want, got = marks(source), marks(text)
                for what in want:
                    if want[what] != got[what]:
                        faults.append(f'{where}: {what} differ: {want[what]} in the source, '
                                      f'{got[what]} in "{text[:70]}"')
    return faults


def main(argv):
    if len(argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    faults = check(argv[1], argv[2], argv[3:])
    for fault in faults:
        print(fault)
    print(f'{len(argv) - 3} translation files, {len(faults)} faults')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))

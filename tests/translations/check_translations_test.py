#!/usr/bin/env python3
"""The translation check finds each fault it is there for, in a small source
and .ts files made from it, and passes a complete, faithful translation.

usage: check_translations_test.py LUPDATE
"""
import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_translations  # noqa: E402

LUPDATE = sys.argv.pop(1) if len(sys.argv) > 1 else '/usr/lib/qt6/bin/lupdate'

SOURCE = r'''
#include <QCoreApplication>
void texts() {
    QCoreApplication::translate("Window", "&Save");
    QCoreApplication::translate("Window", "Coil of %1 turns at %2 mm");
    QCoreApplication::translate("Window", "The file|%1|could not be saved.");
    QCoreApplication::translate("Window", "<b>Bold</b> &amp; plain");
    QCoreApplication::translate("Window", "   Simulation");
}
'''

GOOD = {
    '&Save': '&Speichern',
    'Coil of %1 turns at %2 mm': 'Spule mit %1 Wdg. bei %2 mm',
    'The file|%1|could not be saved.': 'Die Datei|%1|konnte nicht gespeichert werden.',
    '<b>Bold</b> &amp; plain': '<b>Fett</b> &amp; normal',
    '   Simulation': '   Simulation',
}


def ts_text(translations, extra=''):
    rows = []
    for source, text in translations.items():
        esc = lambda s: s.replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;')
        kind = ' type="unfinished"' if text is None else ''
        rows.append(f'<message><source>{esc(source)}</source><translation{kind}>{esc(text or "")}'
                    f'</translation></message>')
    return ('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n<TS version="2.1" language="de">\n'
            f'<context><name>Window</name>{"".join(rows)}{extra}</context>\n</TS>\n')


class CheckTranslations(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.src = os.path.join(self.dir.name, 'src')
        os.mkdir(self.src)
        with open(os.path.join(self.src, 'texts.cpp'), 'w') as f:
            f.write(SOURCE)

    def tearDown(self):
        self.dir.cleanup()

    def faults(self, translations, extra=''):
        path = os.path.join(self.dir.name, 'yq_de.ts')
        with open(path, 'w', encoding='utf-8') as f:
            f.write(ts_text(translations, extra))
        return check_translations.check(LUPDATE, self.src, [path])

    def test_a_complete_faithful_translation_passes(self):
        self.assertEqual(self.faults(GOOD), [])

    def test_each_fault_is_found(self):
        cases = [
            ('a missing source text', dict(list(GOOD.items())[1:]), '', '"&Save": missing'),
            ('an unfinished entry', {**GOOD, '&Save': None}, '', '"&Save": unfinished'),
            ('an obsolete entry', GOOD,
             '<message><source>Gone</source><translation>Weg</translation></message>', '"Gone": obsolete'),
            ('a lost placeholder', {**GOOD, 'Coil of %1 turns at %2 mm': 'Spule mit %1 Wdg.'}, '',
             'placeholders %N differ'),
            ('a lost | line break', {**GOOD, 'The file|%1|could not be saved.': 'Die Datei %1|nicht gespeichert.'},
             '', 'line breaks | differ'),
            ('a lost HTML tag', {**GOOD, '<b>Bold</b> &amp; plain': 'Fett &amp; normal'}, '', 'HTML tags differ'),
            ('a lost entity', {**GOOD, '<b>Bold</b> &amp; plain': '<b>Fett</b> und normal'}, '',
             'HTML entities differ'),
            ('lost leading blanks', {**GOOD, '   Simulation': 'Simulation'}, '', 'leading blanks differ'),
            ('a lost shortcut', {**GOOD, '&Save': 'Speichern'}, '', 'keyboard shortcut & differ'),
        ]
        for what, translations, extra, expected in cases:
            with self.subTest(what):
                found = self.faults(translations, extra)
                self.assertTrue(any(expected in f for f in found), f'{what}: {found}')
                self.assertEqual(len(found), 1, found)


if __name__ == '__main__':
    unittest.main()

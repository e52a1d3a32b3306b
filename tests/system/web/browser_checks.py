#!/usr/bin/python3
"""The web build in a real headless Chromium, over the DevTools protocol.

- Screens: the canvas, read with getImageData, must equal the headless
  program's frame for the same keys, pixel for pixel: the title, the main
  menu with its picture, the help page, the options summary, three shared
  designs' tables with the profile drawing, the cantilever screen, and the
  cleared screen with the closing line after Quit. A second tab is refused.
- Keys: the window tests' key list (window_keys.sh), typed as a keyboard
  gives it to the browser, reaches the program with the same codes; keys
  the browser would act on are kept from it.
- Files: a design saved, the page reloaded, the design recalled shows the
  same table; a file imported through the panel that is not an element
  file is refused at recall with the Linux build's words.
- Printing: the print view holds the printed report's lines, on pages the
  size the program laid them out for.

usage: browser_checks.py --build WEB_BUILD --chromium CHROMIUM
                         --screen-dump TUB_SCREEN_DUMP --testdata DIR
"""

import argparse
import base64
import json
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import cdp  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
WINDOW_KEYS = os.path.join(HERE, '..', 'frontends', 'window_keys.sh')
ENDED = 'Tubalyzer has ended. Reload the page to start again.'
OTHER_TAB = 'Tubalyzer is already open in another tab.'
failures = []


def check(condition, what):
    print(('ok   ' if condition else 'FAIL ') + what, flush=True)
    if not condition:
        failures.append(what)


class Expected:
    """Headless frames from the host build's tub_screen_dump."""

    def __init__(self, dump, scratch):
        self.dump = dump
        self.scratch = scratch

    def frame(self, keys, folder=None):
        prefix = os.path.join(self.scratch, 'expected')
        subprocess.run([self.dump, keys, prefix], check=True, cwd=folder or self.scratch)
        data = open(prefix + '.ppm', 'rb').read()
        return data[data.index(b'255\n') + 4:]


def same_frame(page, expected_rgb, what):
    rgba = page.canvas_rgba()
    differing = [i for i in range(len(expected_rgb) // 3)
                 if rgba[4 * i:4 * i + 3] != expected_rgb[3 * i:3 * i + 3]]
    rows = sorted({i // 640 // 14 + 1 for i in differing})
    check(not differing, '%s: canvas equals the headless frame%s' % (
        what, '' if not differing else ' (%d pixels differ, text rows %s)' % (len(differing), rows)))


def idle(page):
    page.wait_for('tubalyzer.state.waiting', what='the program to wait for a key')


def options_keys(record):
    typed = record['options']
    keys = (typed['yield_text'] or '') + '\r' + typed['ice_key']
    if typed['ice_key'] in 'yY':
        keys += typed['ice_kind_key'] + typed['thickness_text'] + '\r'
    keys += typed['method_key']
    if typed['method_key'] in 'eE':
        keys += typed['height_text'] + '\r'
    return keys


def entry_keys(record):
    keys = record['title'] + '\r' + str(int(record['count'])) + '\r'
    for s in record['sections']:
        keys += ''.join(s[k] + '\r' for k in ('od_text', 'wall_text', 'exposed_text', 'total_text'))
    return keys


def chosen_designs(testdata):
    """Three clear cases: ice (the red lines), EIA-222-C, EIA/TIA-222-E."""
    records = [json.loads(line) for line in open(os.path.join(testdata, 'designs.jsonl'))]
    plain = [r for r in records if not r.get('ambiguous') and r['count'] >= 3]
    picks = [next(r for r in plain if r['options']['ice_key'] in 'yY'),
             next(r for r in plain if r['options']['ice_key'] in 'nN'
                  and r['options']['method_key'] in 'cC'),
             next(r for r in plain if r['options']['ice_key'] in 'nN'
                  and r['options']['method_key'] in 'eE')]
    return picks


def start(page, url):
    page.navigate(url)
    page.wait_for("window.tubalyzer && tubalyzer.state.running", what='the program to start')
    idle(page)


def check_screens(browser, page, site, expected, designs):
    start(page, site)
    check(page.evaluate('document.title') == 'Tubalyzer 2.20', 'the page is titled Tubalyzer 2.20')
    check(page.evaluate("document.activeElement.id") == 'screen', 'the canvas has focus on load')
    script = ''

    def step(keys, what):
        nonlocal script
        script += keys
        page.type(keys)
        idle(page)
        same_frame(page, expected.frame(script), what)

    step('', 'title screen')
    step('n', 'main menu with its picture')
    step('h', 'help page')
    # Delete at the end of the line beeps: 1000 Hz for a quarter second.
    page.evaluate("window.tones = []; const make = AudioContext.prototype.createOscillator;"
                  " AudioContext.prototype.createOscillator = function () {"
                  " const o = make.call(this), stop = o.stop.bind(o);"
                  " o.stop = t => { tones.push([o.type, o.frequency.value,"
                  " Math.round((t - this.currentTime) * 1000)]); stop(t); }; return o; };")
    page.key('Delete', 'Delete')
    script += '{Delete}'
    idle(page)
    check(page.evaluate('tones') == [['square', 1000, 250]],
          'the beep is a 1000 Hz tone of 0.250 s: %s' % page.evaluate('tones'))
    step('\r', 'main menu again')

    # The largest whole scale that fits beside the panel, else above it.
    for width, height, scale, narrow in ((1600, 900, 2, False), (1000, 900, 1, False),
                                         (700, 900, 1, True)):
        page.call('Emulation.setDeviceMetricsOverride', width=width, height=height,
                  deviceScaleFactor=1, mobile=False)
        page.evaluate("new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)))")
        shown = page.evaluate("(() => { const c = getComputedStyle("
                              "document.getElementById('screen')); return [c.width, c.height,"
                              " c.imageRendering, document.getElementById('app')"
                              ".classList.contains('narrow')]; })()")
        check(shown == ['%dpx' % (640 * scale), '%dpx' % (350 * scale), 'pixelated', narrow],
              'a %dx%d window shows the screen %d times %s: %s' % (
                  width, height, scale, 'above the panel' if narrow else 'beside it', shown))
    page.call('Emulation.clearDeviceMetricsOverride')
    for number, record in enumerate(designs, 1):
        name = 'design %d' % record['id']
        step('o' + options_keys(record), name + ': options summary')
        step('\re' + entry_keys(record), name + ': load table and profile drawing')
        if number == 1:
            step('ev', name + ': View Analysis')
            step('et', 'cantilever screen')
            step('\r', 'main menu after the cantilever screen')
        else:
            step('e', 'main menu')

    second = browser.new_tab()
    second.navigate(site)
    second.wait_for("window.tubalyzer && document.getElementById('status').textContent",
                    what='the second tab')
    check(second.evaluate("document.getElementById('status').textContent") == OTHER_TAB,
          'a second tab is refused: ' + OTHER_TAB)
    check(second.evaluate('tubalyzer.state.frames') == 0, 'the second tab runs no program')
    second.call('Page.close')

    page.type('q')
    page.wait_for("!tubalyzer.state.running", what='the program to end')
    same_frame(page, expected.frame(script + 'q'), 'after Quit, the cleared screen')
    check(page.evaluate("document.getElementById('status').textContent") == ENDED,
          'after Quit the page says: ' + ENDED)


# xdotool's names as a browser's key events give them: key, code, modifiers.
KEYS = {
    'Up': ('ArrowUp', 'ArrowUp'), 'Down': ('ArrowDown', 'ArrowDown'),
    'Left': ('ArrowLeft', 'ArrowLeft'), 'Right': ('ArrowRight', 'ArrowRight'),
    'Home': ('Home', 'Home'), 'End': ('End', 'End'), 'Prior': ('PageUp', 'PageUp'),
    'Next': ('PageDown', 'PageDown'), 'Insert': ('Insert', 'Insert'),
    'Delete': ('Delete', 'Delete'), 'Return': ('Enter', 'Enter'),
    'BackSpace': ('Backspace', 'Backspace'), 'Tab': ('Tab', 'Tab'),
    'Escape': ('Escape', 'Escape'), 'ctrl+c': ('c', 'KeyC', 2),
    'KP_Enter': ('Enter', 'NumpadEnter'),
    # Num Lock off: the keypad is the cursor block.
    'KP_Up': ('ArrowUp', 'Numpad8'), 'KP_Home': ('Home', 'Numpad7'),
    'KP_Next': ('PageDown', 'Numpad3'), 'KP_Delete': ('Delete', 'NumpadDecimal'),
    **{'F%d' % n: ('F%d' % n, 'F%d' % n) for n in range(1, 13)},
}


def window_key_list():
    """The keys window_keys.sh types, in order, and the codes it expects."""
    text = open(WINDOW_KEYS).read()
    typed = []
    for kind, args in re.findall(r"^xdotool (key|type) (?:--delay \d+ )?(.*)$", text, re.M):
        if kind == 'key':
            typed += [('key', name) for name in args.split()]
        else:
            typed += [('char', ch) for ch in args.strip("'")]
    expected = re.search(r"^expected='(.*?)'$", text, re.M | re.S).group(1).split('\n')
    return typed, expected


def check_keys(page, checks_url):
    start(page, checks_url)
    # What the browser would do with each key: kept from it or not.
    page.evaluate("window.kept = []; document.addEventListener('keydown',"
                  " e => kept.push(e.key + (e.defaultPrevented ? ' kept' : ' left')));")
    typed, expected = window_key_list()
    for kind, name in typed:
        if kind == 'char':
            page.key(name, '', name)
        else:
            key, code, *modifiers = KEYS[name]
            page.key(key, code, None, modifiers[0] if modifiers else 0)
    page.wait_for("!tubalyzer.state.running", what='the key echo to end at q')
    got = page.evaluate("FS.readFile('/keys.txt', {encoding: 'utf8'})").split('\n')[:-1]
    check(got == expected, 'the window tests\' key list arrives as on a PC' +
          ('' if got == expected else ': got %s' % got))
    kept = page.evaluate('kept')
    browser_keys = ['Backspace kept', 'Tab kept', 'F1 kept', 'ArrowUp kept', 'Home kept',
                    'End kept', 'F5 kept']
    check(all(k in kept for k in browser_keys), 'Backspace, Tab, F1, F5, arrows, Home and End '
          'are kept from the browser')

    # Layouts: AltGr (Ctrl+Alt on Windows) types; Ctrl+C on a Cyrillic
    # layout is still 3; Ctrl+R and Alt+Left stay the browser's.
    start(page, checks_url)
    page.evaluate("window.kept = []; document.addEventListener('keydown',"
                  " e => kept.push(e.key + (e.defaultPrevented ? ' kept' : ' left')));")
    page.key('@', 'KeyQ', '@', 3)
    page.key('\u0441', 'KeyC', None, 2)
    page.key('r', 'KeyR', None, 2)
    page.key('ArrowLeft', 'ArrowLeft', None, 1)
    page.key('q', 'KeyQ', 'q')
    page.wait_for("!tubalyzer.state.running", what='the key echo to end at q')
    got = page.evaluate("FS.readFile('/keys.txt', {encoding: 'utf8'})").split('\n')[:-1]
    check(got == ['ready', '64', '3', '113'], 'AltGr types, Ctrl+C works on any layout: %s' % got)
    check(page.evaluate('kept')[2:4] == ['r left', 'ArrowLeft left'],
          'Ctrl+R and Alt+Left are left to the browser')


# The worked example as a user types it: options (ENTER, no ice,
# EIA-222-C), the three tubes, then section 1 changed to a 0.049 wall.
WORKED_EXAMPLE = ('o\rnc\r' + 'eTEST ELEMENT\r3\r0.5\r.058\r36\r40\r.625\r.058\r36\r42\r'
                  '.75\r.058\r30\r36\r' + 'c1\r0.5\r.049\r36\r40\r')


def check_files(page, site, expected, scratch):
    folder = tempfile.mkdtemp(dir=scratch)
    start(page, site)
    page.type('n' + WORKED_EXAMPLE)
    idle(page)
    same_frame(page, expected.frame('n' + WORKED_EXAMPLE), 'the worked example, changed')
    save = 'n' + WORKED_EXAMPLE + 'sKEEP.ELE\r\rm'
    page.type('sKEEP.ELE\r\rm')
    idle(page)
    expected.frame(save, folder)  # the headless program saves KEEP.ELE in `folder`
    page.wait_for("tubalyzer.state.writeBacks > 0", what='the folder to be written back')

    recall = 'no\rnc\rreKEEP\r\rv'
    page.call('Page.reload')
    page.wait_for("window.tubalyzer && tubalyzer.state.running", what='the program to restart')
    idle(page)
    listed = page.evaluate("[...document.querySelectorAll('#files li span')]"
                           ".map(e => e.textContent)")
    check(listed == ['KEEP.ELE'], 'after a reload the panel lists the saved file: %s' % listed)
    page.type(recall)
    idle(page)
    same_frame(page, expected.frame(recall, folder),
               'saved, reloaded, recalled: the same design\'s table')
    page.type('e')
    idle(page)

    # Deleted through the panel; then a file that is not an element file,
    # chosen twice in the panel's picker: the second time replaces it, once
    # the user agreed.
    page.evaluate("document.querySelector('#files li button').click()")
    check(page.dialogs == ['Delete KEEP.ELE?'], 'deleting a file asks first')
    folder = tempfile.mkdtemp(dir=scratch)
    junk = os.path.join(folder, 'NOTES.ELE')
    with open(junk, 'wb') as f:
        f.write(b'shopping list\r\nmilk, eggs\r\n')
    document = page.call('DOM.getDocument')['root']['nodeId']
    picker = page.call('DOM.querySelector', nodeId=document, selector='#file-input')['nodeId']
    for _ in range(2):
        written = page.evaluate('tubalyzer.state.writeBacks')
        page.call('DOM.setFileInputFiles', nodeId=picker, files=[junk])
        page.wait_for("tubalyzer.state.writeBacks > %d" % written,
                      what='the import to be written back')
    check(page.dialogs[1:] == ['Replace NOTES.ELE with the chosen file?'],
          'importing over a file asks first: %s' % page.dialogs[1:])
    listed = page.evaluate("[...document.querySelectorAll('#files li span')]"
                           ".map(e => e.textContent)")
    check(listed == ['NOTES.ELE'], 'the panel lists what is in the folder: %s' % listed)
    check(page.evaluate("document.activeElement.id") == 'screen',
          'the canvas has focus again after using the panel')
    page.type('reNOTES\r')
    idle(page)
    same_frame(page, expected.frame('nreNOTES\r', folder),
               'an imported file that is not an element file is refused as on Linux')


def report_pages(report):
    """The printed report's pages of lines, as the printer lays them out."""
    pages = []
    for text in report.split('\f'):
        lines = text.split('\r\n')
        if text.startswith('\r\n'):
            lines = lines[1:]  # the line end that followed the form feed
        if lines and lines[-1] == '':
            lines.pop()
        if any(line.strip() for line in lines):
            pages.append(lines)
    return pages


def check_print(page, site, design, scratch):
    start(page, site)
    page.type('n' + 'o' + options_keys(design) + '\r' + 'e' + entry_keys(design))
    idle(page)
    page.evaluate("window.printed = 0; window.print = () => { printed++; };")
    page.type('p')
    idle(page)
    page.wait_for('printed === 1', what='the print dialog')
    shown = page.evaluate("[...document.querySelectorAll('#print-view .page')]"
                          ".map(p => p.textContent.split('\\n'))")
    want = report_pages(design['printed_report'])
    check(shown == want, 'the print view holds the printed report\'s lines, page by page' +
          ('' if shown == want else ': got %s, want %s' % (shown, want)))
    rule = page.evaluate("document.getElementById('page-size').textContent")
    check('@page { size: 612pt 792pt; margin: 18pt 18pt 18pt 18pt; }' in rule,
          'the print view\'s page is Letter with quarter-inch margins')
    check(page.evaluate("getComputedStyle(document.getElementById('print-view')).display")
          == 'none', 'the print view is not on the screen')
    pdf = os.path.join(scratch, 'view.pdf')
    with open(pdf, 'wb') as f:
        f.write(base64.b64decode(page.call('Page.printToPDF', preferCSSPageSize=True)['data']))
    info = subprocess.run(['pdfinfo', pdf], capture_output=True, text=True).stdout
    check(re.search(r'Pages:\s+%d\n' % len(want), info) and '612 x 792 pts' in info,
          'printed, the view makes %d Letter page(s)' % len(want))

    page.evaluate("document.getElementById('paper').value = 'a4';"
                  " document.getElementById('paper').dispatchEvent(new Event('change'))")
    page.type('p')
    idle(page)
    page.wait_for('printed === 2', what='the second print dialog')
    check('size: 595.2756pt 841.8898pt; margin: 18pt' in
          page.evaluate("document.getElementById('page-size').textContent"),
          'with A4 chosen, the print view\'s page is A4')


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--build', required=True)
    parser.add_argument('--chromium', default='chromium')
    parser.add_argument('--screen-dump', required=True)
    parser.add_argument('--testdata', required=True)
    args = parser.parse_args()
    for path in (args.screen_dump, os.path.join(args.testdata, 'designs.jsonl'),
                 os.path.join(args.build, 'site', 'tubalyzer.wasm')):
        if not os.path.exists(path):
            sys.exit('missing %s (build the ci preset and the site first)' % path)

    designs = chosen_designs(args.testdata)
    with tempfile.TemporaryDirectory(prefix='tub-web.') as scratch, \
            cdp.serve(args.build) as base:
        expected = Expected(os.path.abspath(args.screen_dump), scratch)
        browser = cdp.Chromium(args.chromium)
        try:
            page = browser.page()
            check_screens(browser, page, base + 'site/', expected, designs)
            check_keys(page, base + 'checks/')
            check_files(page, base + 'site/', expected, scratch)
            check_print(page, base + 'site/', designs[2], scratch)
        finally:
            browser.close()
    if failures:
        sys.exit('%d browser checks failed' % len(failures))
    print('browser checks: all passed')


if __name__ == '__main__':
    main()

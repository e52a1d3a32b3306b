"""A headless Chromium and a static web server, both private, driven over the
DevTools protocol: just enough for the browser checks and the benchmark."""

import base64
import contextlib
import http.server
import json
import os
import shutil
import subprocess
import tempfile
import threading
import time
import urllib.request

import websocket  # python3-websocket


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


@contextlib.contextmanager
def serve(folder):
    """Serves `folder` on 127.0.0.1 on a free port; yields the base URL."""
    handler = lambda *a, **k: QuietHandler(*a, directory=folder, **k)
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        yield 'http://127.0.0.1:%d/' % server.server_address[1]
    finally:
        server.shutdown()
        server.server_close()


class Chromium:
    """One headless Chromium with a fresh profile; `page` talks to its tab."""

    def __init__(self, binary):
        self.profile = tempfile.mkdtemp(prefix='tub-chromium.')
        self.process = subprocess.Popen(
            [binary, '--headless=new', '--no-sandbox', '--disable-gpu',
             '--disable-background-networking', '--disable-component-update',
             '--disable-sync', '--no-first-run', '--no-default-browser-check',
             '--user-data-dir=' + self.profile, '--remote-debugging-address=127.0.0.1',
             '--remote-debugging-port=0', 'about:blank'],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = os.path.join(self.profile, 'DevToolsActivePort')
        deadline = time.monotonic() + 30
        while not (os.path.exists(port_file) and open(port_file).read().count('\n') >= 1):
            if self.process.poll() is not None or time.monotonic() > deadline:
                self.close()
                raise RuntimeError('Chromium did not start')
            time.sleep(0.05)
        self.port = int(open(port_file).read().split('\n')[0])

    def new_tab(self):
        request = urllib.request.Request('http://127.0.0.1:%d/json/new?about:blank' % self.port,
                                         method='PUT')
        with urllib.request.urlopen(request) as answer:
            return Page(json.load(answer)['webSocketDebuggerUrl'])

    def page(self):
        with urllib.request.urlopen('http://127.0.0.1:%d/json/list' % self.port) as answer:
            tab = next(t for t in json.load(answer) if t['type'] == 'page')
        return Page(tab['webSocketDebuggerUrl'])

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)


class Page:
    def __init__(self, url):
        self.socket = websocket.create_connection(url, timeout=60, suppress_origin=True)
        self.next_id = 0
        self.dialogs = []  # messages of the dialogs opened, each accepted
        self.call('Page.enable')
        self.call('Runtime.enable')

    def call(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({'id': self.next_id, 'method': method, 'params': params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get('method') == 'Page.javascriptDialogOpening':
                self.dialogs.append(message['params']['message'])
                self.socket.send(json.dumps({'id': -len(self.dialogs), 'params': {'accept': True},
                                             'method': 'Page.handleJavaScriptDialog'}))
            if message.get('id') == self.next_id:
                if 'error' in message:
                    raise RuntimeError('%s: %s' % (method, message['error']))
                return message['result']

    def evaluate(self, expression):
        result = self.call('Runtime.evaluate', expression=expression, awaitPromise=True,
                           returnByValue=True)
        if 'exceptionDetails' in result:
            raise RuntimeError('%s: %s' % (expression, result['exceptionDetails']))
        return result['result'].get('value')

    def wait_for(self, expression, timeout=30, what=None):
        deadline = time.monotonic() + timeout
        while True:
            value = self.evaluate(expression)
            if value:
                return value
            if time.monotonic() > deadline:
                raise AssertionError('timed out waiting for ' + (what or expression))
            time.sleep(0.02)

    def navigate(self, url):
        self.call('Page.navigate', url=url)

    # Keys as a keyboard gives them: `key` and `code` as the browser fills
    # them in, the text for keys that type. Modifiers: 2 Ctrl, 1 Alt.
    def key(self, key, code, text=None, modifiers=0):
        down = {'type': 'keyDown' if text else 'rawKeyDown', 'key': key, 'code': code,
                'modifiers': modifiers}
        if text:
            down['text'] = text
        self.call('Input.dispatchKeyEvent', **down)
        self.call('Input.dispatchKeyEvent', type='keyUp', key=key, code=code,
                  modifiers=modifiers)

    def type(self, text):
        for ch in text:
            if ch == '\r' or ch == '\n':
                self.key('Enter', 'Enter', '\r')
            elif ch.isalpha() and ch.isascii():
                self.key(ch, 'Key' + ch.upper(), ch)
            elif ch.isdigit():
                self.key(ch, 'Digit' + ch, ch)
            else:
                self.key(ch, '', ch)

    def canvas_rgba(self):
        data = self.evaluate(
            "(() => { const c = document.getElementById('screen');"
            " const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;"
            " let s = ''; for (let i = 0; i < d.length; i += 8192)"
            " s += String.fromCharCode.apply(null, d.subarray(i, i + 8192));"
            " return btoa(s); })()")
        return base64.b64decode(data)


#!/usr/bin/python3
"""Figures for the browser version, in one headless Chromium (see run.sh).

usage: measure.py SITE_DIR MINIMAL_DIR CHROMIUM [RUNS]
"""

import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                '..', '..', 'tests', 'system', 'web'))
import cdp  # noqa: E402

CLOCK_TICKS = os.sysconf('SC_CLK_TCK')


def renderer_cpu_seconds(browser):
    """CPU time so far of the browser's renderer processes (its tabs)."""
    children, stats = {}, {}
    for pid in filter(str.isdigit, os.listdir('/proc')):
        try:
            fields = open('/proc/%s/stat' % pid).read().rsplit(')', 1)[1].split()
            command = open('/proc/%s/cmdline' % pid, 'rb').read()
        except OSError:
            continue
        children.setdefault(int(fields[1]), []).append(int(pid))
        stats[int(pid)] = (b'--type=renderer' in command, int(fields[11]) + int(fields[12]))
    total, family = 0, [browser.process.pid]
    while family:
        pid = family.pop()
        family += children.get(pid, [])
        renderer, ticks = stats.get(pid, (False, 0))
        total += ticks if renderer else 0
    return total / CLOCK_TICKS


def idle_cpu(page, browser, seconds=10):
    """Main-thread busy time and renderer CPU over `seconds`, in % of a core,
    once the page has settled: for some seconds after a load the engine
    still collects the pages before and compiles hot code."""
    time.sleep(10)
    def busy():
        metrics = page.call('Performance.getMetrics')['metrics']
        return next(m['value'] for m in metrics if m['name'] == 'TaskDuration')
    task, cpu, start = busy(), renderer_cpu_seconds(browser), time.monotonic()
    time.sleep(seconds)
    took = time.monotonic() - start
    return 100 * (busy() - task) / took, 100 * (renderer_cpu_seconds(browser) - cpu) / took


def first_frame(page, url, expression):
    page.navigate(url)
    return page.wait_for("(window.tubalyzer || window.minimalFrameAt) && (%s)" % expression,
                         timeout=60)


def main():
    site, minimal, chromium = sys.argv[1:4]
    runs = int(sys.argv[4]) if len(sys.argv) > 4 else 15
    with cdp.serve(site) as site_url, cdp.serve(minimal) as minimal_url:
        browser = cdp.Chromium(chromium)
        try:
            page = browser.page()
            page.call('Network.enable')
            page.call('Network.setCacheDisabled', cacheDisabled=True)
            program, least = [], []
            for _ in range(runs):  # interleaved, so both meet the same machine
                least.append(first_frame(page, minimal_url + 'minimal.html',
                                         'window.minimalFrameAt'))
                program.append(first_frame(page, site_url,
                                           'window.tubalyzer && tubalyzer.state.firstFrameAt'))
            a, b = statistics.median(program), statistics.median(least)
            print('navigation to the title drawn: %.0f ms (median of %d, no cache); minimal page '
                  '%.0f ms; ratio %.2f (target at most 1.5)' % (a, runs, b, a / b))

            # Idle: the minimal page after its frame, for Chromium's own
            # share, then the program at its main menu.
            page.call('Performance.enable')
            first_frame(page, minimal_url + 'minimal.html', 'window.minimalFrameAt')
            floor = idle_cpu(page, browser)
            first_frame(page, site_url, 'window.tubalyzer && tubalyzer.state.waiting')
            page.type('n')
            page.wait_for('tubalyzer.state.waiting')
            busy = idle_cpu(page, browser)
            print('idle tab over 10 s at the main menu: main thread busy %.2f %%, renderer '
                  'process %.2f %% of a core (target under 1 %%); the minimal page: %.2f %%, '
                  '%.2f %%' % (*busy, *floor))

            # Keys at the help page's prompt: a letter and Backspace by turns,
            # each echoed. From the key event to the frame on the canvas, and
            # to the start of the browser frame that shows it.
            page.type('h')
            page.wait_for('tubalyzer.state.waiting')
            page.evaluate("window.latency = []; window.addEventListener('keydown', e => {"
                          " const t = e.timeStamp; requestAnimationFrame(() => latency.push("
                          "[tubalyzer.state.lastFrameAt - t, performance.now() - t])); },"
                          " true);")
            for i in range(200):
                frames = page.evaluate('tubalyzer.state.frames')
                if i % 2 == 0:
                    page.key('a', 'KeyA', 'a')
                else:
                    page.key('Backspace', 'Backspace')
                page.wait_for('tubalyzer.state.frames > %d && tubalyzer.state.waiting && '
                              'latency.length > %d' % (frames, i))
            latency = page.evaluate('latency')
            drawn = sorted(x[0] for x in latency)
            shown = sorted(x[1] for x in latency)
            p99 = lambda values: values[min(len(values) - 1, int(0.99 * len(values)))]
            print('key event to canvas updated, 200 keys: median %.2f ms, 99th percentile '
                  '%.2f ms; to the browser frame showing it: median %.2f ms, 99th percentile '
                  '%.2f ms' % (statistics.median(drawn), p99(drawn), statistics.median(shown),
                               p99(shown)))
        finally:
            browser.close()


if __name__ == '__main__':
    main()

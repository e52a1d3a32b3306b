// The page around the program: the canvas and its keys, the beep, the
// program's folder in the browser's storage with the files panel, and the
// print view. The program calls in through Module.tubalyzer (WebBridge.cpp);
// key events call the program's tub_key_event. Put in front of the
// program's JavaScript by the build, so it runs before the program starts.
Module['tubalyzer'] = (function () {
  'use strict';

  var MAX_IMPORT_BYTES = 1 << 20;  // recall refuses anything larger anyway
  var KEY_TEXT_BYTES = 128;
  var LOCK_NAME = 'tubalyzer-folder';
  var PAPER_KEY = 'tubalyzer-paper';

  var byId = function (id) { return document.getElementById(id); };
  var canvas = byId('screen');
  var context = canvas.getContext('2d', { alpha: false });

  // What the tests and the benchmark read; nothing in the page depends on it.
  var state = {
    running: false,
    waiting: false,   // suspended in a key wait with no key queued
    frames: 0,
    firstFrameAt: null,
    lastFrameAt: null,
    beeps: 0,
    prints: 0,
    writeBacks: 0,
  };

  var wake = null;          // resolves the key wait in progress
  var keysTaken = 0;
  var keyText = 0;          // two UTF-8 buffers in the program's memory
  var audio = null;
  var beepsPlaying = 0;
  var folder = null;
  var folderReady = Promise.resolve();  // null: opened, not yet read
  var folderLoaded = false;
  var lastWritten = null;   // the folder as last written back
  var writing = Promise.resolve();
  var downloadLinks = [];
  var releaseTab = null;

  function say(id, text) { byId(id).textContent = text; }

  function note(text) {
    var item = document.createElement('li');
    item.textContent = text;
    byId('notes').appendChild(item);
  }

  function focusScreen() {
    if (state.running) canvas.focus({ preventScroll: true });
  }

  // --- layout ---------------------------------------------------------

  // The largest whole number of device pixels per screen pixel at which the
  // canvas fits; beside the panel when there is room, else above it.
  function fit() {
    var ratio = window.devicePixelRatio || 1;
    var least = Math.max(1, Math.round(ratio));
    var gap = 16;
    var panel = byId('panel');
    var below = byId('status').offsetHeight + 3 * gap;
    var scale = function (width, height) {
      return Math.floor(Math.min(width / 640, height / 350) * ratio);
    };
    var beside = scale(window.innerWidth - panel.offsetWidth - 3 * gap, window.innerHeight - below);
    var narrow = beside < least;
    byId('app').classList.toggle('narrow', narrow);
    var factor = narrow ? Math.max(least, scale(window.innerWidth - 2 * gap, window.innerHeight - below))
                        : beside;
    canvas.style.width = (640 * factor / ratio) + 'px';
    canvas.style.height = (350 * factor / ratio) + 'px';
  }

  // --- screen and keys ------------------------------------------------

  function showFrame(pointer, width, height) {
    var pixels = new Uint8ClampedArray(HEAPU8.buffer, pointer, width * height * 4);
    context.putImageData(new ImageData(pixels, width, height), 0, 0);
    state.frames++;
    state.lastFrameAt = performance.now();
    if (state.firstFrameAt === null) state.firstFrameAt = state.lastFrameAt;
  }

  function onKeyDown(event) {
    if (!state.running || event.isComposing || typeof event.key !== 'string') return;
    if (!keyText) keyText = _malloc(2 * KEY_TEXT_BYTES);
    stringToUTF8(event.key, keyText, KEY_TEXT_BYTES);
    stringToUTF8(event.code, keyText + KEY_TEXT_BYTES, KEY_TEXT_BYTES);
    var modifiers = (event.ctrlKey ? 1 : 0) | (event.altKey ? 2 : 0) | (event.metaKey ? 4 : 0);
    if (!Module['_tub_key_event'](keyText, keyText + KEY_TEXT_BYTES, modifiers)) return;
    event.preventDefault();
    keysTaken++;
    if (wake) {
      var resume = wake;
      wake = null;
      state.waiting = false;
      resume();
    }
  }

  async function waitForInput(timeoutMs) {
    var taken = keysTaken;
    await (folderReady || loadFolder());
    writeBackIfChanged();
    if (keysTaken !== taken) return;  // typed while the folder was read
    await new Promise(function (resolve) {
      var timer = null;
      wake = function () {
        if (timer !== null) clearTimeout(timer);
        resolve();
      };
      state.waiting = true;
      if (timeoutMs >= 0) {
        timer = setTimeout(function () {
          wake = null;
          state.waiting = false;
          resolve();
        }, timeoutMs);
      }
    });
  }

  // A square wave, as the PC speaker made it. The audio context is made
  // only once the page has been used (browsers allow sound from then on)
  // and is suspended between beeps, so an idle tab runs no audio thread.
  async function beep(hz, ms) {
    var done = new Promise(function (resolve) { setTimeout(resolve, ms); });
    state.beeps++;
    try {
      var allowed = !navigator.userActivation || navigator.userActivation.hasBeenActive;
      if (!audio && allowed && window.AudioContext) audio = new AudioContext();
      if (audio) {
        beepsPlaying++;
        var oscillator = audio.createOscillator();
        var gain = audio.createGain();
        oscillator.type = 'square';
        oscillator.frequency.value = hz;
        gain.gain.value = 0.1;
        oscillator.connect(gain).connect(audio.destination);
        oscillator.onended = function () {
          beepsPlaying--;
          if (beepsPlaying === 0) audio.suspend();
        };
        await Promise.race([audio.resume(), done]);
        oscillator.start();
        oscillator.stop(audio.currentTime + ms / 1000);
      }
    } catch (error) {
      // No sound: the program still waits the tone's length.
    }
    await done;
  }

  // --- the program's folder -------------------------------------------

  function folderEntries() {
    return FS.readdir(folder).filter(function (name) {
      return name !== '.' && name !== '..';
    }).sort();
  }

  function isFile(name) {
    var found = FS.analyzePath(folder + '/' + name);
    return found.exists && FS.isFile(found.object.mode);
  }

  // Names, sizes and times: enough to tell whether anything changed.
  function folderState() {
    return folderEntries().map(function (name) {
      var info = FS.stat(folder + '/' + name);
      return name + '\0' + info.mode + '\0' + info.size + '\0' + info.mtime.getTime();
    }).join('\n');
  }

  // The files are read from the browser's storage at the first key wait:
  // nothing reads them before a key, and the title is on the screen sooner.
  function openFolder(path) {
    folder = path;
    FS.mkdir(folder);
    FS.mount(IDBFS, {}, folder);
    FS.chdir(folder);
    folderReady = null;
  }

  function loadFolder() {
    folderReady = new Promise(function (resolve) {
      FS.syncfs(true, function (error) {
        // Unread, the stored folder must not be written over with an empty one.
        folderLoaded = !error;
        if (error) note('The files kept in this browser could not be read: ' + error + '.');
        lastWritten = folderState();
        listFiles();
        resolve();
      });
    });
    keepStorage();
    return folderReady;
  }

  function writeBackIfChanged() {
    if (!folderLoaded) return;  // an unread folder would wipe the stored one
    var now = folderState();
    if (now === lastWritten) return;
    lastWritten = now;
    state.writeBacks++;
    writing = writing.then(function () {
      return new Promise(function (resolve) {
        FS.syncfs(false, function (error) {
          if (error) {
            lastWritten = null;  // try again at the next key wait
            note('The files could not be written to the browser\'s storage: ' + error + '.');
          }
          resolve();
        });
      });
    });
    listFiles();
  }

  function keepStorage() {
    if (!navigator.storage || !navigator.storage.persist) {
      note('This browser cannot be asked to keep the files; it may clear them when space runs low.');
      return;
    }
    navigator.storage.persist().then(function (granted) {
      if (!granted) {
        note('The browser did not agree to keep the files for good; it may clear them when space runs low.');
      }
    }, function () {});
  }

  function listFiles() {
    var list = byId('files');
    downloadLinks.forEach(function (url) { URL.revokeObjectURL(url); });
    downloadLinks = [];
    list.textContent = '';
    folderEntries().filter(function (name) {
      return name.charAt(0) !== '.' && isFile(name);
    }).forEach(function (name) {
      var item = document.createElement('li');
      var label = document.createElement('span');
      label.textContent = name;
      var url = URL.createObjectURL(new Blob([FS.readFile(folder + '/' + name)]));
      downloadLinks.push(url);
      var download = document.createElement('a');
      download.href = url;
      download.download = name;
      download.textContent = 'Download';
      var remove = document.createElement('button');
      remove.type = 'button';
      remove.textContent = 'Delete';
      remove.disabled = !state.running;
      remove.addEventListener('click', function () { deleteFile(name); });
      item.append(label, ' ', download, ' ', remove);
      list.appendChild(item);
    });
    if (!list.firstChild) {
      var empty = document.createElement('li');
      empty.textContent = 'No files yet.';
      list.appendChild(empty);
    }
  }

  function usableName(name) {
    return name.length > 0 && name.length <= 255 && name.charAt(0) !== '.' &&
           name.indexOf('/') < 0 && name.indexOf('\0') < 0;
  }

  // Copies files as they are: whether they are element files is for
  // recall to say, as it does for any file.
  async function importFiles(files) {
    if (!state.running) return;
    await (folderReady || loadFolder());
    for (var i = 0; i < files.length; i++) {
      var file = files[i];
      if (!usableName(file.name)) {
        note(file.name + ': not a usable file name; not copied.');
        continue;
      }
      if (file.size > MAX_IMPORT_BYTES) {
        note(file.name + ' is larger than 1 MiB, too large for an element file; not copied.');
        continue;
      }
      if (isFile(file.name) && !window.confirm('Replace ' + file.name + ' with the chosen file?')) {
        continue;
      }
      FS.writeFile(folder + '/' + file.name, new Uint8Array(await file.arrayBuffer()));
    }
    writeBackIfChanged();
    focusScreen();
  }

  function deleteFile(name) {
    if (state.running && isFile(name) && window.confirm('Delete ' + name + '?')) {
      FS.unlink(folder + '/' + name);
      writeBackIfChanged();
    }
    focusScreen();
  }

  // --- printing -------------------------------------------------------

  function paperIsA4() { return byId('paper').value === 'a4'; }

  // One block per printed page, Courier 10 pt (1/12 inch a character), on
  // a page the size and margins the program laid it out for.
  function showPrintView(title, text, page) {
    var view = byId('print-view');
    view.textContent = '';
    text.split('\f').forEach(function (lines) {
      var block = document.createElement('pre');
      block.className = 'page';
      block.textContent = lines;
      view.appendChild(block);
    });
    var right = page.pageWidthPt - page.leftPt - page.widthPt;
    var bottom = page.pageHeightPt - page.topPt - page.heightPt;
    byId('page-size').textContent =
        '@page { size: ' + page.pageWidthPt + 'pt ' + page.pageHeightPt + 'pt; margin: ' +
        page.topPt + 'pt ' + right + 'pt ' + bottom + 'pt ' + page.leftPt + 'pt; }\n' +
        '#print-view .page { width: ' + page.widthPt + 'pt; }';
    state.prints++;
    var screenTitle = document.title;
    window.addEventListener('afterprint', function restore() {
      window.removeEventListener('afterprint', restore);
      document.title = screenTitle;
      focusScreen();
    });
    document.title = title;  // the name a browser suggests for a PDF
    // After the screen has been drawn, and from a task of its own: the
    // program goes on at once, whatever the dialog does.
    requestAnimationFrame(function () { setTimeout(function () { window.print(); }, 0); });
  }

  // --- one tab, start and end -----------------------------------------

  // Asked for as the page loads, while the program is still on its way:
  // held until the program ends or the page goes.
  var tabGranted = !navigator.locks ? Promise.resolve(true) : new Promise(function (resolve) {
    navigator.locks.request(LOCK_NAME, { ifAvailable: true }, function (lock) {
      resolve(lock !== null);
      if (lock === null) return undefined;
      return new Promise(function (release) { releaseTab = release; });
    });
  });

  async function acquireTab() {
    var granted = await tabGranted;
    if (!granted) {
      say('status', 'Tubalyzer is already open in another tab.');
      setPanel(false);
      return false;
    }
    state.running = true;
    setPanel(true);
    focusScreen();
    return true;
  }

  function ended(problem) {
    state.running = false;
    state.waiting = false;
    say('status', problem ? 'Tubalyzer stopped: ' + problem + '. Reload the page to start again.'
                          : 'Tubalyzer has ended. Reload the page to start again.');
    setPanel(false);
    writeBackIfChanged();
    writing.then(function () { if (releaseTab) releaseTab(); });
  }

  function setPanel(enabled) {
    byId('open-file').disabled = !enabled;
    document.querySelectorAll('#files button').forEach(function (button) {
      button.disabled = !enabled;
    });
  }

  function start() {
    var saved = null;
    try { saved = window.localStorage.getItem(PAPER_KEY); } catch (error) { /* private mode */ }
    if (saved === 'a4' || saved === 'letter') byId('paper').value = saved;
    byId('paper').addEventListener('change', function () {
      try { window.localStorage.setItem(PAPER_KEY, byId('paper').value); } catch (error) { /* */ }
      focusScreen();
    });
    canvas.addEventListener('keydown', onKeyDown);
    var picker = byId('file-input');
    byId('open-file').addEventListener('click', function () { picker.click(); });
    picker.addEventListener('change', function () {
      var chosen = Array.prototype.slice.call(picker.files);
      picker.value = '';
      importFiles(chosen);
    });
    picker.addEventListener('cancel', focusScreen);
    document.addEventListener('dragover', function (event) { event.preventDefault(); });
    document.addEventListener('drop', function (event) {
      event.preventDefault();
      if (event.dataTransfer) importFiles(Array.prototype.slice.call(event.dataTransfer.files));
    });
    byId('panel').addEventListener('click', function (event) {
      if (event.target.closest('a')) setTimeout(focusScreen, 0);
    });
    window.addEventListener('resize', fit);
    fit();
  }

  Module['print'] = function (text) { console.log(text); };
  Module['printErr'] = function (text) { console.warn(text); };
  Module['onAbort'] = function (what) {
    state.running = false;
    say('status', 'Tubalyzer could not run in this browser: ' + what);
  };
  start();

  return {
    state: state,
    acquireTab: acquireTab,
    openFolder: openFolder,
    showFrame: showFrame,
    waitForInput: waitForInput,
    beep: beep,
    paperIsA4: paperIsA4,
    showPrintView: showPrintView,
    ended: ended,
  };
})();
window['tubalyzer'] = Module['tubalyzer'];

// The saves kept in the browser's IndexedDB: the game runs in /game with its dat/ there; its
// save files are copied to and from /saves, the IndexedDB mount, so the packed pictures stay out
// of storage. Also the downloads of them and the files a player picks to load or watch.
'use strict';

const SAVE_DIR = '/saves';
const SAVE_NAME = 'game.txt';
// The player's keys, buttons, toggles, volume and display, beside the saved game.
const SETTINGS_NAME = 'settings.txt';
// A save file is a few kilobytes; anything this large is not one.
const MAX_PICKED_BYTES = 1024 * 1024;
// A picked recording waits in IndexedDB for the reload that restarts the game, and the tab's
// session storage says so. Without IndexedDB the recording itself waits there (a few MB at most).
const WATCH_KEY = 'void-angler-watch';
const WATCH_FILE = SAVE_DIR + '/watch.rec';
// The largest saved game a recording holds is 16 MiB; the session storage takes less anyway.
const MAX_WATCH_BYTES = 32 * 1024 * 1024;

function isFile(path) {
    try {
        return FS.isFile(FS.stat(path).mode);
    } catch (e) {
        return false;
    }
}

// Copies the save files ("game.txt", the checkpoints, the settings and the table of scores)
// from one folder to another, and the runs' recordings where they changed; a run's recording the
// game removed goes from the other folder too.
function copySaves(from, to) {
    const names = FS.readdir(from).filter(name => isFile(from + '/' + name));
    for (const name of names) {
        if (name.endsWith('.txt')) {
            FS.writeFile(to + '/' + name, FS.readFile(from + '/' + name));
        } else if (isRunRecording(name)) {
            const {mtime} = FS.stat(from + '/' + name);
            if (!isFile(to + '/' + name) || FS.stat(to + '/' + name).mtime.getTime() !== mtime.getTime()) {
                FS.writeFile(to + '/' + name, FS.readFile(from + '/' + name));
                FS.utime(to + '/' + name, mtime.getTime(), mtime.getTime());
            }
        }
    }
    for (const name of FS.readdir(to)) {
        if (isRunRecording(name) && !names.includes(name)) {
            FS.unlink(to + '/' + name);
        }
    }
}

function storageFailed(err) {
    page.storageOk = false;
    say('Saves cannot be kept in this browser (' + (err && err.message ? err.message : err) +
        '); the game still plays.');
}

// One sync at a time; a request during a sync runs once it ends.
function syncOut() {
    if (!page.storageOk || page.replacing || page.watching) {
        return;
    }
    if (page.syncing) {
        page.syncAgain = true;
        return;
    }
    try {
        copySaves(GAME_DIR, SAVE_DIR);
    } catch (e) {
        storageFailed(e);
        return;
    }
    page.syncing = true;
    FS.syncfs(false, err => {
        page.syncing = false;
        if (err) {
            storageFailed(err);
        } else if (page.syncAgain) {
            page.syncAgain = false;
            syncOut();
        } else {
            document.body.dataset.saved = String(Date.now());
            page.whenSynced.splice(0).forEach(then => then());
        }
    });
}

// Before the game's state is built: IndexedDB in, the saves copied to where the game reads.
function mountSaves() {
    FS.mkdir(SAVE_DIR);
    try {
        FS.mkdir(GAME_DIR);
    } catch (e) {
        // made already by the data package
    }
    FS.chdir(GAME_DIR);
    try {
        FS.mount(IDBFS, {}, SAVE_DIR);
    } catch (e) {
        storageFailed(e);
        chooseMode();
        return;
    }
    Module.addRunDependency('saves');
    FS.syncfs(true, err => {
        if (err) {
            storageFailed(err);
        } else {
            copySaves(SAVE_DIR, GAME_DIR);
        }
        chooseMode();
        Module.removeRunDependency('saves');
    });
}

// "game.txt", "settings.txt", the table of scores and a run's new recording straight into
// IndexedDB as the sync keeps them, in one transaction issued now and committed at once: a closing
// page may not live to finish a sync, which reads the store first and may be queued behind an
// older one. The copies in the mount get the same time stamps, so a later sync finds nothing to
// write.
function storeSaveNow() {
    const db = IDBFS.dbs[SAVE_DIR];
    const changedRun = name => isRunRecording(name) && isFile(GAME_DIR + '/' + name) &&
        (!isFile(SAVE_DIR + '/' + name) ||
         FS.stat(SAVE_DIR + '/' + name).mtime.getTime() !== FS.stat(GAME_DIR + '/' + name).mtime.getTime());
    const names = [SAVE_NAME, SETTINGS_NAME, 'scores.txt'].filter(name => isFile(GAME_DIR + '/' + name))
        .concat(FS.readdir(GAME_DIR).filter(changedRun));
    if (!db || !page.storageOk || page.watching || !names.length) {
        return;
    }
    try {
        const transaction = db.transaction([IDBFS.DB_STORE_NAME], 'readwrite');
        for (const name of names) {
            const to = SAVE_DIR + '/' + name;
            FS.writeFile(to, FS.readFile(GAME_DIR + '/' + name));
            const {mtime, mode} = FS.stat(to);
            transaction.objectStore(IDBFS.DB_STORE_NAME).put({timestamp: mtime, mode, contents: FS.readFile(to)}, to);
        }
        if (transaction.commit) {
            transaction.commit();
        }
    } catch (e) {
        console.warn('the save could not be stored as the page left: ' + e);
    }
}

// The page going away never reaches the game as a quit: it gets the quit's save instead.
function saveBeforeLeaving() {
    if (page.replacing) {
        return;
    }
    if (page.playing && page.runtimeReady) {
        Module._va_save_on_leave();
    }
    storeSaveNow();
    // The checkpoints, when the page lives on.
    syncOut();
}

function offerFile(path, name, type) {
    const blob = new Blob([FS.readFile(path)], {type});
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

function downloadText(name, missing) {
    if (!isFile(GAME_DIR + '/' + name)) {
        say(missing);
        return;
    }
    offerFile(GAME_DIR + '/' + name, name, 'text/plain');
}

// The game being played, up to its last whole frame, or the one that ended.
function downloadRecording() {
    if (page.watching) {
        say('A recording being watched is not recorded again: download the file you picked.');
    } else if (!isFile(RECORD_FILE)) {
        say('There is no recording yet: it starts with the first frame of the game.');
    } else {
        offerFile(RECORD_FILE, RECORD_FILE.slice(RECORD_FILE.lastIndexOf('/') + 1), 'application/octet-stream');
    }
}

// Text: no NUL and no control characters other than tab, line feed and carriage return.
function looksLikeText(bytes) {
    return bytes.every(b => b >= 32 || b === 9 || b === 10 || b === 13);
}

// A picked file's bytes, or null (said on the page) when it is too large or not text.
async function readPicked(file, maxBytes, tooLarge, notText) {
    if (file.size > maxBytes) {
        say(file.name + ' is ' + tooLarge + '.');
        return null;
    }
    const bytes = new Uint8Array(await file.arrayBuffer());
    if (!looksLikeText(bytes)) {
        say(file.name + ' is ' + notText + '.');
        return null;
    }
    return bytes;
}

// A picked file becomes the saved game (or the settings), and the game restarts to read it as it
// would at start.
async function loadPicked(file, name, what) {
    const bytes = await readPicked(file, MAX_PICKED_BYTES, 'too large to be ' + what, 'not a text file');
    if (!bytes) {
        return;
    }
    if (!page.storageOk) {
        say('Saves cannot be kept in this browser, so a picked file cannot be loaded.');
        return;
    }
    page.replacing = true;
    FS.writeFile(SAVE_DIR + '/' + name, bytes);
    FS.syncfs(false, err => {
        if (err) {
            page.replacing = false;
            storageFailed(err);
            return;
        }
        location.reload();
    });
}

// A recording someone sent: the page restarts and the game replays it.
async function watchPicked(file) {
    const bytes = await readPicked(file, MAX_WATCH_BYTES, 'too large to be a recording', 'not a recording: it is not text');
    if (!bytes) {
        return;
    }
    const restart = inStorage => {
        try {
            const text = inStorage ? undefined : new TextDecoder().decode(bytes);
            sessionStorage.setItem(WATCH_KEY, JSON.stringify({name: file.name, text}));
        } catch (e) {
            say(file.name + ' cannot be kept for the replay in this browser (' + e.message + ').');
            return;
        }
        location.reload();
    };
    if (!page.storageOk) {
        restart(false);
        return;
    }
    try {
        FS.writeFile(WATCH_FILE, bytes);
    } catch (e) {
        restart(false);
        return;
    }
    FS.syncfs(false, err => restart(!err));
}

document.getElementById('download').addEventListener('click', () =>
    downloadText(SAVE_NAME, 'There is no saved game yet: it is written when you quit with Q.'));
document.getElementById('download-settings').addEventListener('click', () =>
    downloadText(SETTINGS_NAME, 'There are no settings yet: they are written when you change one (F1).'));
document.getElementById('download-recording').addEventListener('click', downloadRecording);
for (const [id, name, what] of [['pick', SAVE_NAME, 'a saved game'], ['pick-settings', SETTINGS_NAME, 'a settings file']]) {
    document.getElementById(id).addEventListener('change', event => {
        const file = event.target.files[0];
        event.target.value = '';
        if (file) {
            loadPicked(file, name, what);
        }
    });
}
document.getElementById('watch').addEventListener('change', event => {
    const file = event.target.files[0];
    event.target.value = '';
    if (file) {
        watchPicked(file);
    }
});

// The page around the game: its progress line, notices and controls, and the module itself.
// A recording the player picks is replayed by the game after a reload, as -replay does.
'use strict';

const GAME_DIR = '/game';
const START_MS = 5000;
const WATCH_DIR = '/recordings';
// Every game the page plays is recorded in its memory, for the "Download the recording" button;
// a reload (or a closed page) starts afresh.
const RECORD_FILE = '/recorded/void-angler.rec';

const canvas = document.getElementById('canvas');
const progress = document.getElementById('progress');
const notice = document.getElementById('notice');

const page = {
    runtimeReady: false,
    playing: false,
    ended: false,
    storageOk: true,
    // Set while a picked file replaces the save: nothing may write over it before the reload.
    replacing: false,
    // The name of the recording being replayed: the player's saves are left alone meanwhile.
    watching: '',
    startedAt: 0,
    syncing: false,
    syncAgain: false,
    // Called once the saves are in IndexedDB.
    whenSynced: [],
    // The arguments of a run the game asked to start again once it has ended.
    again: null,
};

function say(text) {
    notice.textContent = text;
    notice.hidden = false;
}

// Before the game starts: a recording picked before the reload is what it plays.
function watchIfAsked() {
    try {
        const asked = sessionStorage.getItem(WATCH_KEY);
        if (asked === null) {
            return;
        }
        sessionStorage.removeItem(WATCH_KEY);
        const {name, text, stored} = JSON.parse(asked);
        let path = WATCH_DIR + '/' + name.replace(/[^\w.-]/g, '_');
        FS.mkdir(WATCH_DIR);
        if (stored) {
            // A run's recording from the tables: already beside them, and kept there.
            if (!isRunRecording(name) || !isFile(GAME_DIR + '/' + name)) {
                throw new Error(name + ' is no longer kept');
            }
            path = GAME_DIR + '/' + name;
        } else if (text === undefined) {
            FS.writeFile(path, FS.readFile(WATCH_FILE));
            // Out of IndexedDB too: nothing else is synced while the recording plays.
            FS.unlink(WATCH_FILE);
            FS.syncfs(false, () => {});
        } else {
            FS.writeFile(path, text);
        }
        // The runtime reads main's arguments from this very array.
        Module.arguments.push('-replay=' + path);
        page.watching = name;
        say('Watching ' + name + ': P or a pad\'s Start pauses, Escape or Back ends it; on a touch screen, so do its two controls.');
    } catch (e) {
        say('The recording cannot be replayed (' + (e && e.message ? e.message : e) + ').');
    }
}

// A picked recording is watched; otherwise the game is recorded as it is played.
function chooseMode() {
    watchIfAsked();
    if (!page.watching && !runIfAsked()) {
        FS.mkdir(RECORD_FILE.slice(0, RECORD_FILE.lastIndexOf('/')));
        Module.arguments.push('-record=' + RECORD_FILE);
    }
}

// The replay's verdict (in sync, cut off, out of sync or damaged) goes on the page.
function gameError(line) {
    console.warn(line);
    // The page's recording has a limit (its memory): the download holds the game up to here.
    if (line.startsWith('recording stopped')) {
        say('The ' + line + '; the download holds the game until then.');
    }
    if (page.watching &&
        /^(replay |recording damaged|the recording |cannot (open|read) the recording)/.test(line)) {
        say(page.watching + ': ' + line);
        document.body.dataset.replay = line;
    }
}

// The game hands over its key table's lines once it starts (again after a restart).
function showControls(text) {
    const table = document.getElementById('controls');
    if (page.controlsShown) {
        return;
    }
    page.controlsShown = true;
    for (const line of text.split('\n').slice(1)) {
        if (!line) {
            continue;
        }
        const [key, pad, what] = line.split('\t');
        const row = table.insertRow();
        row.insertCell().textContent = key;
        row.insertCell().textContent = pad;
        row.insertCell().textContent = what;
    }
}

// A build that fails to load says so where the progress line stood, instead of loading for good.
function loadFailed(what) {
    if (page.playing || page.ended) {
        return;
    }
    page.ended = true;
    progress.textContent = 'The game could not be loaded: ' + what;
    document.body.dataset.loadFailed = what;
}

function showStartProgress() {
    if (page.playing || page.ended) {
        return;
    }
    const share = Math.min(99, Math.floor((100 * (Date.now() - page.startedAt)) / START_MS));
    progress.textContent = 'Starting… ' + share + '%';
    setTimeout(showStartProgress, 100);
}

function afterQuit(status) {
    page.playing = false;
    page.ended = true;
    progress.hidden = true;
    if (page.again) {
        startRun(page.again);
        return;
    }
    syncOut();
    document.getElementById('again').hidden = false;
    document.body.dataset.exitStatus = String(status);
}

function resumeSound() {
    const sdl = Module.SDL2;
    if (sdl && sdl.audioContext && sdl.audioContext.state === 'suspended') {
        sdl.audioContext.resume();
    }
}

var Module = {
    canvas,
    arguments: [],
    print: appendLog,
    // Standard error is ours, not the game's log: the console keeps it.
    printErr: gameError,
    preRun: [mountSaves],
    setStatus: text => {
        if (text && !page.startedAt && !page.ended) {
            progress.textContent = text;
        }
    },
    onRuntimeInitialized: () => {
        page.runtimeReady = true;
        page.startedAt = Date.now();
        showStartProgress();
    },
    onExit: afterQuit,
    onAbort: what => {
        loadFailed(String(what));
        say('The game stopped: ' + what);
    },
    vaCanvasSize: () => [canvas.clientWidth, canvas.clientHeight],
    vaFieldShown: () => {
        page.playing = true;
        progress.hidden = true;
        // The game's own heads-up line is at the top: the controls fold to their title.
        document.getElementById('about').open = false;
        showScores();
    },
    vaFilesWritten: syncOut,
    vaShowControls: showControls,
    vaStartChild: startChild,
    vaChildStatus: id => children.get(id).status,
    vaChildErr: id => children.get(id).err,
    vaEndChild: endChild,
    vaStartAgain: args => {
        page.again = runKind(args[0]);
        return page.again ? 1 : 0;
    },
};

canvas.addEventListener('mousedown', () => {
    canvas.focus();
    resumeSound();
});
canvas.addEventListener('keydown', event => {
    // F1 opens the game's settings panel, not the browser's help.
    if (event.key === 'F1') {
        event.preventDefault();
    }
    resumeSound();
});
// A script that does not arrive (the game's own) is told: its error reaches only the window.
window.addEventListener('error', event => {
    if (event.target instanceof HTMLScriptElement) {
        loadFailed(event.target.src + ' did not load');
    }
}, true);
document.getElementById('again').addEventListener('click', () => location.reload());
document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'hidden') {
        saveBeforeLeaving();
    }
});
window.addEventListener('pagehide', saveBeforeLeaving);

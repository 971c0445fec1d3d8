// The runs: the two buttons that start one, the check of a run's recording in a worker with a
// second instance of the game (check.js), and the tables of scores with each entry's recording.
'use strict';

// The run a button asked for waits in the tab's session storage for the reload that starts it.
const RUN_KEY = 'void-angler-run';
const RUN_FLAGS = {arcade: '-arcade', daily: '-arcade=daily'};
// The runs' recordings the game writes beside the table of scores ("scores.txt").
const RUN_RECORDING = /^(arcade|daily)-[\w.-]+\.rec$/;

function isRunRecording(name) {
    return RUN_RECORDING.test(name);
}

// 'arcade' or 'daily' for a run's flag; null for anything else.
function runKind(flag) {
    return Object.keys(RUN_FLAGS).find(kind => RUN_FLAGS[kind] === flag) || null;
}

// Once the saves are stored: the page reloads and the game plays the run.
function startRun(kind) {
    try {
        sessionStorage.setItem(RUN_KEY, kind);
    } catch (e) {
        say('A run cannot be started in this browser (' + e.message + ').');
        return;
    }
    if (!page.storageOk || page.watching || page.replacing) {
        location.reload();
        return;
    }
    page.whenSynced.push(() => location.reload());
    syncOut();
}

// Before the game starts: true when a run was asked for, and its flag is main's argument.
function runIfAsked() {
    let kind = null;
    try {
        kind = sessionStorage.getItem(RUN_KEY);
        sessionStorage.removeItem(RUN_KEY);
    } catch (e) {
        return false;
    }
    if (!RUN_FLAGS[kind]) {
        return false;
    }
    Module.arguments.push(RUN_FLAGS[kind]);
    document.body.dataset.run = kind;
    return true;
}

// The game's children: a worker each, its standard error and its exit status (-1 while it runs).
const children = new Map();
let lastChild = 0;

// A flag's file (-verify=PATH) goes with it, to the same path in the worker's file system.
function startChild(args) {
    const files = [];
    for (const arg of args) {
        const path = arg.slice(arg.indexOf('=') + 1);
        if (arg.startsWith('-') && arg.includes('=') && isFile(path)) {
            files.push({path, bytes: FS.readFile(path)});
        }
    }
    let worker;
    try {
        worker = new Worker('check.js');
    } catch (e) {
        console.warn('no worker for the check: ' + e);
        return 0;
    }
    const id = ++lastChild;
    const child = {worker, status: -1, err: '', startedAt: performance.now()};
    const end = status => {
        if (child.status < 0) {
            child.status = status;
            worker.terminate();
            const ms = Math.round(performance.now() - child.startedAt);
            document.body.dataset.checkMs = String(ms);
            console.info('the check in a worker took ' + ms + ' ms (status ' + status + ')');
        }
    };
    worker.onmessage = event => {
        if (event.data.err !== undefined) {
            child.err += event.data.err + '\n';
        }
        if (event.data.status !== undefined) {
            end(event.data.status);
        }
    };
    worker.onerror = event => {
        child.err += 'the worker failed: ' + event.message + '\n';
        end(1);
    };
    worker.postMessage({args, cwd: GAME_DIR, files});
    children.set(id, child);
    return id;
}

function endChild(id) {
    const child = children.get(id);
    if (child && child.status < 0) {
        child.worker.terminate();
    }
    children.delete(id);
}

function scoreCell(row, text) {
    row.insertCell().textContent = text;
}

function entryButton(row, text, action) {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = text;
    button.addEventListener('click', action);
    row.insertCell().append(button);
}

// A run's recording from the tables is watched after a reload, as a picked one is.
function watchStored(name) {
    try {
        sessionStorage.setItem(WATCH_KEY, JSON.stringify({name, stored: true}));
    } catch (e) {
        say(name + ' cannot be kept for the replay in this browser (' + e.message + ').');
        return;
    }
    location.reload();
}

// Every table, read by the game's own reader: its title, then initials, score, level and date
// for each entry, with its recording to download or watch.
function showScores() {
    const view = document.getElementById('score-tables');
    const text = UTF8ToString(Module._va_score_rows());
    view.replaceChildren();
    let table = null;
    for (const line of text.split('\n').filter(Boolean)) {
        const [what, ...cells] = line.split('\t');
        if (what === 'damaged') {
            const note = document.createElement('p');
            note.textContent = 'The table of scores cannot be read (' + cells[0] + '): the next run begins a new one.';
            view.append(note);
        } else if (what === 'table') {
            const caption = document.createElement('h3');
            caption.textContent = cells[0];
            table = document.createElement('table');
            table.className = 'score-table';
            view.append(caption, table);
        } else if (what === 'entry' && table) {
            const [initials, score, level, date, recording] = cells;
            const row = table.insertRow();
            scoreCell(row, String(table.rows.length) + '.');
            scoreCell(row, initials);
            scoreCell(row, score);
            scoreCell(row, 'level ' + level);
            scoreCell(row, date);
            entryButton(row, 'Download', () => {
                if (isFile(GAME_DIR + '/' + recording)) {
                    offerFile(GAME_DIR + '/' + recording, recording, 'application/octet-stream');
                } else {
                    say(recording + ' is no longer kept.');
                }
            });
            entryButton(row, 'Watch', () => watchStored(recording));
        }
    }
    for (const empty of [...view.querySelectorAll('table')].filter(t => !t.rows.length)) {
        const note = document.createElement('p');
        note.textContent = 'No entry yet.';
        empty.replaceWith(note);
    }
    document.getElementById('scores').hidden = false;
    document.body.dataset.scoresShown = String(Date.now());
}

for (const kind of Object.keys(RUN_FLAGS)) {
    document.getElementById(kind + '-run').addEventListener('click', () => startRun(kind));
}

// The page's log drawer: the game's standard output, the log, as it comes.
'use strict';

// The drawer keeps this many lines; an N press prints two a rock, and a page that held them
// all would grow without bound.
const LOG_KEEP = 5000;
const logLines = document.getElementById('log-lines');

// Lines wait for the next frame and go in together, one text node and one layout per frame.
const pendingLog = [];
const shownBatches = [];
let shownLines = 0;

function showLog() {
    const lines = pendingLog.splice(0).slice(-LOG_KEEP);
    logLines.append(lines.join('\n') + '\n');
    shownBatches.push({node: logLines.lastChild, count: lines.length});
    shownLines += lines.length;
    while (shownLines - shownBatches[0].count >= LOG_KEEP) {
        const {node, count} = shownBatches.shift();
        node.remove();
        shownLines -= count;
    }
    logLines.scrollTop = logLines.scrollHeight;
}

function appendLog(line) {
    // A test's own capture of the whole log, when it asked for one.
    if (window.vaLogCapture) {
        window.vaLogCapture.push(line);
    }
    pendingLog.push(line);
    if (pendingLog.length === 1) {
        requestAnimationFrame(showLog);
    } else if (pendingLog.length > 2 * LOG_KEEP) {
        // A hidden page draws no frames: only the lines it could show are kept.
        pendingLog.splice(0, pendingLog.length - LOG_KEEP);
    }
}


// Records a stored replay in the page, in Debian's headless chromium with real key presses, and
// keeps it through the page's "Download the recording" button, as a player would:
//   node scripts/record-web-replay.mjs [BUILD_DIR]     (default build-web)
// It writes tests/replays/browser-volley.rec; `make replays` then digests its drawn frames and
// log natively, never its state (build-web/browser-volley.log keeps the page's own log to set
// beside it). Look at what it shows before committing it.
import {copyFileSync, mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

import {SRC, download, focusGame, loggedLines, openBrowser, pause, press, startGame, waitFor} from './web-browser.mjs';

// The scene scripts/record-replays.sh plays as "volley": missiles while turning both ways,
// thrust, and two N waves.
async function volley(page) {
    const hold = async (ms, ...keys) => {
        for (const key of keys) {
            await page.keyboard.down(key);
        }
        await pause(ms);
        for (const key of keys.reverse()) {
            await page.keyboard.up(key);
        }
    };
    await hold(3000, ' ', 'ArrowLeft');
    await press(page, 'n');
    await hold(3000, ' ', 'ArrowRight');
    await hold(800, 'ArrowUp');
    await press(page, 'n');
    await hold(3000, ' ', 'ArrowLeft');
    await press(page, 'q');
}

const session = await openBrowser(process.argv[2] || join(SRC, 'build-web'));
const dir = mkdtempSync(join(tmpdir(), 'va-record-'));
try {
    const {page} = session;
    if (!(await startGame(page, session.url))) {
        throw new Error('the game did not start');
    }
    await focusGame(page);
    await volley(page);
    if ((await waitFor(() => page.evaluate(() => document.body.dataset.exitStatus), 30)) !== '0') {
        throw new Error('the game did not end with status 0');
    }
    const file = await download(page, '#download-recording', dir);
    const text = file && readFileSync(file, 'utf8');
    if (!text || !/\nend \d+\n$/.test(text)) {
        throw new Error('the page gave no whole recording');
    }
    copyFileSync(file, join(SRC, 'tests/replays/browser-volley.rec'));
    // The page's own log, to set beside the desktop replay's.
    writeFileSync(join(SRC, 'build-web/browser-volley.log'), (await loggedLines(page)).join('\n'));
    console.log(`browser-volley: ${text.match(/^frame /gm).length} frames`);
} finally {
    await session.close();
    rmSync(dir, {recursive: true, force: true});
}

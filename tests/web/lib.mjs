// What the browser, phone and offline tests share: the verdicts, the game's files and log, checkpoints.
import {mkdtempSync, readFileSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

import {download, press, startGame, waitFor} from '../../scripts/web-browser.mjs';

let failures = 0;
export function check(name, ok, detail = '') {
    console.log(`${ok ? 'ok  ' : 'FAIL'} ${name}${ok || !detail ? '' : ': ' + detail}`);
    failures += ok ? 0 : 1;
}

export function finish() {
    console.log(failures ? `${failures} failed` : 'all passed');
    process.exit(failures ? 1 : 0);
}

export const logLines = async page => (await page.$eval('#log-lines', e => e.textContent)).split('\n').filter(l => l);

// The names of the game's files (or of the IndexedDB mount's) that start with `name`.
export const gameFiles = (page, name, dir = '/game') =>
    page.evaluate((n, d) => FS.readdir(d).filter(f => f.startsWith(n)).sort(), name, dir);

// The text of the newest of those files, or null.
export const gameFile = (page, name, dir = '/game') => page.evaluate((n, d) => {
    const names = FS.readdir(d).filter(f => f.startsWith(n)).sort();
    return names.length ? FS.readFile(d + '/' + names.at(-1), {encoding: 'utf8'}) : null;
}, name, dir);

// Presses C and gives the name of the checkpoint it wrote.
export async function checkpoint(page) {
    const before = (await gameFiles(page, 'checkpoint')).length;
    await press(page, 'c');
    return (await waitFor(async () => (await gameFiles(page, 'checkpoint')).length > before)) &&
        (await gameFiles(page, 'checkpoint')).at(-1);
}

// Runs what reloads the page, then waits for the new page (it has no mark; reading the mark
// while the page changes may throw) and its game's start.
export async function reloaded(page, action) {
    await page.evaluate(() => (window.vaOldPage = true));
    await action();
    await waitFor(() => page.evaluate(() => !window.vaOldPage).catch(() => false), 120);
    return startGame(page);
}

// The text of the file a page button offers, or '' when none comes down.
export async function downloadedText(page, button) {
    const dir = mkdtempSync(join(tmpdir(), 'va-download-'));
    const file = await download(page, button, dir);
    const text = file ? readFileSync(file, 'latin1') : '';
    rmSync(dir, {recursive: true, force: true});
    return text;
}

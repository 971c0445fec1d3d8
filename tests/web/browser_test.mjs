// The browser build in Debian's headless chromium: the page, the log drawer, real key presses
// seen on the canvas, saves kept across reloads, downloaded and picked, refused storage, and
// desktop recordings replayed in the page.
//   node tests/web/browser_test.mjs [BUILD_DIR]      (default build-web)
import {existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

import {HEIGHT, SRC, WIDTH, focusGame, openBrowser, press, shotCount, startGame, waitFor} from
    '../../scripts/web-browser.mjs';

const HUD_RED = [255, 44, 44];
const HELP = [255, 220, 120];
const MISSILE = [0, 0, 255];
const ROCKS = [[168, 198, 78], [255, 0, 0]];

let failures = 0;
function check(name, ok, detail = '') {
    console.log(`${ok ? 'ok  ' : 'FAIL'} ${name}${ok || !detail ? '' : ': ' + detail}`);
    failures += ok ? 0 : 1;
}

async function logLines(page) {
    return (await page.$eval('#log-lines', e => e.textContent)).split('\n').filter(l => l);
}

// The newest file of the game's (or of the IndexedDB mount's) whose name starts with `name`.
async function gameFile(page, name, dir = '/game') {
    return page.evaluate((n, d) => {
        const names = FS.readdir(d).filter(f => f.startsWith(n)).sort();
        return names.length ? FS.readFile(d + '/' + names.at(-1), {encoding: 'utf8'}) : null;
    }, name, dir);
}

// Runs what makes the page reload, then waits for the new page's game to start.
async function reloaded(page, action) {
    await page.evaluate(() => (window.vaOldPage = true));
    await action();
    // The new page has no mark (reading it while the page changes may throw).
    await waitFor(() => page.evaluate(() => !window.vaOldPage).catch(() => false), 120);
    return startGame(page);
}

// Presses C and gives the checkpoint it wrote.
async function checkpoint(page) {
    const count = () => page.evaluate(() => FS.readdir('/game').filter(n => n.startsWith('checkpoint')).length);
    const before = await count();
    await press(page, 'c');
    return (await waitFor(async () => (await count()) > before)) && gameFile(page, 'checkpoint');
}

const value = (text, key) => (text && text.match(new RegExp(`^fart_user_1_${key}=(-?\\d+)$`, 'm')) || [])[1];

// The desktop's start-up lines (tests/golden), in order; the window's size is the canvas's.
function startLogError(lines) {
    const golden = readFileSync(join(SRC, 'tests/golden/startup_fixed_lines.txt'), 'utf8')
                       .split('\n')
                       .filter(l => l)
                       .map(l => l.replace('X=1920, y=1080', `X=${WIDTH}, y=${HEIGHT}`)
                                     .replace(/^(WINDOW_SIZE_X:)1920$/, '$1' + WIDTH)
                                     .replace(/^(WINDOW_SIZE_Y:)1080$/, '$1' + HEIGHT)
                                     .replace(/^(lfbs offset=).*/, '$1*'));
    let at = 0;
    for (const want of golden) {
        const prefix = want.endsWith('*');
        const text = prefix ? want.slice(0, -1) : want;
        while (at < lines.length && !(prefix ? lines[at].startsWith(text) : lines[at] === text)) {
            at++;
        }
        if (at++ === lines.length) {
            return 'missing or out of order: ' + want;
        }
    }
    return '';
}

// Waits until the count of the colours (in the area) passes `more`; gives the last count.
async function countPasses(page, colours, more, area) {
    let n = 0;
    await waitFor(async () => (n = await shotCount(page, colours, area)) > more);
    return n;
}

async function keysOnTheCanvas(page) {
    await focusGame(page);
    check('clicking the canvas gives it the keyboard', await page.evaluate(() => document.activeElement.id === 'canvas'));
    const hud = await countPasses(page, [HUD_RED], 50, {h: 40});
    check('the red heads-up line along the top', hud > 50, `${hud} pixels`);

    const overlayArea = {x: 640, y: 40, w: 400, h: 260};
    const before = await shotCount(page, [HUD_RED], overlayArea);
    await press(page, 'd');
    const overlay = await countPasses(page, [HUD_RED], before + 200, overlayArea);
    check('D draws the debug overlay', overlay > before + 200, `${before} then ${overlay} pixels`);
    await press(page, 'd');

    await press(page, 'h');
    const help = await countPasses(page, [HELP], 200);
    await press(page, 'h');
    const closed = await waitFor(async () => (await shotCount(page, [HELP])) === 0);
    check('H opens the help panel and closes it', help > 200 && closed, `${help} pixels`);

    const rocks = await shotCount(page, ROCKS);
    await press(page, 'n');
    const more = await countPasses(page, ROCKS, rocks + 100);
    const logged = (await logLines(page)).includes('##### Create new rocks pluss 10 ####');
    check('N adds a wave of rock outlines and logs it', more > rocks + 100 && logged, `${rocks} then ${more} pixels`);

    await page.keyboard.down(' ');
    const missiles = await countPasses(page, [MISSILE], 20);
    await page.keyboard.up(' ');
    check('Space held fires missiles', missiles > 20, `${missiles} pixels`);

    // Key 1 logs the ship's outline: held Left turns it.
    const outline = async () => {
        const count = (await logLines(page)).length;
        await press(page, '1');
        await waitFor(async () => (await logLines(page)).length > count);
        return (await logLines(page)).slice(count).join('\n');
    };
    const straight = await outline();
    await press(page, 'ArrowLeft', 500);
    check('Left held turns the ship', (await outline()) !== straight);
}

async function savesAcrossReloads(page) {
    // Fire all round, with a checkpoint after each turn, until one shows a score.
    let scored = null;
    const end = Date.now() + 90000;
    while (Date.now() < end && !(value(scored, 'score') > 0)) {
        await page.keyboard.down(' ');
        await press(page, 'ArrowLeft', 2500);
        await page.keyboard.up(' ');
        scored = await checkpoint(page);
    }
    const kept = await waitFor(() => gameFile(page, 'checkpoint', '/saves'));
    check('playing scores, and checkpoints are kept in IndexedDB', value(scored, 'score') > 0 && kept, scored);

    await press(page, 'q');
    const status = await waitFor(() => page.evaluate(() => document.body.dataset.exitStatus), 30);
    const last = (await logLines(page)).at(-1);
    check('Q ends the game with status 0 and the log reaches shut-down', status === '0' &&
        last === 'after clear and shrink_to_fit, capacity is now:0', `${status}, ${last}`);
    await waitFor(() => page.evaluate(() => document.body.dataset.saved));
    const saved = await gameFile(page, 'game.txt');
    check('Q saves the score', Number(value(saved, 'score')) >= Number(value(scored, 'score')), saved);

    check('play again reloads the page and starts a new run', await reloaded(page, () => page.click('#again')));
    await focusGame(page);
    const back = (await checkpoint(page)) || 'no checkpoint';
    check('after the reload the score and level come back from IndexedDB',
        value(back, 'score') === value(saved, 'score') && value(back, 'level') === value(saved, 'level'), back);
    return saved;
}

// The saved game leaves by the download button, and another comes in by the file picker and
// restarts the game; a file that cannot be a saved game is refused on the page.
async function savesInAndOut(page, saved, dir) {
    const cdp = await page.createCDPSession();
    await cdp.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: dir});
    await page.click('#download');
    const file = join(dir, 'game.txt');
    const got = await waitFor(() => existsSync(file) && readFileSync(file, 'utf8'));
    check('the download gives the saved game.txt', got === saved, got);

    const pick = async (name, data) => {
        writeFileSync(join(dir, name), data);
        await (await page.$('#pick')).uploadFile(join(dir, name));
    };
    for (const [name, data, said] of [['big.txt', 'x'.repeat(2 << 20), 'too large'],
                                      ['shot.png', Buffer.from([137, 80, 78, 71, 13, 10, 26, 10, 0]), 'not a text']]) {
        await pick(name, data);
        const notice = await waitFor(() => page.$eval('#notice', (e, s) => e.textContent.includes(s) && e.textContent, said));
        check(`a ${said} file is refused on the page`, !!notice, notice);
    }
    const picked = 'fart_user_1_score=4000\nfart_user_1_level=5\n';
    check('a picked game.txt restarts the game', await reloaded(page, () => pick('game.txt', picked)));
    await focusGame(page);
    const back = (await checkpoint(page)) || 'no checkpoint';
    check('which loads its score and level', value(back, 'score') === '4000' && value(back, 'level') === '5', back);
}

// Desktop recordings replayed in the page. Their sync is reported, not required: the browser's
// maths library may round otherwise than the desktop's.
async function desktopRecordings(page) {
    for (const name of ['flock', 'waves', 'edges']) {
        const rec = join(SRC, 'tests/replays', name + '.rec');
        const started = await reloaded(page, async () => (await page.$('#watch')).uploadFile(rec));
        const verdict = started && (await waitFor(() => page.evaluate(() => document.body.dataset.replay), 180));
        console.log(`     ${name}.rec in the browser: ${verdict}`);
        check(`${name}.rec replays to a verdict on the page`, /^replay (in sync|out of sync)/.test(verdict), verdict);
    }
    const kept = await gameFile(page, 'game.txt', '/saves');
    check('watching leaves the saved game alone', value(kept, 'score') === '4000' && value(kept, 'level') === '5', kept);
}

// Storage refused before the page loads (as in some private windows): the page says so, and
// the game still plays.
async function withoutStorage(session) {
    const page = await session.page.browser().newPage();
    await page.evaluateOnNewDocument(() => {
        IDBFactory.prototype.open = () => {
            throw new DOMException('refused by the test', 'SecurityError');
        };
    });
    const started = await startGame(page, session.url);
    const notice = await page.$eval('#notice', e => !e.hidden && e.textContent);
    check('refused storage is reported on the page', started && /cannot be kept/.test(notice), notice);
    await focusGame(page);
    check('and the game still plays', !!(await checkpoint(page)));
    await page.close();
}

const session = await openBrowser(process.argv[2] || join(SRC, 'build-web'));
const files = mkdtempSync(join(tmpdir(), 'va-web-files-'));
try {
    const {page} = session;
    const started = await startGame(page, session.url);
    check('the game starts in the page', started);
    console.log(`SDL renderer: ${session.renderer || 'not reported'}`);
    if (started) {
        const error = startLogError(await logLines(page));
        check('the log drawer shows the start-up lines in order', !error, error);
        check('a first visit has no saved game', (await gameFile(page, 'game.txt')) === null);
        await keysOnTheCanvas(page);
        await savesInAndOut(page, await savesAcrossReloads(page), files);
        await desktopRecordings(page);
    }
    check('no console errors', session.errors.length === 0, session.errors.join(' | '));
    await withoutStorage(session);
} finally {
    await session.close();
    rmSync(files, {recursive: true, force: true});
}
console.log(failures ? `${failures} failed` : 'all passed');
process.exit(failures ? 1 : 0);

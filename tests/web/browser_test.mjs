// The browser build in Debian's headless chromium: the page, the log drawer, real key presses
// seen on the canvas, and saves kept across reloads.
//   node tests/web/browser_test.mjs [BUILD_DIR]      (default build-web)
import {readFileSync} from 'node:fs';
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

async function gameFile(page, name) {
    return page.evaluate(n => {
        const names = FS.readdir('/game').filter(f => f.startsWith(n)).sort();
        return names.length ? FS.readFile('/game/' + names.at(-1), {encoding: 'utf8'}) : null;
    }, name);
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
    check('H opens the help panel', help > 200, `${help} pixels`);
    await press(page, 'h');
    check('H closes it', await waitFor(async () => (await shotCount(page, [HELP])) === 0));

    const rocks = await shotCount(page, ROCKS);
    await press(page, 'n');
    const more = await countPasses(page, ROCKS, rocks + 100);
    check('N adds a wave of rock outlines', more > rocks + 100, `${rocks} then ${more} pixels`);
    check('N logs its line', (await logLines(page)).includes('##### Create new rocks pluss 10 ####'));

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
    check('playing scores', value(scored, 'score') > 0, scored);
    check('checkpoints are kept in IndexedDB', await waitFor(() => page.evaluate(() =>
        FS.readdir('/saves').some(n => n.startsWith('checkpoint')))));

    await press(page, 'q');
    const status = await waitFor(() => page.evaluate(() => document.body.dataset.exitStatus), 30);
    check('Q ends the game with status 0', status === '0', status);
    check('the log reaches shut-down', (await logLines(page)).at(-1) === 'after clear and shrink_to_fit, capacity is now:0');
    await waitFor(() => page.evaluate(() => document.body.dataset.saved));
    const saved = await gameFile(page, 'game.txt');
    check('Q saves the score', Number(value(saved, 'score')) >= Number(value(scored, 'score')), saved);

    await page.evaluate(() => (window.vaOldPage = true));
    await page.click('#again');
    // The new page has no mark (reading it while the page changes may throw).
    await waitFor(() => page.evaluate(() => !window.vaOldPage).catch(() => false), 120);
    check('play again reloads the page and starts a new run', await startGame(page));
    await focusGame(page);
    const back = (await checkpoint(page)) || 'no checkpoint';
    check('after the reload the score comes back from IndexedDB', value(back, 'score') === value(saved, 'score'), back);
    check('and the level', value(back, 'level') === value(saved, 'level'), back);
}

const session = await openBrowser(process.argv[2] || join(SRC, 'build-web'));
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
        await savesAcrossReloads(page);
    }
    check('no console errors', session.errors.length === 0, session.errors.join(' | '));
} finally {
    await session.close();
}
console.log(failures ? `${failures} failed` : 'all passed');
process.exit(failures ? 1 : 0);

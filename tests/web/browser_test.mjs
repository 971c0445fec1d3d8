// The browser build in Debian's headless chromium: the page, the log drawer, real key presses
// seen on the canvas, saves kept across reloads, downloaded and picked, refused storage,
// the page's recording of its game and every stored recording replayed in sync in the page,
// and the maths module's digest.
//   node tests/web/browser_test.mjs [BUILD_DIR]      (default build-web)
import {existsSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {basename, join} from 'node:path';

import {HEIGHT, SRC, WIDTH, download, focusGame, loggedLines, openBrowser, press, shotCount, startGame, waitFor} from
    '../../scripts/web-browser.mjs';
import {check, checkpoint as written, finish, gameFile, reloaded} from './lib.mjs';

const HUD_RED = [255, 44, 44];
const HELP = [255, 220, 120];
const MISSILE = [0, 0, 255];
const ROCKS = [[168, 198, 78], [255, 0, 0]];
const PICKED = 'fart_user_1_score=4000\nfart_user_1_level=5\n';


const logLines = async page => (await loggedLines(page)).filter(l => l);
const value = (text, key) => (text && text.match(new RegExp(`^fart_user_1_${key}=(-?\\d+)$`, 'm')) || [])[1];
const sameGame = (a, b) => ['score', 'level'].every(k => value(a, k) !== undefined && value(a, k) === value(b, k));

// Presses C and gives the checkpoint it wrote.
const checkpoint = async page => gameFile(page, await written(page));

// The desktop's start-up lines (tests/golden; "*" ends a prefix), in order; the field is the canvas.
function startLogError(lines) {
    let at = 0;
    for (const line of readFileSync(join(SRC, 'tests/golden/startup_fixed_lines.txt'), 'utf8').split('\n').filter(l => l)) {
        const want = line.replace('X=1920, y=1080', `X=${WIDTH}, y=${HEIGHT}`).replace(/^(lfbs offset=).*/, '$1*')
                         .replace(/^(WINDOW_SIZE_X:)1920$/, '$1' + WIDTH).replace(/^(WINDOW_SIZE_Y:)1080$/, '$1' + HEIGHT);
        const matches = l => (want.endsWith('*') ? l.startsWith(want.slice(0, -1)) : l === want);
        if (!(at = lines.findIndex((l, i) => i >= at && matches(l)) + 1)) {
            return 'missing or out of order: ' + want;
        }
    }
    return '';
}

// Waits until the count of the colours (in the area) passes `more`.
const countPasses = (page, colours, more, area) => waitFor(async () => (await shotCount(page, colours, area)) > more);

async function keysOnTheCanvas(page) {
    // The side panel lists the controls from the game's own key table, once.
    const rows = await page.$$eval('#controls tr', trs => trs.map(tr => tr.textContent));
    check('the side panel lists the controls once', rows.length > 20 && rows.filter(r => r.startsWith('Space')).length === 1,
          rows.slice(0, 3).join(' | '));
    await focusGame(page);
    check('the red heads-up line along the top', await countPasses(page, [HUD_RED], 50, {h: 40}));
    // Keys reach the game only with the focus a click gives. Each key adds its colour while
    // held (Space) or until pressed again (D, H).
    for (const [what, key, colours, more, area] of [['D draws the debug overlay', 'd', [HUD_RED], 200, {x: 640, y: 40, w: 400, h: 260}],
        ['H opens the help panel', 'h', [HELP], 200], ['N adds a wave of rock outlines', 'n', ROCKS, 100], ['Space held fires missiles', ' ', [MISSILE], 20]]) {
        const before = await shotCount(page, colours, area);
        await (key === ' ' ? page.keyboard.down(key) : press(page, key));
        check(what, await countPasses(page, colours, before + more, area), `${before} pixels before, not ${more} more after`);
        await (key === ' ' ? page.keyboard.up(key) : key !== 'n' && press(page, key));
    }
    // Key 1 logs the ship's outline: held Left turns it.
    const outline = async () => {
        const count = (await logLines(page)).length;
        await press(page, '1');
        return waitFor(async () => (await logLines(page)).slice(count).join('\n'));
    };
    const straight = await outline();
    await press(page, 'ArrowLeft', 500);
    check('Left held turns the ship', (await outline()) !== straight);
}

// The drawer keeps the log's end, put in once a frame: 12 000 lines at once are one node added,
// and the drawer then holds the last 5 000 of them; the capture keeps every line.
async function logDrawer(page) {
    const got = await page.evaluate(async () => {
        const drawer = document.getElementById('log-lines');
        let added = 0;
        const watcher = new MutationObserver(records => (added += records.filter(r => r.addedNodes.length).length));
        watcher.observe(drawer, {childList: true});
        for (let i = 0; i < 12000; i++) {
            Module.print('drawer line ' + i);
        }
        await new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)));
        added += watcher.takeRecords().filter(r => r.addedNodes.length).length;
        watcher.disconnect();
        const lines = drawer.textContent.split('\n').filter(l => l);
        return {added, count: lines.length, last: lines.includes('drawer line 11999'), dropped: !lines.includes('drawer line 6999')};
    });
    const captured = await logLines(page);
    check('the log drawer takes a burst of lines in one go and keeps its last 5000; the capture keeps all',
        got.added <= 2 && got.count >= 5000 && got.count < 5100 && got.last && got.dropped &&
        captured.includes('drawer line 0'), JSON.stringify(got));
}

async function savesAcrossReloads(page) {
    // Fire all round, with a checkpoint after each turn, until one shows a score.
    let scored = null;
    for (const end = Date.now() + 90000; Date.now() < end && !(value(scored, 'score') > 0);) {
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
    await waitFor(() => page.evaluate(() => document.body.dataset.saved));
    const saved = await gameFile(page, 'game.txt');
    check('Q ends the game with status 0, the log reaches shut-down and the score is saved', status === '0' &&
        last === 'after clear and shrink_to_fit, capacity is now:0' && Number(value(saved, 'score')) >= Number(value(scored, 'score')),
        `${status}, ${last}, ${saved}`);

    const back = (await reloaded(page, () => page.click('#again'))) && (await focusGame(page), await checkpoint(page));
    check('play again starts a new run, with the score and level back from IndexedDB', sameGame(back, saved), back);
    return saved;
}

// The saved game leaves by the download button; another comes in by the file picker and
// restarts the game; a file that cannot be a saved game is refused on the page.
async function savesInAndOut(page, saved, dir) {
    await (await page.createCDPSession()).send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: dir});
    await page.click('#download');
    const got = await waitFor(() => existsSync(join(dir, 'game.txt')) && readFileSync(join(dir, 'game.txt'), 'utf8'));
    check('the download gives the saved game.txt', got === saved, got);

    const pick = async (name, data) => (writeFileSync(join(dir, name), data), (await page.$('#pick')).uploadFile(join(dir, name)));
    for (const [name, data, said] of [['big.txt', 'x'.repeat(2 << 20), 'too large'], ['shot.png', Buffer.from([137, 80, 78, 71, 0]), 'not a text']]) {
        await pick(name, data);
        check(`a ${said} file is refused on the page`, await waitFor(() => page.$eval('#notice', (e, s) => e.textContent.includes(s), said)));
    }
    const back = (await reloaded(page, () => pick('game.txt', PICKED))) && (await focusGame(page), await checkpoint(page));
    check('a picked game.txt restarts the game, which loads its score and level', sameGame(back, PICKED), back);
}

// Every stored recording (Linux, Windows, the page) replayed in the page, in sync: the
// simulation's maths is the game's own.
// A copy with frame 1's generator digest changed must be caught, and end with status 3.
// One whose frames skip a number is damaged.
// The page's own recording of the game being played, cut off after its last whole frame, too.
async function storedRecordings(page, dir) {
    const kept = await download(page, '#download-recording', dir);
    const text = kept ? readFileSync(kept, 'utf8') : '';
    check('"Download the recording" gives the game being played, up to a whole frame',
        /^void-angler recording 1\n[^]*\nframe \d+\n[^]*\ndigest [^\n]+\n$/.test(text), text.slice(-200));
    const stored = name => join(SRC, 'tests/replays', name + '.rec');
    const tampered = join(dir, 'tampered.rec');
    writeFileSync(tampered, readFileSync(stored('flock'), 'utf8').replace(/(\nframe 1\n[^]*?digest rng=)(\w)/, (_, at, c) => at + (c === '0' ? '1' : '0')));
    const damaged = join(dir, 'damaged.rec');
    writeFileSync(damaged, readFileSync(stored('flock'), 'utf8').replace('\nframe 3\n', '\nframe 9\n'));
    const everyStored = readdirSync(join(SRC, 'tests/replays')).filter(f => f.endsWith('.rec')).map(f => f.slice(0, -4));
    for (const [rec, want, status] of [...everyStored.map(n => [stored(n), /^replay in sync: \d+ frames$/, '0']),
        [tampered, /^replay out of sync at frame 1: the random generator$/, '3'],
        ...(kept ? [[kept, /^replay in sync up to frame \d+: the recording is cut off$/, '0']] : []),
        [damaged, /^recording damaged at line \d+: expected frame 3 or "end 2"$/, '4']]) {
        const started = await reloaded(page, async () => (await page.$('#watch')).uploadFile(rec));
        // Watched at playing speed: a whole run's 9,000 frames take over two minutes.
        const frames = (readFileSync(rec, 'utf8').match(/^frame /gm) || []).length;
        const verdict = started && (await waitFor(() => page.evaluate(() => document.body.dataset.replay), Math.max(180, frames / 25)));
        const ended = await waitFor(() => page.evaluate(() => document.body.dataset.exitStatus), 30);
        check(`${basename(rec)} replays, its verdict on the page: ${verdict} (status ${ended})`,
            want.test(verdict) && (!status || ended === status));
    }
    const save = await gameFile(page, 'game.txt', '/saves');
    check('watching leaves the saved game alone', sameGame(save, PICKED), save);
}

// The maths module in the page's own engine gives the digest the native and Wine tests expect.
async function mathsDigest(session) {
    const source = readFileSync(join(SRC, 'tests/geometry/exact_math_digest_test.cpp'), 'utf8');
    const want = source.match(/"([0-9a-f]{16})"/)[1];
    const page = await session.page.browser().newPage();
    const printed = new Promise(resolve => page.on('console', m => {
        const d = m.text().match(/^exact maths digest (\w+)/);
        if (d) {
            resolve(d[1]);
        }
    }));
    await page.goto(session.url + 'tools/math_digest/math-digest.html');
    const got = await Promise.race([printed, new Promise(r => setTimeout(() => r('none within 60 s'), 60000))]);
    await page.close();
    check(`the maths module's digest in the browser is the native one: ${got}`, got === want, `want ${want}`);
}

// A page closed right after a checkpoint, while that checkpoint's sync may still run: the save
// the closing page makes is the one the next page loads. P first, so it differs from the last.
async function closedAfterCheckpoint(session) {
    const open = async () => {
        const page = await session.page.browser().newPage();
        return (await startGame(page, session.url)) && page;
    };
    const page = await open();
    await focusGame(page);
    await press(page, 'p');
    const mark = await checkpoint(page);
    // As a run's end leaves them: its table of scores and its recording.
    const run = ['scores.txt', 'void-angler scores 1\n', 'daily-2026-12-08-00001-abcd.rec', 'end 9000\n'];
    await page.evaluate(r => (FS.writeFile('/game/' + r[0], r[1]), FS.writeFile('/game/' + r[2], r[3])), run);
    await page.close();
    const again = await open();
    const back = again && (await gameFile(again, 'game.txt'));
    const runBack = again && [await gameFile(again, run[0]), await gameFile(again, run[2])];
    check('a page closed right after a checkpoint keeps its game, and a run\'s table and recording, for the next',
        value(mark, 'pause_game') === '1' && sameGame(back, mark) && value(back, 'pause_game') === '1' &&
        runBack[0] === run[1] && runBack[1] === run[3], [back, runBack]);
    await again?.close();
}

// The settings panel in the page: F1 is kept from the browser and opens it; fire bound to F
// there is kept in IndexedDB and fires after a reload, Space no longer (tried first: F's missiles
// would still fly). The download gives that file; a picked one without the binding puts Space back.
async function settingsKept(session, dir) {
    const page = await session.page.browser().newPage();
    const again = async action => (await reloaded(page, action)) && (await focusGame(page), true);
    const held = async (key, probe) => (await page.keyboard.down(key), await probe.finally(() => page.keyboard.up(key)));
    const fires = async key => held(key, countPasses(page, [MISSILE], (await shotCount(page, [MISSILE])) + 20));
    await again(() => page.goto(session.url));
    await page.evaluate(() => window.addEventListener('keydown', e => e.key === 'F1' && (window.vaF1Kept = e.defaultPrevented)));
    const fireRow = (await page.$$eval('#controls tr', trs => trs.map(tr => tr.cells[0].textContent))).indexOf('Space');
    for (const key of ['F1', ...Array(fireRow).fill('ArrowDown'), 'Enter', 'f', 'Escape']) {
        await press(page, key);
    }
    const kept = (await page.evaluate(() => window.vaF1Kept)) && (await waitFor(() => page.evaluate(() => document.body.dataset.saved)));
    const bound = kept && (await again(() => page.reload())) && !(await fires(' ')) && (await fires('f'));
    const file = await download(page, '#download-settings', dir);
    writeFileSync(join(dir, 'settings.txt'), 'volume=50\n');
    const back = (await again(async () => (await page.$('#pick-settings')).uploadFile(join(dir, 'settings.txt')))) && (await fires(' '));
    check('F1 is kept from the browser and opens the settings panel; fire bound to F there holds after a reload, ' +
        'is downloaded, and a picked settings.txt replaces it', bound && /^bind_fire=F$/m.test(file && readFileSync(file, 'utf8')) && back,
        `row ${fireRow}, kept ${kept}, bound ${bound}, back ${back}`);
    await page.close();
}

// Storage refused before the page loads (as in some private windows): the page says so, and
// the game still plays.
async function withoutStorage(session) {
    const page = await session.page.browser().newPage();
    await page.evaluateOnNewDocument(() => (IDBFactory.prototype.open = () => { throw new DOMException('refused by the test'); }));
    const notice = (await startGame(page, session.url)) && (await page.$eval('#notice', e => !e.hidden && e.textContent));
    await focusGame(page);
    check('refused storage is reported on the page, and the game still plays',
        /cannot be kept/.test(notice) && !!(await checkpoint(page)), notice);
}

const session = await openBrowser(process.argv[2] || join(SRC, 'build-web'));
const files = mkdtempSync(join(tmpdir(), 'va-web-files-'));
try {
    const {page} = session;
    const started = await startGame(page, session.url);
    console.log(`SDL renderer: ${session.renderer || 'not reported'}`);
    const error = started ? startLogError(await logLines(page)) : 'the game did not start';
    check('the game starts, its log drawer shows the start-up lines in order, and a first visit has no saved game',
        !error && (await gameFile(page, 'game.txt')) === null, error);
    if (started) {
        await keysOnTheCanvas(page);
        await logDrawer(page);
        await savesInAndOut(page, await savesAcrossReloads(page), files);
        await storedRecordings(page, files);
        // Before the next, which leaves a paused game behind.
        await settingsKept(session, files);
        await closedAfterCheckpoint(session);
    }
    check('no console errors', session.errors.length === 0, session.errors.join(' | '));
    await mathsDigest(session);
    await withoutStorage(session);
} finally {
    await session.close();
    rmSync(files, {recursive: true, force: true});
}
finish();

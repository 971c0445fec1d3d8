// The browser build in Debian's headless chromium, driven through puppeteer-core: the page,
// the log drawer, real key presses checked on the canvas, and saves across reloads.
//   node tests/web/browser_test.mjs [BUILD_DIR]      (default build-web)
// With --perf: the idle and the heavy scene's frame rate and main-thread time per frame.
import {mkdtempSync, readFileSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';
import puppeteer from 'puppeteer-core';

import {serve} from '../../scripts/serve-web.mjs';
import {browserFlags, findChromium} from './chromium.mjs';
import {countColours, decodePng} from './png.mjs';

const SRC = join(dirname(fileURLToPath(import.meta.url)), '../..');
const args = process.argv.slice(2);
const perf = args.includes('--perf');
const buildDir = args.find(a => !a.startsWith('--')) || join(SRC, 'build-web');
const WIDTH = 1280;
const HEIGHT = 720;

const HUD_RED = [255, 44, 44];
const HELP = [255, 220, 120];
const MISSILE = [0, 0, 255];
const ROCKS = [[168, 198, 78], [255, 0, 0]];

let failures = 0;
function check(name, ok, detail = '') {
    console.log(`${ok ? 'ok  ' : 'FAIL'} ${name}${ok || !detail ? '' : ': ' + detail}`);
    if (!ok) {
        failures++;
    }
}

// Polls until probe() gives a truthy value, or the deadline passes (then the last value).
async function waitFor(probe, seconds = 10) {
    const end = Date.now() + seconds * 1000;
    let value;
    while (Date.now() < end) {
        value = await probe();
        if (value) {
            return value;
        }
        await new Promise(r => setTimeout(r, 100));
    }
    return value;
}

async function logLines(page) {
    return (await page.$eval('#log-lines', e => e.textContent)).split('\n').filter(l => l);
}

// The game's canvas alone: the page's panels are hidden while the picture is taken.
async function canvasShot(page) {
    const show = visibility => page.evaluate(v => {
        for (const id of ['top', 'log']) {
            document.getElementById(id).style.visibility = v;
        }
    }, visibility);
    await show('hidden');
    const image = decodePng(await page.screenshot({type: 'png'}));
    await show('');
    return image;
}

async function shotCount(page, colours, area) {
    return countColours(await canvasShot(page), colours, area);
}

async function readGameFile(page, name) {
    return page.evaluate(n => {
        const path = '/game/' + n;
        return FS.analyzePath(path).exists ? FS.readFile(path, {encoding: 'utf8'}) : null;
    }, name);
}

async function latestCheckpoint(page) {
    return page.evaluate(() => {
        const names = FS.readdir('/game').filter(n => n.startsWith('checkpoint')).sort();
        return names.length ? FS.readFile('/game/' + names.at(-1), {encoding: 'utf8'}) : null;
    });
}

const value = (text, key) => (text && text.match(new RegExp('^' + key + '=(-?\\d+)$', 'm')) || [])[1];

async function openGame(page, url) {
    await page.goto(url);
    return waitFor(() => page.$eval('#progress', e => e.hidden), 120);
}

async function press(page, key, holdMs = 0) {
    await page.keyboard.down(key);
    if (holdMs) {
        await new Promise(r => setTimeout(r, holdMs));
    }
    await page.keyboard.up(key);
}

// The start-up lines of the desktop's golden log, in order, the window size being the canvas's.
function checkStartLog(lines) {
    const golden = readFileSync(join(SRC, 'tests/golden/startup_fixed_lines.txt'), 'utf8')
                       .split('\n')
                       .filter(l => l)
                       .map(l => l.replace('X=1920, y=1080', `X=${WIDTH}, y=${HEIGHT}`)
                                     .replace(':1920', ':' + WIDTH)
                                     .replace(':1080', ':' + HEIGHT));
    let at = 0;
    for (const want of golden) {
        const prefix = want.endsWith('*');
        const text = prefix ? want.slice(0, -1) : want;
        while (at < lines.length && !(prefix ? lines[at].startsWith(text) : lines[at] === text)) {
            at++;
        }
        if (at === lines.length) {
            return 'missing or out of order: ' + want;
        }
        at++;
    }
    return '';
}

async function playAndSave(page, url) {
    check('a first visit has no saved game', (await readGameFile(page, 'game.txt')) === null);
    await page.mouse.click(WIDTH / 2, HEIGHT - 60);
    check('clicking the canvas gives it the keyboard',
          await page.evaluate(() => document.activeElement.id === 'canvas'));

    const hud = await waitFor(() => shotCount(page, [HUD_RED], {h: 40}));
    check('the red heads-up line along the top', hud > 50, `${hud} red pixels`);

    const overlayArea = {x: 640, y: 40, w: 400, h: 260};
    const before = await shotCount(page, [HUD_RED], overlayArea);
    await press(page, 'd');
    const overlay = await waitFor(async () => {
        const n = await shotCount(page, [HUD_RED], overlayArea);
        return n > before + 200 && n;
    });
    check('D draws the debug overlay', overlay, `${before} red pixels before, ${overlay} after`);
    await press(page, 'd');

    await press(page, 'h');
    const help = await waitFor(() => shotCount(page, [HELP]));
    check('H opens the help panel', help > 200, `${help} pixels of the panel's colour`);
    await press(page, 'h');
    check('H closes it', await waitFor(async () => (await shotCount(page, [HELP])) === 0));

    const rocks = await shotCount(page, ROCKS);
    await press(page, 'n');
    const more = await waitFor(async () => {
        const n = await shotCount(page, ROCKS);
        return n > rocks * 1.5 && n;
    });
    check('N adds a wave of rock outlines', more, `${rocks} outline pixels before, ${more} after`);
    check('N logs its line', (await logLines(page)).includes('##### Create new rocks pluss 10 ####'));

    await page.keyboard.down(' ');
    const missiles = await waitFor(() => shotCount(page, [MISSILE]));
    await page.keyboard.up(' ');
    check('Space held fires missiles', missiles > 20, `${missiles} blue pixels`);

    // The outline's points, logged by key 1, before and after Left is held.
    const outline = async () => {
        await press(page, '1');
        await new Promise(r => setTimeout(r, 300));
        return (await logLines(page)).slice(-8).join('\n');
    };
    const straight = await outline();
    await press(page, 'ArrowLeft', 500);
    check('Left held turns the ship', (await outline()) !== straight);

    // Fire all round and take checkpoints until one shows a score.
    let checkpoint = null;
    const end = Date.now() + 60000;
    while (Date.now() < end && !(value(checkpoint, 'fart_user_1_score') > 0)) {
        await page.keyboard.down(' ');
        await press(page, 'ArrowLeft', 2500);
        await page.keyboard.up(' ');
        await press(page, 'c');
        checkpoint = await waitFor(() => latestCheckpoint(page), 5);
    }
    const score = Number(value(checkpoint, 'fart_user_1_score'));
    check('playing scores', score > 0, checkpoint);
    check('a checkpoint is synced to IndexedDB', await waitFor(() => page.evaluate(() =>
        FS.readdir('/saves').some(n => n.startsWith('checkpoint')))));

    await press(page, 'q');
    const status = await waitFor(() => page.evaluate(() => document.body.dataset.exitStatus), 30);
    check('Q ends the game with status 0', status === '0', status);
    check('the play-again button shows', await page.$eval('#again', e => !e.hidden));
    const lines = await logLines(page);
    check('the log reaches shut-down', lines.at(-1) === 'after clear and shrink_to_fit, capacity is now:0');
    await waitFor(() => page.evaluate(() => document.body.dataset.saved), 10);
    const saved = await readGameFile(page, 'game.txt');
    const level = value(saved, 'fart_user_1_level');
    check('Q writes game.txt with the score', Number(value(saved, 'fart_user_1_score')) >= score, saved);

    await page.click('#again');
    await waitFor(() => page.$eval('#progress', e => !e.hidden), 10);
    check('play again starts the game again', await waitFor(() => page.$eval('#progress', e => e.hidden), 120));
    await page.mouse.click(WIDTH / 2, HEIGHT - 60);
    await press(page, 'c');
    const back = await waitFor(async () => {
        const text = await latestCheckpoint(page);
        return text && value(text, 'fart_user_1_score') === value(saved, 'fart_user_1_score') && text;
    });
    check('after a reload the score comes back from IndexedDB', !!back, back);
    check('and the level', back && value(back, 'fart_user_1_level') === level);
}

async function measure(page, seconds) {
    const cdp = await page.createCDPSession();
    await cdp.send('Performance.enable');
    const sample = async () => {
        const {metrics} = await cdp.send('Performance.getMetrics');
        const task = metrics.find(m => m.name === 'TaskDuration').value;
        return {task, frames: await page.evaluate(() => window.vaClears), at: Date.now()};
    };
    const a = await sample();
    await new Promise(r => setTimeout(r, seconds * 1000));
    const b = await sample();
    const frames = b.frames - a.frames;
    return {fps: (frames * 1000) / (b.at - a.at), cpuMs: ((b.task - a.task) * 1000) / frames};
}

async function perfRun(page) {
    await page.mouse.click(WIDTH / 2, HEIGHT - 60);
    await new Promise(r => setTimeout(r, 3000));
    const idle = await measure(page, 10);
    for (let i = 0; i < 5; i++) {
        await press(page, 'n');
    }
    await page.keyboard.down(' ');
    await page.keyboard.down('ArrowLeft');
    await new Promise(r => setTimeout(r, 3000));
    const heavy = await measure(page, 20);
    const f = n => n.toFixed(2);
    console.log(`idle:  ${f(idle.fps)} fps, ${f(idle.cpuMs)} ms main thread per frame`);
    console.log(`heavy: ${f(heavy.fps)} fps, ${f(heavy.cpuMs)} ms main thread per frame`);
    console.log(`ratios: frame rate ${f(heavy.fps / idle.fps)}, cpu ${f(heavy.cpuMs / idle.cpuMs)}`);
}

const server = await serve(buildDir, 0);
const url = `http://127.0.0.1:${server.address().port}/`;
const profile = mkdtempSync(join(tmpdir(), 'va-web-'));
const browser = await puppeteer.launch({
    executablePath: findChromium(),
    headless: true,
    userDataDir: profile,
    args: browserFlags(WIDTH, HEIGHT),
    defaultViewport: {width: WIDTH, height: HEIGHT},
});
try {
    const page = await browser.newPage();
    const errors = [];
    let renderer = '';
    page.on('console', m => {
        if (m.type() === 'error') {
            errors.push(m.text());
        }
        const named = m.text().match(/^renderer: (.*)/);
        if (named) {
            renderer = named[1];
        }
    });
    page.on('pageerror', e => errors.push(String(e)));
    // Each game frame clears the canvas once: the frame counter of the measurements.
    await page.evaluateOnNewDocument(() => {
        window.vaClears = 0;
        const clear = WebGLRenderingContext.prototype.clear;
        WebGLRenderingContext.prototype.clear = function(mask) {
            window.vaClears++;
            return clear.call(this, mask);
        };
    });
    const started = await openGame(page, url);
    check('the game starts in the page', started);
    console.log(`SDL renderer: ${renderer || 'not reported'}`);
    if (started && perf) {
        await perfRun(page);
    } else if (started) {
        const startError = checkStartLog(await logLines(page));
        check('the log drawer shows the start-up lines in order', !startError, startError);
        await playAndSave(page, url);
    }
    check('no console errors', errors.length === 0, errors.join(' | '));
} finally {
    await browser.close();
    server.close();
    rmSync(profile, {recursive: true, force: true});
}
console.log(failures ? `${failures} failed` : 'all passed');
process.exit(failures ? 1 : 0);

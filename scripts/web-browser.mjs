// Drives the browser build in Debian's headless chromium through puppeteer-core, for the
// browser tests and the browser's performance figures: the server, the browser and its flags,
// real key presses, and screenshots of the game's canvas.
import {accessSync, constants, mkdtempSync, rmSync} from 'node:fs';
import {createRequire} from 'node:module';
import {tmpdir} from 'node:os';
import {delimiter, dirname, join, resolve} from 'node:path';
import {fileURLToPath} from 'node:url';

import {serve} from './serve-web.mjs';
import {countColours, decodePng} from './web-png.mjs';

export const SRC = resolve(dirname(fileURLToPath(import.meta.url)), '..');
export const WIDTH = 1280;
export const HEIGHT = 720;

// puppeteer-core is installed by `make test-web` from tests/web's lockfile into build-web/node.
const require = createRequire(join(SRC, 'build-web/node/package.json'));
const puppeteer = require('puppeteer-core');

function findChromium() {
    if (process.env.CHROMIUM) {
        return process.env.CHROMIUM;
    }
    for (const dir of (process.env.PATH || '').split(delimiter)) {
        try {
            accessSync(join(dir, 'chromium'), constants.X_OK);
            return join(dir, 'chromium');
        } catch {
            // not here
        }
    }
    throw new Error('no chromium on PATH (scripts/install-deps.sh installs it)');
}

const FLAGS = [
    // Root in a container has no user namespaces for the sandbox.
    '--no-sandbox',
    // Headless chromium gives WebGL on the CPU only when asked.
    '--enable-unsafe-swiftshader',
    '--use-angle=swiftshader',
    `--window-size=${WIDTH},${HEIGHT}`,
    // An unfocused headless tab would otherwise have its timers, and so the game, slowed.
    '--disable-background-timer-throttling',
    '--disable-renderer-backgrounding',
    '--disable-backgrounding-occluded-windows',
];

// Polls until probe() gives a truthy value, or the deadline passes (then the last value).
export async function waitFor(probe, seconds = 10) {
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

export const pause = ms => new Promise(r => setTimeout(r, ms));

// A fresh profile (no saved game), the build served on 127.0.0.1, and one page that counts the
// game's frames (each clears the canvas once), captures the whole log (the drawer keeps only its
// end) and keeps the console's errors and renderer line.
export async function openBrowser(buildDir) {
    let server = await serve(buildDir, 0);
    const profile = mkdtempSync(join(tmpdir(), 'va-web-'));
    const browser = await puppeteer.launch({
        executablePath: findChromium(),
        headless: true,
        userDataDir: profile,
        args: FLAGS,
        defaultViewport: {width: WIDTH, height: HEIGHT},
    });
    const page = await browser.newPage();
    const port = server.address().port;
    const session = {page, errors: [], renderer: '', url: `http://127.0.0.1:${port}/`};
    // The server goes away (the player is offline) and comes back on the same address.
    session.stopServer = () => {
        server.close();
        server.closeAllConnections();
    };
    session.startServer = async dir => (server = await serve(dir, port));
    page.on('console', m => {
        if (m.type() === 'error') {
            session.errors.push(m.text());
        }
        const named = m.text().match(/^renderer: (.*)/);
        session.renderer = named ? named[1] : session.renderer;
    });
    page.on('pageerror', e => session.errors.push(String(e)));
    await page.evaluateOnNewDocument(() => {
        window.vaLogCapture = [];
        window.vaClears = 0;
        const clear = WebGLRenderingContext.prototype.clear;
        WebGLRenderingContext.prototype.clear = function(mask) {
            window.vaClears++;
            return clear.call(this, mask);
        };
    });
    session.close = async () => {
        await browser.close();
        server.close();
        rmSync(profile, {recursive: true, force: true});
    };
    return session;
}

// Every line the page's game has logged since the page loaded.
export const loggedLines = page => page.evaluate(() => window.vaLogCapture.slice());

// Loads (or reloads) the page and waits until the game's start-up is over.
export async function startGame(page, url) {
    if (url) {
        await page.goto(url);
    }
    return waitFor(() => page.$eval('#progress', e => e.hidden), 120);
}

// Gives the canvas the keyboard, as a player's click does.
export const focusGame = page => page.mouse.click(WIDTH / 2, HEIGHT - 60);

export async function press(page, key, holdMs = 0) {
    await page.keyboard.down(key);
    if (holdMs) {
        await pause(holdMs);
    }
    await page.keyboard.up(key);
}

// The game's canvas alone: the page's panels are hidden while the picture is taken.
export async function canvasShot(page) {
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

export async function shotCount(page, colours, area) {
    return countColours(await canvasShot(page), colours, area);
}

// Clicks a page button that offers a file and gives the file's path in `dir` once it is down.
export async function download(page, button, dir) {
    const cdp = await page.browser().target().createCDPSession();
    await cdp.send('Browser.setDownloadBehavior', {behavior: 'allowAndName', downloadPath: dir, eventsEnabled: true});
    const done = new Promise(resolve => cdp.on('Browser.downloadProgress', e => {
        if (e.state !== 'inProgress') {
            resolve(e.state === 'completed' ? join(dir, e.guid) : null);
        }
    }));
    // A click in the page, not the mouse: on a narrow screen the panel is folded away.
    await page.$eval(button, b => b.click());
    const path = await Promise.race([done, pause(30000).then(() => null)]);
    await cdp.detach();
    return path;
}

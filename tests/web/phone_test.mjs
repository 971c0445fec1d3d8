// Play without a keyboard: a pad that turns up after the start, leaves and comes back, through
// a scripted Gamepad API; and a phone's touch screen (915 x 412 at 2.625 device pixels a CSS
// pixel), whose fingers become the keys and the right button of the controls drawn for them.
//   node tests/web/phone_test.mjs [BUILD_DIR]      (default build-web)
import {spawnSync} from 'node:child_process';
import {mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

import {SRC, canvasShot, download, focusGame, openBrowser, pause, press, shotCount, startGame, waitFor} from
    '../../scripts/web-browser.mjs';
import {check, downloadedText, finish, logLines, reloaded} from './lib.mjs';

const PHONE = {width: 915, height: 412, deviceScaleFactor: 2.625, isMobile: true, hasTouch: true};
const RIM = [120, 255, 200];

const MISSILE = [0, 0, 255];

// The Gamepad API's view of one standard pad, which the test plugs, presses and pulls.
function scriptPad() {
    const pad = {id: 'Test Pad (STANDARD GAMEPAD)', index: 0, connected: false, mapping: 'standard', timestamp: 1,
        axes: [0, 0, 0, 0], buttons: Array.from({length: 17}, () => ({pressed: false, touched: false, value: 0}))};
    Object.defineProperty(navigator, 'getGamepads', {value: () => [pad.connected ? pad : null, null, null, null]});
    const tell = type => {
        const event = new Event(type);
        Object.defineProperty(event, 'gamepad', {value: pad});
        window.dispatchEvent(event);
    };
    window.vaPad = {
        plug: on => ((pad.connected = on), pad.timestamp++, tell(on ? 'gamepadconnected' : 'gamepaddisconnected')),
        press: (button, down) => ((pad.buttons[button] = {pressed: down, touched: down, value: down ? 1 : 0}), pad.timestamp++),
    };
}

// The standard layout's buttons: 0 is A (fire), 8 is Back (quit).
async function latePad(page, said) {
    await page.evaluate(scriptPad);
    const pads = () => said.filter(l => l.startsWith('gamepad')).join('|');
    const firing = async () => {
        const before = await shotCount(page, [MISSILE]);
        await page.evaluate(() => vaPad.press(0, true));
        const more = await waitFor(async () => (await shotCount(page, [MISSILE])) > before + 20);
        await page.evaluate(() => vaPad.press(0, false));
        return more;
    };
    await page.evaluate(() => vaPad.plug(true));
    const first = (await waitFor(() => pads().startsWith('gamepad: '))) && (await firing());
    check('a pad plugged after the start is opened and its A fires', first, pads());
    await page.evaluate(() => vaPad.plug(false));
    const gone = await waitFor(() => pads().endsWith('|gamepad removed'));
    await page.evaluate(() => vaPad.plug(true));
    const back = (await waitFor(() => /removed\|gamepad: /.test(pads()))) && (await firing());
    check('the pad leaves and comes back, and fires again', gone && back, pads());
    await page.evaluate(() => vaPad.press(8, true));
    const status = await waitFor(() => page.evaluate(() => document.body.dataset.exitStatus), 30);
    check('its Back quits the game', status === '0', status);
}

// Pixels near the controls' rim colour inside a control (the browser scales the canvas up).
function rimPixels(image, rect) {
    const d = PHONE.deviceScaleFactor;
    let n = 0;
    for (let y = Math.floor(rect.y * d); y < (rect.y + rect.h) * d; y++) {
        for (let x = Math.floor(rect.x * d); x < (rect.x + rect.w) * d; x++) {
            const p = image.pixel(x, y);
            n += p.every((v, i) => Math.abs(v - RIM[i]) < 24) ? 1 : 0;
        }
    }
    return n;
}

// Fingers through the DevTools protocol: each call gives every finger still down.
const fingers = (cdp, type, points) =>
    cdp.send('Input.dispatchTouchEvent', {type, touchPoints: points.map(([x, y], id) => ({x, y, id}))});
const centre = r => [r.x + r.w / 2, r.y + r.h / 2];
const hold = (cdp, points, ms) => fingers(cdp, 'touchStart', points).then(() => pause(ms)).then(() => fingers(cdp, 'touchEnd', []));
// The console's lines from now on.
const listen = (page, said = []) => (page.on('console', m => said.push(m.text())), said);

// Chromium answers a touch only once a frame is drawn, which on a busy machine may take longer
// than the long press's 500 ms: a quick tap sends its lift without waiting for that answer.
async function tap(cdp, at, holdMs = 80) {
    const down = fingers(cdp, 'touchStart', [at]);
    await (holdMs ? down.then(() => pause(holdMs)) : null);
    await Promise.all([down, fingers(cdp, 'touchEnd', [])]);
}

// The ship's outline as key 1 logs it, asked for through the help panel's row for 1: the help
// control opens the panel, and closes it again (while it is open it takes the taps beneath it).
async function outline(page, cdp, help) {
    const rowOne = [100 * 915 / 1333, (150 + 16 * 16 + 8) * 412 / 600];
    const count = (await logLines(page)).length;
    await tap(cdp, help);
    await tap(cdp, rowOne);
    const logged = await waitFor(async () => (await logLines(page)).slice(count).join('\n'));
    await tap(cdp, help);
    return logged;
}

// Scancodes of the keys the controls stand for, and of 1 (the help row tapped).
const CONTROL_KEYS = {fire: 44, left: 80, right: 79, thrust: 82, pause: 19, help: 11, 'help row 1': 30};

// The page's recording of the touch session holds each control as its key and the long press
// as the right button, and replays in sync on the desktop.
async function recorded(page) {
    const dir = mkdtempSync(join(tmpdir(), 'va-phone-'));
    const file = await download(page, '#download-recording', dir);
    const text = file ? readFileSync(file, 'utf8') : '';
    const missing = Object.entries(CONTROL_KEYS).filter(([, code]) =>
        !text.includes(`\nkey ${code} down\n`) || !text.includes(`\nkey ${code} up\n`)).map(([name]) => name);
    check("the page's recording holds each control as its key, and the long press as the right button",
        text && !missing.length && /\nmouse 3 down \d+ \d+\n/.test(text), 'missing ' + missing.join(', '));
    const desktop = spawnSync(join(SRC, 'build/void-angler'), ['-timedemo=' + file], {cwd: SRC, encoding: 'utf8',
        env: {...process.env, SDL_VIDEODRIVER: 'dummy', SDL_AUDIODRIVER: 'dummy'}, timeout: 120000});
    const verdict = (desktop.stderr || '').match(/^replay .*$/m)?.[0];
    check('and it replays in sync on the desktop', desktop.status === 0 &&
        /^replay in sync up to frame \d+: the recording is cut off$/.test(verdict), verdict || desktop.error);
    rmSync(dir, {recursive: true, force: true});
}

// The settings control opens the panel, alone over it; a tap on the fire line (the panel's lines
// start at field y 40, 16 apart) makes fire a toggle, and the control closes it. After a reload
// one tap of fire fires on until the next.
async function settingsByTouch(page, cdp, rects) {
    const fireLine = 1 + (await page.$$eval('#controls tr', trs => trs.map(tr => tr.cells[0].textContent))).indexOf('Space');
    const shown = async (on, off) => (image => rimPixels(image, on) > 40 && rimPixels(image, off) === 0)(await canvasShot(page));
    await tap(cdp, [458, 200]);
    await tap(cdp, centre(rects.settings));
    const alone = await waitFor(() => shown(rects.settings, rects.fire));
    writeFileSync(join(SRC, 'build-web/phone-settings.png'), await page.screenshot({type: 'png'}));
    for (const at of [[100 * 915 / 1333, (48 + 16 * fireLine) * 412 / 600], centre(rects.settings)]) {
        await tap(cdp, at);
    }
    await startGame(page, page.url());
    await tap(cdp, [458, 200]);
    const missiles = (await waitFor(() => shown(rects.fire, {x: 0, y: 0, w: 0, h: 0}))) && (await shotCount(page, [MISSILE]));
    await tap(cdp, centre(rects.fire));
    const firing = await waitFor(async () => (await shotCount(page, [MISSILE])) > missiles + 100);
    await tap(cdp, centre(rects.fire));
    check('the settings control opens the panel on a phone, alone over it; fire made a toggle there holds after a reload',
        fireLine > 1 && alone && firing, `line ${fireLine}, alone ${alone}, firing ${firing}`);
}

// The first touch shows the controls, which the game lists on the console: name and rectangle.
async function shownControls(cdp, said, count) {
    await tap(cdp, [458, 200]);
    const listed = await waitFor(() => said.filter(l => l.startsWith('touch control ')).length === count && said);
    return Object.fromEntries((listed || []).filter(l => l.startsWith('touch control ')).map(l => {
        const [name, x, y, w, h] = l.split(' ').slice(2);
        return [name, {x: +x, y: +y, w: +w, h: +h}];
    }));
}

async function phone(page, said) {
    await page.setViewport(PHONE);
    const cdp = await page.createCDPSession();
    const started = await startGame(page, page.url());
    const lines = await logLines(page);
    check("a phone's field is the smallest in the canvas's shape, and the log says so",
        started && lines.includes('WINDOW_SIZE_X:1333') && lines.includes('WINDOW_SIZE_Y:600'), lines.slice(0, 12).join('|'));
    const before = await canvasShot(page);
    const rects = await shownControls(cdp, said, 7);
    const rims = image => Object.values(rects).map(r => rimPixels(image, r));
    const drawn = async () => rims(await canvasShot(page)).every(n => n > 40);
    check('the first touch lists the seven controls and draws them; before it, none was drawn', Object.keys(rects).length === 7 &&
        rims(before).every(n => n === 0) && (await waitFor(drawn)));
    writeFileSync(join(SRC, 'build-web/phone-landscape.png'), await page.screenshot({type: 'png'}));

    const missiles = await shotCount(page, [MISSILE]);
    await fingers(cdp, 'touchStart', [centre(rects.fire)]);
    const fired = await waitFor(async () => (await shotCount(page, [MISSILE])) > missiles + 20);
    await fingers(cdp, 'touchEnd', []);
    check('fire held fires a stream', fired);

    // The panel's row for key 1 (the 17th line) logs the outline.
    const help = centre(rects.help);
    const straight = await outline(page, cdp, help);
    await hold(cdp, [centre(rects.left), centre(rects.fire)], 600);
    const turned = await outline(page, cdp, help);
    check('a help row sends its key, and two fingers turn while firing', straight && turned && turned !== straight);
    await fingers(cdp, 'touchStart', [centre(rects.left)]);
    await fingers(cdp, 'touchMove', [centre(rects.right)]);
    await pause(600);
    await fingers(cdp, 'touchEnd', []);
    const slid = await outline(page, cdp, help);
    check('a finger slid from left onto right turns the ship on', slid && slid !== turned);

    await hold(cdp, [centre(rects.thrust)], 300);
    await tap(cdp, centre(rects.pause));
    await tap(cdp, centre(rects.pause));

    const count = (await logLines(page)).length;
    await tap(cdp, [458, 200], 0);
    await tap(cdp, [458, 200], 900);
    const added = (await waitFor(async () => (await logLines(page)).slice(count).join('|').includes('Liff Block'))) &&
        (await logLines(page)).slice(count);
    const mice = (added || []).filter(l => l.includes('mouse button down')).length;
    check('a tap adds no mouse line; a long press is the right button where it is held', mice === 1 &&
        added.some(l => /^Mouse x=66[5-9], y=29[0-3]$/.test(l.replace(/^!+mouse button down event!+/, ''))), (added || []).join('|'));

    // The last touch gave the game the keyboard: no click first.
    await press(page, 'g');
    await press(page, 'g');
    const gone = await waitFor(async () => rims(await canvasShot(page)).every(n => n === 0));
    await tap(cdp, [458, 200]);
    check('a key hides the controls, and a touch brings them back', gone && (await waitFor(drawn)));
    await recorded(page);
    await settingsByTouch(page, cdp, rects);
    await page.setViewport({...PHONE, width: PHONE.height, height: PHONE.width});
    await startGame(page, page.url());
    await tap(cdp, [200, 458]);
    await pause(500);
    writeFileSync(join(SRC, 'build-web/phone-portrait.png'), await page.screenshot({type: 'png'}));
}

// A recording watched on the phone: the first touch shows the viewer's two controls, pause holds
// the picture still, and end stops the replay, in sync so far.
async function watched(page) {
    const cdp = await page.createCDPSession();
    const said = listen(page);
    const started = await reloaded(page, async () => (await page.$('#watch')).uploadFile(join(SRC, 'tests/replays/portal.rec')));
    const rects = await shownControls(cdp, said, 2);
    const same = (a, b) => a.rows.equals(b.rows);
    const moving = same(await canvasShot(page), await pause(500).then(() => canvasShot(page))) === false;
    await tap(cdp, centre(rects.pause || {x: 0, y: 0, w: 0, h: 0}));
    const still = await waitFor(async () => same(await canvasShot(page), await pause(700).then(() => canvasShot(page))), 20);
    const paused = still && !(await page.evaluate(() => document.body.dataset.replay));
    await tap(cdp, centre(rects.end || {x: 0, y: 0, w: 0, h: 0}));
    const verdict = await waitFor(() => page.evaluate(() => document.body.dataset.replay), 30);
    check('a recording watched on a phone shows pause and end; pause holds it, end stops it in sync', started &&
        Object.keys(rects).join() === 'pause,end' && moving && paused &&
        /^replay stopped at frame \d+, in sync so far$/.test(verdict || ''),
        `${Object.keys(rects)} moving ${moving} paused ${paused} ${verdict}`);
}

// The end panel's highlighted line (the initials) in a canvas shot: where its band starts and
// its middle, in CSS pixels; null while none is drawn.
function highlight(image) {
    const rows = [];
    let left = image.width;
    for (let y = 0; y < image.height; y++) {
        let n = 0;
        for (let x = 0; x < image.width; x += 2) {
            const p = image.pixel(x, y);
            if (Math.abs(p[0] - 70) < 12 && Math.abs(p[1] - 70) < 12 && Math.abs(p[2] - 140) < 12) {
                n++;
                left = Math.min(left, x);
            }
        }
        if (n > 40) {
            rows.push(y);
        }
    }
    const d = PHONE.deviceScaleFactor;
    return rows.length ? {x: left / d, y: (rows[0] + rows.at(-1) + 1) / 2 / d} : null;
}

// A whole daily run started from the page's button on a phone, played without a touch: its
// panel takes initials by taps alone, the worker's check verifies it, "another run" reloads into
// the next daily run, whose page lists the entry; its Download gives the recording and its Watch
// replays it in sync to its end.
async function dailyRun(page) {
    const cdp = await page.createCDPSession();
    const said = listen(page);
    const daily = async () => (await page.evaluate(() => document.body.dataset.run)) === 'daily';
    const started = (await reloaded(page, () => page.$eval('#daily-run', b => b.click()))) && (await daily());
    // The panel starts the run's check in a worker at once, and the page times it.
    const ended = started && (await waitFor(() => page.evaluate(() => document.body.dataset.checkMs), 900));
    const band = ended && (await waitFor(async () => highlight(await canvasShot(page)), 60));
    check('the Daily run button starts a daily run, played whole to its panel, which asks for initials', band,
        `started ${started} ended ${ended}`);
    if (!band) {
        return;
    }
    // The panel's lines are 16 pixels apart in the run's 1920 x 1080 field, scaled into the phone's.
    const line = k => [band.x + 40, band.y + k * 16 * Math.min(PHONE.width / 1920, PHONE.height / 1080)];
    for (const ups of [1, 2, 3]) {
        for (let i = 0; i < ups; i++) {
            await tap(cdp, line(1));
        }
        await tap(cdp, line(5));
    }
    const entered = await waitFor(() => said.find(l => /^score \d+, verified: entered in the table of scores/.test(l)), 120);
    const checkMs = await page.evaluate(() => document.body.dataset.checkMs);
    writeFileSync(join(SRC, 'build-web/phone-run-end.png'), await page.screenshot({type: 'png'}));
    check('initials by taps alone; the worker verifies the run and it is entered', entered,
        said.filter(l => /verified|check|replay/.test(l)).join(' | '));
    console.log(`     the check in the worker took ${checkMs} ms`);
    const again = (await reloaded(page, () => tap(cdp, line(3)))) && (await daily());
    const rows = (await waitFor(() => page.$$eval('#score-tables tr', trs =>
        trs.map(tr => [...tr.cells].map(c => c.textContent).join(' '))).then(r => r.length && r), 30)) || [];
    await page.$eval('body', b => b.classList.add('unfolded'));
    await page.$eval('#scores', d => (d.open = true));
    writeFileSync(join(SRC, 'build-web/phone-run-tables.png'), await page.screenshot({type: 'png'}));
    check('"another run" reloads into a daily run, and the page\'s table lists the entry with Download and Watch',
        again && rows.length === 1 && /^1\. ABC \d+ level \d+ \d{4}-\d\d-\d\d Download Watch$/.test(rows[0]), (rows || []).join(' | '));
    if (!rows.length) {
        return;
    }
    const text = await downloadedText(page, '#score-tables button');
    check('its Download gives the run\'s recording', /\nrun daily /.test(text), text.slice(0, 200) || 'no file');
    await reloaded(page, () => page.$$eval('#score-tables button', b => b[1].click()));
    const verdict = await waitFor(() => page.evaluate(() => document.body.dataset.replay), 900);
    check('its Watch replays the run in sync to its end', verdict === 'replay in sync: 9000 frames', verdict);
}

const session = await openBrowser(process.argv[2] || join(SRC, 'build-web'));
try {
    const {page} = session;
    const said = listen(page);
    const started = await startGame(page, session.url);
    await focusGame(page);
    if (started) {
        await latePad(page, said);
    }
    const touched = await session.page.browser().newPage();
    const heard = listen(touched);
    await touched.goto(session.url);
    await phone(touched, heard);
    await touched.setViewport(PHONE);
    await watched(touched);
    await dailyRun(touched);
    check('no console errors', session.errors.length === 0, session.errors.join(' | '));
} finally {
    await session.close();
}
finish();

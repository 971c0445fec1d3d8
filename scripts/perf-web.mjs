// The browser build's idle and heavy scene in headless chromium, as perf-e2e.sh measures the
// desktop: the first wave with nothing held for 10 s, then N five times with Space and Left
// held for 20 s. Frames are counted as canvas clears; main-thread time comes from the
// DevTools protocol's TaskDuration. Then the same on a phone's screen (915 x 412 landscape at
// 2.625 device pixels a CSS pixel) with the CPU slowed four times.
// With VA_PROFILE=1 it also samples the main thread in each heavy scene and prints where its
// time goes (a build linked with --profiling-funcs names the module's functions).
//   node scripts/perf-web.mjs [BUILD_DIR]
import {join} from 'node:path';

import {SRC, openBrowser, pause, press, startGame} from './web-browser.mjs';

async function measure(page, cdp, seconds) {
    const sample = async () => {
        const {metrics} = await cdp.send('Performance.getMetrics');
        return {
            task: metrics.find(m => m.name === 'TaskDuration').value,
            frames: await page.evaluate(() => window.vaClears),
            at: Date.now(),
        };
    };
    const a = await sample();
    await pause(seconds * 1000);
    const b = await sample();
    const frames = b.frames - a.frames;
    return {fps: (frames * 1000) / (b.at - a.at), cpuMs: ((b.task - a.task) * 1000) / frames};
}

const PHONE = {width: 915, height: 412, deviceScaleFactor: 2.625, isMobile: true, hasTouch: true};

async function scenes(page, url, label, slowdown) {
    if (!(await startGame(page, url))) {
        throw new Error('the game did not start');
    }
    const cdp = await page.createCDPSession();
    await cdp.send('Performance.enable');
    const {width, height} = page.viewport();
    await page.mouse.click(width / 2, height - 60);
    await cdp.send('Emulation.setCPUThrottlingRate', {rate: slowdown});
    await pause(3000);
    const idle = await measure(page, cdp, 10);
    for (let i = 0; i < 5; i++) {
        await press(page, 'n');
    }
    await page.keyboard.down(' ');
    await page.keyboard.down('ArrowLeft');
    await pause(3000);
    if (process.env.VA_PROFILE) {
        await cdp.send('Profiler.enable');
        await cdp.send('Profiler.start');
    }
    const heavy = await measure(page, cdp, 20);
    const profile = process.env.VA_PROFILE && (await cdp.send('Profiler.stop')).profile;
    await page.keyboard.up(' ');
    await page.keyboard.up('ArrowLeft');
    const f = n => n.toFixed(2);
    console.log(`${label}:`);
    console.log(`  idle scene (10s):  ${f(idle.cpuMs)} ms main thread per frame, ${f(idle.fps)} frames/s`);
    console.log(`  heavy scene (20s): ${f(heavy.cpuMs)} ms main thread per frame, ${f(heavy.fps)} frames/s`);
    console.log(`  heavy/idle CPU per frame: ${f(heavy.cpuMs / idle.cpuMs)} (target <= 2)`);
    console.log(`  heavy/idle frame rate:    ${f(heavy.fps / idle.fps)} (target >= 0.85)`);
    if (profile) {
        printProfile(profile);
    }
}

// The functions the main thread spent most of its samples in (their own time, not callees').
function printProfile({nodes, samples}) {
    const byNode = new Map(nodes.map(n => [n.id, n]));
    const self = new Map();
    for (const id of samples) {
        const {functionName, url} = byNode.get(id).callFrame;
        const name = functionName || (url ? '(anonymous)' : byNode.get(id).callFrame.functionName || '(program)');
        self.set(name, (self.get(name) || 0) + 1);
    }
    const busy = samples.length - (self.get('(idle)') || 0);
    console.log(`  where the busy main thread's samples go (${busy} of ${samples.length}):`);
    for (const [name, n] of [...self].filter(([k]) => k !== '(idle)').sort((a, b) => b[1] - a[1]).slice(0, 12)) {
        console.log(`    ${((100 * n) / busy).toFixed(1).padStart(5)}%  ${name}`);
    }
}

const session = await openBrowser(process.argv[2] || join(SRC, 'build-web'));
try {
    await scenes(session.page, session.url, 'desktop window', 1);
    console.log(`SDL renderer: ${session.renderer}`);
    // The same page, which counts its frames, reloaded on a phone's screen.
    await session.page.setViewport(PHONE);
    await scenes(session.page, session.url, 'phone, CPU slowed 4 times (target idle >= 35 frames/s)', 4);
} finally {
    await session.close();
}

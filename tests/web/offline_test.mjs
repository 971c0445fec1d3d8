// The installable page: Chromium's installability check, the page played offline from the
// worker's cache with its saves, and a new build that replaces the cache whole.
//   node tests/web/offline_test.mjs [BUILD_DIR]      (default build-web)
import {execFileSync} from 'node:child_process';
import {appendFileSync, cpSync, mkdtempSync, readFileSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

import {SRC, focusGame, openBrowser, startGame, waitFor} from '../../scripts/web-browser.mjs';
import {check, checkpoint, finish, gameFiles} from './lib.mjs';

const buildDir = process.argv[2] || join(SRC, 'build-web');
const cacheNames = page => page.evaluate(() => caches.keys());
const digestOf = dir => readFileSync(join(dir, 'sw.js'), 'utf8').match(/PREFIX \+ '(\w+)'/)[1];
const copy = (dir, skip = /[/\\](node|deps|CMakeFiles)$/) => cpSync(buildDir, dir, {recursive: true, filter: from => !skip.test(from)});
const ownCache = (page, scope) => cacheNames(page).then(names => names.filter(n => n.startsWith(`void-angler ${scope} `)));

// Two more copies on the origin: one in another folder, which keeps its own cache beside the
// first, and one whose game does not arrive, which says so instead of loading for good.
async function otherCopies(page, url, first) {
    copy(join(served, 'other'));
    copy(join(served, 'broken'), /[/\\](node|deps|CMakeFiles)$|\.wasm$/);
    const other = await page.browser().newPage();
    await other.goto(url + 'other/');
    const otherCache = `void-angler ${url}other/ ${digestOf(join(served, 'other'))}`;
    const both = await waitFor(async () => (await cacheNames(page)).sort().join() === [first, otherCache].sort().join(), 60);
    check('a copy in another folder keeps its own cache beside the first', both, `${await cacheNames(page)}`);
    const broken = await page.browser().newPage();
    await broken.goto(url + 'broken/');
    const line = () => broken.$eval('#progress', e => e.textContent);
    const told = await waitFor(async () => (await line()).startsWith('The game could not be loaded: '), 60);
    check('a build whose game does not load says so on the progress line', told, await line());
    await Promise.all([other.close(), broken.close()]);
    return otherCache;
}

async function installable(page) {
    const cdp = await page.createCDPSession();
    const {installabilityErrors} = await cdp.send('Page.getInstallabilityErrors');
    check('Chromium finds the page installable', installabilityErrors.length === 0, JSON.stringify(installabilityErrors));
    const {errors, data} = await cdp.send('Page.getAppManifest');
    const manifest = JSON.parse(data || '{}');
    const sizes = (manifest.icons || []).map(i => i.sizes).sort();
    check('the manifest reads without errors: a name, both icons, full screen, landscape',
        errors.length === 0 && manifest.short_name && sizes.join() === '192x192,512x512' &&
        manifest.display === 'fullscreen' && manifest.orientation === 'landscape', JSON.stringify({errors, manifest}));
}

// A new build: a changed page file, and the build's own step writes the worker's new digest.
function rebuild(dir) {
    appendFileSync(join(dir, 'page.css'), '/* the next build */\n');
    execFileSync('cmake', [`-DWEB=${join(SRC, 'web')}`, `-DOUT=${dir}`, '-P', join(SRC, 'cmake/web-offline.cmake')]);
    return digestOf(dir);
}

const served = mkdtempSync(join(tmpdir(), 'va-web-served-'));
copy(served);
const session = await openBrowser(served);
try {
    const {page} = session;
    const started = await startGame(page, session.url);
    const controlled = await waitFor(() => page.evaluate(() => !!navigator.serviceWorker.controller), 60);
    const first = `void-angler ${session.url} ${digestOf(served)}`;
    check('the worker keeps this build in one cache named after it and its folder', controlled && (await cacheNames(page)).join() === first);
    await installable(page);
    const otherCache = await otherCopies(page, session.url, first);
    await focusGame(page);
    const saved = started && (await checkpoint(page));
    await waitFor(async () => (await gameFiles(page, saved, '/saves')).length > 0);

    session.stopServer();
    const offline = await startGame(page, session.url);
    await focusGame(page);
    const kept = offline && (await gameFiles(page, 'checkpoint'));
    const another = kept && (await checkpoint(page));
    check('offline, the page reloads, the game starts, plays and keeps its saves',
        kept.includes(saved) && another && another !== saved, `${kept}, ${another}`);

    const next = `void-angler ${session.url} ${rebuild(served)}`;
    await session.startServer(served);
    await startGame(page, session.url);
    await page.evaluate(() => navigator.serviceWorker.getRegistration().then(r => r.update()));
    const replaced = await waitFor(async () => (await ownCache(page, session.url)).join() === next, 60);
    await startGame(page, session.url);
    const css = await page.evaluate(() => fetch('page.css').then(r => r.text()));
    check('a new build replaces its cache whole, serves its own files and leaves the other copy\'s',
        replaced && css.includes('the next build') && (await cacheNames(page)).includes(otherCache),
        `${await cacheNames(page)} (want ${next})`);
    const still = await gameFiles(page, 'checkpoint', '/saves');
    check('the saves in IndexedDB outlive the new build', still.includes(saved), still);
    check('no console errors', session.errors.length === 0, session.errors.join(' | '));
} finally {
    await session.close();
    rmSync(served, {recursive: true, force: true});
}
finish();

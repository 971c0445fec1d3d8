// Debian's chromium for the browser tests, and the flags it needs here.
import {accessSync, constants} from 'node:fs';
import {delimiter, join} from 'node:path';

export function findChromium() {
    if (process.env.CHROMIUM) {
        return process.env.CHROMIUM;
    }
    for (const dir of (process.env.PATH || '').split(delimiter)) {
        for (const name of ['chromium', 'chromium-browser']) {
            try {
                accessSync(join(dir, name), constants.X_OK);
                return join(dir, name);
            } catch {
                // not here
            }
        }
    }
    throw new Error('no chromium on PATH (scripts/install-deps.sh installs it)');
}

export function browserFlags(width, height) {
    return [
        // Root in a container has no user namespaces for the sandbox.
        '--no-sandbox',
        // Headless chromium gives WebGL on the CPU only when asked.
        '--enable-unsafe-swiftshader',
        '--use-angle=swiftshader',
        `--window-size=${width},${height}`,
        // A hidden or backgrounded tab would slow the game's timers.
        '--disable-background-timer-throttling',
        '--disable-renderer-backgrounding',
        '--disable-backgrounding-occluded-windows',
    ];
}

// Serves a folder on 127.0.0.1 for the browser build (the page needs http, not file:).
//   node scripts/serve-web.mjs [DIR] [PORT]   (PORT 0 picks a free one)
// Also imported by the browser tests.
import {createServer} from 'node:http';
import {readFile} from 'node:fs/promises';
import {extname, join, normalize, resolve} from 'node:path';
import {pathToFileURL} from 'node:url';

const TYPES = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript',
    '.mjs': 'text/javascript',
    '.css': 'text/css',
    '.wasm': 'application/wasm',
    '.data': 'application/octet-stream',
    '.txt': 'text/plain',
    '.png': 'image/png',
    '.webmanifest': 'application/manifest+json',
};

export function serve(dir, port = 0) {
    const root = resolve(dir);
    const server = createServer(async (req, res) => {
        const path = decodeURIComponent(new URL(req.url, 'http://x').pathname);
        // normalize() keeps the request inside root: "/../x" becomes "/x". A folder is its page.
        const file = join(root, normalize(path.endsWith('/') ? path + 'index.html' : path));
        try {
            const body = await readFile(file);
            res.writeHead(200, {
                'Content-Type': TYPES[extname(file)] || 'application/octet-stream',
                'Cache-Control': 'no-cache',
            });
            res.end(body);
        } catch {
            res.writeHead(404).end('not found');
        }
    });
    return new Promise(done => server.listen(port, '127.0.0.1', () => done(server)));
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
    const dir = process.argv[2] || 'build-web';
    const server = await serve(dir, Number(process.argv[3] || 8023));
    console.log(`Serving ${dir} at http://127.0.0.1:${server.address().port}/ (Ctrl-C stops)`);
}

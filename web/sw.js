// Keeps this build's files for offline play, in one cache named after a digest of them (the
// build writes both in). A newer build's worker fills its own cache whole, then waits until
// the page's game has all its files before it takes over and deletes the old cache, so a page
// never runs on two builds' files. The saves live in IndexedDB, which this never touches.
'use strict';

// Named after the page's scope too: two copies of the page on one origin (two folders, two
// versions) each keep their own.
const PREFIX = 'void-angler ' + self.registration.scope + ' ';
const CACHE = PREFIX + '@BUILD_DIGEST@';
// Before caches were named by scope; whichever copy updates first clears them.
const UNSCOPED = /^void-angler-\w+$/;
const FILES = [@BUILD_FILES@];

self.addEventListener('install', event => {
    // Past the browser's HTTP cache, which may still hold the last build's files.
    const requests = ['./', ...FILES].map(f => new Request(f, {cache: 'reload'}));
    event.waitUntil(caches.open(CACHE).then(cache => cache.addAll(requests)));
});

self.addEventListener('activate', event => {
    event.waitUntil(caches.keys()
        .then(names => Promise.all(names.filter(n => (n.startsWith(PREFIX) && n !== CACHE) || UNSCOPED.test(n))
            .map(n => caches.delete(n))))
        .then(() => self.clients.claim()));
});

// The page says when its game has everything it loads.
self.addEventListener('message', event => {
    if (event.data === 'take-over') {
        self.skipWaiting();
    }
});

self.addEventListener('fetch', event => {
    const request = event.request;
    if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) {
        return;
    }
    event.respondWith(caches.open(CACHE)
        .then(cache => cache.match(request, {ignoreSearch: true}))
        .then(hit => hit || fetch(request)));
});

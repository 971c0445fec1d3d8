// Offline play: registers the service worker that keeps this build's files. A newer build's
// worker, once it has all of its own, is let in only after this page's game has started, as
// by then the page holds everything it needs from the old files.
'use strict';

function letNewBuildIn(registration) {
    const waiting = registration.waiting;
    const progress = document.getElementById('progress');
    if (!waiting || !progress) {
        return;
    }
    if (progress.hidden) {
        waiting.postMessage('take-over');
        return;
    }
    const watcher = new MutationObserver(() => {
        if (progress.hidden) {
            watcher.disconnect();
            waiting.postMessage('take-over');
        }
    });
    watcher.observe(progress, {attributes: true, attributeFilter: ['hidden']});
}

function keepForOffline() {
    if (!('serviceWorker' in navigator)) {
        return;
    }
    navigator.serviceWorker.register('sw.js').then(registration => {
        letNewBuildIn(registration);
        registration.addEventListener('updatefound', () => {
            const installing = registration.installing;
            installing.addEventListener('statechange', () => {
                if (installing.state === 'installed') {
                    letNewBuildIn(registration);
                }
            });
        });
    }).catch(err => console.warn('no offline play: ' + err));
}

keepForOffline();

// A second instance of the game in a worker: it runs one command (-verify of a run's recording)
// apart from the game on the page, and hands back its standard error and exit status. -verify
// draws nothing and plays no sound, so the module never looks for a page here.
'use strict';

// The files at the paths the page gave, relative ones from the same working folder.
function placeFiles(cwd, files) {
    FS.mkdirTree(cwd);
    FS.chdir(cwd);
    for (const {path, bytes} of files) {
        const folder = path.slice(0, path.lastIndexOf('/'));
        if (folder.startsWith('/')) {
            FS.mkdirTree(folder);
        }
        FS.writeFile(path, bytes);
    }
}

// The mixer opens as in play, so the sounds load; SDL without threads has only the browser's
// sound driver, which gets this silent stand-in: nothing is played, no sound is processed.
class SilentAudio {
    constructor() {
        this.sampleRate = 44100;
        this.state = 'running';
        this.destination = {};
    }
    createScriptProcessor() {
        return {connect: () => {}, disconnect: () => {}};
    }
    resume() {
        return Promise.resolve();
    }
    suspend() {
        return Promise.resolve();
    }
    close() {
        return Promise.resolve();
    }
}
self.AudioContext = SilentAudio;
// SDL's driver asks the document to resume the sound on a first key press: no such press here.
self.document = {getElementById: () => null, addEventListener: () => {}, removeEventListener: () => {}};

self.onmessage = event => {
    const {args, cwd, files} = event.data;
    const failed = what => postMessage({err: 'the check stopped: ' + what, status: 1});
    self.Module = {
        arguments: args,
        print: () => {},
        printErr: line => postMessage({err: line}),
        preRun: [() => {
            try {
                placeFiles(cwd, files);
            } catch (e) {
                failed('its files could not be written (' + (e.message || e.errno || e) + ')');
                throw e;
            }
        }],
        onExit: status => postMessage({status}),
        onAbort: failed,
    };
    importScripts('void-angler.js');
};

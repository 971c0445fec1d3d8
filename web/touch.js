// The page on a phone: the sound and the keyboard start on the first touch as on the first click, the panel
// folds away on a narrow screen behind a button, and a full-screen button where the browser
// has the Fullscreen API.
'use strict';

function phoneButton(bar, text, action) {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = text;
    button.addEventListener('click', action);
    bar.append(button);
    return button;
}

function phonePage() {
    const top = document.getElementById('top');
    // A touch gives the game the keyboard, as a click does: a tablet's keyboard works at once.
    const canvas = document.getElementById('canvas');
    canvas.addEventListener('touchstart', () => {
        canvas.focus();
        resumeSound();
    }, {passive: true});
    const bar = document.createElement('div');
    bar.id = 'phone-bar';
    phoneButton(bar, 'Menu', () => document.body.classList.toggle('unfolded'));
    if (document.fullscreenEnabled) {
        phoneButton(bar, 'Full screen', () => (document.fullscreenElement ? document.exitFullscreen()
            : document.documentElement.requestFullscreen()).catch(e => say('No full screen: ' + e.message)));
    }
    top.prepend(bar);
}

phonePage();

// SDL sets the field's target texture every frame and checks the framebuffer each time. In a
// browser that check waits until the GPU process has done everything queued before it: on a
// slowed phone, two thirds of the main thread. A framebuffer keeps the answer "complete" while
// its attachment stays the same texture (SDL never resizes a texture in place).
'use strict';

for (const api of [window.WebGLRenderingContext, window.WebGL2RenderingContext]) {
    if (!api) {
        continue;
    }
    const gl = api.prototype;
    const {bindFramebuffer, framebufferTexture2D, framebufferRenderbuffer, checkFramebufferStatus} = gl;
    const bound = new WeakMap();
    const attached = new WeakMap();
    const complete = new WeakSet();
    gl.bindFramebuffer = function (target, framebuffer) {
        bound.set(this, framebuffer);
        return bindFramebuffer.call(this, target, framebuffer);
    };
    gl.framebufferTexture2D = function (target, attachment, textarget, texture, level) {
        const fb = bound.get(this);
        const what = [attachment, textarget, level].join();
        if (fb && (attached.get(fb)?.texture !== texture || attached.get(fb)?.what !== what)) {
            complete.delete(fb);
            attached.set(fb, {texture, what});
        }
        return framebufferTexture2D.call(this, target, attachment, textarget, texture, level);
    };
    gl.framebufferRenderbuffer = function (...args) {
        const fb = bound.get(this);
        if (fb) {
            complete.delete(fb);
            attached.delete(fb);
        }
        return framebufferRenderbuffer.apply(this, args);
    };
    gl.checkFramebufferStatus = function (target) {
        const fb = bound.get(this);
        if (fb && complete.has(fb)) {
            return this.FRAMEBUFFER_COMPLETE;
        }
        const status = checkFramebufferStatus.call(this, target);
        if (fb && status === this.FRAMEBUFFER_COMPLETE) {
            complete.add(fb);
        }
        return status;
    };
}

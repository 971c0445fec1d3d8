// Whether the browser's line method lights every corner of the rock outlines: two N waves,
// P, then W (the rock report prints each outline to the log drawer); every corner on the
// canvas must be a lit pixel of a rock's colour.
//   node scripts/web-corners.mjs [BUILD_DIR]
import {join} from 'node:path';

import {SRC, canvasShot, focusGame, loggedLines, openBrowser, pause, press, startGame} from './web-browser.mjs';

const isRock = ([r, g, b]) => (r === 255 && g === 0 && b === 0) || (r === 168 && g === 198 && b === 78);

const session = await openBrowser(process.argv[2] || join(SRC, 'build-web'));
try {
    const {page} = session;
    if (!(await startGame(page, session.url))) {
        throw new Error('the game did not start');
    }
    await focusGame(page);
    await pause(1500);
    await press(page, 'n');
    await press(page, 'n');
    await pause(1000);
    await press(page, 'p');
    await pause(500);
    await press(page, 'w');
    await pause(8000);
    const log = (await loggedLines(page)).join('\n');
    const image = await canvasShot(page);
    // Each rock is printed before and after fixLostRock: the second is what is drawn.
    const prints = log.split('SpaceJunk::printCords()').slice(1);
    let corners = 0;
    let lit = 0;
    for (let r = 1; r < prints.length; r += 2) {
        const points = [...prints[r].matchAll(/x=(\S+),y=(\S+)/g)].slice(0, 12);
        for (const [, x, y] of points) {
            const [px, py] = [Math.trunc(+x), Math.trunc(+y)];
            if (px >= 0 && py >= 0 && px < image.width && py < image.height) {
                corners++;
                lit += isRock(image.pixel(px, py)) ? 1 : 0;
            }
        }
    }
    console.log(`SDL renderer: ${session.renderer}`);
    console.log(`${prints.length / 2} rocks, ${corners} corners on the canvas, ${lit} lit`);
} finally {
    await session.close();
}

// Reads the 8-bit RGB or RGBA PNGs a browser's screenshots are, into RGBA rows.
import {inflateSync} from 'node:zlib';

function paeth(a, b, c) {
    const p = a + b - c;
    const pa = Math.abs(p - a);
    const pb = Math.abs(p - b);
    const pc = Math.abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

export function decodePng(buf) {
    let pos = 8;
    let width = 0;
    let height = 0;
    let channels = 0;
    const idat = [];
    while (pos < buf.length) {
        const len = buf.readUInt32BE(pos);
        const type = buf.toString('ascii', pos + 4, pos + 8);
        const data = buf.subarray(pos + 8, pos + 8 + len);
        if (type === 'IHDR') {
            width = data.readUInt32BE(0);
            height = data.readUInt32BE(4);
            const colourType = data[9];
            if (data[8] !== 8 || data[12] !== 0 || (colourType !== 2 && colourType !== 6)) {
                throw new Error('only 8-bit, non-interlaced RGB or RGBA PNGs');
            }
            channels = colourType === 6 ? 4 : 3;
        } else if (type === 'IDAT') {
            idat.push(data);
        }
        pos += 12 + len;
    }
    const raw = inflateSync(Buffer.concat(idat));
    const stride = width * channels;
    const rows = Buffer.alloc(stride * height);
    for (let y = 0; y < height; y++) {
        const filter = raw[y * (stride + 1)];
        const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
        for (let x = 0; x < stride; x++) {
            const a = x >= channels ? rows[y * stride + x - channels] : 0;
            const b = y > 0 ? rows[(y - 1) * stride + x] : 0;
            const c = x >= channels && y > 0 ? rows[(y - 1) * stride + x - channels] : 0;
            const predictor = [0, a, b, (a + b) >> 1, paeth(a, b, c)][filter];
            rows[y * stride + x] = (line[x] + predictor) & 0xff;
        }
    }
    const pixel = (x, y) => {
        const i = y * stride + x * channels;
        return [rows[i], rows[i + 1], rows[i + 2]];
    };
    return {width, height, pixel, rows};
}

// How many pixels in the area have one of the colours exactly.
export function countColours(image, colours, area = {}) {
    const {x = 0, y = 0, w = image.width - x, h = image.height - y} = area;
    let n = 0;
    for (let j = y; j < y + h; j++) {
        for (let i = x; i < x + w; i++) {
            const [r, g, b] = image.pixel(i, j);
            if (colours.some(c => c[0] === r && c[1] === g && c[2] === b)) {
                n++;
            }
        }
    }
    return n;
}

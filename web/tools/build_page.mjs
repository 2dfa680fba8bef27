// Writes the page's index.html with its two pictures inside it, so that the
// page asks for no file of its own after loading (a browser fetches a page's
// icon late, after the load event):
//  - @LOGO@: the window's logo bitmap (24-bit uncompressed BMP) as a PNG in
//    which every pixel of exactly the key colour, the one at column 10,
//    row 10, is transparent; all other pixels, pure white included, stay
//    opaque, as the desktop window draws it with its colour key;
//  - @ICON@: the window's icon, a PNG.
//
//   node build_page.mjs index.html logo.bmp icon.png out/index.html
import { readFileSync, writeFileSync } from 'node:fs';
import { deflateSync } from 'node:zlib';

const [template, logo, icon, output] = process.argv.slice(2);
if (!output) {
  console.error('usage: node build_page.mjs index.html logo.bmp icon.png out/index.html');
  process.exit(2);
}

function readBmp(buffer) {
  if (buffer.toString('latin1', 0, 2) !== 'BM') throw new Error(`${logo}: not a BMP file`);
  const dataOffset = buffer.readUInt32LE(10);
  const width = buffer.readInt32LE(18);
  const rawHeight = buffer.readInt32LE(22);
  const bits = buffer.readUInt16LE(28);
  const compression = buffer.readUInt32LE(30);
  if (bits !== 24 || compression !== 0) throw new Error(`${logo}: not a 24-bit uncompressed BMP`);
  const height = Math.abs(rawHeight);
  const stride = Math.ceil((width * 3) / 4) * 4;
  if (dataOffset + stride * height > buffer.length) throw new Error(`${logo}: truncated`);
  // Rows are stored bottom-up unless the height is negative.
  const pixel = (x, y) => {
    const row = rawHeight > 0 ? height - 1 - y : y;
    const at = dataOffset + row * stride + x * 3;
    return [buffer[at + 2], buffer[at + 1], buffer[at]];
  };
  return { width, height, pixel };
}

const crcTable = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});
function crc32(bytes) {
  let c = 0xffffffff;
  for (const b of bytes) c = crcTable[(c ^ b) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}
function chunk(type, data) {
  const head = Buffer.alloc(8);
  head.writeUInt32BE(data.length, 0);
  head.write(type, 4, 'latin1');
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(Buffer.concat([head.subarray(4), data])), 0);
  return Buffer.concat([head, data, crc]);
}

function keyedPng(bmp) {
  const key = bmp.pixel(10, 10).join();
  const rows = Buffer.alloc(bmp.height * (1 + bmp.width * 4));
  let at = 0;
  for (let y = 0; y < bmp.height; y++) {
    rows[at++] = 0; // filter: none
    for (let x = 0; x < bmp.width; x++) {
      const rgb = bmp.pixel(x, y);
      rows.set(rgb, at);
      rows[at + 3] = rgb.join() === key ? 0 : 255;
      at += 4;
    }
  }
  const header = Buffer.alloc(13);
  header.writeUInt32BE(bmp.width, 0);
  header.writeUInt32BE(bmp.height, 4);
  header[8] = 8; // bits per channel
  header[9] = 6; // RGBA
  return Buffer.concat([
    Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
    chunk('IHDR', header),
    chunk('IDAT', deflateSync(rows, { level: 9 })),
    chunk('IEND', Buffer.alloc(0)),
  ]);
}

const dataUrl = (png) => `data:image/png;base64,${png.toString('base64')}`;
const page = readFileSync(template, 'utf8');
for (const marker of ['@LOGO@', '@ICON@']) {
  if (!page.includes(marker)) throw new Error(`${template}: no ${marker}`);
}
writeFileSync(
  output,
  page
    .replace('@LOGO@', dataUrl(keyedPng(readBmp(readFileSync(logo)))))
    .replace('@ICON@', dataUrl(readFileSync(icon))),
);

// Debian's Chromium, headless, driven by playwright-core; and a static file
// server on the loopback address for the built site.
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

const repository = resolve(fileURLToPath(new URL('.', import.meta.url)), '../../..');

// The built page's folder (the `web` preset's build/web/site by default).
export const siteDir = resolve(process.env.TARNVIK_SITE || join(repository, 'build/web/site'));

export function launchBrowser() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
      '--no-first-run',
    ],
  });
}

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
};

// Serves a site folder (siteDir unless told) on 127.0.0.1 at a free port;
// resolves to {url, close}. extra maps more paths ("/floor.html") to HTML
// texts.
export function serveSite(extra = {}, dir = siteDir) {
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    if (extra[path] !== undefined) {
      response.writeHead(200, { 'Content-Type': types['.html'] }).end(extra[path]);
      return;
    }
    const file = normalize(join(dir, path.endsWith('/') ? `${path}index.html` : path));
    let ok = file.startsWith(dir + sep);
    try {
      ok = ok && statSync(file).isFile();
    } catch {
      ok = false;
    }
    if (!ok) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': types[extname(file)] || 'application/octet-stream' });
    createReadStream(file).pipe(response);
  });
  return new Promise((done) => {
    server.listen(0, '127.0.0.1', () => {
      done({
        url: `http://127.0.0.1:${server.address().port}/`,
        close: () => new Promise((closed) => server.close(closed)),
      });
    });
  });
}

// Opens the page and waits until the window shows its first results.
export async function openPage(browser, url, viewport = { width: 1280, height: 800 }) {
  const context = await browser.newContext({ viewport });
  context.setDefaultTimeout(10000);
  const page = await context.newPage();
  const log = { errors: [], requests: [] };
  page.on('console', (message) => {
    if (message.type() === 'error') log.errors.push(message.text());
  });
  page.on('pageerror', (error) => log.errors.push(String(error)));
  page.on('request', (request) => log.requests.push(request.url()));
  await page.goto(url);
  await page.waitForSelector('html[data-ready="true"]', { state: 'attached' });
  return { context, page, log };
}

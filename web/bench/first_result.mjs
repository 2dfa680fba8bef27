// The page in headless Chromium: the first result after navigation (the
// window's results shown), median of several loads, against the floor of
// a page with one inline script loaded from the same server in the same
// run; then the cost of one user event in the page (typing into a box:
// the recalculation in WebAssembly, then the mirror into the page).
// Given another built site folder, its loads alternate with the page's, so
// that both see the same machine load, and the ratio between them is shown.
//
//   node bench/first_result.mjs [loads=15] [other site folder]
import { resolve } from 'node:path';
import { launchBrowser, openPage, serveSite } from '../tests/lib/browser.mjs';

const loads = Number(process.argv[2] || 15);
const otherDir = process.argv[3] ? resolve(process.argv[3]) : null;
const floorPage = '<!doctype html><title>floor</title><script>window.shown = performance.now();</script>';
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const browser = await launchBrowser();
const server = await serveSite({ '/floor.html': floorPage });
const other = otherDir ? await serveSite({}, otherDir) : null;
const first = [];
const otherFirst = [];
const floor = [];
const firstResult = async (url) => {
  const opened = await openPage(browser, url);
  const ms = await opened.page.evaluate(() => window.tarnvik.firstResultMs);
  await opened.context.close();
  return ms;
};
try {
  for (let i = 0; i < loads; i++) {
    first.push(await firstResult(server.url));
    if (other) otherFirst.push(await firstResult(other.url));

    const context = await browser.newContext();
    const page = await context.newPage();
    await page.goto(`${server.url}floor.html`);
    floor.push(await page.evaluate(() => window.shown));
    await context.close();
  }

  const opened = await openPage(browser, server.url);
  // The page's clock is coarse (0.1 ms): each figure is a block of calls.
  const event = await opened.page.evaluate(() => {
    const { api, view } = window.tarnvik;
    api.choose(1045, 6); // QA70: the longest recalculation
    view.mirror();
    const times = { type: [], mirror: [] };
    const calls = 100;
    for (let block = 0; block < 9; block++) {
      let typing = 0;
      let mirroring = 0;
      for (let i = 0; i < calls; i++) {
        const t0 = performance.now();
        api.type(1009, String((block * calls + i) % 40));
        const t1 = performance.now();
        view.mirror();
        typing += t1 - t0;
        mirroring += performance.now() - t1;
      }
      times.type.push(typing / calls);
      times.mirror.push(mirroring / calls);
    }
    return times;
  });
  await opened.context.close();

  console.log(`${loads} loads, median after navigation:`);
  const ratio = (value) => `${(value / median(floor)).toFixed(2)}x floor`;
  console.log(
    `  first result ${median(first).toFixed(1)} ms (${ratio(median(first))})   floor (one inline script) ${median(floor).toFixed(1)} ms`,
  );
  if (other) {
    console.log(
      `  ${otherDir}: first result ${median(otherFirst).toFixed(1)} ms (${ratio(median(otherFirst))}); this page / that: ${(median(first) / median(otherFirst)).toFixed(2)}`,
    );
  }
  console.log('one typed character in the page, median of 9 blocks of 100:');
  console.log(
    `  recalculation in WebAssembly ${(median(event.type) * 1000).toFixed(0)} us   mirror into the page ${(median(event.mirror) * 1000).toFixed(0)} us`,
  );
} finally {
  await browser.close();
  await server.close();
  if (other) await other.close();
}

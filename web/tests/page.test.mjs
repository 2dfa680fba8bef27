// The built page in headless Chromium, driven as a user drives it: with
// the mouse and the keyboard, from a local web server and from file://.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdirSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { after, before, describe, test } from 'node:test';

import { launchBrowser, openPage, serveSite, siteDir } from './lib/browser.mjs';
import { nativeCalc } from './lib/tools.mjs';

const require = createRequire(import.meta.url);
const screenshotPath = process.env.TARNVIK_SCREENSHOT || join(siteDir, '..', 'web.png');

// The result boxes and the keys of `tarnvik-calc --json` that print them.
const RESULT_BOXES = {
  1005: 'profileFactor',
  1001: 'maxFlow',
  1002: 'maxFlowUnit',
  1028: 'minFlow',
  1029: 'minFlowUnit',
  1007: 'maxVelocity',
  1010: 'velocityUnit',
  1023: 'cutoffVelocity',
  1024: 'cutoffVelocityUnit',
};

let browser;
let server;
before(async () => {
  browser = await launchBrowser();
  server = await serveSite();
});
after(async () => {
  await browser?.close();
  await server?.close();
});

async function withPage(body, viewport) {
  const opened = await openPage(browser, server.url, viewport);
  try {
    await body(opened.page, opened.log);
  } finally {
    await opened.context.close();
  }
}

const box = (id) => `[data-id="${id}"]`;
const valueOf = (page, id) => page.$eval(box(id), (element) => element.value);

async function typeInto(page, id, text) {
  await page.click(box(id));
  await page.keyboard.press('Control+A');
  await page.keyboard.type(text);
}

function nativeResults(args) {
  const run = spawnSync(nativeCalc, [...args, '--json'], { encoding: 'utf8' });
  assert.equal(run.status, 0, run.stderr);
  // The page's boxes show the results; the inputs the command line repeats
  // beside them are its own record of what it calculated.
  const { inputs, ...results } = JSON.parse(run.stdout);
  assert.equal(typeof inputs, 'object');
  return results;
}

async function shownResults(page) {
  const shown = {};
  for (const [id, key] of Object.entries(RESULT_BOXES)) shown[key] = await valueOf(page, id);
  return shown;
}

describe('the window', () => {
  test('QA70 with a typed process pressure in kg/h shows what the command line shows', () =>
    withPage(async (page) => {
      await page.selectOption(box(1045), 'QA70');
      await typeInto(page, 1009, '6.5');
      await page.click(box(1013));
      assert.equal(await valueOf(page, 1009), '6.5');
      assert.equal(await page.isChecked(`${box(1013)} input`), true);
      assert.equal(await page.isChecked(`${box(1004)} input`), false);
      assert.deepEqual(
        await shownResults(page),
        nativeResults(['--sensor', 'QA70', '--unit', 'kg/h', '--process-pressure', '6.5']),
      );
    }));

  test('the diameter box keeps the caret where the user types while commas become points', () =>
    withPage(async (page) => {
      await page.selectOption(box(1045), 'QA30');
      await typeInto(page, 1000, '12,5');
      const caret = () => page.$eval(box(1000), (e) => [e.value, e.selectionStart, e.selectionEnd]);
      assert.deepEqual(await caret(), ['12.5', 4, 4]);
      await page.keyboard.press('ArrowLeft');
      await page.keyboard.press('ArrowLeft');
      await page.keyboard.type('0,');
      assert.deepEqual(await caret(), ['120..5', 4, 4]);
      await page.keyboard.press('Backspace');
      await page.keyboard.type('7');
      assert.deepEqual(await caret(), ['1207.5', 4, 4]);
      assert.deepEqual(
        await shownResults(page),
        nativeResults(['--sensor', 'QA30', '--diameter', '1207.5']),
      );
    }));

  test('"Pressure is not correct!" is a modal dialog, answered with OK', () =>
    withPage(async (page) => {
      await page.selectOption(box(1045), 'QA90');
      await typeInto(page, 1009, '-');
      const before = await shownResults(page);
      await page.keyboard.type('2');
      const dialog = page.getByRole('alertdialog', { name: 'tarnvik' });
      assert.equal(await dialog.isVisible(), true);
      assert.equal(await page.$eval('#message-text', (e) => e.textContent), 'Pressure is not correct!');
      assert.equal(await page.$eval('#message-box', (e) => e.matches(':modal')), true);
      // The box has the focus, so Enter answers it; the rest of the page is inert.
      assert.equal(await page.evaluate(() => document.activeElement.textContent), 'OK');
      await page.keyboard.press('Enter');
      assert.equal(await dialog.isVisible(), false);
      // The window took no result from the rejected pressure, and goes on.
      assert.equal(await valueOf(page, 1009), '-2');
      assert.deepEqual(await shownResults(page), before);
      await typeInto(page, 1009, '4');
      assert.deepEqual(
        await shownResults(page),
        nativeResults(['--sensor', 'QA90', '--process-pressure', '4']),
      );
      // Answered with the mouse as well.
      await typeInto(page, 1009, '-3');
      await page.getByRole('button', { name: 'OK' }).click();
      assert.equal(await dialog.isVisible(), false);
    }));

  test('the keyboard alone drives the lists and the radio groups', () =>
    withPage(async (page) => {
      await page.focus(box(1045));
      await page.keyboard.press('ArrowDown'); // QA20
      await page.focus(`${box(1004)} input`); // l/min, the checked unit
      await page.keyboard.press('ArrowDown'); // l/s
      assert.equal(await page.isChecked(`${box(1012)} input`), true);
      assert.equal(await page.isChecked(`${box(1004)} input`), false);
      // Tab leaves the group: one tab stop per radio group.
      await page.keyboard.press('Tab');
      assert.notEqual(await page.evaluate(() => document.activeElement.type), 'radio');
      assert.deepEqual(await shownResults(page), nativeResults(['--sensor', 'QA20', '--unit', 'l/s']));
    }));

  test('Enter and Escape end nothing', () =>
    withPage(async (page) => {
      const before = await shownResults(page);
      await page.click(box(1045));
      await page.keyboard.press('Escape');
      await page.focus(box(1008));
      for (const key of ['Enter', 'Escape', 'Enter']) await page.keyboard.press(key);
      assert.equal(await page.locator(box(1001)).isVisible(), true);
      assert.deepEqual(await shownResults(page), before);
      assert.equal(page.url(), server.url);
    }));

  test('every control is named by its label, and the results by their units too', () =>
    withPage(async (page) => {
      const named = [
        ['combobox', 'Sensor type', 1045],
        ['combobox', 'Measuring section', 1047],
        ['textbox', 'Pipe inner diameter (mm)', 1000],
        ['textbox', 'Profile factor', 1005],
        ['combobox', 'Cut-off velocity (sm/s)', 1046],
        ['textbox', 'Gas constant (J/kg*K)', 1017],
        ['textbox', 'Reference temperature (°C)', 1008],
        ['textbox', 'Process pressure (bar(g))', 1009],
        ['textbox', 'Inlet humidity (%)', 1033],
        ['textbox', 'Max. flow', 1001],
        ['textbox', 'Max. flow unit', 1002],
        ['radio', 'kg/h', 1013],
        ['radio', 'Norm reference conditions', 1041],
        ['radio', 'Dry air flow', 1038],
        ['radiogroup', 'Flow unit', null],
      ];
      for (const [role, name, id] of named) {
        const found = page.getByRole(role, { name, exact: true });
        assert.equal(await found.count(), 1, `${role} "${name}"`);
        if (id !== null) {
          assert.equal(await found.evaluate((e) => e.closest('[data-id]').dataset.id), String(id), name);
        }
      }
      assert.equal(await page.getAttribute(box(1001), 'aria-description'), 'sl/min');
      // Every input, list and radio has a name of its own.
      const unnamed = await page.$$eval('.window input, .window select', (elements) =>
        elements.filter((e) => !(e.getAttribute('aria-label') || e.closest('label')?.textContent)).length,
      );
      assert.equal(unnamed, 0);
      // QA20-V renames the reference boxes' labels, and so the boxes.
      await page.selectOption(box(1045), 'QA20-V');
      assert.equal(await page.getByRole('textbox', { name: 'Actual temperature (°C)' }).count(), 1);
    }));

  test('axe-core finds no serious or critical violation', () =>
    withPage(async (page) => {
      await page.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
      const serious = async (state) => {
        const result = await page.evaluate(() => window.axe.run());
        return result.violations
          .filter((v) => v.impact === 'serious' || v.impact === 'critical')
          .map((v) => `${state}: ${v.id} (${v.impact}): ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
      };
      const found = await serious('at start');
      await page.selectOption(box(1045), 'QA70');
      await page.selectOption(box(1044), 'CO2');
      found.push(...(await serious('QA70, CO2')));
      await typeInto(page, 1009, '-5');
      found.push(...(await serious('message box')));
      assert.deepEqual(found, []);
    }));

  test('captions and results fit their controls', () =>
    withPage(async (page) => {
      // The longest unit texts: "Nm3/min" in the bold result font.
      await page.click(box(1041));
      await page.click(box(1006));
      assert.equal(await valueOf(page, 1002), 'Nm3/min');
      const clipped = await page.$$eval(
        '.window .kind-label, .window .kind-radio, .window .kind-groupbox .caption, .window .kind-output',
        (all) =>
          all
            .filter((e) => e.scrollWidth > e.clientWidth + 1 && (e.textContent || e.value))
            .map((e) => e.textContent || e.value),
      );
      assert.deepEqual(clipped, []);
    }));
});

describe('the sizing panel', () => {
  const cliJson = (args) => {
    const run = spawnSync(nativeCalc, [...args, '--json'], { encoding: 'utf8' });
    assert.ok(run.status === 0 || run.status === 1, run.stderr);
    return JSON.parse(run.stdout);
  };
  // The cells of a table's rows, and what the command line says of them.
  const tableRows = (page, selector) =>
    page.$$eval(`${selector} tbody tr`, (rows) => rows.map((r) => [...r.children].map((c) => c.textContent)));
  const cliRow = (r, ...more) => [
    r.sensor, r.section || '-', r.diameter, r.range || '-', r.minFlow, r.maxFlow, r.maxFlowUnit, ...more,
  ];

  async function find(page, { min, max, unit, diameters }) {
    await page.getByLabel('Minimum flow').fill(min);
    await page.getByLabel('Maximum flow').fill(max);
    await page.getByLabel('Unit', { exact: true }).selectOption(unit);
    await page.getByLabel('Pipe inner diameters (mm) or pipes').fill(diameters);
    await page.getByRole('button', { name: 'Find' }).click();
  }

  test('"Which sensor fits?" lists the fits that tarnvik-calc find lists', () =>
    withPage(async (page) => {
      await find(page, { min: '1.2', max: '250', unit: 'm3/h', diameters: '50' });
      const cli = cliJson(['find', '--unit', 'm3/h', '--min-flow', '1.2', '--max-flow', '250', '--diameter', '50']);
      assert.ok(cli.fits.length > 0);
      assert.deepEqual(await tableRows(page, '#finder-result'), cli.fits.map((r) => cliRow(r)));
      assert.equal(
        await page.$eval('#finder-result caption', (e) => e.textContent),
        `${cli.fits.length} measure 1.2 to 250 m3/h, best fit first:`,
      );
    }));

  test('the diameters may be pipes by name, mixed with millimetres; a name that fits several is an error', () =>
    withPage(async (page) => {
      await find(page, { min: '5', max: '400', unit: 'm3/h', diameters: 'nps2 sch40; 50 ; DN80 m' });
      const cli = cliJson([
        'find', '--unit', 'm3/h', '--min-flow', '5', '--max-flow', '400',
        '--pipe', 'NPS 2 Sch 40', '--diameter', '50', '--pipe', 'EN 10255-M DN80',
      ]);
      assert.ok(cli.fits.some((r) => r.pipe === 'NPS 2 Sch 40' && r.diameter === '52.48'));
      const withPipe = (r) => [...cliRow(r).slice(0, 2), r.pipe || '-', ...cliRow(r).slice(2)];
      assert.deepEqual(await tableRows(page, '#finder-result'), cli.fits.map(withPipe));
      assert.equal(await page.locator('#pipe-names option').count(), (await page.evaluate(() => window.tarnvik.module.pipes().length)));
      await find(page, { min: '5', max: '400', unit: 'm3/h', diameters: '2in' });
      assert.match(await page.getByRole('alert').textContent(), /"2in" is ambiguous.*NPS 2 Sch 40, /);
    }));

  test('when nothing fits it shows the nearest and what they miss; a bad flow is an error', () =>
    withPage(async (page) => {
      await find(page, { min: '1', max: '90000', unit: 'kg/h', diameters: '50 80' });
      const cli = cliJson([
        'find', '--unit', 'kg/h', '--min-flow', '1', '--max-flow', '90000', '--diameter', '50', '--diameter', '80',
      ]);
      assert.equal(cli.fits.length, 0);
      assert.deepEqual(await tableRows(page, '#finder-result'), cli.nearest.map((r) => cliRow(r, r.misses)));
      await find(page, { min: 'five', max: '90', unit: 'kg/h', diameters: '' });
      assert.match(await page.getByRole('alert').textContent(), /min-flow "five"/);
    }));

  test("the range table and chart follow the window's sensor type and settings", () =>
    withPage(async (page) => {
      await page.selectOption(box(1045), 'QA70');
      await page.selectOption(box(1044), 'N2');
      await typeInto(page, 1000, '80');
      await typeInto(page, 1009, '7');
      await page.click(box(1013)); // kg/h
      await page.waitForFunction(() => document.getElementById('ranges-title').textContent === 'Ranges of QA70');
      const options = ['--sensor', 'QA70', '--gas', 'N2', '--unit', 'kg/h', '--process-pressure', '7'];
      const cli = cliJson(['table', ...options, '--diameter', '80']);
      await page.waitForFunction(
        (unit) => document.querySelector('#ranges tbody tr td:last-child')?.textContent === unit,
        cli[0].maxFlowUnit,
      );
      assert.deepEqual(await tableRows(page, '#ranges'), cli.map((r) => cliRow(r)));
      // The window's own choice is the highlighted row, and it shows what the window shows.
      const shown = await shownResults(page);
      const row = await page.$$eval('#ranges tr[aria-current="true"] > *', (cells) => cells.map((c) => c.textContent));
      assert.deepEqual(row.slice(4), [shown.minFlow, shown.maxFlow, shown.maxFlowUnit]);

      // The chart: one bar per row, the current one highlighted, and the
      // finder's flow range marked once it is asked in the window's unit.
      const chart = page.getByRole('img', { name: 'Measuring ranges of QA70' });
      assert.equal(await chart.count(), 1);
      assert.equal(await page.locator('#ranges-chart .bar').count(), cli.length);
      assert.equal(await page.locator('#ranges-chart .bar.highlighted').count(), 1);
      assert.equal(await page.locator('#ranges-chart .required-band').count(), 0);
      await page.getByLabel('Unit', { exact: true }).selectOption('kg/h');
      await page.getByRole('button', { name: 'Find' }).click();
      assert.equal(await page.locator('#ranges-chart .required-band').count(), 1);
      assert.match(await chart.getAttribute('aria-description'), /Hatched: the required range, 5 – 400 kg\/h\./);
    }));

  test("the finder searches at the conditions set in the window", () =>
    withPage(async (page) => {
      await page.selectOption(box(1044), 'N2');
      await page.waitForFunction(() => /Gas type N2/.test(document.getElementById('finder-conditions').textContent));
      const cli = cliJson(['find', '--unit', 'm3/h', '--min-flow', '5', '--max-flow', '400', '--diameter', '50', '--gas', 'N2']);
      assert.deepEqual(await tableRows(page, '#finder-result'), cli.fits.map((r) => cliRow(r)));
    }));
});

describe('this calculation: a pipe, the sizing sheet and the results as text', () => {
  const status = (page, id) => page.$eval(`#${id}`, (e) => e.textContent);

  test("a pipe by name goes into the window's diameter box by keyboard; a type with sections refuses it", () =>
    withPage(async (page) => {
      const pipe = page.getByLabel('Pipe', { exact: true });
      const section = await valueOf(page, 1000);
      await pipe.fill('NPS 2 Sch 40');
      await pipe.press('Enter');
      assert.match(await status(page, 'pipe-status'), /^QA10 is built into measuring sections/);
      assert.equal(await valueOf(page, 1000), section);

      await page.selectOption(box(1045), 'QA30');
      await pipe.fill('2" sch 40');
      await pipe.press('Enter');
      assert.equal(await valueOf(page, 1000), '52.48');
      assert.match(await status(page, 'pipe-status'), /^NPS 2 Sch 40: inner diameter 52.48 mm/);
      assert.deepEqual(await shownResults(page), nativeResults(['--sensor', 'QA30', '--pipe', 'NPS 2 Sch 40']));
      await page.waitForFunction(() => document.querySelector('#ranges tbody td:nth-child(3)')?.textContent === 'NPS 2 Sch 40');
      // Typing another diameter leaves the pipe behind.
      await typeInto(page, 1000, '50');
      await page.waitForFunction(() => !document.querySelector('#ranges thead')?.textContent.includes('Pipe'));
      assert.equal(await status(page, 'pipe-status'), '');
    }));

  test("the saved sheet is the command line's byte for byte, and the copied text is the library's", () =>
    withPage(async (page) => {
      await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
      await page.selectOption(box(1045), 'QA70');
      await page.getByLabel('Pipe', { exact: true }).fill('DN80 m');
      await page.getByRole('button', { name: 'Type into the window' }).press('Enter');
      await typeInto(page, 1009, '7');
      await page.click(box(1013)); // kg/h
      const fields = { Project: 'Plant <3>', Tag: 'FT-101', Customer: 'Ørsted & Co' };
      for (const [label, text] of Object.entries(fields)) await page.getByLabel(label, { exact: true }).fill(text);

      const [download] = await Promise.all([
        page.waitForEvent('download'),
        page.getByRole('button', { name: 'Save sizing sheet' }).press('Enter'),
      ]);
      const date = await page.evaluate(() => window.TarnvikToday());
      assert.equal(download.suggestedFilename(), `QA70 sizing sheet ${date}.html`);
      const saved = await download.createReadStream().then((stream) => stream.toArray()).then(Buffer.concat);
      const [y, m, d] = date.split('-').map(Number);
      const cli = spawnSync(
        nativeCalc,
        [
          'sheet', '--sensor', 'QA70', '--pipe', 'EN 10255-M DN80', '--process-pressure', '7', '--unit', 'kg/h',
          '--project', fields.Project, '--tag', fields.Tag, '--customer', fields.Customer, '-o', '-',
        ],
        { env: { ...process.env, SOURCE_DATE_EPOCH: String(Date.UTC(y, m - 1, d) / 1000) } },
      );
      assert.equal(cli.status, 0, String(cli.stderr));
      assert.ok(cli.stdout.includes('EN 10255-M DN80'));
      assert.ok(saved.equals(cli.stdout), 'the same bytes as tarnvik-calc sheet');
      assert.match(await status(page, 'sheet-status'), /^Saved "QA70 sizing sheet/);

      await page.getByRole('button', { name: 'Copy results' }).press('Enter');
      await page.waitForFunction(() => /Copied/.test(document.getElementById('sheet-status').textContent));
      const copied = await page.evaluate(() => navigator.clipboard.readText());
      assert.equal(copied, await page.evaluate(() => window.tarnvik.api.resultsText()));
      const lines = copied.trimEnd().split('\n');
      assert.ok(lines.every((line) => line.split('\t').length === 3), 'three cells a line');
      assert.ok(lines.includes('Pipe\tEN 10255-M DN80\t'));
      assert.ok(lines.includes('Process pressure\t7\tbar(g)'));
      assert.ok(lines.includes(`Max. flow\t${await valueOf(page, 1001)}\tkg/h`));
    }));
});

describe('the page', () => {
  // A session: the start, then choosing, typing and clicking.
  async function useIt(page) {
    await page.selectOption(box(1045), 'QA70');
    await typeInto(page, 1009, '9');
    await page.click(box(1011));
    await page.selectOption(box(1046), '30');
    await page.waitForTimeout(300);
  }

  for (const where of ['served', 'file://']) {
    test(`${where}: no console error and no network request after load`, async () => {
      const url = where === 'served' ? server.url : pathToFileURL(join(siteDir, 'index.html')).href;
      const { context, page, log } = await openPage(browser, url);
      try {
        const loaded = log.requests.length;
        await useIt(page);
        assert.deepEqual(log.requests.slice(loaded), []);
        assert.deepEqual(log.errors, []);
        assert.equal(await valueOf(page, 1002), 'scfm');
      } finally {
        await context.close();
      }
    });
  }

  test('on a phone-wide screen the window scales to the width and nothing is cut off', () =>
    withPage(
      async (page) => {
        const fit = await page.evaluate(() => {
          const outside = [...document.querySelectorAll('.window .control')].filter((e) => {
            const r = e.getBoundingClientRect();
            return r.left < 0 || r.right > window.innerWidth;
          });
          return {
            scrolls: document.documentElement.scrollWidth > window.innerWidth,
            width: document.querySelector('.window-frame').getBoundingClientRect().width,
            outside: outside.length,
          };
        });
        assert.deepEqual({ scrolls: fit.scrolls, outside: fit.outside }, { scrolls: false, outside: 0 });
        assert.ok(fit.width <= 390 && fit.width > 300, `window ${fit.width} px wide`);
        // Still usable: a tap on a scaled radio reaches it.
        await page.click(box(1003));
        assert.equal(await valueOf(page, 1002), 'sm3/h');
      },
      { width: 390, height: 844 },
    ));

  test('a screenshot for the README', () =>
    withPage(
      async (page) => {
        // QA40 in m3/h: the searched flow range is hatched on its chart.
        await page.selectOption(box(1045), 'QA40');
        await page.click(box(1003));
        await page.locator('#ranges-chart .required-band').waitFor();
        mkdirSync(dirname(screenshotPath), { recursive: true });
        await page.screenshot({ path: screenshotPath, fullPage: true });
      },
      { width: 1280, height: 720 },
    ));
});

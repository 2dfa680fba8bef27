// The page's JavaScript API under node: what it reports of the window, how
// it takes the user's actions, and the page's caret rule for rewritten text.
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { describe, test } from 'node:test';

import { siteDir } from './lib/browser.mjs';

const require = createRequire(import.meta.url);
const createTarnvik = require(join(siteDir, 'tarnvik.js'));
const module = await createTarnvik();

function withWindow(body) {
  const w = new module.Window();
  try {
    return body(w);
  } finally {
    w.delete();
  }
}

describe('Window', () => {
  test('reports every template row with its geometry, state and accessible texts', () =>
    withWindow((w) => {
      assert.deepEqual(w.info(), { caption: 'Tarnvik Calculator V3.3', width: 707, height: 564 });
      const controls = w.controls();
      assert.equal(controls.length, 74);
      assert.deepEqual(
        controls.map((c) => c.row),
        controls.map((_, i) => i + 1),
      );
      const byId = (id) => controls.find((c) => c.id === id);
      assert.deepEqual(
        { ...byId(1045), items: byId(1045).items.slice(0, 3) },
        {
          row: 11, id: 1045, kind: 'combo', caption: '', tab: true,
          x: 38, y: 49, width: 110, height: 150,
          text: '', enabled: true, checked: false, items: ['QA10', 'QA20', 'QA30'], selection: 0,
          font: 'dialog', name: 'Sensor type', description: '', group: '',
        },
      );
      assert.equal(byId(1001).font, 'resultBold');
      assert.equal(byId(1007).font, 'result');
      assert.equal(byId(1001).name, 'Max. flow');
      assert.equal(byId(1001).description, 'sl/min');
      assert.equal(byId(1013).group, 'Flow unit');
      assert.equal(byId(1017).enabled, false);
      // Rows without an identifier: frames, rules and most labels.
      assert.equal(controls[15].id, null);
      assert.equal(controls[15].text, 'Pipe inner diameter (mm)');
      assert.deepEqual(w.control(1001), byId(1001));
      assert.equal(w.control(999), null);
    }));

  test('user actions change the model and its revision; ignored ones change nothing', () =>
    withWindow((w) => {
      const cases = [
        { name: 'type into a disabled box', act: () => w.type(1009, '7'), accepted: false },
        { name: 'choose beyond the list', act: () => w.choose(1045, 10), accepted: false },
        { name: 'click a disabled radio', act: () => w.click(1035), accepted: false },
        { name: 'type into an output box', act: () => w.type(1001, '1'), accepted: false },
        { name: 'click a label', act: () => w.click(1043), accepted: false },
        { name: 'choose QA70', act: () => w.choose(1045, 6), accepted: true },
        { name: 'type a process pressure', act: () => w.type(1009, '7'), accepted: true },
        { name: 'click t/h', act: () => w.click(1035), accepted: true },
      ];
      for (const c of cases) {
        const before = w.revision();
        const shown = JSON.stringify(w.controls());
        assert.equal(c.act(), c.accepted, c.name);
        if (c.accepted) assert.ok(w.revision() > before, `${c.name}: revision grows`);
        else assert.equal(JSON.stringify(w.controls()), shown, `${c.name}: nothing changes`);
      }
      assert.equal(w.control(1002).text, 't/h');
      assert.equal(w.control(1035).checked, true);
      assert.equal(w.control(1004).checked, false);
    }));

  test('the message box reaches the callback, and the window goes on afterwards', () =>
    withWindow((w) => {
      const shown = [];
      w.onMessageBox((text, caption) => shown.push([text, caption]));
      w.choose(1045, 6);
      w.type(1009, '-1.5');
      assert.deepEqual(shown, [['Pressure is not correct!', 'tarnvik']]);
      assert.equal(w.control(1009).text, '-1.5');
      w.type(1009, '3');
      assert.equal(shown.length, 1);
      w.onMessageBox(null);
      assert.equal(w.type(1009, '-4'), true, 'without a callback the box is not shown');
    }));

  test('texts are UTF-8 both ways', () =>
    withWindow((w) => {
      assert.equal(w.controls()[35].text, 'Process temperature (°C)');
      w.choose(1045, 2); // QA30: the diameter is free
      w.type(1000, '12,5 µm');
      assert.equal(w.control(1000).text, '12.5 µm');
    }));

  test('windows are independent', () =>
    withWindow((a) =>
      withWindow((b) => {
        a.choose(1045, 6);
        assert.equal(b.control(1045).selection, 0);
      }),
    ));
});

describe('sizing', () => {
  test('the context names the inputs as the command line takes them', () =>
    withWindow((w) => {
      w.choose(1045, 6); // QA70
      w.type(1009, '7');
      const inputs = Object.fromEntries(w.context().inputs.map((i) => [i.key, i]));
      assert.equal(inputs['process-pressure'].value, '7');
      assert.equal(inputs['process-pressure'].derived, false);
      assert.equal(inputs.reference.value, 'standard');
      assert.equal(inputs.reference.shown, 'Standard reference conditions');
      assert.equal(inputs['gas-constant'].derived, true);
      assert.deepEqual(
        w.context().results.find((r) => r.key === 'maxFlow'),
        { key: 'maxFlow', label: 'Max. flow', value: w.control(1001).text, unit: w.control(1002).text },
      );
    }));

  test('the chart draws the table it is given; a required range that is no number is left out', () => {
    const table = module.rangeTable({ options: { sensor: 'QA60', unit: 'kg/h' } });
    assert.equal(table.error, '');
    const chart = (required) =>
      module.rangeChart({ sensor: 'QA60', rows: table.rows, current: { section: 'DN25', range: 'M' }, required });
    const plain = chart(undefined);
    assert.match(plain, /<svg[^>]*>/);
    assert.equal(plain.match(/class="bar( highlighted)?"/g).length, table.rows.length);
    assert.equal(plain.match(/class="bar highlighted"/g).length, 1);
    assert.doesNotMatch(plain, /required-band/);
    assert.match(chart({ low: '10', high: '900' }), /required-band/);
    assert.equal(chart({ low: 'ten', high: '900' }), plain);
  });

  test("pipes by name: the library's table and lookup; rows name the pipe they came from", () => {
    const table = module.pipes();
    assert.deepEqual(
      table.find((p) => p.name === 'NPS 2 Sch 40'),
      { name: 'NPS 2 Sch 40', standard: 'ASME B36.10M', size: 'NPS 2', designation: 'Sch 40 / STD', outside: '60.3', wall: '3.91', inner: '52.48' },
    );
    const cases = [
      { name: 'inch mark and schedule', text: '2" sch 40', pipe: 'NPS 2 Sch 40' },
      { name: 'DN and series', text: 'dn50 m', pipe: 'EN 10255-M DN50' },
      { name: 'stainless schedule', text: 'NPS2 40S', pipe: 'NPS 2 Sch 40S' },
      { name: 'ambiguous', text: '2in', candidates: ['EN 10255-M DN50', 'NPS 2 Sch 40'] },
      { name: 'unknown', text: 'NPS 99 Sch 40', candidates: [] },
    ];
    for (const c of cases) {
      const found = module.findPipe(c.text);
      if (c.pipe) {
        assert.equal(found.pipe?.name, c.pipe, c.name);
        assert.equal(found.error, '', c.name);
      } else {
        assert.equal(found.pipe, null, c.name);
        assert.ok(found.error.length > 0, c.name);
        for (const name of c.candidates) assert.ok(found.candidates.includes(name), `${c.name}: ${name}`);
      }
    }
    const rows = module.rangeTable({ options: { sensor: 'QA30' }, diameters: ['52.48'], pipes: ['NPS 2 Sch 40'] }).rows;
    assert.ok(rows.length > 0 && rows.every((r) => r.pipe === 'NPS 2 Sch 40' && r.diameter === '52.48'));
  });

  test("a window's pipe is named while the box shows its diameter, and forgotten for good after", () =>
    withWindow((w) => {
      assert.equal(w.choose(1045, 2), true); // QA30: the diameter is free
      const typed = w.typePipe('dn50 h');
      assert.deepEqual([typed.error, typed.pipe.name, w.control(1000).text], ['', 'EN 10255-H DN50', typed.pipe.inner]);
      w.click(1013); // kg/h: the diameter stays
      assert.equal(w.pipe(), 'EN 10255-H DN50');
      assert.deepEqual(
        w.context().inputs.filter((i) => ['pipe', 'diameter'].includes(i.key)).map((i) => [i.key, i.value, i.derived]),
        [['pipe', 'EN 10255-H DN50', false], ['diameter', typed.pipe.inner, true]],
      );
      assert.match(w.resultsText(), /^Pipe\tEN 10255-H DN50\t$/m);
      w.type(1000, '1');
      w.type(1000, typed.pipe.inner); // the same number, typed: no pipe
      assert.equal(w.pipe(), '');
      assert.match(w.typePipe('NPS 2').error, /ambiguous/);
      assert.equal(w.control(1000).text, typed.pipe.inner, 'a name that fits several types nothing');
      const sheet = w.sizingSheet({ project: 'A <b>', date: '2026-01-02' });
      assert.equal(sheet.chartError, '');
      assert.match(sheet.html, /A &lt;b&gt;/);
      assert.match(sheet.html, /2026-01-02/);
    }));

  test('a request the library refuses comes back as an error, never a throw', () => {
    assert.match(module.findSensors({ minFlow: '1', maxFlow: '2', options: {} }).error, /unit/);
    assert.match(module.findSensors({ minFlow: '1', maxFlow: '2', options: { unit: 'm3/h', colour: 'red' } }).error, /colour/);
    assert.match(module.rangeTable({ options: { sensor: 'QA99' } }).error, /QA99/);
    assert.match(module.rangeTable({}).error, /sensor/);
  });
});

describe('caret after the window rewrites a typed text', () => {
  require(join(siteDir, 'window_view.js'));
  const caretAfterRewrite = globalThis.TarnvikCaretAfterRewrite;
  const cases = [
    { name: 'comma to point, caret at the end', before: '12,5', after: '12.5', caret: 4, expected: 4 },
    { name: 'comma to point, caret before it', before: '12,5', after: '12.5', caret: 1, expected: 1 },
    { name: 'comma to point, caret after it', before: '1,25', after: '1.25', caret: 3, expected: 3 },
    { name: 'unchanged text', before: '54.0', after: '54.0', caret: 2, expected: 2 },
    { name: 'shorter text, caret after the change', before: 'a,,b', after: 'a.b', caret: 4, expected: 3 },
    { name: 'longer text, caret after the change', before: '1,5', after: '1.50', caret: 3, expected: 4 },
    { name: 'caret inside a replaced part', before: 'abcd', after: 'aXd', caret: 2, expected: 2 },
    { name: 'emptied', before: '12', after: '', caret: 2, expected: 0 },
  ];
  for (const c of cases) {
    test(c.name, () => assert.equal(caretAfterRewrite(c.before, c.after, c.caret), c.expected));
  }
});

// The sizing panel beside the window: which sensor fits a flow range, and
// the ranges of the window's sensor type. The library does the sizing (the
// same functions as `tarnvik-calc find` and `table`); this only asks it
// and lays out what it answers.
'use strict';

(function (global) {
  const FLOW_UNIT_GROUP = 'Flow unit';
  const SENSOR_LIST = 1045;
  const RESULT_COLUMNS = ['Sensor', 'Section', 'Diameter (mm)', 'Range', 'Min. flow', 'Max. flow', 'Unit'];

  function element(tag, text, attributes = {}) {
    const e = document.createElement(tag);
    if (text !== undefined) e.textContent = text;
    for (const [name, value] of Object.entries(attributes)) e.setAttribute(name, value);
    return e;
  }

  // A table of sizing rows, laid out as the command line prints them.
  function rowsTable(caption, rows, { misses = false, current = null } = {}) {
    const table = element('table', undefined, { class: 'rows' });
    table.append(element('caption', caption));
    const head = element('tr');
    for (const name of [...RESULT_COLUMNS, ...(misses ? ['Misses'] : [])]) {
      head.append(element('th', name, { scope: 'col' }));
    }
    table.appendChild(element('thead')).append(head);
    const body = table.appendChild(element('tbody'));
    for (const row of rows) {
      const tr = element('tr');
      const cells = [
        row.sensor,
        row.section || '-',
        row.diameter,
        row.range || '-',
        row.results.minFlow,
        row.results.maxFlow,
        row.results.maxFlowUnit,
        ...(misses ? [row.misses] : []),
      ];
      cells.forEach((text, i) => tr.append(element(i === 0 ? 'th' : 'td', text, i === 0 ? { scope: 'row' } : {})));
      if (current && current(row)) {
        tr.classList.add('current');
        tr.setAttribute('aria-current', 'true');
      }
      body.append(tr);
    }
    return table;
  }

  function notesList(title, notes, line) {
    const block = element('div', undefined, { class: 'notes' });
    block.append(element('p', title));
    const list = block.appendChild(element('ul'));
    for (const note of notes) list.append(element('li', line(note)));
    return block;
  }

  // Diameters as typed, separated by blanks or semicolons (a comma may be
  // a decimal mark: the diameter box reads "12,5" as 12.5).
  const splitDiameters = (text) => text.split(/[\s;]+/).filter(Boolean);

  function SizingPanel(module, view, section) {
    const api = view.api;
    const form = section.querySelector('#finder');
    const unitList = form.elements.unit;
    for (const c of api.controls()) {
      if (c.kind === 'radio' && c.group === FLOW_UNIT_GROUP) unitList.append(new Option(c.text));
    }
    unitList.value = 'm3/h';

    // --- which sensor fits ----------------------------------------------
    const findResult = section.querySelector('#finder-result');
    function find() {
      const request = {
        minFlow: form.elements.minFlow.value.trim(),
        maxFlow: form.elements.maxFlow.value.trim(),
        options: { unit: unitList.value },
        diameters: splitDiameters(form.elements.diameters.value),
      };
      const found = module.findSensors(request);
      const span = `${request.minFlow} to ${request.maxFlow} ${request.options.unit}`;
      const shown = [];
      if (found.error) {
        shown.push(element('p', found.error, { class: 'error', role: 'alert' }));
      } else if (found.fits.length) {
        shown.push(rowsTable(`${found.fits.length} measure ${span}, best fit first:`, found.fits));
      } else {
        const nearest = found.nearest.length ? ' Nearest:' : '';
        shown.push(
          found.nearest.length
            ? rowsTable(`Nothing measures ${span}.${nearest}`, found.nearest, { misses: true })
            : element('p', `Nothing measures ${span}.`),
        );
      }
      if (found.leftOut.length) {
        shown.push(notesList('Left out:', found.leftOut, (n) => `${n.sensors.join(', ')}: ${n.text}`));
      }
      if (found.notUsed.length) {
        shown.push(
          notesList('Not used where the window disables them:', found.notUsed, (n) => `${n.text}: ${n.sensors.join(', ')}`),
        );
      }
      findResult.replaceChildren(...shown);
      return found;
    }
    form.addEventListener('submit', (event) => {
      event.preventDefault();
      find();
    });

    // --- the ranges of the window's sensor type ---------------------------
    const rangesTitle = section.querySelector('#ranges-title');
    const rangesNote = section.querySelector('#ranges-note');
    const ranges = section.querySelector('#ranges');
    let pending = false;
    function showRanges() {
      pending = false;
      const sensorList = api.control(SENSOR_LIST);
      const sensor = sensorList.items[sensorList.selection];
      const table = module.rangeTable({ options: { sensor } });
      rangesTitle.textContent = `Ranges of ${sensor}`;
      rangesNote.textContent = table.error || '';
      ranges.replaceChildren(rowsTable(`Every measuring section and range of ${sensor}`, table.rows));
    }
    // At most once per frame, however fast the user types.
    view.addListener(() => {
      if (!pending) {
        pending = true;
        requestAnimationFrame(showRanges);
      }
    });

    section.hidden = false;
    find();
    showRanges();
    return { find, showRanges };
  }

  global.TarnvikSizingPanel = SizingPanel;
})(window);

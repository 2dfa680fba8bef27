// The sizing panel beside the window: which sensor fits a flow range, and
// the ranges of the window's sensor type. The library does the sizing (the
// same functions as `tarnvik-calc find` and `table`); this only asks it
// and lays out what it answers.
'use strict';

(function (global) {
  const FLOW_UNIT_GROUP = 'Flow unit';
  const SENSOR_LIST = 1045;
  const RESULT_COLUMNS = ['Sensor', 'Section', 'Diameter (mm)', 'Range', 'Min. flow', 'Max. flow', 'Unit'];
  // Right-aligned, as in the command line's table.
  const NUMBER_COLUMNS = new Set(['Diameter (mm)', 'Min. flow', 'Max. flow']);

  function element(tag, text, attributes = {}) {
    const e = document.createElement(tag);
    if (text !== undefined) e.textContent = text;
    for (const [name, value] of Object.entries(attributes)) e.setAttribute(name, value);
    return e;
  }

  // A table of sizing rows, laid out as the command line prints them.
  // A Pipe column only where a row came from a pipe, as on the command line.
  function rowsTable(caption, rows, { misses = false, current = null } = {}) {
    const table = element('table', undefined, { class: 'rows' });
    table.append(element('caption', caption));
    const withPipe = rows.some((row) => row.pipe);
    const columns = [...RESULT_COLUMNS];
    if (withPipe) columns.splice(2, 0, 'Pipe');
    const head = element('tr');
    for (const name of [...columns, ...(misses ? ['Misses'] : [])]) {
      head.append(element('th', name, { scope: 'col', ...(NUMBER_COLUMNS.has(name) ? { class: 'number' } : {}) }));
    }
    table.appendChild(element('thead')).append(head);
    const body = table.appendChild(element('tbody'));
    for (const row of rows) {
      const tr = element('tr');
      const cells = [
        row.sensor,
        row.section || '-',
        ...(withPipe ? [row.pipe || '-'] : []),
        row.diameter,
        row.range || '-',
        row.results.minFlow,
        row.results.maxFlow,
        row.results.maxFlowUnit,
        ...(misses ? [row.misses] : []),
      ];
      cells.forEach((text, i) => {
        const attributes = i === 0 ? { scope: 'row' } : NUMBER_COLUMNS.has(columns[i]) ? { class: 'number' } : {};
        tr.append(element(i === 0 ? 'th' : 'td', text, attributes));
      });
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

  // The diameters field: entries separated by semicolons, each a pipe's
  // name for the library to look up or diameters in millimetres (several
  // with blanks between; a comma may be a decimal mark: the diameter box
  // reads "12,5" as 12.5). Returns {diameters, pipes, error}: pipes holds
  // the pipe's name for each diameter, "" for a number.
  const NUMBERS = /^[\d.,]+(\s+[\d.,]+)*$/;
  function readDiameters(module, text) {
    const out = { diameters: [], pipes: [], error: '' };
    for (const entry of text.split(';').map((e) => e.trim()).filter(Boolean)) {
      if (NUMBERS.test(entry)) {
        for (const number of entry.split(/\s+/)) {
          out.diameters.push(number);
          out.pipes.push('');
        }
        continue;
      }
      const found = module.findPipe(entry);
      if (!found.pipe) {
        out.error = found.error;
        break;
      }
      out.diameters.push(found.pipe.inner);
      out.pipes.push(found.pipe.name);
    }
    return out;
  }

  // The window's inputs as options of a sizing request: those the user may
  // set now, less the ones the request sets itself.
  function windowOptions(context, setByRequest) {
    const options = {};
    for (const input of context.inputs) {
      if (!input.derived && !setByRequest.includes(input.key)) options[input.key] = input.value;
    }
    return options;
  }

  const valueOf = (context, key) => (context.inputs.find((i) => i.key === key) || {}).value || '';

  // The library's chart, as a node of this document.
  function chartNode(svgText) {
    const svg = new DOMParser().parseFromString(svgText, 'image/svg+xml').documentElement;
    const title = svg.querySelector('title');
    const description = svg.querySelector('desc');
    svg.setAttribute('role', 'img');
    if (title) svg.setAttribute('aria-label', title.textContent);
    if (description) svg.setAttribute('aria-description', description.textContent);
    return document.importNode(svg, true);
  }

  function SizingPanel(module, view, section) {
    const api = view.api;
    const form = section.querySelector('#finder');
    const unitList = form.elements.unit;
    for (const c of api.controls()) {
      if (c.kind === 'radio' && c.group === FLOW_UNIT_GROUP) unitList.append(new Option(c.text));
    }
    unitList.value = 'm3/h';
    section.querySelector('#pipe-names').append(...module.pipes().map((pipe) => new Option(pipe.name)));

    // --- which sensor fits ----------------------------------------------
    // With the conditions the user has set in the window: the inputs that
    // differ from what a fresh window shows for the same sensor type. (Every
    // input, defaults included, would leave out the types that cannot take
    // it, such as QA20-V with its fixed reference conditions.)
    const FINDER_SETS = ['sensor', 'section', 'range', 'pipe', 'diameter', 'unit'];
    const findResult = section.querySelector('#finder-result');
    const conditions = section.querySelector('#finder-conditions');
    let required = null; // the last flow range asked for, and its unit
    const defaults = new Map(); // sensor type -> a fresh window's inputs
    function defaultsOf(sensor) {
      if (!defaults.has(sensor)) {
        const fresh = new module.Window();
        try {
          fresh.choose(SENSOR_LIST, fresh.control(SENSOR_LIST).items.indexOf(sensor));
          defaults.set(sensor, fresh.context());
        } finally {
          fresh.delete();
        }
      }
      return defaults.get(sensor);
    }
    function userConditions(context) {
      const fresh = defaultsOf(valueOf(context, 'sensor'));
      return context.inputs.filter(
        (i) => !i.derived && !FINDER_SETS.includes(i.key) && valueOf(fresh, i.key) !== i.value,
      );
    }
    const conditionsKey = (set) => JSON.stringify(set.map((i) => [i.key, i.value]));
    let searched = null; // the conditions of the list shown
    function showConditions(set) {
      conditions.textContent = set.length
        ? `With the window's ${set.map((i) => `${i.label} ${i.shown}`).join(', ')}.`
        : "With each type's default gas and conditions; set others in the window.";
    }

    function find(context = api.context()) {
      const set = userConditions(context);
      showConditions(set);
      searched = conditionsKey(set);
      const options = Object.fromEntries(set.map((i) => [i.key, i.value]));
      const given = readDiameters(module, form.elements.diameters.value);
      const request = {
        minFlow: form.elements.minFlow.value.trim(),
        maxFlow: form.elements.maxFlow.value.trim(),
        options: { ...options, unit: unitList.value },
        diameters: given.diameters,
        pipes: given.pipes,
      };
      const found = given.error
        ? { error: given.error, fits: [], nearest: [], leftOut: [], notUsed: [] }
        : module.findSensors(request);
      const span = `${request.minFlow} to ${request.maxFlow} ${request.options.unit}`;
      const shown = [];
      if (found.error) {
        shown.push(element('p', found.error, { class: 'error', role: 'alert' }));
      } else if (found.fits.length) {
        shown.push(rowsTable(`${found.fits.length} measure ${span}, best fit first:`, found.fits));
      } else if (found.nearest.length) {
        shown.push(rowsTable(`Nothing measures ${span}. Nearest:`, found.nearest, { misses: true }));
      } else {
        shown.push(element('p', `Nothing measures ${span}.`));
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
      required = found.error ? null : { low: request.minFlow, high: request.maxFlow, unit: request.options.unit };
      return found;
    }
    form.addEventListener('submit', (event) => {
      event.preventDefault();
      find();
      showRanges();
    });

    // --- the ranges of the window's sensor type, at its settings ------------
    const TABLE_SETS = ['section', 'range', 'pipe', 'diameter'];
    const rangesTitle = section.querySelector('#ranges-title');
    const rangesNote = section.querySelector('#ranges-note');
    const ranges = section.querySelector('#ranges');
    const chart = section.querySelector('#ranges-chart');
    let pending = false;
    function showRanges(context = api.context()) {
      pending = false;
      const sensor = valueOf(context, 'sensor');
      // A free diameter is an input of its own, or a pipe's; a section's is
      // not.
      const pipe = valueOf(context, 'pipe');
      const diameter = context.inputs.find((i) => i.key === 'diameter' && (!i.derived || pipe));
      const table = module.rangeTable({
        options: windowOptions(context, TABLE_SETS),
        diameters: diameter ? [diameter.value] : [],
        pipes: diameter ? [pipe] : [],
      });
      const current = {
        section: valueOf(context, 'section'),
        diameter: valueOf(context, 'diameter'),
        range: valueOf(context, 'range'),
      };
      const isCurrent = (row) =>
        (row.section ? row.section === current.section : row.diameter === current.diameter) &&
        row.range === current.range;
      rangesTitle.textContent = `Ranges of ${sensor}`;
      rangesNote.textContent = table.error || "Every measuring section and range, at the window's settings.";
      ranges.replaceChildren(rowsTable(`Measuring sections and ranges of ${sensor}`, table.rows, { current: isCurrent }));
      // The flow range asked for is marked where it is in the window's unit.
      const marked = required && required.unit === valueOf(context, 'unit') ? required : undefined;
      chart.replaceChildren();
      if (!table.error && table.rows.length) {
        chart.append(chartNode(module.rangeChart({ sensor, rows: table.rows, current, required: marked })));
      }
    }
    // At most once per frame, however fast the user types. The list of
    // fits is searched again when the window's conditions changed.
    view.addListener(() => {
      if (pending) return;
      pending = true;
      requestAnimationFrame(() => {
        // One reading of the window serves both parts.
        const context = api.context();
        if (conditionsKey(userConditions(context)) !== searched) find(context);
        showRanges(context);
      });
    });

    section.hidden = false;
    find();
    showRanges();
    return { find, showRanges };
  }

  global.TarnvikSizingPanel = SizingPanel;
})(window);

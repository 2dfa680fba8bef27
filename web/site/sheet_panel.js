// The calculation part of the sizing panel: a pipe by name typed into the
// window, the sizing sheet saved as a file and the results copied as text.
// The library looks the pipe up, writes the sheet and the text; this only
// hands them to the browser.
'use strict';

(function (global) {
  // Today's date in the browser's time zone as YYYY-MM-DD, the sheet's
  // date: the same text in every locale.
  function today(now = new Date()) {
    const two = (n) => String(n).padStart(2, '0');
    return `${String(now.getFullYear()).padStart(4, '0')}-${two(now.getMonth() + 1)}-${two(now.getDate())}`;
  }

  // "QA20-V sizing sheet 2026-12-11.html"; a name holds no slash.
  const sheetFileName = (sensor, date) => `${sensor ? `${sensor.replaceAll('/', '-')} ` : ''}sizing sheet ${date}.html`;

  function download(text, fileName, type) {
    const url = URL.createObjectURL(new Blob([text], { type }));
    const link = document.createElement('a');
    link.href = url;
    link.download = fileName;
    link.hidden = true;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 0);
  }

  // The clipboard API where the browser offers it (a secure context; file://
  // and the loopback address are), else the older copy command.
  async function copyText(text) {
    try {
      await navigator.clipboard.writeText(text);
      return true;
    } catch {
      const area = document.createElement('textarea');
      area.value = text;
      area.setAttribute('readonly', '');
      area.style.position = 'fixed';
      area.style.opacity = '0';
      const focused = document.activeElement;
      document.body.append(area);
      area.select();
      let copied = false;
      try {
        copied = document.execCommand('copy');
      } catch {
        copied = false;
      }
      area.remove();
      if (focused) focused.focus();
      return copied;
    }
  }

  function SheetPanel(module, view, section) {
    const api = view.api;
    const sensorOf = () => (api.context().inputs.find((i) => i.key === 'sensor') || {}).value || '';

    // --- a pipe by name into the window's diameter box ---------------------
    const pipeForm = section.querySelector('#pipe-form');
    const pipeStatus = section.querySelector('#pipe-status');
    pipeForm.addEventListener('submit', (event) => {
      event.preventDefault();
      const name = pipeForm.elements.pipe.value.trim();
      if (!name) return;
      let typed;
      view.userEvent(() => {
        typed = api.typePipe(name);
      });
      pipeStatus.classList.toggle('error', Boolean(typed.error));
      pipeStatus.textContent = typed.error
        ? typed.error
        : `${typed.pipe.name}: inner diameter ${typed.pipe.inner} mm (outside ${typed.pipe.outside} mm, wall ${typed.pipe.wall} mm), typed into the window.`;
    });
    // The note goes once the window no longer shows the pipe's diameter.
    view.addListener(() => {
      if (!pipeStatus.classList.contains('error') && pipeStatus.textContent && !api.pipe()) pipeStatus.textContent = '';
    });

    // --- the sizing sheet and the results as text --------------------------
    const sheetForm = section.querySelector('#sheet-form');
    const sheetStatus = section.querySelector('#sheet-status');
    const say = (text, error = false) => {
      sheetStatus.classList.toggle('error', error);
      sheetStatus.textContent = text;
    };
    function saveSheet() {
      const date = today();
      const made = api.sizingSheet({
        project: sheetForm.elements.project.value.trim(),
        tag: sheetForm.elements.tag.value.trim(),
        customer: sheetForm.elements.customer.value.trim(),
        date,
      });
      const fileName = sheetFileName(sensorOf(), date);
      download(made.html, fileName, 'text/html;charset=utf-8');
      say(
        made.chartError
          ? `Saved "${fileName}" without the range chart: ${made.chartError}`
          : `Saved "${fileName}": open it in the browser to print it or save it as PDF.`,
        Boolean(made.chartError),
      );
      return made;
    }
    async function copyResults() {
      const text = api.resultsText();
      const copied = await copyText(text);
      say(copied ? 'Copied the inputs and results, tab-separated.' : 'The browser did not allow copying.', !copied);
      return text;
    }
    sheetForm.addEventListener('submit', (event) => {
      event.preventDefault();
      saveSheet();
    });
    section.querySelector('#copy-results').addEventListener('click', copyResults);

    return { saveSheet, copyResults };
  }

  global.TarnvikSheetPanel = SheetPanel;
  global.TarnvikToday = today;
})(window);

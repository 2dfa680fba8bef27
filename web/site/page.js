// Starts the page: loads the calculator's WebAssembly module, builds the
// window's view and the sizing panel, fits the window to narrow screens and
// shows the window's message box as a modal dialog.
'use strict';

(function () {
  const root = document.getElementById('window');
  const scaler = root.parentElement;
  const main = document.querySelector('main');

  // --- the message box: modal, one at a time, answered with OK ------------
  const dialog = document.getElementById('message-box');
  const pending = [];
  function showNextMessage() {
    const message = pending.shift();
    if (!message) return;
    document.getElementById('message-caption').textContent = message.caption;
    document.getElementById('message-text').textContent = message.text;
    dialog.showModal();
  }
  function showMessage(text, caption) {
    pending.push({ text, caption });
    if (!dialog.open) showNextMessage();
  }
  dialog.addEventListener('close', showNextMessage);

  // --- narrow screens: the window scales down to the width it has ----------
  function fitWindow(width, height) {
    const style = getComputedStyle(main);
    const available = main.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
    const scale = Math.min(1, available / width);
    root.style.transform = scale < 1 ? `scale(${scale})` : '';
    scaler.style.width = `${width * scale}px`;
    scaler.style.height = `${height * scale}px`;
    // The window's outer size: the client area with the title bar and frame
    // around it, which do not scale.
    const frame = scaler.parentElement;
    root.style.setProperty('--outer-width', `${width + frame.offsetWidth - scaler.offsetWidth}px`);
    root.style.setProperty('--outer-height', `${height + frame.offsetHeight - scaler.offsetHeight}px`);
  }

  function fail(error) {
    const note = document.getElementById('load-error');
    note.textContent = `The calculator could not start: ${error && error.message ? error.message : error}`;
    note.hidden = false;
    throw error;
  }

  // Marks for the start-up bench: scripts run, module ready, results shown.
  performance.mark('tarnvik:scripts');
  createTarnvik()
    .then((module) => {
      performance.mark('tarnvik:module');
      const api = new module.Window();
      const info = api.info();
      document.getElementById('window-title').textContent = info.caption;
      document.title = info.caption;
      const view = new TarnvikWindowView(api, root, showMessage);
      root.removeAttribute('aria-busy');
      fitWindow(info.width, info.height);
      new ResizeObserver(() => fitWindow(info.width, info.height)).observe(main);
      const shown = performance.mark('tarnvik:first-result');
      // For the browser tests and the console.
      window.tarnvik = { module, api, view, firstResultMs: shown.startTime };
      // The sizing panel once the window has been painted: its first search
      // takes longer than the window's start-up.
      requestAnimationFrame(() =>
        setTimeout(() => {
          const panel = document.getElementById('sizing');
          window.tarnvik.sizing = TarnvikSizingPanel(module, view, panel);
          window.tarnvik.sheet = TarnvikSheetPanel(module, view, panel);
          document.documentElement.dataset.ready = 'true';
        }),
      );
    })
    .catch(fail);
})();

// The calculator window as page elements. Like the desktop view it has no
// behaviour of its own: it makes one element per template row at the
// template's pixel geometry, forwards only the user's input (typing, choosing
// a list entry, clicking a radio) to the window in WebAssembly, and after each
// user event copies the window's model back, touching only what changed.
'use strict';

(function (global) {
  // Where a text the user is typing is rewritten by the window (the pipe
  // diameter box turns commas into points), the caret keeps its place in the
  // typed text: before the rewritten part it stays, after it it moves by the
  // change in length.
  function caretAfterRewrite(before, after, caret) {
    let prefix = 0;
    while (prefix < before.length && prefix < after.length && before[prefix] === after[prefix]) {
      prefix++;
    }
    let suffix = 0;
    while (
      suffix < before.length - prefix &&
      suffix < after.length - prefix &&
      before[before.length - 1 - suffix] === after[after.length - 1 - suffix]
    ) {
      suffix++;
    }
    if (caret <= prefix) return caret;
    if (caret >= before.length - suffix) return caret + (after.length - before.length);
    return after.length - suffix;
  }

  // The two bold unit boxes are wider than the template: their longest
  // texts ("Nm3/min") overrun it in the bold result font, as on the desktop.
  const WIDENED = { 1002: 90, 1029: 90 };
  // A closed list's height; the template's includes the dropped list.
  const CLOSED_COMBO_HEIGHT = 21;

  class WindowView {
    // api: a Window of the WebAssembly module; root: the element to fill;
    // showMessage(text, caption): shows the window's message box.
    constructor(api, root, showMessage) {
      this.api = api;
      this.root = root;
      this.elements = []; // by template row, from 0
      this.shown = []; // what each element shows of its control
      this.revision = -1;
      this.listeners = [];
      const info = api.info();
      root.style.width = `${info.width}px`;
      root.style.height = `${info.height}px`;
      root.setAttribute('aria-label', info.caption);
      api.onMessageBox((text, caption) => showMessage(text, caption));
      this.build(api.controls());
      this.mirror();
    }

    build(controls) {
      let group = null; // the radio group being filled, if any
      for (const c of controls) {
        const element = this.make(c);
        element.dataset.row = String(c.row);
        if (c.id !== null) element.dataset.id = String(c.id);
        element.classList.add('control', `kind-${c.kind}`);
        this.place(element, c);
        if (c.kind === 'radio' && c.group) {
          if (!group || group.label !== c.group) {
            // A group's radios are one tab stop and move by arrow keys, and
            // a screen reader names the group by its frame's caption.
            group = { label: c.group, element: document.createElement('div') };
            group.element.setAttribute('role', 'radiogroup');
            group.element.setAttribute('aria-label', c.group);
            group.element.className = 'radio-group';
            this.root.append(group.element);
          }
          group.element.append(element);
        } else {
          group = null;
          this.root.append(element);
        }
        this.elements.push(element);
        this.shown.push({});
      }
    }

    make(c) {
      switch (c.kind) {
        case 'input':
        case 'output': {
          const box = document.createElement('input');
          box.type = 'text';
          box.autocomplete = 'off';
          box.spellcheck = false;
          if (c.kind === 'output') box.readOnly = true;
          else box.addEventListener('input', () => this.userEvent(() => this.api.type(c.id, box.value)));
          return box;
        }
        case 'combo': {
          const list = document.createElement('select');
          list.addEventListener('change', () =>
            this.userEvent(() => this.api.choose(c.id, list.selectedIndex)),
          );
          return list;
        }
        case 'radio': {
          const label = document.createElement('label');
          const radio = document.createElement('input');
          radio.type = 'radio';
          radio.name = `radio-${c.group || c.row}`;
          const caption = document.createElement('span');
          label.append(radio, caption);
          // A click, by mouse or by the arrow keys, is the user's; the
          // window decides which radio stays checked and the mirror shows it.
          radio.addEventListener('click', () => this.userEvent(() => this.api.click(c.id)));
          return label;
        }
        case 'groupbox': {
          const frame = document.createElement('div');
          const caption = document.createElement('span');
          caption.className = 'caption';
          frame.append(caption);
          return frame;
        }
        case 'line': {
          const rule = document.createElement('hr');
          return rule;
        }
        default: {
          const label = document.createElement('div');
          if (c.id === 1027) {
            // The status line: drawn in red, and read out when it changes.
            label.classList.add('status-line');
            label.setAttribute('role', 'status');
          }
          return label;
        }
      }
    }

    place(element, c) {
      const height = c.kind === 'combo' ? CLOSED_COMBO_HEIGHT : c.height;
      element.style.left = `${c.x}px`;
      element.style.top = `${c.y}px`;
      element.style.width = `${Math.max(c.width, WIDENED[c.id] || 0)}px`;
      element.style.height = `${height}px`;
    }

    userEvent(action) {
      action();
      this.mirror();
    }

    // listener(controls) runs after each mirror that found a change.
    addListener(listener) {
      this.listeners.push(listener);
    }

    // Copies the model into the elements if it changed since the last time.
    mirror() {
      const revision = this.api.revision();
      if (revision === this.revision) return false;
      const controls = this.api.controls();
      for (let i = 0; i < controls.length; i++) this.mirrorControl(controls[i], this.elements[i], this.shown[i]);
      this.revision = revision;
      for (const listener of this.listeners) listener(controls);
      return true;
    }

    mirrorControl(c, element, shown) {
      if (shown.x !== c.x || shown.y !== c.y) {
        this.place(element, c);
        shown.x = c.x;
        shown.y = c.y;
      }
      if (shown.font !== c.font) {
        element.classList.remove(`font-${shown.font}`);
        element.classList.add(`font-${c.font}`);
        shown.font = c.font;
      }
      switch (c.kind) {
        case 'input':
        case 'output':
          mirrorBox(element, c);
          break;
        case 'combo':
          mirrorList(element, c, shown);
          break;
        case 'radio': {
          const radio = element.firstChild;
          if (radio.disabled === c.enabled) radio.disabled = !c.enabled;
          // Against the element itself: the browser checks a clicked radio
          // before the window has decided.
          if (radio.checked !== c.checked) radio.checked = c.checked;
          setText(element.lastChild, c.text);
          element.classList.toggle('disabled', !c.enabled);
          break;
        }
        case 'groupbox':
          setText(element.firstChild, c.text);
          break;
        case 'line':
          break;
        default:
          setText(element, c.text);
          element.classList.toggle('disabled', !c.enabled);
          break;
      }
      if (c.kind === 'input' || c.kind === 'output' || c.kind === 'combo') {
        setAttribute(element, 'aria-label', c.name);
        setAttribute(element, 'aria-description', c.description);
      }
    }
  }

  function setText(element, text) {
    if (element.textContent !== text) element.textContent = text;
  }

  function setAttribute(element, name, value) {
    if (!value) {
      if (element.hasAttribute(name)) element.removeAttribute(name);
    } else if (element.getAttribute(name) !== value) {
      element.setAttribute(name, value);
    }
  }

  function mirrorBox(box, c) {
    if (box.disabled === c.enabled) box.disabled = !c.enabled;
    if (box.value === c.text) return;
    const typing = document.activeElement === box && box.selectionStart !== null;
    const start = typing ? caretAfterRewrite(box.value, c.text, box.selectionStart) : 0;
    const end = typing ? caretAfterRewrite(box.value, c.text, box.selectionEnd) : 0;
    box.value = c.text;
    if (typing) box.setSelectionRange(start, end);
  }

  function mirrorList(list, c, shown) {
    if (list.disabled === c.enabled) list.disabled = !c.enabled;
    const same =
      shown.items && shown.items.length === c.items.length && shown.items.every((item, i) => item === c.items[i]);
    if (!same) {
      list.replaceChildren(...c.items.map((item) => new Option(item)));
      shown.items = c.items;
    }
    if (list.selectedIndex !== c.selection) list.selectedIndex = c.selection;
  }

  global.TarnvikWindowView = WindowView;
  global.TarnvikCaretAfterRewrite = caretAfterRewrite;
})(typeof window !== 'undefined' ? window : globalThis);

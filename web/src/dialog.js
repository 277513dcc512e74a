// The page's own dialogs: a real <dialog> with a form, so that Enter is OK,
// Escape is Cancel and the focus stays inside until it closes.
import { T } from './texts.js';

// Shows a dialog titled title over body (an element) with the buttons named
// (the first is the default, the last is what Escape gives); resolves with
// the index of the button pressed. first: the control to focus.
export function RunDialog(title, body, buttons, first = null, id = '') {
    const dialog = document.createElement('dialog');
    if (id) dialog.id = id;
    const heading = document.createElement('h2');
    heading.id = `${id || 'dialog'}-title`;
    heading.textContent = title;
    dialog.setAttribute('aria-labelledby', heading.id);
    const form = document.createElement('form');
    form.method = 'dialog';
    const row = document.createElement('div');
    row.className = 'buttons';
    buttons.forEach((name, index) => {
        const button = document.createElement('button');
        button.textContent = name;
        button.value = String(index);
        if (index > 0) button.type = 'button';
        button.addEventListener('click', () => { if (index > 0) Close(index); });
        row.append(button);
    });
    form.append(body, row);
    dialog.append(heading, form);
    document.body.append(dialog);
    let Close;
    const done = new Promise((resolve) => {
        Close = (index) => {
            if (!dialog.open) return;
            dialog.close();
            dialog.remove();
            resolve(index);
        };
    });
    // Enter is OK from a list too, as in the window's dialogs.
    form.addEventListener('keydown', (e) => {
        if (e.key === 'Enter' && e.target.tagName === 'SELECT' && !e.altKey) {
            e.preventDefault();
            Close(0);
        }
    });
    form.addEventListener('submit', (e) => {
        e.preventDefault();
        Close(0);
    });
    dialog.addEventListener('cancel', (e) => {
        e.preventDefault();
        Close(buttons.length - 1);
    });
    dialog.showModal();
    (first ?? form.querySelector('input, select, button'))?.focus();
    return done;
}

export const OkCancel = () => [T('OK'), T('Cancel')];

// A labelled control: <label>text <control></label>, the control named by
// the label for a screen reader.
export function Labelled(text, control) {
    const label = document.createElement('label');
    const span = document.createElement('span');
    span.textContent = text;
    label.append(span, control);
    control.setAttribute('aria-label', text.trim());
    return label;
}

export function Group(title, ...children) {
    const set = document.createElement('fieldset');
    const legend = document.createElement('legend');
    legend.textContent = title;
    set.append(legend, ...children);
    return set;
}

export function Select(entries, position) {
    const select = document.createElement('select');
    for (const entry of entries) select.add(new Option(entry, entry));
    select.selectedIndex = position;
    return select;
}

export function Check(text, on) {
    const box = document.createElement('input');
    box.type = 'checkbox';
    box.checked = on;
    const label = document.createElement('label');
    label.className = 'check';
    const span = document.createElement('span');
    span.textContent = text;
    label.append(box, span);
    box.setAttribute('aria-label', text);
    return { label, box };
}

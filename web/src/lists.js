// Channel lists: Import Channels... reads CHIRP's CSV or ours and shows the
// window's preview (rows, the channels they go to, why a row is changed or
// left out) before anything changes; Export Channels... writes either.
import { Check, Labelled, RunDialog } from './dialog.js';
import { PageTexts, T } from './texts.js';

Object.assign(PageTexts, {
    'Export Channels': ['Export Channels', '导出频道'],
});

const MaxFileBytes = 4 << 20; // the window's limit for a channel list

function ChooseFile() {
    return new Promise((resolve) => {
        const input = document.createElement('input');
        input.type = 'file';
        input.accept = '.csv,text/csv';
        input.id = 'list-input';
        input.hidden = true;
        input.addEventListener('change', () => {
            input.remove();
            resolve(input.files[0] ?? null);
        });
        input.addEventListener('cancel', () => {
            input.remove();
            resolve(null);
        });
        document.body.append(input);
        input.click();
    });
}

export async function ImportChannels(page, file = null) {
    file ??= await ChooseFile();
    if (!file) return;
    const { core, doc } = page;
    const m = core.m;
    let csv;
    try {
        if (file.size > MaxFileBytes) throw new Error('too large');
        csv = await file.text();
    } catch {
        await page.Message(T('CannotRead', file.name));
        return;
    }
    const text = m.allocateUTF8(csv);
    let read;
    try {
        read = JSON.parse(m.ccall('orin_import_read', 'string', ['number', 'number', 'string', 'number'],
            [m._orin_image(), text, file.name, core.lang()]));
    } finally {
        m._free(text);
    }
    if (read.error) {
        await page.Message(read.error);
        return;
    }
    const body = document.createElement('div');
    body.className = 'import-form';
    const label = document.createElement('p');
    label.textContent = T('Rows of %1 and the channels they go to:', file.name);
    const table = document.createElement('table');
    table.className = 'rows';
    table.setAttribute('aria-label', T('Rows of the file'));
    const head = table.createTHead().insertRow();
    for (const title of ['Line', 'Location', 'Frequency', 'Name', 'Channel', 'Status']) {
        const th = document.createElement('th');
        th.textContent = T(title);
        head.append(th);
    }
    const rowsBody = table.createTBody();
    const scroller = document.createElement('div');
    scroller.className = 'rows-scroll';
    scroller.tabIndex = 0;
    scroller.setAttribute('aria-label', T('Rows of the file'));
    scroller.append(table);

    const inOrder = Radio('placement', T('Fill channels in file order from channel:'), T('Fill channels in file order'), true);
    const start = document.createElement('input');
    start.type = 'number';
    start.min = '1';
    start.max = String(core.channelCount());
    start.value = '1';
    start.setAttribute('aria-label', T('Start channel'));
    const byLocation = Radio('placement', T('Put each row into the channel of its Location'), T('By location'), false);
    for (const control of [inOrder.input, byLocation.input, start]) control.disabled = !read.chirp;
    const emptyOthers = Check(T('Empty the other channels'), false);
    const summary = document.createElement('p');
    summary.setAttribute('role', 'status');
    const band = document.createElement('p');
    band.textContent = T('Frequencies are checked against the band edges %1-%2 MHz (Type Setting, Field).', read.lower, read.upper)
        + (read.admitted > 0 ? ` ${T('Rows outside them: %1. To import them, change Field in the Type Setting bar above the channels first, then import again.', read.admitted)}` : '');
    const startRow = document.createElement('div');
    startRow.append(inOrder.label, start);
    body.append(label, scroller, startRow, byLocation.label, emptyOthers.label, summary, band);

    let placed = 0;
    const Place = () => {
        start.disabled = !read.chirp || !inOrder.input.checked;
        const number = Math.min(Math.max(Number(start.value) || 1, 1), core.channelCount());
        const rows = JSON.parse(m.UTF8ToString(m._orin_import_rows(byLocation.input.checked ? 1 : 0, number, core.lang())));
        rowsBody.replaceChildren();
        placed = 0;
        for (const [line, location, frequency, name, channel, status, kind] of rows) {
            const tr = rowsBody.insertRow();
            tr.className = ['', 'changed', 'skipped', 'unplaced'][kind];
            for (const value of [line, location >= 0 ? location : T('line %1', line), frequency, name, channel > 0 ? channel : '-', status]) {
                tr.insertCell().textContent = String(value);
            }
            if (channel > 0) ++placed;
        }
        summary.textContent = T('Rows into channels: %1; rows not imported: %2.', placed, rows.length - placed);
        const importButton = body.closest('form')?.querySelector('.buttons button');
        if (importButton) importButton.disabled = placed === 0;
    };
    for (const control of [inOrder.input, byLocation.input, start]) control.addEventListener('change', Place);
    Place();
    const shown = RunDialog(T('Import Channels'), body, [T('Import'), T('Cancel')], scroller, 'import-dialog');
    Place();
    if (await shown !== 0 || placed === 0) return;
    doc.Apply(() => T('Steps.ImportChannels'), () => m._orin_import_apply(m._orin_image(), emptyOthers.box.checked ? 1 : 0));
}

function Radio(group, text, name, checked) {
    const input = document.createElement('input');
    input.type = 'radio';
    input.name = group;
    input.checked = checked;
    input.setAttribute('aria-label', name);
    const label = document.createElement('label');
    label.className = 'check';
    const span = document.createElement('span');
    span.textContent = text;
    label.append(input, span);
    return { input, label };
}

export async function ExportChannels(page) {
    const { core, doc } = page;
    const m = core.m;
    const chirp = Radio('format', T('CHIRP CSV (*.csv)'), T('CHIRP CSV (*.csv)'), true);
    const own = Radio('format', T('Orin CSV (*.csv)'), T('Orin CSV (*.csv)'), false);
    const body = document.createElement('div');
    body.className = 'export-form';
    body.append(chirp.label, own.label);
    if (await RunDialog(T('Export Channels'), body, [T('OK'), T('Cancel')], chirp.input, 'export-dialog') !== 0) return;
    const base = (doc.name || T('Untitled')).replace(/\.sin$/i, '');
    const name = `${base}.csv`;
    const exported = JSON.parse(m.ccall('orin_export', 'string', ['number', 'number', 'string', 'number'],
        [m._orin_image(), chirp.input.checked ? 1 : 0, name, core.lang()]));
    if (!await SaveText(page, name, exported.csv)) return;
    if (exported.message) await page.Message(exported.message, '', exported.details);
}

// Saves text as name: through the browser's file chooser where it has one,
// else as a download.
async function SaveText(page, name, text) {
    const blob = new Blob([text], { type: 'text/csv' });
    if (window.showSaveFilePicker) {
        try {
            const handle = await window.showSaveFilePicker({ suggestedName: name,
                types: [{ description: T('Channel lists (*.csv)'), accept: { 'text/csv': ['.csv'] } }] });
            const writable = await handle.createWritable();
            await writable.write(blob);
            await writable.close();
            return true;
        } catch (e) {
            if (e.name !== 'AbortError') await page.Message(String(e.message || e));
            return false;
        }
    }
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
    return true;
}

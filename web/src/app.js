// The page: the document, its commands and the radio, over the core module.
import createOrinCore from './orinweb.mjs';
import { ChannelGrid } from './grid.js';
import { SerialLine, Sleep } from './serial.js';
import { Forget, Keep, LoadKept } from './store.js';
import { IsChinese, LoadTexts, SetChinese, T } from './texts.js';
import { InstallFeatures } from './features.js';
import { Checked, MenuBar } from './menus.js';

const $ = (id) => document.getElementById(id);
const BlockCount = 397;
const Outcome = { Completed: 0 };

let core;
let grid;
let features; // the type bar and the editing commands (features.js)
let busy = false;

// ---------------------------------------------------------------- the core

async function LoadCore() {
    const m = await createOrinCore();
    const lang = () => (IsChinese() ? 1 : 0);
    const image = () => m.HEAPU8.subarray(m._orin_image(), m._orin_image() + 4096);
    return {
        m,
        lang,
        image,
        other: () => m.HEAPU8.subarray(m._orin_other_image(), m._orin_other_image() + 4096),
        channelCount: m._orin_channel_count,
        gridTexts: m.cwrap('orin_grid_texts', 'string', ['number']),
        cellText: m.cwrap('orin_cell_text', 'string', ['number', 'number', 'number']),
        columnTitle: m.cwrap('orin_column_title', 'string', ['number', 'number']),
        columnOptions: m.cwrap('orin_column_options', 'string', ['number', 'number']),
        type: m.cwrap('orin_type', 'number', ['number', 'number', 'string', 'number']),
        outsideBand: m._orin_outside_band,
        bandLower: m._orin_band_lower,
        bandUpper: m._orin_band_upper,
        message: () => m.UTF8ToString(m._orin_message(lang())),
        newDocument: m._orin_new_document,
        load: m.cwrap('orin_load', 'number', ['string']),
        compare: (transferred) => m.UTF8ToString(m._orin_compare(transferred, lang())),
        transfer: (direction, simulated) =>
            m.ccall('orin_transfer', 'number', ['number', 'number'], [direction, simulated], { async: true }),
        checkConnection: (simulated, name, vendorId, productId) =>
            m.ccall('orin_check_connection', 'number', ['number', 'string', 'number', 'number'],
                [simulated, name, vendorId, productId], { async: true }),
        checkReport: (language = lang()) => m.UTF8ToString(m._orin_check_report(language)),
    };
}

// ---------------------------------------------------------------- the document

// The open document: the image lives in the core; the page keeps its history
// as snapshots (4 KiB a step) and the image it was last saved or read as.
const doc = {
    name: '',
    handle: null, // the file handle of a save in place, where the browser has them
    saved: null,
    undo: [],
    redo: [],

    Snapshot() { return core.image().slice(); },
    Set(bytes) { core.image().set(bytes); },
    IsModified() { return !Same(core.image(), this.saved); },

    // One step: change() alters the core's image; nothing is kept when no
    // byte changed.
    Apply(name, change, cell) {
        const before = this.Snapshot();
        change();
        const after = this.Snapshot();
        if (Same(before, after)) return false;
        this.undo.push({ name, before, after, cell });
        if (this.undo.length > 1000) this.undo.shift();
        this.redo = [];
        Changed(cell);
        return true;
    },

    Reset(name, saved) {
        this.name = name;
        this.saved = saved ?? this.Snapshot();
        this.undo = [];
        this.redo = [];
        this.handle = null;
        Changed();
    },

    Step(from, to, key) {
        const step = from.pop();
        if (!step) return;
        this.Set(step[key]);
        to.push(step);
        Changed(step.cell);
        if (step.cell) grid.MoveTo(step.cell.row, step.cell.col);
    },
};

function Same(a, b) {
    if (!a || !b || a.length !== b.length) return false;
    for (let i = 0; i < a.length; ++i) if (a[i] !== b[i]) return false;
    return true;
}

window.orinKept = Promise.resolve(); // the last keeping of the document
function Changed(cell) {
    if (cell) grid.RefreshRow(cell.row);
    else grid.RefreshAll();
    ShowBand();
    UpdateCommands();
    // Kept at once (4 KiB), after the grid has been drawn.
    const record = { image: doc.Snapshot(), saved: doc.saved, name: doc.name };
    window.orinKept = window.orinKept.then(() => Keep(record));
}

function UpdateCommands() {
    const untitled = T('Untitled');
    document.title = `${doc.name || untitled}${doc.IsModified() ? ' *' : ''} - ${T('Orin Programing Software')}`;
    const undo = doc.undo.at(-1);
    const redo = doc.redo.at(-1);
    $('cmd-undo').disabled = !undo;
    $('cmd-redo').disabled = !redo;
    $('cmd-undo').textContent = undo ? T('Undo %1', StepName(undo)) : T('Undo');
    $('cmd-redo').textContent = redo ? T('Redo %1', StepName(redo)) : T('Redo');
    for (const id of ['cmd-read', 'cmd-write', 'cmd-check']) $(id).disabled = busy;
    features?.Enable(!busy);
}

function StepName(step) {
    return step.name(IsChinese());
}

function ShowBand() {
    features?.ShowBar();
}

// ---------------------------------------------------------------- messages

let dialogOpen = 0;

// Shows text (and a note, details) with the buttons named; resolves with the
// index of the button pressed (Escape: the last one).
function Ask(text, buttons, note = '', details = '') {
    const dialog = $('message');
    $('message-text').textContent = text;
    $('message-note').textContent = note;
    $('message-details').textContent = details;
    const row = $('message-buttons');
    row.replaceChildren();
    ++dialogOpen;
    return new Promise((resolve) => {
        const done = (index) => {
            dialog.close();
            --dialogOpen;
            resolve(index);
        };
        buttons.forEach((name, index) => {
            const button = document.createElement('button');
            button.textContent = name;
            button.addEventListener('click', () => done(index));
            row.append(button);
        });
        dialog.oncancel = (e) => {
            e.preventDefault();
            done(buttons.length - 1);
        };
        dialog.showModal();
        row.firstChild.focus();
    });
}

const Message = (text, note, details) => Ask(text, [T('OK')], note, details);
const Pick = (pair) => (IsChinese() ? pair.chinese : pair.english);

// ---------------------------------------------------------------- editing

function TypeCell(row, col, text, enter) {
    let refusal = '';
    doc.Apply((zh) => T('Edit Channel %1', row), () => {
        if (core.type(row, col, text, enter ? 1 : 0) === 2) refusal = core.message();
    }, { row, col });
    return refusal;
}

// ---------------------------------------------------------------- files

function UseBytes(name, bytes, asOther) {
    const path = `/${name.replace(/\//g, '_')}`;
    core.m.FS.writeFile(path, bytes);
    const ok = asOther ? core.m._orin_load_other(core.m.allocateUTF8(path)) : core.load(path);
    core.m.FS.unlink(path);
    return ok;
}

async function OpenFile(file, handle = null) {
    if (!grid.Flush()) return;
    const bytes = new Uint8Array(await file.arrayBuffer());
    const before = doc.Snapshot();
    if (!UseBytes(file.name, bytes)) {
        doc.Set(before);
        await Message(core.message());
        return;
    }
    doc.Reset(file.name);
    doc.handle = handle;
    Status(T('Opened %1', file.name));
}

async function ChooseFile() {
    if (window.showOpenFilePicker) {
        try {
            const [handle] = await window.showOpenFilePicker({ types: SinTypes() });
            await OpenFile(await handle.getFile(), handle);
        } catch (e) {
            if (e.name !== 'AbortError') await Message(String(e.message || e));
        }
        return;
    }
    $('file-input').click();
}

function SinTypes() {
    return [{ description: T('Channel Data (*.sin)'), accept: { 'application/octet-stream': ['.sin'] } }];
}

async function Save(as) {
    if (!grid.Flush()) return false;
    const bytes = doc.Snapshot();
    let name = doc.name && doc.name.endsWith('.sin') ? doc.name : `${doc.name || T('Untitled')}.sin`;
    try {
        if (window.showSaveFilePicker) {
            let handle = as ? null : doc.handle;
            if (!handle) handle = await window.showSaveFilePicker({ suggestedName: name, types: SinTypes() });
            const writable = await handle.createWritable();
            await writable.write(bytes);
            await writable.close();
            doc.handle = handle;
            name = handle.name;
        } else {
            const link = document.createElement('a');
            link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
            link.download = name;
            link.click();
            setTimeout(() => URL.revokeObjectURL(link.href), 1000);
        }
    } catch (e) {
        if (e.name !== 'AbortError') await Message(String(e.message || e));
        return false;
    }
    doc.name = name;
    doc.saved = bytes;
    Changed();
    Status(T('Saved %1', name));
    return true;
}

// ---------------------------------------------------------------- the radio

const ports = []; // the Web Serial ports this page was allowed to use

async function FillPorts(select) {
    const chosen = $('port').value;
    const list = $('port');
    list.replaceChildren(new Option(T('Simulated radio'), 'sim'));
    if (navigator.serial) {
        ports.splice(0, ports.length, ...(await navigator.serial.getPorts()));
        ports.forEach((port, i) => {
            const info = port.getInfo();
            const id = info.usbVendorId ? ` (USB ${Hex(info.usbVendorId)}:${Hex(info.usbProductId)})` : '';
            list.add(new Option(T('Serial port %1', i + 1) + id, String(i)));
        });
        list.add(new Option(T('Choose a serial port...'), 'choose'));
    }
    list.value = select ?? ([...list.options].some((o) => o.value === chosen) ? chosen : (ports.length ? '0' : 'sim'));
}

const Hex = (n) => n.toString(16).padStart(4, '0');

async function ChoosePort() {
    try {
        const port = await navigator.serial.requestPort();
        await FillPorts();
        $('port').value = String(ports.indexOf(port));
    } catch {
        await FillPorts('sim');
        Status(T('No serial port was chosen.'));
    }
}

const transfer = { cancel: false, started: 0, position: 0, checkAsked: false, shownAt: 0, later: 0 };

function ProgressLine(position) {
    const percent = Math.round((position * 100) / BlockCount);
    let line = T('Block %1 of %2, %3%', position, BlockCount, percent);
    const elapsed = (performance.now() - transfer.started) / 1000;
    if (position > 10 && position < BlockCount) {
        line += T(', about %1 s left', Math.ceil((elapsed * (BlockCount - position)) / position));
    }
    return line;
}

function ShowProgress() {
    clearTimeout(transfer.later);
    transfer.later = 0;
    transfer.shownAt = performance.now();
    $('progress-bar').value = transfer.position;
    $('progress-line').textContent = ProgressLine(transfer.position);
}

// The bar and its line change at most ten times a second: every change is a
// layout and a paint of the page, and while the page paints, the radio's
// reply waits.
const ProgressEveryMs = 100;

const host = {
    // The session tells the block number here too; the progress line says it
    // in words, as the window's dialog does.
    status: (text) => { if (!/^\d+$/.test(text)) $('progress-status').textContent = T(text); },
    progress: (position) => {
        if (position === transfer.position) return;
        transfer.position = position;
        const wait = transfer.shownAt + ProgressEveryMs - performance.now();
        if (position <= 0 || position >= BlockCount || wait <= 0) ShowProgress();
        else if (!transfer.later) transfer.later = setTimeout(ShowProgress, wait);
    },
    cancelRequested: () => transfer.cancel,
    sleep: Sleep,
    message: async (m) => {
        const note = IsChinese() ? m.noteChinese : m.noteEnglish;
        if (!m.offerCheck) return Message(Pick(m), note, m.details);
        // No radio answered the wake-up: the connection check tells why.
        transfer.checkAsked = (await Ask(Pick(m), [T('Check Connection...'), T('OK')], note, m.details)) === 0;
    },
    askRetry: async (text) => (await Ask(Pick(text), [T('Retry'), T('Cancel')])) === 0,
};

// Runs one transfer in the progress dialog: 0 read, 1 write.
async function RunTransfer(direction, titleSource) {
    const simulated = $('port').value === 'sim';
    let line = null;
    if (!simulated) {
        const port = ports[Number($('port').value)];
        line = new SerialLine(port);
        // A port lost mid-transfer fails the read or write that sees it.
        core.m.serial = line;
    }
    core.m.host = host;
    transfer.cancel = false;
    transfer.position = -1;
    transfer.started = performance.now();
    $('progress-title').textContent = T(titleSource);
    $('progress-status').textContent = T('Not start...');
    host.progress(0);
    if (!$('progress').open) $('progress').showModal();
    $('progress-cancel').focus();
    const outcome = await core.transfer(direction, simulated ? 1 : 0);
    const seconds = (performance.now() - transfer.started) / 1000;
    if (line?.failed && outcome !== Outcome.Completed) {
        await Message(T('The serial port was lost during the transfer (was the cable pulled out?).'));
    }
    return { outcome, seconds };
}

// A read of the radio into the module's other image, for Compare With Radio:
// the document and its history stay as they are. Whether it completed.
async function ReadRadio() {
    if (busy) return false;
    if ($('port').value === 'choose') await ChoosePort();
    if ($('port').value === 'choose') return false;
    busy = true;
    UpdateCommands();
    try {
        return (await RunTransfer(0, 'Reading the Radio to Compare')).outcome === Outcome.Completed;
    } finally {
        if ($('progress').open) $('progress').close();
        busy = false;
        UpdateCommands();
    }
}

async function Transfer(direction) {
    if (busy || !grid.Flush()) return;
    if ($('port').value === 'choose') await ChoosePort();
    if ($('port').value === 'choose') return;
    features.Flush();
    // The window's questions before a write: band edges, then the licence.
    if (direction === 1 && !(await features.MayWrite())) return;
    busy = true;
    transfer.checkAsked = false;
    UpdateCommands();
    try {
        if (direction === 0) {
            const { outcome, seconds } = await RunTransfer(0, 'Reading Data Progress');
            if (outcome === Outcome.Completed) {
                const read = core.other().slice();
                const name = `Radio ${new Date().toISOString().slice(0, 19).replace(/:/g, '-').replace('T', ' ')}.sin`;
                doc.Apply(() => T('Read From Radio (step)'), () => doc.Set(read));
                doc.name = name;
                doc.handle = null;
                UpdateCommands();
                Status(T('Read %1 blocks in %2 s', BlockCount, seconds.toFixed(1)));
            }
        } else {
            const { outcome, seconds } = await RunTransfer(1, 'Writing Data Progress');
            if (outcome === Outcome.Completed && Checked($('verify'))) {
                const back = await RunTransfer(0, 'Verify After Write');
                if (back.outcome === Outcome.Completed) {
                    const differences = core.compare(1);
                    Status(T('Wrote %1 blocks and read them back in %2 s', BlockCount, (seconds + back.seconds).toFixed(1)));
                    $('progress').close();
                    const same = differences.split('\n').length === 1;
                    await Message(same ? T('The radio holds what was written: no differences.')
                                       : `${T('The radio does not hold what was written:')}\n${differences}`);
                }
            } else if (outcome === Outcome.Completed) {
                Status(T('Wrote %1 blocks in %2 s', BlockCount, seconds.toFixed(1)));
            }
        }
    } finally {
        if ($('progress').open) $('progress').close();
        busy = false;
        UpdateCommands();
        grid.Focus();
    }
    if (transfer.checkAsked) await CheckConnection();
}

// ---------------------------------------------------------------- the connection check

// The core's check of the chosen port, step by step, in a dialog as the
// window's: the steps are the core's, so are their texts.
const check = { running: false, outcome: null, port: '', names: [] };

function ShowCheck() {
    const { running, outcome, port } = check;
    $('check-heading').textContent =
        running ? T('%1: checking the connection to the radio...', port)
        : outcome === 2 ? T('%1: the check was stopped.', port)
        : outcome === 0 ? T('%1: the radio answers.', port)
        : T('%1: the radio does not answer; the step marked ✗ tells why.', port);
    // The module is not called while the check waits in it.
    const steps = running || outcome === null ? [] : core.checkReport().split('\x1e').map((s) => s.split('\x1f'));
    const names = check.names[IsChinese() ? 1 : 0];
    const list = $('check-steps');
    if (list.children.length !== names.length) {
        list.replaceChildren(...names.map(() => Object.assign(document.createElement('p'), { tabIndex: 0 })));
    }
    const comma = IsChinese() ? '：' : ': ';
    names.forEach((name, i) => {
        const [state, , line, reason] = steps[i] ?? ['-'];
        const said = state === '1' ? T('passed') : state === '0' ? T('failed') : running ? T('checking') : T('not checked');
        const p = list.children[i];
        p.textContent = state === '-' ? `– ${name}${comma}${said}` : line;
        p.classList.toggle('failed', state === '0');
        p.setAttribute('aria-label', T('Step %1 of %2, %3: %4', i + 1, names.length, name,
            state === '-' ? said : `${said}${IsChinese() ? '。' : '. '}${reason}`));
    });
    $('check-copy').disabled = running;
    $('check-again').disabled = running;
}

function CheckText() {
    return [$('check-heading').textContent, ...[...$('check-steps').children].map((p) => p.textContent)].join('\n');
}

async function RunCheck() {
    if (check.running) return;
    const simulated = $('port').value === 'sim';
    const index = Number($('port').value);
    const info = simulated ? {} : ports[index].getInfo();
    check.port = simulated ? T('Simulated radio') : `Web Serial ${index + 1}`;
    check.names = [0, 1].map((lang) => core.checkReport(lang).split('\x1e').map((s) => s.split('\x1f')[1]));
    check.running = true;
    transfer.cancel = false;
    if (!simulated) core.m.serial = new SerialLine(ports[index]);
    core.m.host = host;
    ShowCheck();
    try {
        check.outcome = await core.checkConnection(simulated ? 1 : 0, check.port,
            info.usbVendorId ?? 0, info.usbProductId ?? 0);
    } finally {
        check.running = false;
    }
    ShowCheck();
    // The first step that failed takes the focus: a screen reader reads it.
    const failed = $('check-steps').querySelector('.failed');
    if ($('check').open) (failed ?? $('check-close')).focus();
}

async function CheckConnection() {
    if (busy || !grid.Flush()) return;
    if ($('port').value === 'choose') await ChoosePort();
    if ($('port').value === 'choose') return;
    busy = true;
    UpdateCommands();
    check.outcome = null;
    $('check').showModal();
    try {
        await RunCheck();
        await new Promise((resolve) => $('check').addEventListener('close', resolve, { once: true }));
    } finally {
        busy = false;
        UpdateCommands();
        grid.Focus();
    }
}

// Closing the dialog while the check runs stops it first.
function CloseCheck() {
    transfer.cancel = true;
    if (!check.running) $('check').close();
    else setTimeout(CloseCheck, 10);
}

// ---------------------------------------------------------------- language and start

function Status(text) {
    $('status').textContent = text;
}

function Relabel() {
    for (const el of document.querySelectorAll('[data-t]')) el.textContent = T(el.dataset.t);
    for (const el of document.querySelectorAll('[data-label]')) el.setAttribute('aria-label', T(el.dataset.label));
    for (const el of document.querySelectorAll('[data-tip]')) el.title = T(el.dataset.tip).split('\n')[0];
    if (!navigator.serial) {
        $('notice').hidden = false;
        $('notice').textContent = T('This browser has no Web Serial: files and editing work, reading and writing a radio needs Chrome, Edge or Opera (or the Simulated radio).');
    }
    grid.Relabel();
    if ($('check').open) ShowCheck();
    features.Relabel();
    FillPorts($('port').value || undefined);
    UpdateCommands();
}

function WireCommands() {
    $('cmd-new').addEventListener('click', () => {
        if (!grid.Flush()) return;
        core.newDocument();
        doc.Reset('');
    });
    $('cmd-open').addEventListener('click', ChooseFile);
    $('file-input').addEventListener('change', async (e) => {
        const [file] = e.target.files;
        e.target.value = '';
        if (file) await OpenFile(file);
    });
    $('cmd-save').addEventListener('click', () => Save(false));
    $('cmd-save-as').addEventListener('click', () => Save(true));
    $('cmd-undo').addEventListener('click', () => grid.Flush() && doc.Step(doc.undo, doc.redo, 'before'));
    $('cmd-redo').addEventListener('click', () => grid.Flush() && doc.Step(doc.redo, doc.undo, 'after'));
    $('cmd-read').addEventListener('click', () => Transfer(0));
    $('cmd-write').addEventListener('click', () => Transfer(1));
    $('progress-cancel').addEventListener('click', () => { transfer.cancel = true; });
    $('cmd-check').addEventListener('click', CheckConnection);
    $('check-again').addEventListener('click', RunCheck);
    $('check-copy').addEventListener('click', () => navigator.clipboard?.writeText(CheckText()).catch(() => {}));
    $('check-close').addEventListener('click', CloseCheck);
    $('check').addEventListener('cancel', (e) => { e.preventDefault(); CloseCheck(); });
    $('progress').addEventListener('cancel', (e) => { e.preventDefault(); transfer.cancel = true; });
    $('port').addEventListener('change', () => { if ($('port').value === 'choose') ChoosePort(); });
    $('cmd-language').addEventListener('click', () => {
        SetChinese(!IsChinese());
        localStorage.setItem('orin-language', IsChinese() ? 'Chinese' : 'English');
        Relabel();
    });
    document.addEventListener('keydown', (e) => {
        if (!(e.ctrlKey || e.metaKey) || dialogOpen || busy || document.querySelector('dialog[open]')) return;
        const key = e.key.toLowerCase();
        const command = { z: 'cmd-undo', y: 'cmd-redo', s: 'cmd-save', o: 'cmd-open', n: 'cmd-new', r: 'cmd-read', w: 'cmd-write' }[key];
        if (!command || (grid.editor && (key === 'z' || key === 'y'))) return;
        e.preventDefault();
        features.Flush();
        $(command).click();
    });
    // Drag and drop of a .sin file anywhere on the page.
    document.addEventListener('dragover', (e) => { e.preventDefault(); document.body.classList.add('dragging'); });
    document.addEventListener('dragleave', () => document.body.classList.remove('dragging'));
    document.addEventListener('drop', async (e) => {
        e.preventDefault();
        document.body.classList.remove('dragging');
        const file = e.dataTransfer.files[0];
        if (file) await OpenFile(file);
    });
    window.addEventListener('beforeunload', (e) => {
        if (doc.IsModified()) {
            e.preventDefault();
            e.returnValue = '';
        }
    });
    navigator.serial?.addEventListener('connect', () => FillPorts());
    navigator.serial?.addEventListener('disconnect', () => FillPorts());
    // Files opened through the installed app's file handler.
    window.launchQueue?.setConsumer(async (params) => {
        const [handle] = params.files;
        if (handle) await OpenFile(await handle.getFile(), handle);
    });
}

async function Start() {
    const [loaded] = await Promise.all([LoadCore(), LoadTexts()]);
    performance.mark('core-loaded');
    core = loaded;
    const kept = localStorage.getItem('orin-language');
    SetChinese(kept ? kept === 'Chinese' : /^zh\b/i.test(navigator.language));
    core.newDocument();
    grid = new ChannelGrid($('grid'), core, {
        type: TypeCell,
        refused: (text) => Message(text),
        busy: () => dialogOpen > 0,
    });
    doc.saved = doc.Snapshot();
    new MenuBar($('menubar'));
    features = InstallFeatures({ core, doc, grid, Message, Ask, Status, ReadRadio, Busy: () => busy || dialogOpen > 0 });
    WireCommands();
    Relabel();
    performance.mark('grid-shown');
    grid.Focus();
    const record = await LoadKept();
    if (record && !Same(record.image, record.saved)) {
        if ((await Ask(T('The channel data you were editing when the page was last closed is kept. Open it again?'),
            [T('Yes'), T('No')])) === 0) {
            doc.Set(record.image);
            doc.Reset(record.name, record.saved);
        } else {
            await Forget();
        }
    }
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
    (window.requestIdleCallback ?? setTimeout)(WarmUp);
    window.orinReady = true;
}

// The module's code is compiled at its first call, which made the first typed
// cell take several times as long as the next ones. So a cell is typed once
// while the page is idle, into the image, which gets its bytes back at once.
function WarmUp() {
    if (busy || grid.editor) return;
    const before = doc.Snapshot();
    core.type(1, 1, '446.00625', 1);
    doc.Set(before);
}

Start();

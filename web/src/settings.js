// The Optional Features and Side Key dialogs: the window's fields, filled by
// the core; OK writes only the fields whose control the user changed, and OK
// without a change changes nothing (no undo step).
import { Check, Group, Labelled, OkCancel, RunDialog, Select } from './dialog.js';
import { T } from './texts.js';

// The Optional Features dialog's controls, as the window lays them out.
const FunctionSet = [
    ['timeout', 'Time-out Timer'], ['squelch', 'Squelch Level'], ['language', 'Language Choose'],
    ['voxSwitch', 'Vox Switch'], ['voxGain', 'Vox Gain Level'], ['priority', 'Priority Channel'],
    ['roger', 'Roger'], ['scrambler', 'Scrambler Activation'], ['beep', 'Beep'], ['batterySave', 'Battery Save'],
];
const IdSet = [
    ['groupId', 'Group ID'], ['id', 'ID'], ['callId', 'Call ID'], ['killId', 'Kill ID'],
    ['checkId', 'Check ID'], ['listenId', 'Listen ID'], ['beginOfTx', 'Begin of Tx'], ['endOfTx', 'End of Tx'],
];
const FrequentMode = [['optSignal', 'Opt Signal In Frequent Mode'], ['repeatInvert', 'Repeat Invert']];
const AudioSet = [
    ['micGain', 'MIC Gain Level'], ['receiveGain', 'Audio Recieve Gain Level'],
    ['modulationGain', 'Modulation Gain Level'], ['outputGain', 'Audio Output Gain Level'],
    ['compander', 'compander'], ['emphasis', 'Pre/De-emphasis'],
];

// One control of the dialog from what the core said of it; read() gives the
// value OK sends.
function Control(key, source, field, controls) {
    const label = T(source);
    let element;
    let read;
    if ('on' in field) {
        const check = Check(label, field.on);
        read = () => (check.box.checked ? '1' : '0');
        element = check.label;
    } else if ('maxLength' in field) {
        const box = document.createElement('input');
        box.value = field.text;
        box.maxLength = field.maxLength;
        box.spellcheck = false;
        box.autocomplete = 'off';
        const allowed = field.digits ? /^[0-9]*$/ : field.lettersAndDigits ? /^[A-Za-z0-9]*$/ : null;
        box.addEventListener('beforeinput', (e) => {
            if (allowed && e.inputType === 'insertText' && e.data && !allowed.test(e.data)) e.preventDefault();
        });
        if (field.upper) {
            box.addEventListener('input', () => {
                const at = box.selectionStart;
                box.value = box.value.toUpperCase();
                box.setSelectionRange(at, at);
            });
        }
        read = () => box.value;
        element = Labelled(label, box);
    } else if ('text' in field) {
        // Vox Gain Level: a list the user may type into; the level is read
        // from its text.
        const box = document.createElement('input');
        box.value = field.text;
        const list = document.createElement('datalist');
        list.id = `list-${key}`;
        for (const entry of field.entries) list.append(new Option(entry));
        box.setAttribute('list', list.id);
        read = () => box.value;
        element = Labelled(label, box);
        element.append(list);
    } else {
        const entries = field.translated ? field.entries.map((e) => T(e)) : field.entries;
        const select = Select(entries, field.position);
        read = () => String(select.selectedIndex);
        element = Labelled(label, select);
    }
    controls.push([key, read]);
    return element;
}

export async function OptionalFeatures(page) {
    const { core, doc } = page;
    const m = core.m;
    const fields = JSON.parse(m.UTF8ToString(m._orin_features_open(m._orin_image(), core.lang())));
    const controls = [];
    const make = (set) => set.map(([key, source]) => Control(key, source, fields[key], controls));
    const frequent = Group(T('Frequent Mode Option'), ...make(FrequentMode));
    const ids = Group(T(' ID').trim(), ...make(IdSet), frequent);
    const body = document.createElement('div');
    body.className = 'settings-form';
    const audio = Group(T('Audio'), ...make(AudioSet));
    body.append(Group(T('Function Set'), ...make(FunctionSet)), ids, audio);
    if (await RunDialog(T('Optional Features'), body, OkCancel(), null, 'features-dialog') !== 0) return;
    const shown = controls.map(([key, read]) => `${key}\x1e${read()}`).join('\x1f');
    doc.Apply(() => T('Steps.OptionalFeatures'),
        () => m.ccall('orin_features_accept', 'number', ['number', 'string'], [m._orin_image(), shown]));
}

export async function SideKey(page) {
    const { core, doc } = page;
    const m = core.m;
    const lists = JSON.parse(m.UTF8ToString(m._orin_sidekey_open(m._orin_image(), core.lang())));
    const selects = lists.map((list) => Select(list.entries, list.position));
    const body = document.createElement('div');
    body.className = 'settings-form';
    for (const key of [0, 1]) {
        const title = T(key === 0 ? 'Side Key1' : 'Side Key2');
        const short = Labelled(T('Short Press'), selects[key * 2]);
        const long = Labelled(T('Long Press'), selects[key * 2 + 1]);
        selects[key * 2].setAttribute('aria-label', T('%1, %2', title, T('Short Press')));
        selects[key * 2 + 1].setAttribute('aria-label', T('%1, %2', title, T('Long Press')));
        body.append(Group(title, short, long));
    }
    if (await RunDialog(T('Side Key'), body, OkCancel(), null, 'sidekey-dialog') !== 0) return;
    const shown = selects.map((s) => (s.selectedIndex >= 0 ? s.options[s.selectedIndex].text : '')).join('\x1f');
    doc.Apply(() => T('Steps.SideKey'),
        () => m.ccall('orin_sidekey_accept', 'number', ['number', 'string'], [m._orin_image(), shown]));
}

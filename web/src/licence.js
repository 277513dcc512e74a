// Channel plans and the licence: Check Channels Against Licence... (the
// window's dialog: the licence kept, the channels outside it, the two
// repairs), Insert Channel Plan..., and the questions before a write.
import { Labelled, RunDialog } from './dialog.js';
import { T } from './texts.js';

const LicenceKey = 'orin-licence';

function Plans(core) {
    return JSON.parse(core.m.UTF8ToString(core.m._orin_plans(core.lang())));
}

export function ChosenLicence(core) {
    const key = localStorage.getItem(LicenceKey) ?? '';
    return Plans(core).some((plan) => plan.key === key) ? key : '';
}

function Check(core, key) {
    const m = core.m;
    return JSON.parse(m.ccall('orin_licence_check', 'string', ['number', 'string', 'number'], [m._orin_image(), key, core.lang()]));
}

export async function CheckLicence(page) {
    const { core, doc } = page;
    const m = core.m;
    const licence = document.createElement('select');
    licence.add(new Option(T('None'), ''));
    for (const plan of Plans(core)) licence.add(new Option(plan.title, plan.key));
    licence.value = ChosenLicence(core);
    const list = document.createElement('select');
    list.multiple = true;
    list.size = 8;
    list.setAttribute('aria-label', T('Channels outside the licence'));
    const notesLabel = document.createElement('p');
    notesLabel.textContent = T('Notes (the buttons change nothing here):');
    const notes = document.createElement('ul');
    notes.setAttribute('aria-label', T('Notes, not repaired'));
    const summary = document.createElement('p');
    summary.setAttribute('role', 'status');
    summary.setAttribute('aria-label', T('Result of the check'));
    const limits = document.createElement('p');
    limits.className = 'note';
    limits.textContent = T('The check is a help, not legal advice: the radio\'s watts, antenna and approval are not in its memory.');
    const receiveOnly = document.createElement('button');
    receiveOnly.type = 'button';
    receiveOnly.textContent = T('Make these receive only');
    const narrow = document.createElement('button');
    narrow.type = 'button';
    narrow.textContent = T('Set these to narrow');
    const repairs = document.createElement('div');
    repairs.className = 'buttons';
    repairs.append(receiveOnly, narrow);
    const body = document.createElement('div');
    body.className = 'licence-form';
    body.append(Labelled(T('Licence:'), licence), list, repairs, notesLabel, notes, summary, limits);
    licence.setAttribute('aria-label', T('Licence'));

    let findings = [];
    const selected = (repair) => [...list.selectedOptions]
        .map((o) => findings[Number(o.value)]).filter((f) => f.repair === repair).map((f) => f.channel);
    const Buttons = () => {
        receiveOnly.disabled = selected(1).length === 0;
        narrow.disabled = selected(2).length === 0;
    };
    const Refresh = () => {
        list.replaceChildren();
        notes.replaceChildren();
        const result = licence.value ? Check(core, licence.value) : null;
        findings = result?.findings ?? [];
        notesLabel.hidden = notes.hidden = !findings.some((f) => f.note);
        findings.forEach((f, i) => {
            const text = T('CH %1: %2', f.channel, f.text);
            if (f.note) {
                const item = document.createElement('li');
                item.textContent = text;
                notes.append(item);
            } else {
                list.add(new Option(text, String(i)));
            }
        });
        summary.textContent = result ? result.summary
            : T('No licence chosen: nothing is checked, and a write is not asked about.');
        list.hidden = repairs.hidden = !result;
        Buttons();
    };
    licence.addEventListener('change', () => {
        localStorage.setItem(LicenceKey, licence.value);
        Refresh();
    });
    list.addEventListener('change', Buttons);
    const Repair = (kind) => {
        const channels = selected(kind);
        doc.Apply(() => T(kind === 2 ? 'Steps.SetToNarrow' : 'Steps.MakeReceiveOnly'), () => m.ccall('orin_licence_repair', 'number',
            ['number', 'number', 'string'], [m._orin_image(), kind, channels.join(',')]));
        Refresh();
    };
    receiveOnly.addEventListener('click', () => Repair(1));
    narrow.addEventListener('click', () => Repair(2));
    Refresh();
    await RunDialog(T('Check Channels Against Licence'), body, [T('Close')], licence, 'licence-dialog');
}

// Before every write: the channels outside the band edges (Yes/No), then
// those outside the licence chosen ("Write anyway" or Cancel). Whether the
// write may go on.
export async function MayWrite(page) {
    const { core } = page;
    const m = core.m;
    const asked = JSON.parse(m.ccall('orin_before_write', 'string', ['number', 'string', 'number'],
        [m._orin_image(), ChosenLicence(core), core.lang()]));
    if (asked.band && await page.Ask(asked.band, [T('Yes'), T('No')]) !== 0) return false;
    if (asked.licence && await page.Ask(asked.licence, [asked.anyway, T('Cancel')]) !== 0) return false;
    return true;
}

export async function InsertPlan(page) {
    const { core, doc, grid } = page;
    const m = core.m;
    const plans = Plans(core).filter((plan) => !plan.band);
    const list = document.createElement('select');
    list.size = plans.length + 1;
    for (const plan of plans) list.add(new Option(plan.line, plan.key));
    list.selectedIndex = 0; // the first plan is current, ready for Enter
    const body = document.createElement('div');
    const label = Labelled(T('Channel plan:'), list);
    list.setAttribute('aria-label', T('Channel plans'));
    body.append(label);
    if (await RunDialog(T('Insert Channel Plan'), body, [T('OK'), T('Cancel')], list, 'plan-dialog') !== 0) return;
    const key = list.value;
    const from = grid.current.row - 1;
    const place = JSON.parse(m.ccall('orin_plan_place', 'string', ['number', 'string', 'number', 'number'],
        [m._orin_image(), key, from, core.lang()]));
    if (!place) return;
    if (place.refusal) {
        await page.Message(place.refusal);
        return;
    }
    if (place.question && await page.Ask(place.question, [T('Yes'), T('No')]) !== 0) return;
    doc.Apply(() => T('Steps.InsertChannelPlan'),
        () => m.ccall('orin_plan_insert', 'number', ['number', 'string', 'number'], [m._orin_image(), key, from]));
}

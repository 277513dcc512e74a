// Compare With File... and Compare With Radio...: what differs between the
// channel data as it stands and a channel file or the radio, in the core's
// words; nothing changes.
import { RunDialog } from './dialog.js';
import { T } from './texts.js';

function ChooseFile() {
    return new Promise((resolve) => {
        const input = document.createElement('input');
        input.type = 'file';
        input.accept = '.sin';
        input.hidden = true;
        input.addEventListener('change', () => { input.remove(); resolve(input.files[0] ?? null); });
        input.addEventListener('cancel', () => { input.remove(); resolve(null); });
        document.body.append(input);
        input.click();
    });
}

export async function CompareWithFile(page) {
    const file = await ChooseFile();
    if (!file) return;
    const { core } = page;
    const m = core.m;
    const path = `/compare-${file.name.replace(/\//g, '_')}`;
    m.FS.writeFile(path, new Uint8Array(await file.arrayBuffer()));
    const name = m.allocateUTF8(path);
    const loaded = m._orin_load_other(name);
    m._free(name);
    m.FS.unlink(path);
    if (!loaded) {
        await page.Message(core.message());
        return;
    }
    ShowComparison(T('Compare With File'), T('The channel data as it stands, against %1.', file.name), core.compare(0));
}

// Compare With Radio...: the radio read (the document stays as it is) and
// compared in the bytes a transfer carries.
export async function CompareWithRadio(page) {
    if (!await page.ReadRadio()) return;
    ShowComparison(T('Compare With Radio'), T('The channel data as it stands, against what the radio holds.'),
        page.core.compare(1));
}

// The comparison's text: its summary line, then one difference a line.
export function ShowComparison(title, intro, text) {
    const [summary, ...lines] = text.split('\n');
    const body = document.createElement('div');
    const what = document.createElement('p');
    what.textContent = intro;
    what.setAttribute('aria-label', T('What is compared'));
    const count = document.createElement('p');
    count.textContent = summary;
    count.setAttribute('role', 'status');
    const list = document.createElement('ul');
    list.className = 'differences';
    list.setAttribute('aria-label', T('Differences'));
    list.tabIndex = 0;
    for (const line of lines) {
        const item = document.createElement('li');
        item.textContent = line;
        list.append(item);
    }
    body.append(what, count, list);
    return RunDialog(title, body, [T('Close')], null, 'compare-dialog');
}

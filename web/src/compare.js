// Compare With File... and Compare With Radio...: what differs between the
// channel data as it stands and a channel file or the radio, in the core's
// words; nothing changes.
import { RunDialog } from './dialog.js';
import { T } from './texts.js';

function ChooseFiles() {
    return new Promise((resolve) => {
        const input = document.createElement('input');
        input.type = 'file';
        input.accept = '.sin';
        input.multiple = true;
        input.hidden = true;
        input.addEventListener('change', () => { input.remove(); resolve([...input.files]); });
        input.addEventListener('cancel', () => { input.remove(); resolve([]); });
        document.body.append(input);
        input.click();
    });
}

// The chosen files in the module's file system while work(paths) runs.
async function WithFiles(m, files, work) {
    const paths = files.map((file, i) => `/compare-${i}-${file.name.replace(/\//g, '_')}`);
    for (const [i, file] of files.entries()) m.FS.writeFile(paths[i], new Uint8Array(await file.arrayBuffer()));
    try {
        return work(paths);
    } finally {
        for (const path of paths) m.FS.unlink(path);
    }
}

// One file: the channel data as it stands against it. Two files chosen
// together: the first against the second, the channel data left alone.
export async function CompareWithFile(page) {
    const files = (await ChooseFiles()).slice(0, 2);
    if (files.length === 0) return;
    const { core } = page;
    const m = core.m;
    const text = await WithFiles(m, files, ([first, second]) => {
        if (second) return m.ccall('orin_compare_files', 'string', ['string', 'string', 'number'], [first, second, core.lang()]);
        return m.ccall('orin_load_other', 'number', ['string'], [first]) ? core.compare(0) : '';
    });
    if (!text) {
        await page.Message(core.message());
    } else if (files.length === 2) {
        ShowComparison(T('Compare With File'), T('%1, against %2.', files[0].name, files[1].name), text);
    } else {
        ShowComparison(T('Compare With File'), T('The channel data as it stands, against %1.', files[0].name), text);
    }
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

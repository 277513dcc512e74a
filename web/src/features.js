// The page's editing commands beyond the grid and the files: the type bar,
// the settings dialogs, the channel clipboard, channel lists, the licence,
// comparison and channel plans. app.js hands over what they work on.
import { TypeBar } from './typebar.js';
import { OptionalFeatures, SideKey } from './settings.js';
import { T } from './texts.js';

// page: { core, doc, grid, Message, Ask, Status, Busy }
export function InstallFeatures(page) {
    const bar = new TypeBar(document.getElementById('typebar'), page);
    const toolbar = document.createElement('div');
    toolbar.setAttribute('role', 'toolbar');
    toolbar.id = 'toolbar-edit';
    toolbar.dataset.label = 'Edit';
    const commands = [];
    const add = (id, source, run) => {
        const button = document.createElement('button');
        button.id = id;
        button.dataset.t = source;
        button.textContent = T(source);
        button.addEventListener('click', async () => {
            if (page.Busy() || !page.grid.Flush()) return;
            bar.Flush();
            await run();
            page.grid.Focus();
        });
        toolbar.append(button);
        commands.push(button);
        return button;
    };
    const separator = () => {
        const sep = document.createElement('span');
        sep.className = 'sep';
        toolbar.append(sep);
    };
    add('cmd-features', 'Optional Features', () => OptionalFeatures(page));
    add('cmd-sidekey', 'Side Key', () => SideKey(page));
    separator();
    document.getElementById('toolbar').after(toolbar);
    return {
        bar,
        toolbar,
        ShowBar: () => bar.Show(),
        Relabel() {
            toolbar.setAttribute('aria-label', T('Edit'));
            bar.Relabel();
        },
        Enable(enabled) {
            for (const button of commands) button.disabled = !enabled;
        },
        Flush: () => bar.Flush(),
    };
}

// The page's editing commands beyond the grid and the files: the type bar,
// the settings dialogs, the channel clipboard, channel lists, the licence,
// comparison and channel plans. app.js hands over what they work on.
import { TypeBar } from './typebar.js';
import { OptionalFeatures, SideKey } from './settings.js';
import { PageTexts, T } from './texts.js';
import { ChannelClipboard } from './clipboard.js';
import { ExportChannels, ImportChannels } from './lists.js';
import { CheckLicence, InsertPlan, MayWrite } from './licence.js';
import { CompareWithFile, CompareWithRadio } from './compare.js';

// page: { core, doc, grid, Message, Ask, Status, ReadRadio, Busy }
export function InstallFeatures(page) {
    Object.assign(PageTexts, JSON.parse(page.core.m.UTF8ToString(page.core.m._orin_command_texts())));
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
    const clipboard = new ChannelClipboard(page);
    add('cmd-cut', 'Cut', () => clipboard.Command('cut'));
    add('cmd-copy', 'Copy', () => clipboard.Command('copy'));
    add('cmd-paste', 'Paste', () => clipboard.Command('paste'));
    add('cmd-clear', 'Clear', () => clipboard.Clear('Steps.ClearChannels'));
    separator();
    add('cmd-insert-channel', 'Insert Empty Channel', () => clipboard.Operation(0));
    add('cmd-delete-channel', 'Delete Channel', () => clipboard.Operation(1));
    add('cmd-move-up', 'Move Up', () => clipboard.Operation(2));
    add('cmd-move-down', 'Move Down', () => clipboard.Operation(3));
    add('cmd-sort', 'Sort By Rx Frequency', () => clipboard.Operation(4));
    separator();
    add('cmd-import', 'Import Channels...', () => ImportChannels(page));
    add('cmd-export', 'Export Channels...', () => ExportChannels(page));
    separator();
    add('cmd-compare-file', 'Compare With File...', () => CompareWithFile(page));
    add('cmd-compare-radio', 'Compare With Radio...', () => CompareWithRadio(page));
    add('cmd-insert-plan', 'Insert Channel Plan...', () => InsertPlan(page));
    add('cmd-licence', 'Check Channels Against Licence...', () => CheckLicence(page));
    separator();
    add('cmd-features', 'Optional Features', () => OptionalFeatures(page));
    add('cmd-sidekey', 'Side Key', () => SideKey(page));
    document.getElementById('toolbar').after(toolbar);
    return {
        bar,
        clipboard,
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
        // Asked before every write to a radio (the write is app.js's).
        MayWrite: () => MayWrite(page),
    };
}

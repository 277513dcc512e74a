// The page's editing commands beyond the grid and the files: the type bar,
// the settings dialogs, the channel clipboard, channel lists, the licence,
// comparison and channel plans. app.js hands over what they work on.
import { TypeBar } from './typebar.js';
import { OptionalFeatures, SideKey } from './settings.js';
import { PageTexts } from './texts.js';
import { ChannelClipboard } from './clipboard.js';
import { ExportChannels, ImportChannels } from './lists.js';
import { CheckLicence, InsertPlan, MayWrite } from './licence.js';
import { CompareWithFile, CompareWithRadio } from './compare.js';

// page: { core, doc, grid, Message, Ask, Status, ReadRadio, Busy }
export function InstallFeatures(page) {
    Object.assign(PageTexts, JSON.parse(page.core.m.UTF8ToString(page.core.m._orin_command_texts())));
    const bar = new TypeBar(document.getElementById('typebar'), page);
    // The menu items of these commands (menus.js), wired here.
    const commands = [];
    const add = (id, run) => {
        const item = document.getElementById(id);
        item.addEventListener('click', async () => {
            if (page.Busy() || !page.grid.Flush()) return;
            bar.Flush();
            await run();
            page.grid.Focus();
        });
        commands.push(item);
    };
    const clipboard = new ChannelClipboard(page);
    add('cmd-cut', () => clipboard.Command('cut'));
    add('cmd-copy', () => clipboard.Command('copy'));
    add('cmd-paste', () => clipboard.Command('paste'));
    add('cmd-clear', () => clipboard.Clear('Steps.ClearChannels'));
    add('cmd-insert-channel', () => clipboard.Operation(0));
    add('cmd-delete-channel', () => clipboard.Operation(1));
    add('cmd-move-up', () => clipboard.Operation(2));
    add('cmd-move-down', () => clipboard.Operation(3));
    add('cmd-sort', () => clipboard.Operation(4));
    add('cmd-import', () => ImportChannels(page));
    add('cmd-export', () => ExportChannels(page));
    add('cmd-compare-file', () => CompareWithFile(page));
    add('cmd-compare-radio', () => CompareWithRadio(page));
    add('cmd-insert-plan', () => InsertPlan(page));
    add('cmd-licence', () => CheckLicence(page));
    add('cmd-features', () => OptionalFeatures(page));
    add('cmd-sidekey', () => SideKey(page));
    return {
        bar,
        clipboard,
        ShowBar: () => bar.Show(),
        Relabel: () => bar.Relabel(),
        Enable(enabled) {
            for (const item of commands) item.disabled = !enabled;
        },
        Flush: () => bar.Flush(),
        // Asked before every write to a radio (the write is app.js's).
        MayWrite: () => MayWrite(page),
    };
}

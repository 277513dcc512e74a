// Whole channels on the clipboard, as in the window: a selection of channel
// rows (a row header, Shift+Space, Shift+arrows), Ctrl+C/X/V or the Cut, Copy
// and Paste buttons. Copy puts the window's clipboard text there and the
// channels' bytes under the window's private type, which a paste prefers.
import { T } from './texts.js';

const PrivateType = 'application/x-orin-channels';

export class ChannelClipboard {
    // page: { core, doc, grid, Message, Busy }
    constructor(page) {
        this.page = page;
        this.range = null; // { anchor, first, last }: channel rows 1-128
        const table = page.grid.table;
        table.addEventListener('click', (e) => {
            const head = e.target.closest('tbody th');
            if (head) {
                const row = Number(head.parentElement.getAttribute('aria-rowindex')) - 1;
                page.grid.MoveTo(row, page.grid.current.col);
                this.Select(e.shiftKey && this.range ? this.range.anchor : row, row);
            } else if (e.target.closest('td') && !e.shiftKey) {
                this.Select(null);
            }
        });
        const moves = ['ArrowUp', 'ArrowDown', 'PageUp', 'PageDown', 'Home', 'End'];
        table.addEventListener('keydown', (e) => {
            if (page.grid.editor) return;
            this.from = page.grid.current.row;
            if (e.ctrlKey && e.shiftKey && (e.key === 'ArrowUp' || e.key === 'ArrowDown')) {
                e.preventDefault();
                e.stopImmediatePropagation();
                if (!this.page.Busy()) this.Operation(e.key === 'ArrowUp' ? 2 : 3);
            } else if (e.key === ' ' && e.shiftKey) {
                e.preventDefault();
                e.stopImmediatePropagation();
                this.Select(this.from, this.from);
            } else if (!e.shiftKey && (moves.includes(e.key) || e.key.startsWith('Arrow'))) {
                this.Select(null);
            }
        }, true);
        // After the grid has moved: Shift takes the selection to the new row.
        table.addEventListener('keydown', (e) => {
            if (!page.grid.editor && e.shiftKey && moves.includes(e.key)) {
                this.Select(this.range ? this.range.anchor : this.from, page.grid.current.row);
            }
        });
        for (const kind of ['copy', 'cut', 'paste']) {
            document.addEventListener(kind, (e) => this.OnEvent(kind, e));
        }
    }

    // Selects the channel rows from anchor to row; nothing with anchor null.
    Select(anchor, row = anchor) {
        const cells = this.page.grid.cells;
        if (this.range) {
            for (let r = this.range.first; r <= this.range.last; ++r) cells[r - 1][0].parentElement.removeAttribute('aria-selected');
        }
        this.range = anchor === null ? null : { anchor, first: Math.min(anchor, row), last: Math.max(anchor, row) };
        if (this.range) {
            for (let r = this.range.first; r <= this.range.last; ++r) cells[r - 1][0].parentElement.setAttribute('aria-selected', 'true');
        }
    }

    // The channels (0-127) a command works on: the selected rows, else the
    // current one.
    Channels() {
        const { first, last } = this.range ?? { first: this.page.grid.current.row, last: this.page.grid.current.row };
        return Array.from({ length: last - first + 1 }, (_, i) => first - 1 + i);
    }

    // Only while the grid has the focus and no cell is being edited.
    Mine() {
        const active = document.activeElement;
        return !this.page.Busy() && !this.page.grid.editor && !document.querySelector('dialog[open]')
            && (this.page.grid.table.contains(active) || this.fromButton);
    }

    OnEvent(kind, e) {
        if (!this.Mine()) return;
        e.preventDefault();
        if (kind === 'paste') {
            this.Paste(e.clipboardData.getData('text/plain'), e.clipboardData.getData(PrivateType));
            return;
        }
        const { text, payload } = this.Texts();
        e.clipboardData.setData('text/plain', text);
        e.clipboardData.setData(PrivateType, payload);
        if (kind === 'cut') this.Clear('Steps.CutChannels');
    }

    Texts() {
        const { core } = this.page;
        const m = core.m;
        const channels = this.Channels().join(',');
        return {
            text: m.ccall('orin_clip_text', 'string', ['number', 'string', 'number'], [m._orin_image(), channels, core.lang()]),
            payload: m.ccall('orin_clip_payload', 'string', ['number', 'string'], [m._orin_image(), channels]),
        };
    }

    // Empties the selected channels: Cut's second half, and Clear.
    Clear(step) {
        const m = this.page.core.m;
        const channels = this.Channels();
        this.page.doc.Apply(() => T(step),
            () => m.ccall('orin_clip_clear', 'number', ['number', 'string'], [m._orin_image(), channels.join(',')]));
        this.Select(channels[0] + 1, channels.at(-1) + 1);
    }

    // Insert Empty Channel, Delete Channel, Move Up, Move Down, Sort By Rx
    // Frequency: the window's Edit menu over the selected channels.
    Operation(op) {
        const m = this.page.core.m;
        const names = ['Steps.InsertEmptyChannel', 'Steps.DeleteChannels', 'Steps.MoveChannelsUp',
            'Steps.MoveChannelsDown', 'Steps.SortByRx'];
        const channels = this.Channels();
        let result = null;
        this.page.doc.Apply(() => T(names[op]), () => {
            result = JSON.parse(m.ccall('orin_channel_op', 'string', ['number', 'number', 'string'],
                [m._orin_image(), op, channels.join(',')]));
        });
        if (result.refused) {
            this.page.Message(T('InsertRefused'));
        } else if (result.select.length > 0) {
            this.Select(result.select[0] + 1, result.select.at(-1) + 1);
            this.page.grid.MoveTo(result.select[0] + 1, this.page.grid.current.col);
        }
    }

    Paste(text, payload) {
        const { core } = this.page;
        const m = core.m;
        const first = (this.range ? this.range.first : this.page.grid.current.row) - 1;
        let result = null;
        this.page.doc.Apply(() => T('Steps.PasteChannels'), () => {
            result = JSON.parse(m.ccall('orin_clip_paste', 'string', ['number', 'number', 'string', 'string', 'number'],
                [m._orin_image(), first, text ?? '', payload ?? '', core.lang()]));
        });
        if (result.count > 0) {
            this.Select(first + 1, first + result.count);
        } else {
            this.page.Message(result.message, '', result.details);
        }
    }

    // The buttons: the browser's own copy and cut (which fire the events
    // above); a paste reads the clipboard's text.
    async Command(kind) {
        if (kind === 'paste') {
            let text = '';
            try {
                text = await navigator.clipboard.readText();
            } catch {
                text = '';
            }
            this.Paste(text, '');
            return;
        }
        this.fromButton = true;
        try {
            document.execCommand(kind);
        } finally {
            this.fromButton = false;
        }
    }
}

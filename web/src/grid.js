// The channel grid: 128 rows of 14 columns in one ARIA grid, every cell in
// the page. One cell is current (roving tabindex); Enter, F2 or a typed
// character opens its editor, which commits through the core's channel rules.
import { T, IsChinese } from './texts.js';

const Columns = 14;
const ColumnSlackPx = 12; // room for a text a little longer than any shown

export class ChannelGrid {
    // core: the module's wrapped calls; onType(row, column, text, enter)
    // commits a typed cell and returns the refusal message or ''.
    constructor(table, core, hooks) {
        this.table = table;
        this.core = core;
        this.hooks = hooks;
        this.rows = core.channelCount();
        this.current = { row: 1, col: 1 };
        this.editor = null;
        this.Build();
        table.addEventListener('keydown', (e) => this.OnKey(e));
        table.addEventListener('click', (e) => this.OnClick(e));
        table.addEventListener('dblclick', (e) => {
            const cell = e.target.closest('td');
            if (cell && !this.editor) this.StartEdit(null);
        });
    }

    Build() {
        const head = this.table.querySelector('#grid-head');
        head.setAttribute('aria-rowindex', '1');
        for (let c = 0; c < Columns; ++c) {
            const th = document.createElement('th');
            th.setAttribute('role', 'columnheader');
            th.setAttribute('aria-colindex', String(c + 1));
            head.append(th);
        }
        const body = this.table.querySelector('#grid-body');
        const fragment = document.createDocumentFragment();
        this.cells = [];
        for (let r = 1; r <= this.rows; ++r) {
            const tr = document.createElement('tr');
            tr.setAttribute('role', 'row');
            tr.setAttribute('aria-rowindex', String(r + 1));
            const th = document.createElement('th');
            th.setAttribute('role', 'rowheader');
            th.setAttribute('aria-colindex', '1');
            th.textContent = String(r);
            tr.append(th);
            const rowCells = [th];
            for (let c = 1; c < Columns; ++c) {
                const td = document.createElement('td');
                td.setAttribute('role', 'gridcell');
                td.setAttribute('aria-colindex', String(c + 1));
                td.tabIndex = -1;
                td.dataset.row = String(r);
                td.dataset.col = String(c);
                tr.append(td);
                rowCells.push(td);
            }
            this.cells.push(rowCells);
            fragment.append(tr);
        }
        body.append(fragment);
        this.Cell(1, 1).tabIndex = 0;
    }

    Cell(row, col) {
        return this.cells[row - 1][col];
    }

    Relabel() {
        const lang = IsChinese() ? 1 : 0;
        const heads = this.table.querySelectorAll('#grid-head th');
        heads.forEach((th, c) => { th.textContent = this.core.columnTitle(c, lang).trim(); });
        this.RefreshAll();
    }

    RefreshAll() {
        const lang = IsChinese() ? 1 : 0;
        const rows = this.core.gridTexts(lang).split('\x1e');
        for (let r = 1; r <= this.rows; ++r) {
            const texts = rows[r - 1].split('\x1f');
            for (let c = 1; c < Columns; ++c) this.Show(r, c, texts[c - 1]);
        }
        this.FitColumns();
    }

    // Columns that size themselves to their texts make the browser lay out
    // all 1,792 cells again after any one changed (at every commit, and once
    // more where a focus needs the layout). So the columns take the widths
    // their texts give them when all texts are new, and keep them (a fixed
    // table layout) until the next time.
    FitColumns() {
        const heads = [...this.table.querySelectorAll('#grid-head th')];
        this.table.classList.remove('fitted');
        for (const th of heads) th.style.width = '';
        const widths = heads.map((th) => th.getBoundingClientRect().width);
        heads.forEach((th, c) => { th.style.width = `${Math.ceil(widths[c]) + ColumnSlackPx}px`; });
        this.table.classList.add('fitted');
    }

    RefreshRow(row) {
        const lang = IsChinese() ? 1 : 0;
        for (let c = 1; c < Columns; ++c) this.Show(row, c, this.core.cellText(row, c, lang));
    }

    Show(row, col, text) {
        const td = this.Cell(row, col);
        if (td === this.editor?.cell) return;
        if (td.textContent !== text) td.textContent = text;
        const outside = (col === 1 || col === 2) && text !== '' && this.core.outsideBand(row, col);
        td.classList.toggle('outside', !!outside);
        if (outside) {
            td.title = T('Outside the band edges %1-%2 MHz', this.core.bandLower(), this.core.bandUpper());
        } else if (td.title) {
            td.removeAttribute('title');
        }
    }

    MoveTo(row, col, focus = true) {
        row = Math.min(Math.max(row, 1), this.rows);
        col = Math.min(Math.max(col, 1), Columns - 1);
        this.Cell(this.current.row, this.current.col).tabIndex = -1;
        this.current = { row, col };
        const td = this.Cell(row, col);
        td.tabIndex = 0;
        if (!focus) return;
        // Scrolled to in the next frame, when the layout is made anyway:
        // a scroll now would lay out the grid twice.
        td.focus({ preventScroll: true });
        requestAnimationFrame(() => td.scrollIntoView({ block: 'nearest', inline: 'nearest' }));
    }

    Focus() {
        this.Cell(this.current.row, this.current.col).focus();
    }

    OnClick(e) {
        const td = e.target.closest('td');
        if (!td || td === this.editor?.cell) return;
        const target = [Number(td.dataset.row), Number(td.dataset.col)];
        if (this.editor) this.Commit(false, target);
        else this.MoveTo(...target);
    }

    OnKey(e) {
        if (this.editor) return; // the editor's own handler
        const { row, col } = this.current;
        const ctrl = e.ctrlKey || e.metaKey;
        const moves = {
            ArrowUp: [row - 1, col], ArrowDown: [row + 1, col], ArrowLeft: [row, col - 1],
            ArrowRight: [row, col + 1], Home: [ctrl ? 1 : row, 1], End: [ctrl ? this.rows : row, Columns - 1],
            PageUp: [row - 20, col], PageDown: [row + 20, col],
        };
        if (moves[e.key] && !e.altKey) {
            e.preventDefault();
            this.MoveTo(...moves[e.key]);
        } else if (e.key === 'Enter' || e.key === 'F2') {
            e.preventDefault();
            this.StartEdit(null);
        } else if (e.key === 'Delete' && !ctrl) {
            e.preventDefault();
            this.hooks.type(row, col, '', false);
        } else if (e.key.length === 1 && !ctrl && !e.altKey) {
            e.preventDefault();
            this.StartEdit(e.key);
        }
    }

    // Opens the current cell's editor: a list for an option column, a line
    // for the others; typed holds the character that opened it.
    StartEdit(typed) {
        const { row, col } = this.current;
        const td = this.Cell(row, col);
        const lang = IsChinese() ? 1 : 0;
        const options = this.core.columnOptions(col, lang);
        const old = td.textContent;
        let input;
        if (options) {
            input = document.createElement('select');
            for (const entry of options.split('\x1f')) input.add(new Option(entry, entry));
            if (typed) {
                const match = [...input.options].find((o) => o.text.toLowerCase().startsWith(typed.toLowerCase()));
                input.value = match ? match.value : old;
            } else {
                input.value = old;
            }
        } else {
            input = document.createElement('input');
            input.value = typed ?? old;
            input.spellcheck = false;
        }
        input.setAttribute('aria-label', `${this.core.columnTitle(col, lang).trim()} ${row}`);
        this.editor = { cell: td, input, row, col, old };
        td.classList.add('editing');
        td.textContent = '';
        td.append(input);
        input.focus();
        if (input.select && typed === null) input.select();
        input.addEventListener('keydown', (e) => this.OnEditorKey(e));
        input.addEventListener('blur', () => {
            // Leaving the cell commits, unless a message took the focus.
            setTimeout(() => {
                if (this.editor?.input === input && !this.hooks.busy() && document.activeElement !== input) {
                    this.Commit(false);
                }
            }, 0);
        });
    }

    // The keys the editor takes go no further: the grid's own handler would
    // take them again, for the cell the editor has just moved to.
    OnEditorKey(e) {
        const { row, col } = this.editor;
        const handled = ['Escape', 'Enter', 'Tab'].includes(e.key)
            || ((e.key === 'ArrowUp' || e.key === 'ArrowDown') && this.editor.input.tagName === 'INPUT');
        if (handled) e.stopPropagation();
        if (e.key === 'Escape') {
            e.preventDefault();
            this.Close();
            this.MoveTo(row, col);
        } else if (e.key === 'Enter') {
            e.preventDefault();
            this.Commit(true, [row + 1, col]);
        } else if (e.key === 'Tab') {
            e.preventDefault();
            this.Commit(false, [row, col + (e.shiftKey ? -1 : 1)]);
        } else if ((e.key === 'ArrowUp' || e.key === 'ArrowDown') && this.editor.input.tagName === 'INPUT') {
            e.preventDefault();
            this.Commit(false, [row + (e.key === 'ArrowUp' ? -1 : 1), col]);
        }
    }

    // Hands the editor's text to the rules and goes on to the cell next
    // ([row, col]) when they take it. A refused text keeps the editor open
    // with that text (the message is shown); returns whether it closed.
    Commit(enter, next = null) {
        const { input, row, col, old } = this.editor;
        const text = input.value;
        // The focus goes on first, while the grid is as the browser last laid
        // it out: a focus after the grid changed would make it lay out all
        // 1,792 cells at once, and again for the next frame.
        if (next) this.MoveTo(...next);
        if (text === old && !enter) {
            this.Close();
            return true;
        }
        const refusal = this.hooks.type(row, col, text, enter);
        if (refusal) {
            if (next) this.MoveTo(row, col, false);
            this.hooks.refused(refusal).then(() => {
                if (this.editor?.input === input) input.focus();
            });
            return false;
        }
        this.Close();
        return true;
    }

    Close() {
        if (!this.editor) return;
        const { cell, row, col } = this.editor;
        cell.classList.remove('editing');
        this.editor = null;
        cell.textContent = '';
        this.Show(row, col, this.core.cellText(row, col, IsChinese() ? 1 : 0));
    }

    // What is still typed into an editor, put into the document first.
    Flush() {
        return this.editor ? this.Commit(false) : true;
    }
}

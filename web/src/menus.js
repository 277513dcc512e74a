// The page's menu bar, laid out as the window's: File, Edit, Program, View.
// Every item is a button (role=menuitem) that the page's modules wire by its
// id; an item that repeats a toolbar button presses that button and shows its
// text and state. The keyboard is a desktop program's: F10 or Alt+F/E/P/V
// reach the bar, the arrows move, Enter or Space runs, Escape goes back.

// An item of the toolbar's button id, with the keys that run it.
const Same = (button, keys = '') => ({ button, keys });

// [title, Alt+ key, items]; an item is [id, text, keys], a Same(...), '-' or
// a check item [id, text, '', 'check'].
const Menus = [
    ['File', 'f', [
        Same('cmd-new'), Same('cmd-open', 'Ctrl+O'), Same('cmd-save', 'Ctrl+S'), ['cmd-save-as', 'Save As...'], '-',
        ['cmd-import', 'Import Channels...'], ['cmd-export', 'Export Channels...'],
        ['cmd-compare-file', 'Compare With File...'],
    ]],
    ['Edit', 'e', [
        Same('cmd-undo', 'Ctrl+Z'), Same('cmd-redo', 'Ctrl+Y'), '-',
        ['cmd-cut', 'Cut', 'Ctrl+X'], ['cmd-copy', 'Copy', 'Ctrl+C'], ['cmd-paste', 'Paste', 'Ctrl+V'],
        ['cmd-clear', 'Clear', 'Del'], '-',
        ['cmd-insert-channel', 'Insert Empty Channel'], ['cmd-delete-channel', 'Delete Channel'], '-',
        ['cmd-move-up', 'Move Up', 'Ctrl+Shift+Up'], ['cmd-move-down', 'Move Down', 'Ctrl+Shift+Down'],
        ['cmd-sort', 'Sort By Rx Frequency'], '-',
        ['cmd-insert-plan', 'Insert Channel Plan...'],
    ]],
    ['Program', 'p', [
        Same('cmd-read', 'Ctrl+R'), Same('cmd-write'), ['cmd-compare-radio', 'Compare With Radio...'],
        ['verify', 'Verify After Write', '', 'check'], '-',
        ['cmd-features', 'Optional Features'], ['cmd-sidekey', 'Side Key'], '-',
        ['cmd-licence', 'Check Channels Against Licence...'], ['cmd-check', 'Check Connection...'],
    ]],
    ['View', 'v', [Same('cmd-language')]],
];

// Aria's names of the keys shown (aria-keyshortcuts).
const AriaKeys = (keys) => keys.replace('Ctrl', 'Control').replace('Up', 'ArrowUp').replace('Down', 'ArrowDown')
    .replace('Del', 'Delete');

export class MenuBar {
    // bar: the element that becomes the menu bar, before the toolbar.
    constructor(bar) {
        this.bar = bar;
        this.titles = [];
        this.open = null; // the title of the open menu
        this.returnFocus = null; // where the focus was before the bar
        bar.setAttribute('role', 'menubar');
        bar.dataset.label = 'Menu';
        for (const [title, key, items] of Menus) this.Build(title, key, items);
        this.titles[0].tabIndex = 0;
        document.addEventListener('keydown', (e) => this.OnGlobalKey(e));
        document.addEventListener('pointerdown', (e) => { if (this.open && !bar.contains(e.target)) this.Close(false); });
        // Tab, or a click elsewhere, takes the focus out and closes the menu.
        bar.addEventListener('focusout', (e) => {
            if (!bar.contains(e.relatedTarget)) {
                this.Close(false);
                this.returnFocus = null;
            }
        });
    }

    Build(title, key, items) {
        const wrap = document.createElement('div');
        wrap.className = 'menu';
        const head = document.createElement('button');
        head.setAttribute('role', 'menuitem');
        head.setAttribute('aria-haspopup', 'menu');
        head.setAttribute('aria-expanded', 'false');
        head.id = `menu-${title.toLowerCase()}`;
        head.dataset.t = title;
        head.dataset.key = key;
        head.tabIndex = -1;
        const list = document.createElement('div');
        list.setAttribute('role', 'menu');
        list.dataset.label = title;
        list.hidden = true;
        for (const item of items) list.append(this.Item(item));
        head.addEventListener('pointerdown', () => this.Remember());
        head.addEventListener('click', () => (this.open === head ? this.Close(true) : this.Open(head, false)));
        head.addEventListener('pointerenter', () => { if (this.open && this.open !== head) this.Open(head, false); });
        head.addEventListener('keydown', (e) => this.OnTitleKey(e, head));
        list.addEventListener('keydown', (e) => this.OnItemKey(e, head));
        wrap.append(head, list);
        this.bar.append(wrap);
        this.titles.push(head);
    }

    Item(item) {
        if (item === '-') {
            const line = document.createElement('div');
            line.setAttribute('role', 'separator');
            return line;
        }
        const button = document.createElement('button');
        button.tabIndex = -1;
        const text = document.createElement('span');
        const shown = document.createElement('kbd');
        shown.setAttribute('aria-hidden', 'true');
        const [id, source, keys, kind] = item.button ? [`menu-${item.button}`, '', item.keys] : item;
        button.id = id;
        button.setAttribute('role', kind === 'check' ? 'menuitemcheckbox' : 'menuitem');
        if (kind === 'check') button.setAttribute('aria-checked', 'false');
        if (source) text.dataset.t = source;
        shown.textContent = keys;
        if (keys) button.setAttribute('aria-keyshortcuts', AriaKeys(keys));
        button.append(text, shown);
        // The focus goes back first; then the command runs (the page's own
        // handlers, or the toolbar button this item repeats).
        button.addEventListener('click', () => {
            if (kind === 'check') button.setAttribute('aria-checked', String(!Checked(button)));
            this.Close(true);
            if (item.button) document.getElementById(item.button).click();
        });
        if (item.button) button.dataset.for = item.button;
        return button;
    }

    // The items of the toolbar's buttons say what the buttons say now.
    Mirror(list) {
        for (const item of list.querySelectorAll('[data-for]')) {
            const button = document.getElementById(item.dataset.for);
            item.firstChild.textContent = button.textContent;
            item.disabled = button.disabled;
        }
    }

    Open(head, focusFirst, last = false) {
        if (this.open && this.open !== head) this.Close(false);
        const list = head.nextElementSibling;
        this.Mirror(list);
        this.Remember();
        this.open = head;
        head.setAttribute('aria-expanded', 'true');
        list.hidden = false;
        this.Roving(head);
        const items = Items(list);
        (focusFirst ? items.at(last ? -1 : 0) ?? head : head).focus();
    }

    // back: the focus goes back where it was before the menu opened.
    Close(back) {
        const head = this.open;
        if (!head) return;
        head.setAttribute('aria-expanded', 'false');
        head.nextElementSibling.hidden = true;
        this.open = null;
        if (back) this.Leave();
    }

    // Where the focus was before it came to the bar, to go back there.
    Remember() {
        if (!this.returnFocus && !this.bar.contains(document.activeElement)) this.returnFocus = document.activeElement;
    }

    Roving(head) {
        for (const title of this.titles) title.tabIndex = title === head ? 0 : -1;
    }

    // The title next to head (step -1 or 1), opened when a menu is open.
    Beside(head, step) {
        const next = this.titles[(this.titles.indexOf(head) + step + this.titles.length) % this.titles.length];
        if (this.open) this.Open(next, true);
        else {
            this.Roving(next);
            next.focus();
        }
    }

    OnTitleKey(e, head) {
        const keys = {
            ArrowLeft: () => this.Beside(head, -1),
            ArrowRight: () => this.Beside(head, 1),
            ArrowDown: () => this.Open(head, true),
            ArrowUp: () => this.Open(head, true, true),
            Enter: () => this.Open(head, true),
            ' ': () => this.Open(head, true),
            Escape: () => { if (this.open) this.Close(true); else this.Leave(); },
        };
        Take(e, keys);
    }

    OnItemKey(e, head) {
        const items = Items(head.nextElementSibling);
        const at = items.indexOf(document.activeElement);
        const go = (index) => items.at(index % items.length)?.focus();
        const keys = {
            ArrowDown: () => go(at + 1),
            ArrowUp: () => go(at - 1),
            Home: () => go(0),
            End: () => go(-1),
            ArrowLeft: () => this.Beside(head, -1),
            ArrowRight: () => this.Beside(head, 1),
            Escape: () => {
                this.Close(false);
                head.focus();
            },
        };
        Take(e, keys);
    }

    // F10, or Alt with a menu's letter, from anywhere but a dialog.
    OnGlobalKey(e) {
        if (document.querySelector('dialog[open]')) return;
        if (e.key === 'F10' && !e.altKey && !e.ctrlKey && !e.shiftKey) {
            e.preventDefault();
            this.Remember();
            this.Roving(this.titles[0]);
            this.titles[0].focus();
            return;
        }
        if (!e.altKey || e.ctrlKey || e.metaKey) return;
        const head = this.titles.find((t) => e.code === `Key${t.dataset.key.toUpperCase()}`);
        if (!head) return;
        e.preventDefault();
        this.Open(head, true);
    }

    // Back to where the focus was before the bar, or to the grid.
    Leave() {
        const before = this.returnFocus;
        this.returnFocus = null;
        if (before?.isConnected && !this.bar.contains(before)) before.focus();
        else document.getElementById('main').querySelector('[tabindex="0"]')?.focus();
    }
}

// Runs the action keys holds for e's key, and the key goes no further.
function Take(e, keys) {
    if (!keys[e.key]) return;
    e.preventDefault();
    e.stopPropagation();
    keys[e.key]();
}

const Items = (list) => [...list.querySelectorAll('button')].filter((b) => !b.disabled);

export const Checked = (item) => item.getAttribute('aria-checked') === 'true';

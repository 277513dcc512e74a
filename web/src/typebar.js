// The type bar above the grid: radio type, band edges and "Manul Setting",
// each written into the image as one undo step, as the window's bar does.
import { T } from './texts.js';

export class TypeBar {
    // page: { core, doc, Message }
    constructor(root, page) {
        this.page = page;
        const m = page.core.m;
        this.call = {
            read: m.cwrap('orin_typebar', 'string', ['number']),
            setBand: m.cwrap('orin_set_band', 'number', ['number', 'string', 'string']),
            bandMessage: m.cwrap('orin_band_message', 'string', ['number']),
        };
        root.replaceChildren();
        const title = Text('Type Setting', 'legend');
        this.type = document.createElement('select');
        this.type.id = 'type-list';
        this.type.add(new Option('Orin-6140D'));
        this.lower = BandBox('band-lower');
        this.upper = BandBox('band-upper');
        this.manual = document.createElement('select');
        this.manual.id = 'manual-list';
        this.manual.add(new Option('Open'));
        this.manual.add(new Option('Close'));
        this.labels = {
            type: Label('Type', this.type),
            field: Label('Field', this.lower),
            manual: Label('Manul Setting', this.manual),
        };
        const dashes = Text('---', 'span');
        root.append(title, this.labels.type, this.labels.field, dashes, this.upper, this.labels.manual);

        this.type.addEventListener('change', () => this.Write(
            'Steps.EditTypeSetting', (image) => m._orin_set_radio_type(image, this.type.selectedIndex)));
        this.manual.addEventListener('change', () => this.Write(
            'Steps.EditTypeSetting', (image) => m._orin_set_manual(image, this.manual.selectedIndex)));
        for (const box of [this.lower, this.upper]) {
            box.addEventListener('change', () => this.CommitBand());
        }
        this.Relabel();
    }

    Write(step, change) {
        this.page.doc.Apply(() => T(step), () => change(this.page.core.m._orin_image()));
        this.Show();
    }

    // What the band boxes hold, into the image; refused edges give the
    // window's message and the stored edges back.
    CommitBand() {
        let refused = false;
        this.Write('Steps.EditBandEdges', (image) => {
            refused = this.call.setBand(image, this.lower.value.trim(), this.upper.value.trim()) === 2;
        });
        if (refused) this.page.Message(this.call.bandMessage(this.page.core.lang()));
    }

    Show() {
        const bar = JSON.parse(this.call.read(this.page.core.m._orin_image()));
        this.type.selectedIndex = bar.known ? 0 : -1;
        this.manual.selectedIndex = bar.manual ? 0 : 1;
        this.lower.value = String(bar.lower);
        this.upper.value = String(bar.upper);
    }

    // What the boxes hold that is not yet in the image.
    Flush() {
        const bar = JSON.parse(this.call.read(this.page.core.m._orin_image()));
        if (this.lower.value.trim() !== String(bar.lower) || this.upper.value.trim() !== String(bar.upper)) {
            this.CommitBand();
        }
    }

    Relabel() {
        for (const el of this.type.closest('[role=group]').querySelectorAll('[data-t]')) el.textContent = T(el.dataset.t);
        this.type.options[0].text = T('Orin-6140D');
        this.manual.options[0].text = T('Open');
        this.manual.options[1].text = T('Close');
        this.type.setAttribute('aria-label', T('Type'));
        this.manual.setAttribute('aria-label', T('Manul Setting'));
        this.lower.setAttribute('aria-label', `${T('Field')} (${T('lower edge')})`);
        this.upper.setAttribute('aria-label', `${T('Field')} (${T('upper edge')})`);
        this.Show();
    }
}

function Text(source, tag) {
    const el = document.createElement(tag === 'legend' ? 'span' : tag);
    if (tag === 'legend') el.className = 'bar-title';
    el.dataset.t = source;
    el.textContent = T(source);
    return el;
}

function Label(source, control) {
    const label = document.createElement('label');
    label.append(Text(source, 'span'), control);
    return label;
}

function BandBox(id) {
    const box = document.createElement('input');
    box.id = id;
    box.size = 5;
    box.inputMode = 'numeric';
    box.spellcheck = false;
    box.autocomplete = 'off';
    return box;
}

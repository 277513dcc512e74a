// The page's settings calls under Node: what the dialogs show goes out as
// JSON and comes back on OK; unchanged controls must write nothing, whatever
// the bytes hold, and a changed one only its own bytes.
//   node --test web/tests/features.core.test.mjs   (ORIN_WEB_DIST: the built page)
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';
import { pathToFileURL } from 'node:url';

const dist = path.resolve(process.env.ORIN_WEB_DIST ?? 'build-web/dist');
const { default: createOrinCore } = await import(pathToFileURL(path.join(dist, 'orinweb.mjs')));
const m = await createOrinCore({ wasmBinary: fs.readFileSync(path.join(dist, 'orinweb.wasm')) });
const image = () => m.HEAPU8.subarray(m._orin_image(), m._orin_image() + 4096);
const json = (pointer) => JSON.parse(m.UTF8ToString(pointer));

// What the page sends on OK for the controls as they opened, with changes.
function FeaturesShown(fields, change = {}) {
    return Object.entries(fields).map(([key, f]) => {
        let value = 'on' in f ? (f.on ? '1' : '0') : 'text' in f ? f.text : String(f.position);
        if (key in change) value = change[key];
        return `${key}\x1e${value}`;
    }).join('\x1f');
}

function Changed(before) {
    const after = image();
    return [...after.keys()].filter((a) => after[a] !== before[a]);
}

test('OK writes only the controls that changed, whatever the settings bytes hold', () => {
    const odd = { 0x812: 0x1e, 0x813: 0x0c, 0x814: 0x50, 0x81d: 0xbb, 0x830: 0x2a };
    for (const [name, bytes] of [['a new document', {}], ['odd bytes', odd]]) {
        for (const lang of [0, 1]) {
            m._orin_new_document();
            for (const [address, value] of Object.entries(bytes)) image()[Number(address)] = value;
            const before = image().slice();
            const fields = json(m._orin_features_open(m._orin_image(), lang));
            const accept = (shown) => m.ccall('orin_features_accept', 'number', ['number', 'string'], [m._orin_image(), shown]);
            assert.equal(accept(FeaturesShown(fields)), 0, `${name}, language ${lang}: Optional Features unchanged`);
            const keys = m.UTF8ToString(m._orin_sidekey_open(m._orin_image(), lang));
            const lists = JSON.parse(keys);
            const texts = lists.map((l) => (l.position >= 0 ? l.entries[l.position] : ''));
            const acceptKeys = (shown) => m.ccall('orin_sidekey_accept', 'number', ['number', 'string'], [m._orin_image(), shown.join('\x1f')]);
            assert.equal(acceptKeys(texts), 0, `${name}, language ${lang}: Side Key unchanged`);
            assert.deepEqual(Changed(before), []);

            json(m._orin_features_open(m._orin_image(), lang));
            assert.equal(accept(FeaturesShown(fields, { squelch: '3' })), 1);
            const changed = Changed(before);
            assert.ok(changed.includes(0x813) && changed.every((a) => [0x813, 0x817, 0x818].includes(a)),
                `${name}: squelch writes ${changed.map((a) => a.toString(16))}`);
            assert.equal(image()[0x813], 3);

            const after = image().slice();
            m._orin_sidekey_open(m._orin_image(), lang);
            const other = lists[1].entries.find((e) => e !== texts[1]);
            assert.equal(acceptKeys([texts[0], other, texts[2], texts[3]]), 1);
            assert.deepEqual(Changed(after), [0x81d], `${name}: a long press writes its half byte`);
            assert.equal(image()[0x81d] >> 4, after[0x81d] >> 4, 'the short press keeps its code');
        }
    }
});

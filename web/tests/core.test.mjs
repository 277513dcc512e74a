// The core's WebAssembly module under Node: the same channel rules, codec and
// transfer session as the native build, through the page's C interface.
//   node --test web/tests/core.test.mjs   (ORIN_WEB_DIST: the built page)
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';
import { pathToFileURL } from 'node:url';

const dist = path.resolve(process.env.ORIN_WEB_DIST ?? 'build-web/dist');
const { default: createOrinCore } = await import(pathToFileURL(path.join(dist, 'orinweb.mjs')));
const m = await createOrinCore({ wasmBinary: fs.readFileSync(path.join(dist, 'orinweb.wasm')) });
const type = m.cwrap('orin_type', 'number', ['number', 'number', 'string', 'number']);
const cell = m.cwrap('orin_cell_text', 'string', ['number', 'number', 'number']);
const message = (lang) => m.UTF8ToString(m._orin_message(lang));
const image = () => m.HEAPU8.subarray(m._orin_image(), m._orin_image() + 4096);
const Refused = 2;

test('typed cells follow the channel rules: accepted texts, refusals and their messages', () => {
    m._orin_new_document();
    const cases = [
        // row, column, text, Enter, result, the row's texts after (Rx, Tx, Rx Tone, Name)
        { at: [1, 1, '446.00625', 1], result: 1, row: ['446.00625', '446.00625', 'OFF', ''] },
        { at: [1, 1, '999', 1], result: Refused, en: 'Error Data Format', zh: '输入数据错误', row: ['446.00625', '446.00625', 'OFF', ''] },
        { at: [1, 1, '446.003', 0], result: Refused, en: 'step value', zh: '倍数', row: ['446.00625', '446.00625', 'OFF', ''] },
        { at: [1, 3, '88.5', 0], result: 1, row: ['446.00625', '446.00625', '88.5', ''] },
        { at: [1, 3, '12', 0], result: Refused, en: '"12" is not OFF', zh: '“12”', row: ['446.00625', '446.00625', '88.5', ''] },
        { at: [2, 13, 'ABC', 0], result: 0, row: ['', '', '', ''], rowNumber: 2 }, // no frequency, no name
        { at: [1, 13, 'HOME', 0], result: 1, row: ['446.00625', '446.00625', '88.5', 'HOME'] },
        { at: [1, 2, '', 0], result: 1, row: ['446.00625', '', '88.5', 'HOME'] },
    ];
    for (const c of cases) {
        const [row, col, text, enter] = c.at;
        assert.equal(type(row, col, text, enter), c.result, `${text} in column ${col}`);
        if (c.result === Refused) {
            assert.match(message(0), new RegExp(c.en.replace(/[.*+?^${}()|[\]\\]/g, '\\$&')));
            assert.ok(message(1).includes(c.zh), message(1));
        }
        const r = c.rowNumber ?? row;
        assert.deepEqual([1, 2, 3, 13].map((k) => cell(r, k, 0)), c.row, `after ${text}`);
    }
});

test('a channel file goes through the module and back byte for byte; a wrong size is refused', () => {
    m._orin_new_document();
    assert.equal(type(5, 1, '446.1', 1), 1);
    type(5, 13, 'NET', 0);
    const saved = image().slice();
    m.FS.writeFile('/a.sin', saved);
    m._orin_new_document();
    assert.equal(cell(5, 1, 0), '');
    assert.equal(m.ccall('orin_load', 'number', ['string'], ['/a.sin']), 1);
    assert.deepEqual(image().slice(), saved);
    assert.deepEqual([cell(5, 1, 0), cell(5, 13, 0), cell(5, 5, 1)], ['446.10000', 'NET', '宽']);

    m.FS.writeFile('/short.sin', saved.subarray(0, 100));
    assert.equal(m.ccall('orin_load', 'number', ['string'], ['/short.sin']), 0);
    assert.match(message(0), /holds 100 bytes.*exactly 4096 bytes\. Nothing was loaded\./);
    assert.deepEqual(image().slice(), saved, 'a refused file leaves the document');
});

test('the transfer session reads and writes the simulated radio through the page host', async () => {
    const seen = { messages: [], positions: new Set() };
    m.host = {
        status: () => {}, progress: (p) => seen.positions.add(p), cancelRequested: () => false,
        sleep: async () => {}, message: async (text) => seen.messages.push(text.english),
        askRetry: async () => false,
    };
    const run = (direction) => m.ccall('orin_transfer', 'number', ['number', 'number'], [direction, 1], { async: true });
    m._orin_new_document();
    type(9, 1, '462.5625', 1);
    assert.equal(await run(1), 0, 'write completed');
    m._orin_new_document();
    assert.equal(await run(0), 0, 'read completed');
    image().set(m.HEAPU8.subarray(m._orin_other_image(), m._orin_other_image() + 4096));
    assert.equal(cell(9, 1, 0), '462.56250', 'the read brings back what was written');
    assert.ok(seen.positions.has(397));
    assert.deepEqual(seen.messages, []);
});

test('a text takes its arguments in one pass: an argument holding %2 or %1 stays as it is', async () => {
    const { T } = await import(pathToFileURL(path.resolve('web/src/texts.js')));
    assert.equal(T('Cannot read %1: %2', 'a%2b%1.csv', 'no such file'), 'Cannot read a%2b%1.csv: no such file');
    assert.equal(T('Block %1 of %2, %3%', 5, 397, 1), 'Block 5 of 397, 1%');
});

test('a refused import names the file as it is, a %2 in its name included', () => {
    const said = JSON.parse(m.ccall('orin_import_read', 'string', ['number', 'string', 'string', 'number'],
        [m._orin_image(), '', 'a%2b%1.csv', 0]));
    assert.match(said.error, /^a%2b%1\.csv cannot be imported: /);
});

// Puts the web page together: node build-dist.mjs MODULE_DIR DIST_DIR
// - the page's own files from web/src,
// - the core's module (orinweb.mjs, orinweb.wasm) from MODULE_DIR,
// - texts.json: the window's texts in both languages, read from
//   resources/i18n/*.ts (the source text and its translation, without the
//   "&" of a shortcut letter or the key after a tab),
// - the program's icon taken out of resources/windows/orinprog.ico,
// - the service worker with the list of files it keeps and a version that
//   changes with their contents.
import { createHash } from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const [moduleDir, distDir] = process.argv.slice(2);
if (!moduleDir || !distDir) {
    console.error('usage: node build-dist.mjs MODULE_DIR DIST_DIR');
    process.exit(2);
}
const webDir = path.dirname(path.dirname(fileURLToPath(import.meta.url)));
const root = path.dirname(webDir);

fs.rmSync(distDir, { recursive: true, force: true });
fs.mkdirSync(distDir, { recursive: true });
for (const name of fs.readdirSync(path.join(webDir, 'src'))) {
    fs.copyFileSync(path.join(webDir, 'src', name), path.join(distDir, name));
}
for (const name of ['orinweb.mjs', 'orinweb.wasm']) {
    fs.copyFileSync(path.join(moduleDir, name), path.join(distDir, name));
}

// A text as the page shows it: no shortcut letter, no key name.
export function Plain(text) {
    return text.split('\t')[0].replace(/\(&(.)\)/g, '').replace(/&(.)/g, '$1');
}

function Unescape(text) {
    return text
        .replace(/&#x([0-9a-fA-F]+);/g, (_, h) => String.fromCodePoint(parseInt(h, 16)))
        .replace(/&#(\d+);/g, (_, d) => String.fromCodePoint(Number(d)))
        .replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&quot;/g, '"')
        .replace(/&apos;/g, "'").replace(/&amp;/g, '&');
}

// Every message of a .ts file: source => translation.
function Messages(file) {
    const out = new Map();
    const ts = fs.readFileSync(file, 'utf8');
    const pattern = /<source>([\s\S]*?)<\/source>\s*(?:<comment>[\s\S]*?<\/comment>\s*)?<translation[^>]*>([\s\S]*?)<\/translation>/g;
    for (const m of ts.matchAll(pattern)) {
        const source = Unescape(m[1]);
        let translation = Unescape(m[2]);
        const numerus = translation.match(/<numerusform>([\s\S]*?)<\/numerusform>/);
        if (numerus) translation = numerus[1];
        if (!out.has(Plain(source))) out.set(Plain(source), Plain(translation || source));
    }
    return out;
}

const i18n = path.join(root, 'resources', 'i18n');
const texts = {};
for (const name of fs.readdirSync(i18n).filter((n) => n.endsWith('_Chinese.ts')).sort()) {
    const chinese = Messages(path.join(i18n, name));
    const english = Messages(path.join(i18n, name.replace('_Chinese', '_English')));
    for (const [source, zh] of chinese) {
        if (!(source in texts)) texts[source] = [english.get(source) ?? source, zh];
    }
}
fs.writeFileSync(path.join(distDir, 'texts.json'), JSON.stringify(texts));

// The icon file holds PNG images (the Windows build makes it so): the largest
// serves the manifest and the page.
const ico = fs.readFileSync(path.join(root, 'resources', 'windows', 'orinprog.ico'));
let best = null;
for (let i = 0; i < ico.readUInt16LE(4); ++i) {
    const entry = 6 + 16 * i;
    const side = ico[entry] || 256;
    const size = ico.readUInt32LE(entry + 8);
    const offset = ico.readUInt32LE(entry + 12);
    if (!best || side > best.side) best = { side, data: ico.subarray(offset, offset + size) };
}
fs.writeFileSync(path.join(distDir, 'icon.png'), best.data);
const manifestFile = path.join(distDir, 'manifest.webmanifest');
const manifest = JSON.parse(fs.readFileSync(manifestFile, 'utf8'));
manifest.icons = [{ src: 'icon.png', sizes: `${best.side}x${best.side}`, type: 'image/png' }];
fs.writeFileSync(manifestFile, JSON.stringify(manifest, null, 2));

// The service worker keeps every file of the page; its version follows them.
const files = fs.readdirSync(distDir).filter((n) => n !== 'sw.js').sort();
const hash = createHash('sha256');
for (const name of files) hash.update(name).update(fs.readFileSync(path.join(distDir, name)));
const swFile = path.join(distDir, 'sw.js');
fs.writeFileSync(swFile, fs.readFileSync(swFile, 'utf8')
    .replace("'@VERSION@'", JSON.stringify(hash.digest('hex').slice(0, 16)))
    .replace("['@FILES@']", JSON.stringify(['./', ...files])));

// A small static server for the built page on 127.0.0.1:
//   node serve.mjs DIST_DIR [PORT]   (PORT 0: any free port)
// prints the address to open. Web Serial needs https or localhost; this
// serves localhost only.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';

const Types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
    '.css': 'text/css', '.json': 'application/json', '.wasm': 'application/wasm',
    '.png': 'image/png', '.webmanifest': 'application/manifest+json',
};
const Policy = "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; img-src 'self'; " +
    "connect-src 'self'; manifest-src 'self'; worker-src 'self'; object-src 'none'; base-uri 'none'; " +
    "form-action 'none'; frame-ancestors 'none'";

export function Serve(dir, port = 0) {
    const root = path.resolve(dir);
    const server = http.createServer((req, res) => {
        const url = new URL(req.url, 'http://127.0.0.1');
        let file = path.join(root, decodeURIComponent(url.pathname));
        if (!file.startsWith(root)) {
            res.writeHead(403).end();
            return;
        }
        if (file.endsWith(path.sep) || file === root) file = path.join(file, 'index.html');
        fs.readFile(file, (error, data) => {
            if (error) {
                res.writeHead(404).end();
                return;
            }
            res.writeHead(200, {
                'Content-Type': Types[path.extname(file)] ?? 'application/octet-stream',
                'Content-Security-Policy': Policy,
                'Cache-Control': 'no-cache',
            });
            res.end(data);
        });
    });
    return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve(server)));
}

if (import.meta.url === `file://${process.argv[1]}`) {
    const [dir, port] = process.argv.slice(2);
    const server = await Serve(dir ?? '.', Number(port ?? 8640));
    console.log(`http://127.0.0.1:${server.address().port}/`);
}

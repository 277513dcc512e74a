// Keeps every file of the page, so that it opens without a network after the
// first visit. The build writes the list and a version that follows the files.
const version = '@VERSION@';
const files = ['@FILES@'];
const cacheName = `orin-${version}`;

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys()
        .then((keys) => Promise.all(keys.filter((k) => k !== cacheName).map((k) => caches.delete(k))))
        .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') return;
    event.respondWith(caches.open(cacheName).then(async (cache) => {
        const kept = await cache.match(event.request, { ignoreSearch: true });
        return kept ?? fetch(event.request);
    }));
});

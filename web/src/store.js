// The open document kept in the browser's storage (IndexedDB) as the user
// works, so that a closed tab or a crash offers it back on the next visit.
const Name = 'orinprog';
const Store = 'document';

function Open() {
    return new Promise((resolve, reject) => {
        const request = indexedDB.open(Name, 1);
        request.onupgradeneeded = () => request.result.createObjectStore(Store);
        request.onsuccess = () => resolve(request.result);
        request.onerror = () => reject(request.error);
    });
}

async function Run(mode, work) {
    const db = await Open();
    try {
        return await new Promise((resolve, reject) => {
            const tx = db.transaction(Store, mode);
            const request = work(tx.objectStore(Store));
            tx.oncomplete = () => resolve(request?.result);
            tx.onerror = () => reject(tx.error);
        });
    } finally {
        db.close();
    }
}

// { image, saved, name } or undefined.
export function LoadKept() {
    return Run('readonly', (store) => store.get('open')).catch(() => undefined);
}

export function Keep(record) {
    return Run('readwrite', (store) => store.put(record, 'open')).catch(() => undefined);
}

export function Forget() {
    return Run('readwrite', (store) => store.delete('open')).catch(() => undefined);
}

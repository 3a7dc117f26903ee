// What the program keeps between visits: the browser's local storage, each key under "lopena/"
// (the pages of one origin, every file:// page in some browsers, share it). Where the browser
// keeps nothing or refuses (storage turned off, a private window, a file:// page in some
// engines, a full store), the values live in memory for as long as the page does, silently.
const PREFIX = 'lopena/';

// The local storage, if reading it works at all: some engines throw at the mere access.
function local() {
  try {
    const store = window.localStorage;
    store.getItem(PREFIX);
    return store;
  } catch {
    return null;
  }
}

export function pageStorage() {
  const store = local(), memory = new Map();
  const tried = (fn, otherwise = null) => {
    try {
      return store ? fn(store) : otherwise;
    } catch {
      return otherwise;
    }
  };
  return {
    // The text kept under the key, or null.
    get: (key) => (memory.has(key) ? memory.get(key) : tried((s) => s.getItem(PREFIX + key))),
    set(key, value) {
      memory.set(key, value);
      tried((s) => s.setItem(PREFIX + key, value));
    },
    removeAll(prefix) {
      for (const key of [...memory.keys()]) if (key.startsWith(prefix)) memory.delete(key);
      tried((s) => Array.from({ length: s.length }, (_, i) => s.key(i))
        .filter((k) => k.startsWith(PREFIX + prefix)).forEach((k) => s.removeItem(k)));
    },
  };
}

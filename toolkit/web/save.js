// Saving a file: the browser's own Save dialog where it has one (the file then written in place),
// else a name asked on the page and the file downloaded.
import { el } from './dom.js';
import { askFileName } from './dialogs.js';

const picked = new Map(); // save-file handles by the name the C++ side was given

export async function askSave(page, title, description, pattern, prompt, proposed, save, cancel) {
  if (window.showSaveFilePicker) {
    try {
      const handle = await window.showSaveFilePicker({ suggestedName: proposed,
        types: [{ description, accept: { 'text/plain': [pattern.replace('*', '')] } }] });
      picked.set(handle.name, handle);
      return handle.name;
    } catch (e) {
      if (e.name === 'AbortError') return null;
    }
  }
  return askFileName(page, title, prompt, proposed, save, cancel);
}

// Why a file could not be written, said in Romanian; the browser's own words only as a detail.
const REASONS = { NotAllowedError: 'browserul nu a permis scrierea fisierului',
  QuotaExceededError: 'nu mai este loc pentru fisier', NotFoundError: 'dosarul ales nu mai exista',
  NoModificationAllowedError: 'fisierul nu poate fi modificat' };

// null once written, else why not.
export async function writeFile(path, bytes) {
  const handle = picked.get(path);
  picked.delete(path);
  try {
    if (handle) {
      const out = await handle.createWritable();
      await out.write(bytes);
      await out.close();
    } else {
      const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
      el('a', { href: url, download: path }).click();
      setTimeout(() => URL.revokeObjectURL(url), 60000);
    }
    return null;
  } catch (e) {
    const reason = REASONS[e?.name] || 'browserul nu a putut scrie fisierul';
    return e?.message ? `${reason} (detaliu: ${e.message})` : reason;
  }
}

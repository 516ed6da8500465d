// Scenario files in the browser: the file pickers where the browser has them, else a file
// input and a download. The file input `cdlg` takes a chosen file whoever opened it, so that
// the plain way stays open to browsers with the pickers too.
import { download } from "./download";

// One type of file, as the pickers offer it.
export interface FileKind {
    description: string;
    extension: string;  // ".so2"
}

// A file the user chose: its name and bytes; null when the user cancelled.
export interface ChosenFile {
    name: string;
    bytes: Uint8Array;
}

interface PickerHandle {
    name: string;
    getFile(): Promise<File>;
    createWritable(): Promise<{ write(data: Uint8Array): Promise<void>; close(): Promise<void> }>;
}
interface PickerWindow {
    showOpenFilePicker?: (options: object) => Promise<PickerHandle[]>;
    showSaveFilePicker?: (options: object) => Promise<PickerHandle>;
}

function pickerTypes(kind: FileKind): object[] {
    return [{ description: kind.description, accept: { "application/octet-stream": [kind.extension] } }];
}

function cancelled(error: unknown): boolean {
    return error instanceof DOMException && error.name === "AbortError";
}

// Asks for a file to open; `input` receives it when the browser has no picker. `received` runs
// with the chosen file, never on a cancel.
export async function chooseFileToOpen(kind: FileKind, input: HTMLInputElement,
                                       received: (file: ChosenFile) => void): Promise<void> {
    const picker = (window as PickerWindow).showOpenFilePicker;
    if (!picker) {
        input.value = "";
        input.click();
        return;
    }
    let handles: PickerHandle[];
    try {
        handles = await picker.call(window, { types: pickerTypes(kind), multiple: false });
    } catch (error) {
        if (cancelled(error)) return;
        throw error;
    }
    const file = await handles[0]?.getFile();
    if (file) received({ name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) });
}

// Sends each file chosen through `input` to `received`.
export function takeFilesOf(input: HTMLInputElement, received: (file: ChosenFile) => void): void {
    input.addEventListener("change", () => {
        const file = input.files?.[0];
        if (!file) return;
        void file.arrayBuffer().then((buffer) => received({ name: file.name, bytes: new Uint8Array(buffer) }));
    });
}

// A file chosen for saving that could not be written.
export class FileWriteError extends Error {
    constructor(readonly fileName: string) {
        super(`${fileName} could not be written`);
    }
}

// Saves `bytes` under a name the user chooses (the picker), else as a download named
// `suggestedName`. Resolves to the name written, null on a cancel; rejects with a
// FileWriteError when the chosen file cannot be written.
export async function saveFile(kind: FileKind, suggestedName: string, bytes: Uint8Array<ArrayBuffer>): Promise<string | null> {
    const picker = (window as PickerWindow).showSaveFilePicker;
    if (!picker) {
        download(suggestedName, new Blob([bytes], { type: "application/octet-stream" }));
        return suggestedName;
    }
    let handle: PickerHandle;
    try {
        handle = await picker.call(window, { types: pickerTypes(kind), suggestedName });
    } catch (error) {
        if (cancelled(error)) return null;
        throw new FileWriteError(suggestedName);
    }
    try {
        const writable = await handle.createWritable();
        await writable.write(bytes);
        await writable.close();
    } catch {
        throw new FileWriteError(handle.name);
    }
    return handle.name;
}

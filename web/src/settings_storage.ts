// CONFIG2.INI in the browser's storage: the same bytes the desktop keeps in its file, held for
// the visit and written to the storage after each save; the core reads and writes them. A
// browser that refuses its storage (a private window, a full quota, a file opened under strict
// privacy settings) says so once, and the page goes on with the settings of this visit.
import type { KemoraCore } from "./core";
import { ViewLanguage } from "./core_settings";
import type { Language } from "./texts";

const kFileKey = "kemora.CONFIG2.INI";
// Where the page kept its language before the language moved into the file's [VIEW].
const kOldLanguageKey = "kemora.language";
const kChunk = 0x2000;

// The bytes as text of one character per byte, as the storage keeps text.
export function bytesToText(bytes: Uint8Array): string {
    let text = "";
    for (let at = 0; at < bytes.length; at += kChunk) {
        text += String.fromCharCode(...bytes.subarray(at, at + kChunk));
    }
    return text;
}

// The bytes of such a text; null when a character is no byte, which this page never stored.
export function textToBytes(text: string): Uint8Array | null {
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) {
        const code = text.charCodeAt(i);
        if (code > 0xff) return null;
        bytes[i] = code;
    }
    return bytes;
}

export class SettingsStore {
    private file: Uint8Array = new Uint8Array();
    private refused = false;
    private readonly listeners: ((bytes: Uint8Array) => void)[] = [];

    // `onRefused` tells the user, the first time the storage refuses a read or a write.
    constructor(private readonly core: KemoraCore, private readonly onRefused: () => void) {}

    // Reads the stored file. Stored text that holds no bytes counts as no file, whose settings
    // fall back as a missing file's do; so does a storage that cannot be read.
    load(): void {
        try {
            const storage = window.localStorage;
            const text = storage.getItem(kFileKey);
            this.file = (text === null ? null : textToBytes(text)) ?? new Uint8Array();
            const old = storage.getItem(kOldLanguageKey);
            if (old === "ja" || old === "en") {
                this.save(this.core.ViewLanguageIntoIni(this.file, old === "en" ? ViewLanguage.English : ViewLanguage.Japanese));
                storage.removeItem(kOldLanguageKey);
            }
        } catch {
            this.refuse();
        }
        this.tell();
    }

    // The file's bytes; empty when there is none.
    bytes(): Uint8Array {
        return this.file;
    }

    // Keeps `bytes` as the file, for this visit at least.
    save(bytes: Uint8Array): void {
        this.file = bytes;
        this.tell();
        try {
            window.localStorage.setItem(kFileKey, bytesToText(bytes));
        } catch {
            this.refuse();
        }
    }

    // `listener` gets the bytes now and after each change.
    follow(listener: (bytes: Uint8Array) => void): void {
        this.listeners.push(listener);
        listener(this.file);
    }

    // The interface language kept in the file's [VIEW], Japanese when none is.
    language(): Language {
        return this.core.ViewLanguageFromIni(this.file) === ViewLanguage.English ? "en" : "ja";
    }

    saveLanguage(language: Language): void {
        this.save(this.core.ViewLanguageIntoIni(this.file, language === "en" ? ViewLanguage.English : ViewLanguage.Japanese));
    }

    private tell(): void {
        for (const listener of this.listeners) listener(this.file);
    }

    private refuse(): void {
        if (this.refused) return;
        this.refused = true;
        this.onRefused();
    }
}

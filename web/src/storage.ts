// The interface language kept in the browser's storage. A browser that refuses storage (a
// file opened under strict privacy settings) still runs the page, in the language asked for.
import type { Language } from "./texts";

const kLanguageKey = "kemora.language";

function isLanguage(value: string | null): value is Language {
    return value === "ja" || value === "en";
}

export function storedLanguage(): Language | null {
    try {
        const value = window.localStorage.getItem(kLanguageKey);
        return isLanguage(value) ? value : null;
    } catch {
        return null;
    }
}

export function storeLanguage(language: Language): void {
    try {
        window.localStorage.setItem(kLanguageKey, language);
    } catch {
        // Kept for this visit only.
    }
}

// `?lang=en` or `?lang=ja` for this visit, else the stored choice, else Japanese.
export function startLanguage(search: string, stored: Language | null): Language {
    const asked = new URLSearchParams(search).get("lang");
    if (isLanguage(asked)) return asked;
    return stored ?? "ja";
}

// The interface language of a visit. The chosen language itself is kept in CONFIG2.INI's
// [VIEW] (settings_storage.ts), as the desktop keeps it.
import type { Language } from "./texts";

function isLanguage(value: string | null): value is Language {
    return value === "ja" || value === "en";
}

// `?lang=en` or `?lang=ja` for this visit, else the stored choice, else Japanese.
export function startLanguage(search: string, stored: Language | null): Language {
    const asked = new URLSearchParams(search).get("lang");
    if (isLanguage(asked)) return asked;
    return stored ?? "ja";
}

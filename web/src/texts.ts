// The page's words: every text is written as its Japanese source in translations/kemora_en.ts
// and shown in the interface language, so both front ends say the same.

export type Language = "ja" | "en";

let englishOf: Readonly<Record<string, string>> = {};
let current: Language = "ja";

// The English of each Japanese source, taken from the translation file when the page is built.
export function setTranslations(table: Readonly<Record<string, string>>): void {
    englishOf = table;
}

export function setLanguage(language: Language): void {
    current = language;
}

export function language(): Language {
    return current;
}

// `source` in the interface language, "%1", "%2" … replaced by `args` in order.
export function tr(source: string, ...args: (string | number)[]): string {
    return filled(current === "en" ? englishOf[source] ?? source : source, args);
}

function filled(text: string, args: (string | number)[]): string {
    return text.replace(/%(\d)/g, (whole, n: string) => {
        const arg = args[Number(n) - 1];
        return arg === undefined ? whole : String(arg);
    });
}

// `source` as the desktop's `context` words it, where it differs from the page's other
// texts of the same source (build.mjs keeps those under the context's name).
export function trIn(context: string, source: string, ...args: (string | number)[]): string {
    const english = current === "en" ? englishOf[`${context}\u0004${source}`] : undefined;
    return filled(english ?? source, args);
}

// A menu text without its keyboard mark, as a menu shows it: "ファイル(&F)" → "ファイル(F)",
// "&File" → "File"; "&&" is a plain "&".
export function menuText(text: string): string {
    return text.replace(/&(.)/g, "$1");
}

// Names shown the same in both languages, so that whoever cannot read the present language
// still finds the way back; the desktop does not translate them either.
export const kLanguageMenu = "言語 / Language";
export const kLanguageNames: Readonly<Record<Language, string>> = { ja: "日本語", en: "English" };

// What the browser tells of itself, as lines a teacher copies when asking for help. The names
// are the browser's own, the same in both interface languages, so that whoever helps reads
// them alike.

export interface SystemFacts {
    program: string;
    address: string;
    userAgent: string;
    platform: string | null;
    languages: readonly string[];
    screen: { width: number; height: number; colorDepth: number };
    viewport: { width: number; height: number };
    devicePixelRatio: number;
    online: boolean;
    // null where the browser does not tell.
    localStorage: boolean | null;
    storageUsage: { usage: number; quota: number } | null;
    storagePersisted: boolean | null;
    serviceWorker: "none" | "unsupported" | "registered" | "controlling";
}

const kMebibyte = 1024 * 1024;

function mebibytes(bytes: number): string {
    return `${(bytes / kMebibyte).toFixed(1)} MiB`;
}

function told<T>(value: T | null, show: (value: T) => string): string {
    return value === null ? "unknown" : show(value);
}

function yesNo(value: boolean): string {
    return value ? "yes" : "no";
}

export function systemReport(facts: SystemFacts): string {
    const lines: [string, string][] = [
        ["Program", facts.program],
        ["Address", facts.address],
        ["User agent", facts.userAgent],
        ["Platform", told(facts.platform, (platform) => platform || "unknown")],
        ["Languages", facts.languages.length > 0 ? facts.languages.join(", ") : "unknown"],
        ["Screen", `${facts.screen.width} × ${facts.screen.height}, ${facts.screen.colorDepth}-bit colour`],
        ["Window", `${facts.viewport.width} × ${facts.viewport.height}`],
        ["Device pixel ratio", String(facts.devicePixelRatio)],
        ["Online", yesNo(facts.online)],
        ["Local storage", told(facts.localStorage, (usable) => usable ? "usable" : "refused")],
        ["Storage used", told(facts.storageUsage, ({ usage, quota }) => `${mebibytes(usage)} of ${mebibytes(quota)}`)],
        ["Storage persisted", told(facts.storagePersisted, yesNo)],
        ["Offline copy", {
            none: "none (opened as a file)",
            unsupported: "not supported by this browser",
            registered: "registered, not yet in use",
            controlling: "in use",
        }[facts.serviceWorker]],
    ];
    return lines.map(([name, value]) => `${name}: ${value}`).join("\n");
}

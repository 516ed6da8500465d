// Served over http(s), the page is an installable app that keeps itself for visits without a
// network: it names its manifest and icon and registers its service worker, all built beside it.
// Opened as a file it needs neither and asks for nothing.

export const kManifestName = "kemora.webmanifest";
export const kWorkerName = "kemora-sw.js";
export const kIconName = "kemora.svg";

export function servedOverHttp(protocol: string): boolean {
    return protocol === "http:" || protocol === "https:";
}

export function setUpOffline(): void {
    if (!servedOverHttp(location.protocol)) return;
    // The manifest, and the program's icon for the browser's tab, both from beside the page.
    const link = (rel: string, href: string) => {
        const element = document.createElement("link");
        element.rel = rel;
        element.href = href;
        document.head.append(element);
    };
    link("manifest", kManifestName);
    link("icon", kIconName);
    // A browser without service workers, or one that refuses them (private windows), still
    // runs the page; it only needs the network next time.
    navigator.serviceWorker?.register(kWorkerName, { scope: "./" }).catch(() => undefined);
}

// Served over http(s), the page is an installable app that keeps itself for visits without a
// network: it names its manifest and registers its service worker, both built beside it.
// Opened as a file it needs neither and asks for nothing.

export const kManifestName = "kemora.webmanifest";
export const kWorkerName = "kemora-sw.js";

export function servedOverHttp(protocol: string): boolean {
    return protocol === "http:" || protocol === "https:";
}

export function setUpOffline(): void {
    if (!servedOverHttp(location.protocol)) return;
    const link = document.createElement("link");
    link.rel = "manifest";
    link.href = kManifestName;
    document.head.append(link);
    // A browser without service workers, or one that refuses them (private windows), still
    // runs the page; it only needs the network next time.
    navigator.serviceWorker?.register(kWorkerName, { scope: "./" }).catch(() => undefined);
}

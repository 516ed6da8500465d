// The files beside the page that make it an installable web app when it is served over
// http(s): the manifest, the program's icon (the core's drawing, as SVG and as PNGs) and the
// service worker that keeps the page for visits without a network.
import { createHash } from "node:crypto";
import { readFileSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { basename, join } from "node:path";
import { Resvg, initWasm } from "@resvg/resvg-wasm";

const require = createRequire(import.meta.url);

// The main window's frame colour, behind the page while it starts.
const kFrameColour = "#63659c";
// The sizes that browsers ask of an installable app.
const kIconSizes = [192, 512];

export const kManifestName = "kemora.webmanifest";
export const kWorkerName = "kemora-sw.js";

// The icon files by name: the SVG as the core draws it, and PNGs painted from it.
async function iconFiles(svg) {
    await initWasm(readFileSync(require.resolve("@resvg/resvg-wasm/index_bg.wasm")));
    const files = new Map([["kemora.svg", svg]]);
    for (const size of kIconSizes) {
        const picture = new Resvg(svg, { fitTo: { mode: "width", value: size } }).render();
        files.set(`kemora-${size}.png`, picture.asPng());
        picture.free();
    }
    return files;
}

export function manifestText(identity, pageName) {
    const manifest = {
        name: identity.title,
        short_name: identity.title,
        lang: "ja",
        start_url: pageName,
        scope: "./",
        display: "standalone",
        background_color: kFrameColour,
        theme_color: kFrameColour,
        icons: [
            { src: "kemora.svg", sizes: "any", type: "image/svg+xml" },
            ...kIconSizes.map((size) => ({ src: `kemora-${size}.png`, sizes: `${size}x${size}`, type: "image/png" })),
        ],
    };
    return `${JSON.stringify(manifest, null, 2)}\n`;
}

// The service worker: the page and its installing files, cache first. Its cache is named after
// the page's bytes, so a new build installs a new worker, which fills a new cache and drops the
// old ones.
export function workerText(pageName, pageBytes, keptNames) {
    const version = createHash("sha256").update(pageBytes).digest("hex").slice(0, 16);
    return `// Keeps ${pageName} and its installing files for visits without a network.
"use strict";
const cacheName = "kemora-${version}";
const pageName = ${JSON.stringify(pageName)};
const kept = ${JSON.stringify([pageName, ...keptNames])};

self.addEventListener("install", (event) => {
    event.waitUntil(caches.open(cacheName)
        .then((cache) => cache.addAll(kept.map((name) => new Request(name, { cache: "reload" }))))
        .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter((name) => name.startsWith("kemora-") && name !== cacheName)
            .map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

// The name of the kept file that answers a request, or null for anything else.
function keptNameOf(request) {
    if (request.method !== "GET") return null;
    const scope = new URL(self.registration.scope);
    const url = new URL(request.url);
    if (url.origin !== scope.origin || !url.pathname.startsWith(scope.pathname)) return null;
    const name = url.pathname.slice(scope.pathname.length);
    // The page is kept whatever its query asks (?lang=en).
    if (request.mode === "navigate" && name === pageName) return pageName;
    return kept.includes(name) && url.search === "" ? name : null;
}

self.addEventListener("fetch", (event) => {
    const name = keptNameOf(event.request);
    if (name === null) return;
    event.respondWith(caches.open(cacheName)
        .then((cache) => cache.match(name))
        .then((kept) => kept ?? fetch(event.request)));
});
`;
}

// Writes the manifest, the icons and the worker into `folder`, beside the page `pagePath`.
export async function writeOfflineFiles(corePath, pagePath, pageBytes, folder) {
    const core = await require(corePath)();
    const identity = core.AppIdentity();
    const icons = await iconFiles(core.AppIconSvg());
    const pageName = basename(pagePath);
    for (const [name, bytes] of icons) writeFileSync(join(folder, name), bytes);
    writeFileSync(join(folder, kManifestName), manifestText(identity, pageName));
    writeFileSync(join(folder, kWorkerName), workerText(pageName, pageBytes, [kManifestName, ...icons.keys()]));
}

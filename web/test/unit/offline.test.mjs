// The page's offline parts: when it asks for them, which requests its service worker answers
// from the cache, what its manifest names, and the system report of the version dialog.
import assert from "node:assert/strict";
import { test } from "node:test";
import vm from "node:vm";
import { manifestText, workerText } from "../../tools/offline_files.mjs";
import { load } from "./load.mjs";

const offline = await load("offline.ts");
const report = await load("system_report.ts");

test("only a page served over http(s) installs itself", () => {
    for (const [protocol, served] of [["http:", true], ["https:", true], ["file:", false],
                                      ["data:", false], ["blob:", false], ["about:", false]]) {
        assert.equal(offline.servedOverHttp(protocol), served, protocol);
    }
});

// The worker's fetch handler in a sandbox: which requests it answers, and with which kept name.
function workerAnswers(scope) {
    const handlers = {};
    const sandbox = {
        self: { registration: { scope }, addEventListener: (type, handler) => { handlers[type] = handler; } },
        URL,
    };
    vm.runInNewContext(workerText("kemora.html", "page bytes", ["kemora.webmanifest", "kemora-192.png"]), sandbox);
    return (request) => {
        let answered = null;
        const asked = [];
        sandbox.caches = { open: async () => ({ match: async (name) => { asked.push(name); return `kept ${name}`; } }) };
        handlers.fetch({ request, respondWith: (promise) => { answered = promise; } });
        return answered === null ? null : answered.then((body) => body);
    };
}

test("the service worker answers the page and its files from the cache, nothing else", async () => {
    const answer = workerAnswers("http://127.0.0.1:8080/lesson/");
    const get = (url, mode = "no-cors") => ({ method: "GET", url, mode });
    const rows = [
        [get("http://127.0.0.1:8080/lesson/kemora.html", "navigate"), "kept kemora.html"],
        [get("http://127.0.0.1:8080/lesson/kemora.html?lang=en", "navigate"), "kept kemora.html"],
        [get("http://127.0.0.1:8080/lesson/kemora.webmanifest"), "kept kemora.webmanifest"],
        [get("http://127.0.0.1:8080/lesson/kemora-192.png"), "kept kemora-192.png"],
        // Not the worker's: other files, other folders, other sites, other methods.
        [get("http://127.0.0.1:8080/lesson/", "navigate"), null],
        [get("http://127.0.0.1:8080/lesson/other.html", "navigate"), null],
        [get("http://127.0.0.1:8080/kemora.html", "navigate"), null],
        [get("http://127.0.0.1:8080/lesson/sub/kemora.html", "navigate"), null],
        [get("http://example.test/lesson/kemora.html", "navigate"), null],
        [get("http://127.0.0.1:8080/lesson/kemora-192.png?x=1"), null],
        [{ method: "POST", url: "http://127.0.0.1:8080/lesson/kemora.html", mode: "navigate" }, null],
    ];
    for (const [request, expected] of rows) {
        const answered = answer(request);
        assert.equal(answered === null ? null : await answered, expected, `${request.method} ${request.url}`);
    }
});

test("a new page gets a new cache; the same page keeps its cache", () => {
    const cacheOf = (page) => /const cacheName = "(kemora-[0-9a-f]{16})"/.exec(workerText("kemora.html", page, []))?.[1];
    assert.ok(cacheOf("one build"));
    assert.equal(cacheOf("one build"), cacheOf("one build"));
    assert.notEqual(cacheOf("one build"), cacheOf("one build."));
});

test("the manifest starts the page and names its icons", () => {
    const manifest = JSON.parse(manifestText({ title: "Kemora", major: 1, minor: 0, revision: 0 }, "kemora.html"));
    assert.equal(manifest.name, "Kemora");
    assert.equal(manifest.start_url, "kemora.html");
    assert.equal(manifest.scope, "./");
    const pngs = manifest.icons.filter((icon) => icon.type === "image/png").map((icon) => icon.sizes);
    assert.deepEqual(pngs, ["192x192", "512x512"]);
});

const kFacts = {
    program: "Kemora 1.0.0",
    address: "http://127.0.0.1:8080/kemora.html",
    userAgent: "Agent/1.0",
    platform: "Linux",
    languages: ["ja-JP", "en"],
    screen: { width: 1366, height: 768, colorDepth: 24 },
    viewport: { width: 1280, height: 650 },
    devicePixelRatio: 1.25,
    online: false,
    localStorage: true,
    storageUsage: { usage: 3 * 1024 * 1024, quota: 512 * 1024 * 1024 },
    storagePersisted: false,
    serviceWorker: "controlling",
};

test("the system report: one line for each fact, and what the browser did not tell", () => {
    const lines = report.systemReport(kFacts).split("\n");
    for (const line of ["Program: Kemora 1.0.0", "Languages: ja-JP, en", "Screen: 1366 × 768, 24-bit colour",
                        "Window: 1280 × 650", "Device pixel ratio: 1.25", "Online: no",
                        "Storage used: 3.0 MiB of 512.0 MiB", "Storage persisted: no", "Offline copy: in use"]) {
        assert.ok(lines.includes(line), line);
    }
    const unknown = report.systemReport({ ...kFacts, platform: "", languages: [], localStorage: null,
                                          storageUsage: null, storagePersisted: null, serviceWorker: "none" });
    for (const line of ["Platform: unknown", "Languages: unknown", "Local storage: unknown",
                        "Storage used: unknown", "Storage persisted: unknown", "Offline copy: none (opened as a file)"]) {
        assert.ok(unknown.split("\n").includes(line), line);
    }
});

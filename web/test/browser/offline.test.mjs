// The version dialog, and the page served over http(s): installable from its manifest, kept by
// its service worker for a visit without a network, and asking for none of it as a file.
import assert from "node:assert/strict";
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { createServer } from "node:http";
import { tmpdir } from "node:os";
import { dirname, extname, join } from "node:path";
import { after, before, describe, test } from "node:test";
import { workerText } from "../../tools/offline_files.mjs";
import { kBrowsers, launch, openPage, typeVolume } from "./browsers.mjs";

const kTypes = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript",
    ".webmanifest": "application/manifest+json",
    ".png": "image/png",
    ".svg": "image/svg+xml",
};

// Serves the files of `folder` on 127.0.0.1 until `stop()`, which also ends open connections.
async function serve(folder) {
    const server = createServer((request, response) => {
        const name = decodeURIComponent(new URL(request.url, "http://x").pathname.slice(1));
        let body;
        try {
            if (name.includes("/") || name.startsWith(".")) throw new Error("not here");
            body = readFileSync(join(folder, name));
        } catch {
            response.writeHead(404).end();
            return;
        }
        response.writeHead(200, { "Content-Type": kTypes[extname(name)] ?? "application/octet-stream" });
        response.end(body);
    });
    await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
    const { port } = server.address();
    return {
        url: (name) => `http://127.0.0.1:${port}/${name}`,
        stop: () => new Promise((resolve) => {
            server.close(resolve);
            server.closeAllConnections();
        }),
    };
}

// The width and height a PNG's header gives.
function pngSize(bytes) {
    assert.equal(bytes.subarray(1, 4).toString("latin1"), "PNG");
    return `${bytes.readUInt32BE(16)}x${bytes.readUInt32BE(20)}`;
}

if (!process.env.KEMORA_PAGE) throw new Error("KEMORA_PAGE is not set");
const pageFolder = () => dirname(process.env.KEMORA_PAGE);

test("the manifest names icons that exist, at the sizes it says", () => {
    const manifest = JSON.parse(readFileSync(join(pageFolder(), "kemora.webmanifest"), "utf8"));
    assert.equal(manifest.start_url, "kemora.html");
    assert.ok(manifest.icons.length >= 3);
    for (const icon of manifest.icons) {
        const bytes = readFileSync(join(pageFolder(), icon.src));
        if (icon.type === "image/png") assert.equal(pngSize(bytes), icon.sizes, icon.src);
        else assert.match(bytes.toString("utf8"), /^<\?xml[^>]*>\n<svg /, icon.src);
    }
});

for (const kind of kBrowsers) {
    describe(kind.name, { concurrency: false }, () => {
        let browser;
        let folder;
        before(async () => {
            browser = await launch(kind);
            // A copy of the build, so that a test can put a new build in its place.
            folder = mkdtempSync(join(tmpdir(), "kemora-served-"));
            cpSync(pageFolder(), folder, { recursive: true });
        });
        after(async () => {
            await browser?.close();
            if (folder) rmSync(folder, { recursive: true, force: true });
        });

        test("バージョン情報: opened by its menu item, its system report, Esc back to the main window", async () => {
            const { page, errors } = await openPage(browser);
            await typeVolume(page, "300");
            const graphBefore = await page.$eval("#picGrph", (e) => e.getAttribute("aria-description"));
            await page.click("#menu_Help");
            await page.click("#menu_ver");
            await page.waitForSelector("#frmAbout[open]");
            const shown = await page.evaluate(() => Object.fromEntries(
                ["frmAbout_caption", "lblTitle", "lblVersion", "cmdOK", "cmdSysInfo"]
                    .map((id) => [id, document.getElementById(id).textContent])));
            assert.deepEqual(shown, { frmAbout_caption: "Kemoraのﾊﾞｰｼﾞｮﾝ情報", lblTitle: "Kemora",
                                      lblVersion: "ﾊﾞｰｼﾞｮﾝ 1.0.0", cmdOK: "OK", cmdSysInfo: "ｼｽﾃﾑ情報(S)..." });
            assert.equal(await page.evaluate(() => document.activeElement.id), "cmdOK");
            assert.equal(await page.$eval("#txtSysInfo", (e) => e.hidden), true);

            await page.click("#cmdSysInfo");
            await page.waitForFunction(() => !document.getElementById("txtSysInfo").hidden);
            const report = await page.$eval("#txtSysInfo", (e) => e.value);
            const told = await page.evaluate(() => ({ agent: navigator.userAgent, ratio: window.devicePixelRatio,
                                                      width: screen.width, height: screen.height }));
            for (const line of ["Program: Kemora 1.0.0", `User agent: ${told.agent}`,
                                `Device pixel ratio: ${told.ratio}`, "Offline copy: none (opened as a file)"]) {
                assert.ok(report.split("\n").includes(line), `${line}\n---\n${report}`);
            }
            assert.match(report, new RegExp(`^Screen: ${told.width} × ${told.height}, `, "m"));

            // Keys inside the dialog stay there; Esc closes it and the main window is active
            // again: its activation redraws the graph's frame, and the volume field has the focus.
            await page.keyboard.press("Escape");
            await page.waitForFunction(() => !document.getElementById("frmAbout").open);
            assert.equal(await page.evaluate(() => document.activeElement.id), "txtValue");
            await page.waitForFunction((before) =>
                document.getElementById("picGrph").getAttribute("aria-description") !== before, {}, graphBefore);

            // Opened again, in English, without the report of the last time.
            await page.click("#menu_view");
            await page.click("#menu_langEn");
            await page.click("#menu_Help");
            await page.click("#menu_ver");
            await page.waitForSelector("#frmAbout[open]");
            assert.equal(await page.$eval("#frmAbout_caption", (e) => e.textContent), "About Kemora");
            assert.equal(await page.$eval("#lblVersion", (e) => e.textContent), "Version 1.0.0");
            assert.equal(await page.$eval("#txtSysInfo", (e) => e.hidden), true);
            await page.click("#cmdOK");
            await page.waitForFunction(() => !document.getElementById("frmAbout").open);
            // Its title bar's × closes it as well.
            await page.click("#menu_Help");
            await page.click("#menu_ver");
            await page.waitForSelector("#frmAbout[open]");
            await page.click("#frmAbout_closeBox");
            await page.waitForFunction(() => !document.getElementById("frmAbout").open);
            assert.equal(await page.evaluate(() => document.activeElement.id), "txtValue");
            assert.deepEqual(errors, []);
            await page.browserContext().close();
        });

        test("opened as a file: no manifest, no service worker", async () => {
            const { page, errors } = await openPage(browser);
            const asked = await page.evaluate(async () => ({
                links: document.querySelectorAll('link[rel="manifest"], link[rel="icon"]').length,
                workers: navigator.serviceWorker
                    ? (await navigator.serviceWorker.getRegistrations().catch(() => [])).length : 0,
            }));
            assert.deepEqual(asked, { links: 0, workers: 0 });
            // The page's own server is reached for the manifest, its icons and the worker alone.
            const csp = await page.$eval('meta[http-equiv="Content-Security-Policy"]', (m) => m.content);
            const reaching = csp.split(";").map((directive) => directive.trim())
                .filter((directive) => /'self'|\bhttps?:|\*/.test(directive));
            assert.deepEqual(reaching, ["manifest-src 'self'", "img-src 'self'", "worker-src 'self'"]);
            assert.deepEqual(errors, []);
            await page.browserContext().close();
        });

        test("served over http: kept by its service worker, it works with the server gone", async () => {
            const server = await serve(folder);
            let stopped = false;
            const page = await browser.newPage();
            try {
                const errors = [];
                page.on("pageerror", (error) => errors.push(error.message));
                await page.goto(server.url("kemora.html"));
                await page.waitForSelector("body[data-ready=true]");
                await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 20000 });
                if (kind.browser === "chrome") {
                    // The browser itself finds the manifest and reads it without complaint.
                    const cdp = await page.createCDPSession();
                    const manifest = await cdp.send("Page.getAppManifest");
                    assert.equal(manifest.url, server.url("kemora.webmanifest"));
                    assert.deepEqual(manifest.errors, []);
                    const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
                    assert.deepEqual(installabilityErrors, []);
                }
                await typeVolume(page, "300");
                const online = await page.$eval("#txtAturyoku", (e) => e.value);
                assert.match(online, /^[0-9.]+$/);
                assert.notEqual(online, "0");

                await server.stop();
                stopped = true;
                await assert.rejects(fetch(server.url("kemora.html")));
                await page.reload();
                await page.waitForSelector("body[data-ready=true]");
                await typeVolume(page, "300");
                assert.equal(await page.$eval("#txtAturyoku", (e) => e.value), online);
                assert.deepEqual(errors, []);
            } finally {
                if (!stopped) await server.stop();
                await page.close();
            }
        });

        test("a new build served in the old one's place replaces the kept copy", async () => {
            const server = await serve(folder);
            const page = await browser.newPage();
            try {
                await page.goto(server.url("kemora.html"));
                await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 20000 });
                const keptNames = () => page.evaluate(() => caches.keys());
                const [old] = await keptNames();
                // The new build: other page bytes and the worker they give, keeping the same files.
                const built = readFileSync(join(folder, "kemora.html"), "utf8").replace("</body>", "<!-- new build -->\n</body>");
                const worker = readFileSync(join(folder, "kemora-sw.js"), "utf8");
                const kept = JSON.parse(/^const kept = (.*);$/m.exec(worker)[1]).slice(1);
                writeFileSync(join(folder, "kemora.html"), built);
                writeFileSync(join(folder, "kemora-sw.js"), workerText("kemora.html", built, kept));
                await page.evaluate(() => navigator.serviceWorker.ready.then((r) => r.update()));
                await page.waitForFunction((name) => caches.keys().then((names) => names.length === 1 && names[0] !== name),
                                           { timeout: 20000 }, old);
                await page.reload();
                await page.waitForSelector("body[data-ready=true]");
                assert.equal(await page.evaluate(() => document.body.innerHTML.includes("new build")), true);
            } finally {
                await server.stop();
                await page.close();
            }
        });
    });
}

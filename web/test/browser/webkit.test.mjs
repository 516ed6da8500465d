// WebKit, the engine of every iPad browser: Debian's WebKitWebDriver drives the MiniBrowser of
// libwebkit2gtk-4.1 on a virtual display. It opens the page by file:// and types one volume.
import assert from "node:assert/strict";
import { spawn } from "node:child_process";
import { once } from "node:events";
import { createServer } from "node:net";
import { after, before, test } from "node:test";
import { pageUrl } from "./browsers.mjs";

const kMiniBrowser = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser";
const children = [];
let driver;
let session;

async function freePort() {
    const server = createServer().listen(0, "127.0.0.1");
    await once(server, "listening");
    const { port } = server.address();
    server.close();
    return port;
}

// A virtual display of its own; Xvfb writes the display's number once it is ready.
async function startDisplay() {
    const xvfb = spawn("Xvfb", ["-displayfd", "1", "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                       { stdio: ["ignore", "pipe", "ignore"] });
    children.push(xvfb);
    const [data] = await once(xvfb.stdout, "data");
    return `:${data.toString().trim()}`;
}

async function call(method, path, body) {
    const response = await fetch(`${driver}${path}`, {
        method,
        headers: { "content-type": "application/json" },
        body: body === undefined ? undefined : JSON.stringify(body),
    });
    const reply = await response.json();
    if (!response.ok) throw new Error(`${method} ${path}: ${JSON.stringify(reply.value)}`);
    return reply.value;
}

async function until(condition, what) {
    for (let i = 0; i < 100; ++i) {
        if (await condition()) return;
        await new Promise((resolve) => setTimeout(resolve, 100));
    }
    throw new Error(`timed out waiting for ${what}`);
}

before(async () => {
    const display = await startDisplay();
    const port = await freePort();
    const webDriver = spawn("WebKitWebDriver", [`--port=${port}`], {
        env: { ...process.env, DISPLAY: display },
        stdio: "ignore",
    });
    children.push(webDriver);
    driver = `http://127.0.0.1:${port}`;
    await until(async () => fetch(`${driver}/status`).then(() => true, () => false), "WebKitWebDriver");
    const created = await call("POST", "/session", {
        capabilities: { alwaysMatch: { "webkitgtk:browserOptions": { binary: kMiniBrowser, args: ["--automation"] } } },
    });
    session = `/session/${created.sessionId}`;
});

after(async () => {
    if (session) await call("DELETE", session).catch(() => {});
    for (const child of children.reverse()) child.kill();
});

test("WebKit opens the page and shows one volume's pressure", async () => {
    await call("POST", `${session}/url`, { url: pageUrl() });
    const run = (script) => call("POST", `${session}/execute/sync`, { script, args: [] });
    await until(async () => (await run("return document.body.dataset.ready")) === "true", "the page");
    const field = await call("POST", `${session}/element`, { using: "css selector", value: "#txtValue" });
    const element = Object.values(field)[0];
    await call("POST", `${session}/element/${element}/clear`, {});
    await call("POST", `${session}/element/${element}/value`, { text: "150" });
    // Water at 30 °C, the settings' start: on the plateau the pressure is its vapor pressure.
    assert.equal(await run("return document.getElementById('txtAturyoku').value"), "36.9");
    assert.equal(await run("return document.title"), "蒸気圧曲線　-　");
});

// 初期設定 and CONFIG2.INI in Debian's Chromium and Firefox ESR: the dialog driven by the
// desktop's objectNames, the file in the browser's storage, and its import and export compared
// byte for byte with the file the desktop's settings dialog saves (tests/web/desktop_settings).
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { after, before, describe, test } from "node:test";
import { kBrowsers, kMenuHeight, launch, pageUrl, typeVolume } from "./browsers.mjs";

// Built beside the desktop's pictures tool unless named.
const pictures = process.env.KEMORA_DESKTOP_PICTURES;
const tool = process.env.KEMORA_DESKTOP_SETTINGS ?? (pictures && join(dirname(pictures), "desktop_settings"));
if (!tool) throw new Error("KEMORA_DESKTOP_SETTINGS or KEMORA_DESKTOP_PICTURES must be set");
const kFileKey = "kemora.CONFIG2.INI";

const folder = mkdtempSync(join(tmpdir(), "kemora-settings-"));

// The bytes the desktop's settings dialog saves into a file that held `seed`, for the texts
// typed into its fields (mol, temperature, unit index, volume axis, pressure axis), then the
// language saved by its menu.
function desktopFile(name, seed, fields, language) {
    const path = join(folder, name);
    if (seed !== null) writeFileSync(path, seed);
    execFileSync(tool, [path, ...fields, ...(language ? [language] : [])], { stdio: "pipe" });
    return readFileSync(path);
}

// A new tab whose scripts see `setUp` run before the page's own.
async function open(browser, setUp = null, query = "") {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    const errors = [];
    page.on("pageerror", (error) => errors.push(error.message));
    await page.setViewport({ width: 800, height: 559 + kMenuHeight });
    if (setUp) await page.evaluateOnNewDocument(setUp);
    // Every message box shown, counted across the page's life.
    await page.evaluateOnNewDocument(() => {
        const showModal = HTMLDialogElement.prototype.showModal;
        window.messagesShown = [];
        HTMLDialogElement.prototype.showModal = function () {
            if (this.id === "msgBox") window.messagesShown.push(this.querySelector("#msgBox_text").textContent);
            return showModal.call(this);
        };
    });
    await page.goto(pageUrl(query));
    await page.waitForSelector("body[data-ready=true]");
    return { page, errors, close: () => context.close() };
}

async function reload(page) {
    await page.reload();
    await page.waitForSelector("body[data-ready=true]");
}

async function openSettings(page) {
    await page.click("#menu_File");
    await page.click("#menu_Init");
    await page.waitForSelector("#frmSystem[open]");
}

const kFieldIds = ["txtMol", "txtContainer", "cmbPressUnit", "txtGrphWMin", "txtGrphWMax", "txtPressWMin", "txtPressWMax"];

// The dialog's fields, the unit as its entry's position.
function fields(page) {
    return page.evaluate((ids) => ids.map((id) => {
        const element = document.getElementById(id);
        return element instanceof HTMLSelectElement ? String(element.selectedIndex) : element.value;
    }), kFieldIds);
}

// Puts `values` into the dialog's fields as a person does: each text selected and typed over.
async function enter(page, values) {
    for (const [i, id] of kFieldIds.entries()) {
        if (id === "cmbPressUnit") {
            await page.select("#cmbPressUnit", await page.$eval("#cmbPressUnit", (s, n) => s.options[n].value, Number(values[i])));
            continue;
        }
        await page.focus(`#${id}`);
        await page.$eval(`#${id}`, (field) => field.select());
        await page.keyboard.press("Backspace");
        await page.keyboard.type(values[i]);
    }
}

async function closeMessage(page) {
    const text = await page.$eval("#msgBox[open] #msgBox_text", (e) => e.textContent);
    await page.click("#msgBox_ok");
    await page.waitForFunction(() => !document.getElementById("msgBox"));
    return text;
}

function stored(page) {
    return page.evaluate((key) => {
        const text = localStorage.getItem(key);
        return text === null ? null : Array.from(text, (c) => c.charCodeAt(0));
    }, kFileKey);
}

// The bytes of the download that the export offers, and its name.
async function exported(page) {
    await page.evaluate(() => {
        window.download = null;
        const createObjectURL = URL.createObjectURL;
        URL.createObjectURL = (blob) => {
            window.download = { blob };
            return createObjectURL(blob);
        };
        HTMLAnchorElement.prototype.click = function () {
            window.download.name = this.download;
        };
    });
    await page.click("#menu_File");
    await page.click("#menu_exportConfig");
    return page.evaluate(async () => ({
        name: window.download.name,
        bytes: Array.from(new Uint8Array(await window.download.blob.arrayBuffer())),
    }));
}

async function importFile(page, path) {
    assert.equal(await page.$eval("#menu_importConfig", (e) => e.disabled), false);
    const input = await page.$("#fileConfig");
    await input.uploadFile(path);
}

const mainShows = (page) => page.evaluate(() => ({
    unit: document.getElementById("lblPress").textContent,
    pressure: document.getElementById("txtAturyoku").value,
    volume: document.getElementById("Label1_0").textContent,
}));

after(() => rmSync(folder, { recursive: true, force: true }));

for (const kind of kBrowsers) {
    describe(kind.name, { concurrency: false }, () => {
        let browser;
        before(async () => {
            browser = await launch(kind);
        });
        after(async () => {
            await browser?.close();
        });

        test("初期設定 from its menu: a change reaches the main window and survives a reload", async () => {
            const { page, errors, close } = await open(browser);
            await typeVolume(page, "200");
            const fallback = await mainShows(page);
            assert.equal(fallback.unit, "mmHg");
            await openSettings(page);
            // No file yet: the fallbacks, and the focus in the first field.
            assert.deepEqual(await fields(page), ["1", "30", "0", "-50", "150", "0", "800"]);
            assert.equal(await page.evaluate(() => document.activeElement.id), "txtMol");
            await enter(page, ["2", "25", "1", "0", "300", "0", "2"]);
            await page.click("#cmdClose");
            await page.waitForFunction(() => !document.getElementById("frmSystem").open);
            // The main window took the saved file up at once: a pressure in atm, with the
            // decimals of atm, for 25 °C.
            await typeVolume(page, "200");
            const changed = await mainShows(page);
            assert.equal(changed.unit, "atm");
            assert.match(changed.pressure, /^\d+\.\d{3}$/);
            assert.notEqual(changed.pressure, fallback.pressure);
            await reload(page);
            await typeVolume(page, "200");
            assert.deepEqual(await mainShows(page), changed);
            await openSettings(page);
            assert.deepEqual(await fields(page), ["2", "25", "1", "0", "300", "0", "2"]);
            assert.deepEqual(await page.evaluate(() => window.messagesShown), []);
            assert.deepEqual(errors, []);
            await close();
        });

        test("初期設定: byte limits, checks with their message, 初期値, the close box and Esc", async () => {
            const { page, close } = await open(browser);
            await openSettings(page);
            const typed = [
                // [field, keys typed after the text is cleared, text kept]
                ["txtMol", "1234", "123"],
                ["txtMol", "１２", "１"],
                ["txtContainer", "１2", "１2"],
                ["txtPressWMax", "10000", "1000"],
            ];
            for (const [id, keys, kept] of typed) {
                await page.$eval(`#${id}`, (field) => { field.value = ""; field.dispatchEvent(new Event("input")); });
                await page.focus(`#${id}`);
                await page.keyboard.type(keys);
                assert.equal(await page.$eval(`#${id}`, (e) => e.value), kept, `${id} ${keys}`);
            }
            // What the page puts in stays whole, and can be shortened but not lengthened.
            await page.click("#cmdDefault");
            assert.deepEqual(await fields(page), ["1", "27", "0", "0", "700", "0", "800"]);
            await page.$eval("#txtPressWMax", (field) => { field.value = "1013.25"; });
            await page.$eval("#cmdDefault", (b) => b.click());
            // The topmost unusable field is named, and gets the focus; nothing is saved.
            await enter(page, ["1", "x", "0", "0", "700", "0", "abc"]);
            await page.click("#cmdClose");
            assert.equal(await closeMessage(page), "温度（℃）に数値を入力してください。");
            assert.equal(await page.evaluate(() => document.activeElement.id), "txtContainer");
            assert.equal(await page.$eval("#frmSystem", (d) => d.open), true);
            assert.equal(await stored(page), null);
            // The close box saves nothing, and the main window goes on with the file's values.
            await enter(page, ["1", "27", "2", "0", "700", "0", "800"]);
            await page.click("#frmSystem_closeBox");
            assert.equal(await page.$eval("#frmSystem", (d) => d.open), false);
            assert.equal(await stored(page), null);
            assert.equal((await mainShows(page)).unit, "mmHg");
            // Esc is "閉じる": checked, saved, closed.
            await openSettings(page);
            await enter(page, ["1", "27", "2", "0", "700", "0", "800"]);
            await page.keyboard.press("Escape");
            await page.waitForFunction(() => !document.getElementById("frmSystem").open);
            await page.waitForFunction(() => document.getElementById("lblPress").textContent === "hPa");
            // In English: a number past 32 bits, and a unit list with no entry chosen (a unit
            // that came from a hand-edited file), whose name the messages word their own way.
            await page.click("#menu_view");
            await page.click("#menu_langEn");
            await openSettings(page);
            const english = [
                ["#txtGrphWMin", (field) => { field.value = "3e10"; }, "The number for the graph's lowest volume is out of range.", "txtGrphWMin"],
                ["#cmbPressUnit", (list) => { list.selectedIndex = -1; }, "Choose a pressure unit.", "cmbPressUnit"],
            ];
            for (const [selector, change, message, focused] of english) {
                await enter(page, ["1", "27", "2", "0", "700", "0", "800"]);
                await page.$eval(selector, change);
                await page.click("#cmdClose");
                assert.equal(await closeMessage(page), message);
                assert.equal(await page.evaluate(() => document.activeElement.id), focused);
            }
            assert.equal(await page.$eval("#frmSystem_title", (e) => e.textContent), "Settings");
            assert.equal(await page.$eval("#txtMol", (e) => e.getAttribute("aria-label")), "the amount (mol)");
            await close();
        });

        test("CONFIG2.INI import and export, byte for byte with the desktop's file", async () => {
            // A class's file: a comment in code page 932 ("; 3年2組") the desktop keeps.
            const seed = Buffer.from([0x3b, 0x20, 0x33, 0x94, 0x4e, 0x32, 0x91, 0x67, 0x0d, 0x0a]);
            const fields0 = ["2", "25", "2", "0", "300", "900", "1100"];
            const desktop = desktopFile("class.ini", seed, fields0, "en");
            const { page, errors, close } = await open(browser);
            await importFile(page, join(folder, "class.ini"));
            await page.waitForFunction(() => document.getElementById("lblPress").textContent === "hPa");
            // The file's language is the page's now, and its settings fill the dialog.
            assert.equal((await mainShows(page)).volume, "Volume");
            await openSettings(page);
            assert.deepEqual(await fields(page), fields0);
            await page.click("#frmSystem_closeBox");
            assert.deepEqual(await stored(page), [...desktop]);
            const out = await exported(page);
            assert.equal(out.name, "CONFIG2.INI");
            assert.deepEqual(out.bytes, [...desktop]);
            // It stays after a reload.
            await reload(page);
            assert.equal((await mainShows(page)).unit, "hPa");
            assert.deepEqual((await exported(page)).bytes, [...desktop]);
            assert.deepEqual(errors, []);
            await close();

            // The same steps in a page without a file give the desktop's bytes for them.
            const fresh = desktopFile("fresh.ini", null, ["1", "20", "1", "-10", "200", "0", "1.5"], "en");
            const second = await open(browser);
            await openSettings(second.page);
            await enter(second.page, ["1", "20", "1", "-10", "200", "0", "1.5"]);
            await second.page.click("#cmdClose");
            await second.page.click("#menu_view");
            await second.page.click("#menu_langEn");
            assert.deepEqual((await exported(second.page)).bytes, [...fresh]);
            await second.close();
        });

        test("a file that is not CONFIG2.INI, or too large, is refused and changes nothing", async () => {
            const { page, close } = await open(browser);
            const scenario = join(folder, "lesson.so2");
            writeFileSync(scenario, Buffer.alloc(2380, 0x01));
            const large = join(folder, "large.ini");
            writeFileSync(large, Buffer.concat([Buffer.from("[DATA]\r\nmol=3\r\n"), Buffer.alloc(70000, 0x20)]));
            const text = join(folder, "notes.txt");
            writeFileSync(text, "temperature 30\r\n");
            await openSettings(page);
            await enter(page, ["1", "27", "1", "0", "700", "0", "800"]);
            await page.click("#cmdClose");
            const before = await stored(page);
            const rows = [
                [scenario, "lesson.so2は設定ファイル（CONFIG2.INI）ではありません。設定は変わっていません。"],
                [large, "large.iniは設定ファイルとしては大きすぎます。設定は変わっていません。"],
                [text, "notes.txtは設定ファイル（CONFIG2.INI）ではありません。設定は変わっていません。"],
            ];
            for (const [path, message] of rows) {
                await importFile(page, path);
                await page.waitForSelector("#msgBox[open]");
                assert.equal(await closeMessage(page), message);
                assert.deepEqual(await stored(page), before);
                assert.equal((await mainShows(page)).unit, "atm");
            }
            await close();
        });

        test("a damaged stored file falls back key by key, as a damaged file on disk does", async () => {
            const rows = [
                // [stored text, the dialog's fields]
                ["[DATA]\r\nmol=abc\r\ntemperature=20\r\npressureUnit=1\r\ngrphHMax=\r\n", ["1", "20", "1", "-50", "150", "0", "800"], "atm"],
                ["\u3042\u3044 no bytes", ["1", "30", "0", "-50", "150", "0", "800"], "mmHg"],
                ["\x00\x01\x02\xff", ["1", "30", "0", "-50", "150", "0", "800"], "mmHg"],
            ];
            for (const [text, shown, unit] of rows) {
                const { page, errors, close } = await open(browser);
                await page.evaluate((key, value) => localStorage.setItem(key, value), kFileKey, text);
                await reload(page);
                assert.equal((await mainShows(page)).unit, unit, JSON.stringify(text));
                await openSettings(page);
                assert.deepEqual(await fields(page), shown, JSON.stringify(text));
                // Saving over it works.
                await page.click("#cmdClose");
                await page.waitForFunction(() => !document.getElementById("frmSystem").open);
                assert.deepEqual(await page.evaluate(() => window.messagesShown), []);
                assert.deepEqual(errors, []);
                await close();
            }
        });

        test("the language an earlier page kept on its own moves into the file's [VIEW]", async () => {
            const { page, errors, close } = await open(browser);
            await page.evaluate((key) => {
                localStorage.setItem(key, "[DATA]\r\nmol=3\r\n");
                localStorage.setItem("kemora.language", "en");
            }, kFileKey);
            await reload(page);
            assert.equal((await mainShows(page)).volume, "Volume");
            assert.equal(String.fromCharCode(...await stored(page)), "[DATA]\r\nmol=3\r\n[VIEW]\r\nlanguage=en\r\n");
            assert.equal(await page.evaluate(() => localStorage.getItem("kemora.language")), null);
            assert.deepEqual(errors, []);
            await close();
        });

        const refusals = [
            { name: "forbidden", failing: ["getItem", "setItem", "removeItem"], error: "SecurityError", atStart: true },
            { name: "full", failing: ["setItem"], error: "QuotaExceededError", atStart: false },
        ];
        for (const refusal of refusals) {
            test(`storage ${refusal.name}: one message, and the page works with the visit's settings`, async () => {
                const { page, errors, close } = await open(browser, `(() => {
                    for (const name of ${JSON.stringify(refusal.failing)}) {
                        Storage.prototype[name] = () => { throw new DOMException("refused", ${JSON.stringify(refusal.error)}); };
                    }
                })()`, "?lang=en");
                const kMessage = "This browser does not let the page keep its settings. Settings you change last until the page is closed.";
                if (refusal.atStart) {
                    await page.waitForSelector("#msgBox[open]");
                    assert.equal(await closeMessage(page), kMessage);
                }
                for (const unit of ["1", "2"]) {
                    await openSettings(page);
                    await enter(page, ["1", "27", unit, "0", "700", "0", "800"]);
                    await page.click("#cmdClose");
                    if (!refusal.atStart && unit === "1") assert.equal(await closeMessage(page), kMessage);
                    await page.waitForFunction(() => !document.getElementById("frmSystem").open);
                }
                // The main window's activation follows the dialog's close event, a task of its own.
                await page.waitForFunction(() => document.getElementById("lblPress").textContent === "hPa");
                await typeVolume(page, "100");
                assert.notEqual((await mainShows(page)).pressure, "0");
                assert.deepEqual(await page.evaluate(() => window.messagesShown), [kMessage]);
                assert.deepEqual(errors, []);
                await close();
            });
        }
    });
}

// The page's small pure parts: keys, the timer's count, the fit, the language's start, words.
import assert from "node:assert/strict";
import { test } from "node:test";
import { load } from "./load.mjs";

const keys = await load("keys.ts");
const ticker = await load("ticker.ts");
const fit = await load("fit.ts");
const storage = await load("storage.ts");
const texts = await load("texts.ts");

const press = (key, mods = {}) => ({ key, ctrlKey: false, altKey: false, shiftKey: false, metaKey: false, ...mods });

test("keys: the core's virtual-key codes, 0 for keys it does not route", () => {
    for (const [key, code] of [["Enter", 13], [" ", 32], ["PageUp", 33], ["PageDown", 34],
                               ["ArrowUp", 38], ["ArrowRight", 39], ["ArrowDown", 40],
                               ["ArrowLeft", 37], ["a", 0], ["F5", 0], ["Tab", 0]]) {
        assert.equal(keys.keyCodeOf(key), code, key);
    }
});

test("keys: the page's commands, and the keys the browser keeps", () => {
    const rows = [
        [press("F5"), "scenarioMode"], [press("F6"), "graphVisible"], [press("F7"), "graphClear"],
        [press("Pause"), "pause"], [press("p", { ctrlKey: true }), "pause"],
        [press("P", { ctrlKey: true }), "pause"], [press("r", { ctrlKey: true }), "reset"],
        [press("r", { metaKey: true }), "reset"],
        // Not the page's: with other modifiers, or the browser's own keys.
        [press("F5", { ctrlKey: true }), null], [press("F5", { shiftKey: true }), null],
        [press("r"), null], [press("p", { ctrlKey: true, shiftKey: true }), null],
        [press("t", { ctrlKey: true }), null], [press("n", { ctrlKey: true }), null],
        [press("w", { ctrlKey: true }), null], [press("F11"), null], [press("ArrowDown"), null],
    ];
    for (const [event, command] of rows) assert.equal(keys.commandOf(event), command, JSON.stringify(event));
});

test("timer: ticks due per frame at a 16 ms interval", () => {
    const rows = [
        // since, now, ticks, next since
        [0, 10, 0, 0], [0, 16, 1, 16], [0, 31.9, 1, 16], [0, 32, 2, 32], [100, 164, 4, 164],
        // A late frame (a stall, a tab shown again) runs a few ticks and starts afresh.
        [0, 81, 4, 81], [0, 5000, 4, 5000],
        // A clock that goes back runs nothing.
        [100, 90, 0, 100],
    ];
    for (const [since, now, ticks, next] of rows) {
        assert.deepEqual(ticker.ticksDue(since, now, 16), { ticks, since: next }, `${since} → ${now}`);
    }
});

test("fit: the largest factor that fits the viewport, in thousandths", () => {
    const rows = [
        // CSS width, height, device pixel ratio → factor
        [800, 559, 1, 1], [1024, 768 - 25, 1, 1.28], [1920, 1080 - 25, 1, 1.887],
        [1024, 768 - 25, 2, 2.56], [1920, 1080 - 25, 2, 3.774], [768, 1024 - 25, 1, 0.96],
        [1366, 768 - 25, 1.25, 1.661],
        // Nothing to show in still gives a factor the core accepts.
        [0, 0, 1, 0.001],
    ];
    for (const [width, height, ratio, factor] of rows) {
        const got = fit.fitFactor({ width, height, devicePixelRatio: ratio });
        assert.equal(got, factor, `${width}×${height}@${ratio}`);
        assert.ok(Math.round(800 * got) <= Math.max(1, width * ratio), "fits the width");
    }
});

test("fit: the stage starts on a whole device pixel", () => {
    for (const [available, device, ratio, start] of [[1024, 1024, 1, 0], [1024, 1000, 1, 12],
                                                     [1024, 1001, 1, 11], [500, 999, 2, 0], [500, 997, 2, 0.5],
                                                     [400, 1000, 1, 0]]) {
        const got = fit.centredStart(available, device, ratio);
        assert.equal(got, start, `${available} ${device} ${ratio}`);
        assert.equal(Number.isInteger(got * ratio), true);
    }
});

test("language: ?lang first, then the stored choice, then Japanese", () => {
    for (const [search, stored, language] of [["?lang=en", null, "en"], ["?lang=ja", "en", "ja"],
                                             ["", "en", "en"], ["", null, "ja"], ["?lang=fr", "en", "en"],
                                             ["?x=1&lang=en", "ja", "en"], ["?lang=EN", null, "ja"]]) {
        assert.equal(storage.startLanguage(search, stored), language, `${search} ${stored}`);
    }
});

test("words: translated with arguments, menus without their marks", () => {
    texts.setTranslations({ "圧力（%1）": "Pressure (%1)", "液体 %1 層、気体 %2 層": "Liquid: %1 layers, vapor: %2 layers" });
    texts.setLanguage("ja");
    assert.equal(texts.tr("圧力（%1）", "atm"), "圧力（atm）");
    texts.setLanguage("en");
    assert.equal(texts.tr("圧力（%1）", "atm"), "Pressure (atm)");
    assert.equal(texts.tr("液体 %1 層、気体 %2 層", 7, 8), "Liquid: 7 layers, vapor: 8 layers");
    // An argument that itself holds "%2" is not replaced again.
    assert.equal(texts.tr("液体 %1 層、気体 %2 層", "%2", 8), "Liquid: %2 layers, vapor: 8 layers");
    texts.setLanguage("ja");
    for (const [menu, shown] of [["ファイル(&F)", "ファイル(F)"], ["&File", "File"], ["E&xit", "Exit"],
                                 ["A && B", "A & B"], ["全画面表示", "全画面表示"]]) {
        assert.equal(texts.menuText(menu), shown);
    }
});

// The settings' pure parts: CONFIG2.INI's bytes as the text the browser's storage keeps, and
// texts that a context words its own way.
import assert from "node:assert/strict";
import { test } from "node:test";
import { load } from "./load.mjs";

const storage = await load("settings_storage.ts");
const texts = await load("texts.ts");

test("stored text gives back every byte, in files of any size", () => {
    const every = Uint8Array.from({ length: 256 }, (_, i) => i);
    // Larger than the piece converted at a time, with a piece's border inside a CR LF.
    const large = Uint8Array.from({ length: 0x2000 * 3 + 5 }, (_, i) => (i * 7 + 13) & 0xff);
    large[0x2000 - 1] = 0x0d;
    large[0x2000] = 0x0a;
    // Code page 932 bytes of "温度" in a comment, as a desktop's file may hold them.
    const sjis = new Uint8Array([0x3b, 0x89, 0xb7, 0x93, 0x78, 0x0d, 0x0a]);
    for (const bytes of [new Uint8Array(), every, large, sjis]) {
        const text = storage.bytesToText(bytes);
        assert.equal(text.length, bytes.length);
        assert.deepEqual(storage.textToBytes(text), bytes);
    }
});

test("stored text that holds no bytes is no file", () => {
    for (const text of ["[DATA]\r\nmol=３\r\n", "\u0100", "ok\uffff"]) {
        assert.equal(storage.textToBytes(text), null, JSON.stringify(text));
    }
});

test("a source worded by its context, apart from the same source elsewhere", () => {
    texts.setTranslations({ "圧力の単位": "Pressure unit", "FieldMessages\u0004圧力の単位": "a pressure unit",
                            "FieldMessages\u0004%1を選んでください。": "Please choose %1." });
    texts.setLanguage("en");
    assert.equal(texts.tr("圧力の単位"), "Pressure unit");
    assert.equal(texts.trIn("FieldMessages", "圧力の単位"), "a pressure unit");
    assert.equal(texts.trIn("FieldMessages", "%1を選んでください。", texts.trIn("FieldMessages", "圧力の単位")),
                 "Please choose a pressure unit.");
    assert.equal(texts.trIn("Other", "圧力の単位"), "圧力の単位", "an unknown context keeps the source");
    texts.setLanguage("ja");
    assert.equal(texts.trIn("FieldMessages", "圧力の単位"), "圧力の単位");
});

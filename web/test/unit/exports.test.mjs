// The exports' pure parts: the worksheet's date by the translation's pattern, and words looked
// up in the desktop context that words them.
import assert from "node:assert/strict";
import { test } from "node:test";
import { load } from "./load.mjs";

const sheet = await load("print_sheet.ts");
const texts = await load("texts.ts");

test("the worksheet's date, written by the pattern each language's translation gives", () => {
    const rows = [
        ["yyyy年M月d日", new Date(2026, 0, 5), "ja", "2026年1月5日"],
        ["yyyy年M月d日", new Date(2026, 11, 31), "ja", "2026年12月31日"],
        ["MMMM d, yyyy", new Date(2026, 8, 9), "en", "September 9, 2026"],
        // Letters outside the pattern's fields are kept.
        ["d.M.yyyy (Date)", new Date(2027, 1, 28), "en", "28.2.2027 (Date)"],
    ];
    for (const [pattern, date, language, expected] of rows) {
        assert.equal(sheet.formatDate(pattern, date, language), expected, pattern);
    }
});

test("a word of a qualified context: its own English there, the source in Japanese", () => {
    texts.setTranslations({ "すべて液体": "All liquid", "TableWording\u0004すべて液体": "all liquid", "%1 件": "%1 more" });
    texts.setLanguage("en");
    assert.equal(texts.trIn("TableWording", "すべて液体"), "all liquid");
    assert.equal(texts.tr("すべて液体"), "All liquid");
    // A context without its own English keeps the source rather than borrow another's.
    assert.equal(texts.trIn("Elsewhere", "すべて液体"), "すべて液体");
    texts.setLanguage("ja");
    assert.equal(texts.trIn("TableWording", "すべて液体"), "すべて液体");
});

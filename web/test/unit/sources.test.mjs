// What the page's sources must hold to: every text it shows is an entry of the translation
// file, and no rule of the experiment is written in the page.
import assert from "node:assert/strict";
import { readFileSync, readdirSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";
import { kPageOnlyContext, pageTranslations, parseTranslations, qualifiedKey } from "../../tools/translations.mjs";
import { webDir } from "./load.mjs";

const srcDir = join(webDir, "src");
const sources = readdirSync(srcDir).filter((name) => name.endsWith(".ts"))
    .map((name) => ({ name, text: readFileSync(join(srcDir, name), "utf8") }));
const html = readFileSync(join(srcDir, "kemora.html"), "utf8");
const translationFile = readFileSync(join(webDir, "../translations/kemora_en.ts"), "utf8");
const uiDir = join(webDir, "../src/ui");
const desktopWindow = readdirSync(uiDir).filter((name) => name.startsWith("frm_main") && name.endsWith(".cpp"))
    .map((name) => readFileSync(join(uiDir, name), "utf8")).join("\n");

// Code without its comments; strings stay.
function withoutComments(code) {
    return code.replace(/("(?:[^"\\\n]|\\.)*"|'(?:[^'\\\n]|\\.)*'|`(?:[^`\\]|\\.)*`)|\/\/[^\n]*|\/\*[\s\S]*?\*\//g,
                        (whole, string) => string ?? "");
}

const kJapanese = /[\u3000-\u30ff\u3400-\u9fff\uff00-\uffef]/;

// Every text the page shows: the sources in tr("…") calls and in the HTML's data attributes.
function shownTexts() {
    const texts = new Set();
    for (const { text } of sources) {
        for (const [, literal] of withoutComments(text).matchAll(/\btr\(\s*"((?:[^"\\]|\\.)*)"/g)) texts.add(JSON.parse(`"${literal}"`));
        for (const [, context, literal] of withoutComments(text).matchAll(/\btrIn\(\s*"([^"]*)",\s*"((?:[^"\\]|\\.)*)"/g)) {
            texts.add(qualifiedKey(context, JSON.parse(`"${literal}"`)));
        }
    }
    for (const [, , value] of html.matchAll(/data-(text|name|description|tip)="([^"]*)"/g)) {
        texts.add(value.replace(/&amp;/g, "&"));
    }
    return texts;
}

// Japanese strings of the scripts that are not a tr() source.
function untranslatedLiterals() {
    const found = [];
    for (const { name, text } of sources) {
        const code = withoutComments(text).replace(/\btr\(\s*"(?:[^"\\]|\\.)*"/g, "tr(")
            .replace(/\btrIn\(\s*"[^"]*",\s*"(?:[^"\\]|\\.)*"/g, "trIn(");
        for (const [literal] of code.matchAll(/"(?:[^"\\\n]|\\.)*"|'(?:[^'\\\n]|\\.)*'|`(?:[^`\\]|\\.)*`/g)) {
            if (kJapanese.test(literal)) found.push(`${name}: ${literal}`);
        }
    }
    return found;
}

test("every text the page shows has its English in the translation file", () => {
    const english = pageTranslations(translationFile);
    const texts = shownTexts();
    assert.ok(texts.has("容量") && texts.has("水"), "the texts are found at all");
    const missing = [...texts].filter((text) => !english[text]);
    assert.deepEqual(missing, []);
});

// The desktop's sources check every other context; nothing checks these but the page.
test("every text only the page has is shown by the page", () => {
    const texts = shownTexts();
    const own = [...(parseTranslations(translationFile).get(kPageOnlyContext) ?? new Map()).keys()];
    assert.ok(own.length > 0, "the page's own texts are found at all");
    assert.deepEqual(own.filter((text) => !texts.has(text)), []);
});

test("the page words nothing outside the translation file but the language names", () => {
    const allowed = new Set(["言語 / Language", "日本語", "English"]);
    const literals = untranslatedLiterals().filter((entry) => ![...allowed].some((name) => entry.endsWith(`"${name}"`)));
    assert.deepEqual(literals, []);
    for (const [, value] of html.matchAll(/data-same="([^"]*)"/g)) {
        assert.ok(allowed.has(value), value);
        // The desktop shows them untranslated too.
        assert.ok(desktopWindow.includes(`QStringLiteral("${value}")`), `${value} on the desktop`);
    }
    // Texts between the HTML's tags come from the script, apart from the ones the core sets.
    const markupText = html.replace(/<(script|style)[\s\S]*?<\/\1>/g, "").replace(/<[^>]*>/g, "");
    assert.equal(kJapanese.test(markupText.replace(/蒸気圧曲線/, "")), false, "Japanese text in the markup");
});

test("the translation reader: entities, empty translations, and one English per source", () => {
    const file = `<TS><context><name>kemora::ui::frmMain</name>
        <message><source>蒸気圧曲線&#x3000;-&#x3000;%1</source><translation>Curve - %1</translation></message>
        <message><source>A &amp;&amp; &lt;B&gt;</source><translation>&apos;C&apos;</translation></message>
        <message><source>未訳</source><translation type="unfinished"></translation></message>
        <message><source>空</source><translation type="unfinished"/></message>
        </context><context><name>Liquids</name>
        <message><source>水</source><translation>Water</translation></message></context></TS>`;
    const table = pageTranslations(file);
    assert.deepEqual(table, { "蒸気圧曲線　-　%1": "Curve - %1", "A && <B>": "'C'", "未訳": "", "空": "", "水": "Water" });
    const twice = file.replace("<translation>Water</translation>", "<translation>Water</translation></message><message><source>A &amp;&amp; &lt;B&gt;</source><translation>other</translation>");
    assert.throws(() => pageTranslations(twice), /translated two ways/);
    assert.equal(parseTranslations(file).size, 2);
});

// Signs of a rule of the experiment written in the page: the model's constants, the vapor
// pressure's functions, and tables of numbers.
const kRuleSigns = [
    [/\b(760|1013|0\.082|273(\.15)?|62\.36)\b/, "a constant of the model"],
    [/Math\.(pow|exp|log|log10|log2)\b|\*\*/, "an exponential or a logarithm"],
    [/\[\s*-?\d+(\.\d+)?(\s*,\s*-?\d+(\.\d+)?){4,}\s*\]/, "a table of numbers"],
    [/\b(antoine\w*|vapou?rPressure\w*|saturation\w*|\w*pressureAt\w*|liquidVolume\w*)\s*[(=:]/i, "a pressure rule"],
];

function ruleSigns(code) {
    const stripped = withoutComments(code);
    return kRuleSigns.filter(([sign]) => sign.test(stripped)).map(([, what]) => what);
}

test("the rule finder finds each kind of rule", () => {
    const rows = [
        ["const p = n * 0.082 * (t + 273) / v;", "a constant of the model"],
        ["return 10 ** (a - b / (c + t));", "an exponential or a logarithm"],
        ["const p = Math.pow(10, a - b / (c + t));", "an exponential or a logarithm"],
        ["const table = [4.6, 6.5, 9.2, 12.8, 17.5, 23.8];", "a table of numbers"],
        ["function vaporPressure(t: number) { return t; }", "a pressure rule"],
        ["const atm = mm / 760;", "a constant of the model"],
    ];
    for (const [code, what] of rows) assert.ok(ruleSigns(code).includes(what), code);
    assert.deepEqual(ruleSigns("// 760 mmHg is one atmosphere\nconst x = [1, 2];"), []);
});

test("the page's scripts hold no rule of the experiment", () => {
    for (const { name, text } of sources) assert.deepEqual(ruleSigns(text), [], name);
});

test("a source worded otherwise in a qualified context is kept under that context too", () => {
    const file = `<TS><context><name>kemora::ui::frmMain</name>
        <message><source>すべて液体</source><translation>All liquid</translation></message></context>
        <context><name>TableWording</name>
        <message><source>すべて液体</source><translation>all liquid</translation></message></context>
        <context><name>Elsewhere</name>
        <message><source>すべて液体</source><translation>ignored</translation></message></context></TS>`;
    const table = pageTranslations(file);
    assert.equal(table["すべて液体"], "All liquid");
    assert.equal(table[qualifiedKey("TableWording", "すべて液体")], "all liquid");
    assert.equal(table[qualifiedKey("Elsewhere", "すべて液体")], undefined);
});

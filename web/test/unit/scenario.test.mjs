// The scenario editor's words: the step list's lines and the field messages, in both
// languages, as the desktop words them from the same translation file.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";
import { pageTranslations } from "../../tools/translations.mjs";
import * as esbuild from "esbuild";
import { webDir } from "./load.mjs";

// The editor's modules in one bundle, so that they share the language chosen in texts.ts.
const bundle = await esbuild.build({
    stdin: {
        contents: `export * as texts from "./texts"; export * as editor from "./frm_sinario";
                   export * as problems from "./field_problems";`,
        resolveDir: join(webDir, "src"),
        loader: "ts",
    },
    bundle: true, write: false, format: "esm", platform: "neutral", target: "es2020",
});
const { texts, editor, problems } =
    await import(`data:text/javascript;base64,${Buffer.from(bundle.outputFiles[0].text).toString("base64")}`);
const table = pageTranslations(readFileSync(join(webDir, "../translations/kemora_en.ts"), "utf8"));

// The core's StepListKind and FormField / FieldFailure values.
const Kind = { InitialSettings: 0, SetVolume: 1, ShowGraph: 2, HideGraph: 3, ClearGraph: 4, ChangeLiquid: 5, Unknown: 6 };
const entry = (kind, fields = {}) => ({ kind, litres: 0, gradual: false, liquid: 0, ...fields });

test("each line of the step list, in Japanese and in English", () => {
    texts.setTranslations(table);
    const rows = [
        [entry(Kind.InitialSettings), "初期値設定", "Initial settings"],
        [entry(Kind.SetVolume, { litres: 30 }), "容量を 30 リットルに設定します。", "Set the volume to 30 L."],
        [entry(Kind.SetVolume, { litres: -5, gradual: true }), "容量を -5 リットルまで少しずつ変えます。", "Change the volume gradually to -5 L."],
        [entry(Kind.ShowGraph), "グラフを表示します。", "Show the graph."],
        [entry(Kind.HideGraph), "グラフを非表示にします。", "Hide the graph."],
        [entry(Kind.ClearGraph), "描画されたグラフを消します。", "Clear the graph."],
        [entry(Kind.ChangeLiquid, { liquid: 0 }), "データを水に設定します。", "Set the liquid to water."],
        [entry(Kind.ChangeLiquid, { liquid: 1 }), "データをエタノールに設定します。", "Set the liquid to ethanol."],
        [entry(Kind.ChangeLiquid, { liquid: 2 }), "データをジエチルエーテルに設定します。", "Set the liquid to diethyl ether."],
        [entry(Kind.Unknown), "不明なステップです。", "Unknown step."],
    ];
    for (const [line, japanese, english] of rows) {
        texts.setLanguage("ja");
        assert.equal(editor.stepLineText(line), japanese);
        texts.setLanguage("en");
        assert.equal(editor.stepLineText(line), english, japanese);
    }
    texts.setLanguage("ja");
});

test("field messages take the field names of their own context, not the labels'", () => {
    texts.setTranslations(table);
    const rows = [
        [{ field: 2, failure: 2 }, "圧力の単位を選んでください。", "Choose a pressure unit."],
        [{ field: 7, failure: 0 }, "容量（リットル）に数値を入力してください。", "Enter a number for the volume (L)."],
        [{ field: 0, failure: 1 }, "物質量（mol）の数値が扱える範囲を超えています。", "The number for the amount (mol) is out of range."],
    ];
    for (const [problem, japanese, english] of rows) {
        texts.setLanguage("ja");
        assert.equal(problems.fieldProblemText(problem), japanese);
        texts.setLanguage("en");
        assert.equal(problems.fieldProblemText(problem), english);
    }
    // The label of the same words keeps its own English; so do a tab and an option of the same
    // words in one context.
    assert.equal(texts.tr("圧力の単位"), "Pressure unit");
    assert.equal(texts.trNoted("グラフ表示", "tab"), "Graph");
    assert.equal(texts.trNoted("グラフ表示", "option"), "Show the graph");
    texts.setLanguage("ja");
});

// The page's start: the core's module, the words, the main window, its size, keys and timer.
import type { Language } from "./texts";
import { setLanguage, setTranslations, tr } from "./texts";
import { centredStart, fitFactor } from "./fit";
import { frmMain } from "./frm_main";
import { setUpKeys } from "./frm_main_keys";
import { setUpSinario } from "./frm_sinario";
import { setUpMenuBar } from "./menu";
import { startLanguage } from "./storage";
import { frmSystem } from "./frm_system";
import { showMessage } from "./message_box";
import { setUpSettingsFiles } from "./settings_files";
import { SettingsStore } from "./settings_storage";
import { Ticker } from "./ticker";
import { type Command } from "./keys";
import translations from "kemora:translations";
import type { KemoraCore, MainWindow } from "./core";
import type { ExportsCore } from "./core_exports";
import { setUpExports } from "./exports";
import type { OfflineCore } from "./core_offline";
import { setUpAbout } from "./frm_about";
import { setUpOffline } from "./offline";

declare global {
    interface Window {
        kemora?: { core: KemoraCore; mainWindow: MainWindow };
    }
}

function byId(id: string): HTMLElement {
    const element = document.getElementById(id);
    if (!element) throw new Error(`#${id} is missing`);
    return element;
}

async function start(): Promise<void> {
    setTranslations(translations);
    const core = await createKemoraCore();
    const form = new frmMain(core);
    const win = form.window;
    // CONFIG2.INI, which the main window reads at each activation. A refusal of the storage
    // is told once the page speaks its language.
    const store = new SettingsStore(core, () => queueMicrotask(() => void showMessage(
        tr("このブラウザーには設定を保存できません。変えた設定は、このページを閉じるまで有効です。"), tr("設定ファイル"))));
    store.load();
    store.follow((bytes) => win.setSettingsBytes(bytes));
    const settingsDialog = new frmSystem(core, win, store);
    const exportsUi = setUpExports(core as KemoraCore & ExportsCore, win, () => byId("txtValue").focus());
    let language: Language = startLanguage(location.search, store.language());

    const showLanguage = () => {
        setLanguage(language);
        document.documentElement.lang = language;
        byId("menu_langJa").setAttribute("aria-checked", String(language === "ja"));
        byId("menu_langEn").setAttribute("aria-checked", String(language === "en"));
        form.retranslate();
        settingsDialog.retranslate();
        exportsUi.retranslate();
    };
    const chooseLanguage = (chosen: Language) => {
        language = chosen;
        store.saveLanguage(chosen);
        showLanguage();
    };
    // A file brought in speaks the language it holds.
    setUpSettingsFiles(core, win, store, () => {
        language = store.language();
        showLanguage();
    });

    const stage = byId("frmMain");
    const client = byId("client");
    const fit = () => {
        const ratio = window.devicePixelRatio || 1;
        const factor = fitFactor({ width: stage.clientWidth, height: stage.clientHeight, devicePixelRatio: ratio });
        form.showZoom(factor, ratio);
        client.style.left = `${centredStart(stage.clientWidth, client.offsetWidth * ratio, ratio)}px`;
        client.style.top = `${centredStart(stage.clientHeight, client.offsetHeight * ratio, ratio)}px`;
    };
    // The device pixel ratio changes with the browser's zoom and the screen.
    const followRatio = () => {
        matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener("change", () => {
            fit();
            followRatio();
        }, { once: true });
    };

    let paused = false;
    const run = (command: Command) => {
        switch (command) {
            case "scenarioMode": win.picSinario_Click(); break;
            case "graphVisible": win.picGrphSw_Click(); break;
            case "graphClear": win.picGrphCls_Click(); break;
            case "pause":
                paused = !paused;
                byId("menu_pause").setAttribute("aria-checked", String(paused));
                win.SetAnimationPaused(paused);
                break;
            case "reset": win.menu_reset_Click(); break;
        }
    };
    const items: [string, () => void][] = [
        ["menu_scenarioMode", () => run("scenarioMode")],
        ["menu_graphVisible", () => run("graphVisible")],
        ["menu_graphClear", () => run("graphClear")],
        ["menu_pause", () => run("pause")],
        ["menu_reset", () => run("reset")],
        ["menu_langJa", () => chooseLanguage("ja")],
        ["menu_langEn", () => chooseLanguage("en")],
        ["menu_fullScreen", () => {
            if (document.fullscreenElement) void document.exitFullscreen();
            else void document.documentElement.requestFullscreen?.();
        }],
    ];
    for (const [id, action] of items) byId(id).addEventListener("click", action);
    document.addEventListener("fullscreenchange", () => {
        byId("menu_fullScreen").setAttribute("aria-checked", String(document.fullscreenElement !== null));
    });

    setUpAbout(core as OfflineCore, () => win.Form_Activate());
    setUpMenuBar(byId("menuBar"));
    setUpSinario(core, win, byId("menu_Sinario"));
    setUpKeys(win, byId("txtValue"), byId("menuBar"), run);
    showLanguage();
    win.Form_Load();
    fit();
    addEventListener("resize", fit);
    followRatio();
    win.Form_Activate();
    byId("txtValue").focus();
    new Ticker(core.kTimerInterval, () => win.Timer1_Timer()).start();
    // The core's face, for tests and teachers' tools that script the page.
    window.kemora = { core, mainWindow: win };
    document.body.dataset["ready"] = "true";
    setUpOffline();
}

void start();

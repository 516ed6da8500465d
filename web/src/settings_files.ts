// ファイル → CONFIG2.INIを読み込む / 書き出す: the class's settings brought in from a desktop's
// file, and the stored file taken out as a download, both byte for byte. A file that is not a
// settings file, or is too large, is refused with a message and changes nothing.
import type { KemoraCore, MainWindow } from "./core";
import { SettingsFileCheck } from "./core_settings";
import { showMessage } from "./message_box";
import type { SettingsStore } from "./settings_storage";
import { tr } from "./texts";
import { download } from "./download";

const kFileName = "CONFIG2.INI";

function byId<T extends HTMLElement>(id: string): T {
    const element = document.getElementById(id);
    if (!element) throw new Error(`#${id} is missing`);
    return element as T;
}

// `onImported` runs after a file has been taken, once the main window shows its settings.
export function setUpSettingsFiles(core: KemoraCore, win: MainWindow, store: SettingsStore,
                                   onImported: () => void): void {
    const input = byId<HTMLInputElement>("fileConfig");
    const refuse = (text: string) => showMessage(text, tr("設定ファイル"));

    byId("menu_importConfig").addEventListener("click", () => input.click());
    input.addEventListener("change", async () => {
        const file = input.files?.[0];
        input.value = "";  // the same file may be chosen again
        if (!file) return;
        // Size first: a huge file is never read.
        if (file.size > core.kMaxSettingsFileBytes) {
            await refuse(tr("%1は設定ファイルとしては大きすぎます。設定は変わっていません。", file.name));
            return;
        }
        let bytes: Uint8Array;
        try {
            bytes = new Uint8Array(await file.arrayBuffer());
        } catch {
            await refuse(tr("%1を読み込めませんでした。設定は変わっていません。", file.name));
            return;
        }
        switch (core.CheckSettingsFile(bytes)) {
            case SettingsFileCheck.Usable:
                store.save(bytes);
                win.Form_Activate();
                onImported();
                return;
            case SettingsFileCheck.TooLarge:
                await refuse(tr("%1は設定ファイルとしては大きすぎます。設定は変わっていません。", file.name));
                return;
            case SettingsFileCheck.NotSettings:
                await refuse(tr("%1は設定ファイル（CONFIG2.INI）ではありません。設定は変わっていません。", file.name));
                return;
        }
    });

    byId("menu_exportConfig").addEventListener("click", () => {
        // Before the first save there is no file: the one a save of the fallbacks would write.
        const stored = store.bytes();
        const bytes = stored.length > 0 ? stored : core.SettingsIntoIni(stored, core.SettingsFromIni(stored));
        download(kFileName, new Blob([new Uint8Array(bytes)], { type: "application/octet-stream" }));
    });
}

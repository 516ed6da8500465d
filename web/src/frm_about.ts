// バージョン情報: the program's title and version, its description and licence, and, where the
// desktop starts the computer's system-information tool, what the browser tells of itself.
import type { OfflineCore } from "./core_offline";
import { showModal } from "./modal_dialog";
import { servedOverHttp } from "./offline";
import { type SystemFacts, systemReport } from "./system_report";
import { menuText, tr } from "./texts";

function byId<T extends HTMLElement>(id: string): T {
    const element = document.getElementById(id);
    if (!element) throw new Error(`#${id} is missing`);
    return element as T;
}

function localStorageUsable(): boolean {
    try {
        const key = "kemora.probe";
        window.localStorage.setItem(key, key);
        window.localStorage.removeItem(key);
        return true;
    } catch {
        return false;
    }
}

async function serviceWorkerState(): Promise<SystemFacts["serviceWorker"]> {
    if (!servedOverHttp(location.protocol)) return "none";
    if (!navigator.serviceWorker) return "unsupported";
    if (navigator.serviceWorker.controller) return "controlling";
    const registration = await navigator.serviceWorker.getRegistration().catch(() => undefined);
    return registration ? "registered" : "none";
}

async function gatherFacts(program: string): Promise<SystemFacts> {
    const withPlatform = navigator as Navigator & { userAgentData?: { platform?: string } };
    const estimate = await navigator.storage?.estimate?.().catch(() => null) ?? null;
    const persisted = await navigator.storage?.persisted?.().catch(() => null) ?? null;
    return {
        program,
        address: `${location.protocol}//${location.host}${location.pathname}`,
        userAgent: navigator.userAgent,
        platform: withPlatform.userAgentData?.platform || navigator.platform || null,
        languages: navigator.languages ?? [navigator.language],
        screen: { width: screen.width, height: screen.height, colorDepth: screen.colorDepth },
        viewport: { width: window.innerWidth, height: window.innerHeight },
        devicePixelRatio: window.devicePixelRatio || 1,
        online: navigator.onLine,
        localStorage: localStorageUsable(),
        storageUsage: estimate && estimate.usage !== undefined && estimate.quota !== undefined
            ? { usage: estimate.usage, quota: estimate.quota } : null,
        storagePersisted: persisted,
        serviceWorker: await serviceWorkerState(),
    };
}

export class frmAbout {
    private readonly dialog = byId<HTMLDialogElement>("frmAbout");
    private readonly sysInfo = byId<HTMLTextAreaElement>("txtSysInfo");
    private readonly cmdSysInfo = byId<HTMLButtonElement>("cmdSysInfo");

    constructor(private readonly core: OfflineCore, private readonly activateMainWindow: () => void) {
        this.cmdSysInfo.addEventListener("click", () => void this.cmdSysInfo_Click());
        this.cmdSysInfo.accessKey = "s";
        byId("frmAbout_closeBox").addEventListener("click", () => this.dialog.close());
    }

    show(): void {
        this.Form_Load();
        showModal(this.dialog, this.activateMainWindow);
    }

    // Words the texts set from code in the interface language; the data-text ones are worded
    // with the page.
    private wordTexts(): void {
        const identity = this.core.AppIdentity();
        byId("frmAbout_caption").textContent = tr("%1のﾊﾞｰｼﾞｮﾝ情報", identity.title);
        byId("lblTitle").textContent = identity.title;
        byId("lblVersion").textContent =
            tr("ﾊﾞｰｼﾞｮﾝ %1.%2.%3", identity.major, identity.minor, identity.revision);
        this.cmdSysInfo.textContent = menuText(tr("ｼｽﾃﾑ情報(&S)..."));
    }

    // Each opening starts as the desktop's dialog does, without the system report.
    private Form_Load(): void {
        this.wordTexts();
        this.sysInfo.hidden = true;
        this.sysInfo.value = "";
        this.cmdSysInfo.setAttribute("aria-expanded", "false");
    }

    private async cmdSysInfo_Click(): Promise<void> {
        const identity = this.core.AppIdentity();
        const program = `${identity.title} ${identity.major}.${identity.minor}.${identity.revision}`;
        const report = systemReport(await gatherFacts(program));
        // Closed while the browser was asked: the next opening starts afresh.
        if (!this.dialog.open) return;
        this.sysInfo.value = report;
        this.sysInfo.hidden = false;
        this.cmdSysInfo.setAttribute("aria-expanded", "true");
        this.sysInfo.focus();
        // Selected for copying, and shown from its first line.
        this.sysInfo.select();
        this.sysInfo.scrollTop = 0;
    }
}

// The dialog, opened by ヘルプ → バージョン情報.
export function setUpAbout(core: OfflineCore, activateMainWindow: () => void): void {
    const about = new frmAbout(core, activateMainWindow);
    byId("menu_ver").addEventListener("click", () => about.show());
}

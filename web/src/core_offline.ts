// The core's face for the version dialog and for installing the page.
import type { KemoraCore } from "./core";

// The program's title and version, as it was built.
export interface AppIdentity {
    title: string;
    major: number;
    minor: number;
    revision: number;
}

export interface OfflineCore extends KemoraCore {
    AppIdentity(): AppIdentity;
    AppIconSvg(): string;
}

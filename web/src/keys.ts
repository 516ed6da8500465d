// The keyboard's keys by the virtual-key codes the core counts them in. Only keys the core
// routes are named; every other key has code 0, which the core leaves to the focused control.
const kKeyCodes: Readonly<Record<string, number>> = {
    Enter: 13,
    " ": 32,
    PageUp: 33,
    PageDown: 34,
    ArrowLeft: 37,
    ArrowUp: 38,
    ArrowRight: 39,
    ArrowDown: 40,
};

export function keyCodeOf(key: string): number {
    return kKeyCodes[key] ?? 0;
}

// The page's own commands, as the desktop's menu keys: what each key does, or null for a key
// that is not one of them. Ctrl+T, Ctrl+N and Ctrl+W stay the browser's.
export type Command = "scenarioMode" | "graphVisible" | "graphClear" | "pause" | "reset";

export interface KeyPress {
    key: string;
    ctrlKey: boolean;
    altKey: boolean;
    shiftKey: boolean;
    metaKey: boolean;
}

export function commandOf(press: KeyPress): Command | null {
    const plain = !press.ctrlKey && !press.altKey && !press.shiftKey && !press.metaKey;
    const control = (press.ctrlKey || press.metaKey) && !press.altKey && !press.shiftKey;
    if (plain) {
        switch (press.key) {
            case "F5": return "scenarioMode";
            case "F6": return "graphVisible";
            case "F7": return "graphClear";
            case "Pause": return "pause";
            default: return null;
        }
    }
    if (control) {
        switch (press.key.toLowerCase()) {
            case "p": return "pause";
            case "r": return "reset";
            default: return null;
        }
    }
    return null;
}

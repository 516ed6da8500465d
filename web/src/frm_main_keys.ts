// The main window's keys. Every key is seen before the focused control: the page's own
// commands (F5, F6, F7, pause, reset) act on the press; otherwise the core routes the key. A
// playback key's press and release go no further, and its release runs the next step, but
// only for a press the page received; the volume field's arrow keys step the volume.
import { KeyRoute, type MainWindow } from "./core";
import { commandOf, keyCodeOf, type Command } from "./keys";
import { insideOpenDialog } from "./modal_dialog";

export function setUpKeys(window: MainWindow, volumeField: HTMLElement, menuBar: HTMLElement,
                          run: (command: Command) => void): void {
    const pressed = new Set<number>();
    const stop = (event: KeyboardEvent) => {
        event.preventDefault();
        event.stopPropagation();
    };
    document.addEventListener("keydown", (event) => {
        if (menuBar.contains(event.target as Node)) return;  // the menus' keys are theirs
        if (insideOpenDialog(event.target)) return;
        const command = commandOf(event);
        if (command !== null) {
            stop(event);
            if (!event.repeat) run(command);
            return;
        }
        const code = keyCodeOf(event.key);
        if (code === 0 || event.ctrlKey || event.altKey || event.metaKey) return;
        switch (window.routeKey(code, document.activeElement === volumeField)) {
            case KeyRoute.Playback:
                stop(event);
                if (!event.repeat) pressed.add(code);
                break;
            case KeyRoute.VolumeArrows:
                stop(event);
                window.VolumeArrowKey(code);
                break;
            case KeyRoute.FocusedControl:
                break;
        }
    }, { capture: true });
    document.addEventListener("keyup", (event) => {
        const code = keyCodeOf(event.key);
        if (!pressed.delete(code)) return;
        stop(event);
        window.Form_KeyUp(code);
    }, { capture: true });
    // A key let go while the page had no focus sends no release here.
    addEventListener("blur", () => pressed.clear());
}

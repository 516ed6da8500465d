// A window of the program over the main window, as the desktop shows its dialogs: modal, Escape
// closes it as its close button does, and closing it activates the main window again.
export function showModal(dialog: HTMLDialogElement, activateMainWindow: () => void): void {
    if (dialog.open) return;
    // A closing dialog gives the focus back to where it was; a menu item is hidden by then, so
    // one opened from a menu gives it to the volume field, the main window's first control.
    const focused = document.activeElement;
    if (focused === null || focused === document.body || focused.closest("[role=menubar]")) {
        document.getElementById("txtValue")?.focus({ preventScroll: true });
    }
    dialog.addEventListener("close", activateMainWindow, { once: true });
    dialog.showModal();
}

// Keys pressed inside an open dialog are the dialog's own, never the main window's.
export function insideOpenDialog(target: EventTarget | null): boolean {
    return target instanceof Element && target.closest("dialog[open]") !== null;
}

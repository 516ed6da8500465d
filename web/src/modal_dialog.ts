// A window of the program over the main window, as the desktop shows its dialogs: modal, Escape
// closes it as its close button does, and closing it activates the main window again. The
// focus goes back where it was; where that was a menu item, hidden by now, it goes to the
// volume field, the main window's first control.
export function showModal(dialog: HTMLDialogElement, activateMainWindow: () => void): void {
    if (dialog.open) return;
    dialog.addEventListener("close", () => {
        activateMainWindow();
        if (document.activeElement === document.body) document.getElementById("txtValue")?.focus();
    }, { once: true });
    dialog.showModal();
}

// Keys pressed inside an open dialog are the dialog's own, never the main window's.
export function insideOpenDialog(target: EventTarget | null): boolean {
    return target instanceof Element && target.closest("dialog[open]") !== null;
}

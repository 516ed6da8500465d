// Files and pictures leaving the page: a download under the desktop's file name, an image on
// the clipboard where the browser allows it, and the one message that tells of a failure.
import { tr } from "./texts";

// Saves the bytes as the browser saves a download, under `name`.
export function download(name: string, blob: Blob): void {
    const url = URL.createObjectURL(blob);
    const link = document.createElement("a");
    link.href = url;
    link.download = name;
    link.hidden = true;
    document.body.append(link);
    link.click();
    link.remove();
    // The browser has taken the bytes once the click has been handled.
    setTimeout(() => URL.revokeObjectURL(url), 0);
}

// Puts a PNG image on the clipboard. A browser without the Clipboard API for images, or one
// that refuses it here (an unfocused page, a file opened without permission), gets the message
// instead, and nothing else changes.
export async function copyImage(png: Promise<Blob | null>): Promise<boolean> {
    const clipboard = navigator.clipboard as Clipboard | undefined;
    if (typeof ClipboardItem === "undefined" || !clipboard?.write) {
        showMessage(tr("クリップボードにコピーできませんでした。"));
        return false;
    }
    try {
        // The item takes the promise itself: Safari allows the write only while the click
        // that asked for it is being handled.
        const item = new ClipboardItem({
            "image/png": png.then((blob) => blob ?? Promise.reject(new Error("no image"))),
        });
        await clipboard.write([item]);
        return true;
    } catch {
        showMessage(tr("クリップボードにコピーできませんでした。"));
        return false;
    }
}

// Shows `text` in the page's message box over everything; its OK button or Escape closes it.
export function showMessage(text: string): void {
    const box = document.getElementById("exportMessage");
    if (!(box instanceof HTMLDialogElement)) return;
    const shown = box.querySelector(".text");
    if (shown) shown.textContent = text;
    if (!box.open) box.showModal();
    box.querySelector<HTMLButtonElement>("button")?.focus();
}

// Pictures leaving the page: an image on the clipboard where the browser allows it, and the one
// message that tells of a failure.
import { showMessage } from "./message_box";
import { tr } from "./texts";

// Puts a PNG image on the clipboard. A browser without the Clipboard API for images, or one
// that refuses it here (an unfocused page, a file opened without permission), gets the message
// instead, and nothing else changes.
export async function copyImage(png: Promise<Blob | null>): Promise<boolean> {
    const clipboard = navigator.clipboard as Clipboard | undefined;
    if (typeof ClipboardItem === "undefined" || !clipboard?.write) {
        tellNotCopied();
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
        tellNotCopied();
        return false;
    }
}

// Shows `text` in the page's message box over everything; its OK button or Escape closes it.

// Captioned as the desktop's message, with the main window's title.
function tellNotCopied(): void {
    void showMessage(tr("クリップボードにコピーできませんでした。"), document.title);
}

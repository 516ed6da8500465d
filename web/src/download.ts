// A file leaving the page as the browser saves a download, under the desktop's name.
export function download(name: string, blob: Blob): void {
    const url = URL.createObjectURL(blob);
    const link = document.createElement("a");
    link.href = url;
    link.download = name;
    link.hidden = true;
    document.body.append(link);
    link.click();
    link.remove();
    // Some browsers read the bytes only after the click has returned.
    setTimeout(() => URL.revokeObjectURL(url), 60_000);
}

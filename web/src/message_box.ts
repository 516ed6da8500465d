// The plain modal message box: a caption, a text and OK, over whatever is open. Closing it
// gives the focus back to where it was, as the desktop's message box does.
export function showMessage(text: string, caption: string): Promise<void> {
    const dialog = document.createElement("dialog");
    dialog.id = "msgBox";
    dialog.className = "window";
    const title = document.createElement("h2");
    title.className = "title";
    title.id = "msgBox_title";
    title.textContent = caption;
    const body = document.createElement("p");
    body.id = "msgBox_text";
    body.textContent = text;
    const form = document.createElement("form");
    form.method = "dialog";
    const ok = document.createElement("button");
    ok.id = "msgBox_ok";
    ok.textContent = "OK";
    form.append(ok);
    dialog.setAttribute("aria-labelledby", title.id);
    dialog.setAttribute("aria-describedby", body.id);
    dialog.append(title, body, form);
    document.body.append(dialog);
    return new Promise((resolve) => {
        dialog.addEventListener("close", () => {
            dialog.remove();
            resolve();
        }, { once: true });
        dialog.showModal();
        ok.focus();
    });
}

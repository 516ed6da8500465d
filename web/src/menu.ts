// The menu bar: a title opens its menu below it; a click on an item, Escape, or a click
// elsewhere closes it. Up and Down arrows go through the open menu's items.

export function setUpMenuBar(bar: HTMLElement): void {
    const titles = [...bar.querySelectorAll<HTMLButtonElement>(".menu > button")];
    const menuOf = (title: HTMLButtonElement) => title.nextElementSibling as HTMLElement;
    const closeAll = () => {
        for (const title of titles) {
            title.setAttribute("aria-expanded", "false");
            menuOf(title).hidden = true;
        }
    };
    for (const title of titles) {
        title.addEventListener("click", () => {
            const open = title.getAttribute("aria-expanded") === "true";
            closeAll();
            if (open) return;
            title.setAttribute("aria-expanded", "true");
            menuOf(title).hidden = false;
            menuOf(title).querySelector<HTMLButtonElement>("button:enabled")?.focus();
        });
        menuOf(title).addEventListener("click", (event) => {
            if ((event.target as HTMLElement).closest("button")) closeAll();
        });
        menuOf(title).addEventListener("keydown", (event) => {
            const items = [...menuOf(title).querySelectorAll<HTMLButtonElement>("button:enabled")];
            const at = items.indexOf(document.activeElement as HTMLButtonElement);
            const step = event.key === "ArrowDown" ? 1 : event.key === "ArrowUp" ? -1 : 0;
            if (event.key === "Escape") {
                closeAll();
                title.focus();
            } else if (step !== 0 && items.length > 0) {
                items[(at + step + items.length) % items.length]?.focus();
            } else {
                return;
            }
            event.preventDefault();
            event.stopPropagation();
        });
    }
    document.addEventListener("pointerdown", (event) => {
        if (!bar.contains(event.target as Node)) closeAll();
    });
}

// Words every element of the page in the interface language: its text, its name and
// description for screen readers and its tip, from the Japanese sources in its data-*
// attributes.
import { menuText, tr } from "./texts";

export function wordElements(root: ParentNode): void {
    for (const element of root.querySelectorAll<HTMLElement>("[data-text]")) {
        const text = tr(element.dataset["text"] ?? "");
        const keys = element.dataset["keys"];
        if (element.getAttribute("role")?.startsWith("menuitem")) {
            element.replaceChildren(menuText(text));
            if (keys !== undefined) {
                const shown = document.createElement("span");
                shown.className = "keys";
                shown.textContent = keys;
                element.append(shown);
            }
        } else {
            element.textContent = text;
        }
    }
    for (const element of root.querySelectorAll<HTMLElement>("[data-same]")) {
        element.textContent = element.dataset["same"] ?? "";
    }
    for (const element of root.querySelectorAll<HTMLElement>("[data-name]")) {
        element.setAttribute("aria-label", tr(element.dataset["name"] ?? ""));
    }
    for (const element of root.querySelectorAll<HTMLElement>("[data-description]")) {
        element.setAttribute("aria-description", tr(element.dataset["description"] ?? ""));
    }
    for (const element of root.querySelectorAll<HTMLElement>("[data-tip]")) {
        element.title = tr(element.dataset["tip"] ?? "");
    }
}

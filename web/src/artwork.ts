// The main window's images, painted in code at the device scale as the desktop paints them:
// background, lid bar, molecule sprite and the six pictures of the three buttons. An image of
// w × h logical pixels is `length(w)` × `length(h)` device pixels, by the core's pixel rule.

export type Length = (logical: number) => number;

type Stop = [number, string];

// Colour of the window's frame; the buttons are painted on it so that they blend in.
export const kFrameColor = "rgb(99,101,156)";

const kBackgroundWidth = 800;
const kBackgroundHeight = 560;
export const kLidWidth = 377;
const kLidImageHeight = 15;  // one row taller than the lid's box, which shows the top rows
const kSpriteSize = 10;
const kButtonWidth = 81;
const kButtonHeight = 51;

function rgba(r: number, g: number, b: number, a = 255): string {
    return `rgba(${r},${g},${b},${a / 255})`;
}

function gradient(g: CanvasGradient, stops: Stop[]): CanvasGradient {
    for (const [at, color] of stops) g.addColorStop(at, color);
    return g;
}

// An opaque canvas of w × h logical pixels at the device scale, filled with `color`, and a
// context that draws in logical pixels.
function canvasOf(width: number, height: number, length: Length, color: string) {
    const canvas = document.createElement("canvas");
    canvas.width = length(width);
    canvas.height = length(height);
    const context = canvas.getContext("2d");
    if (!context) throw new Error("no 2d context");
    context.fillStyle = color;
    context.fillRect(0, 0, canvas.width, canvas.height);
    context.scale(canvas.width / width, canvas.height / height);
    return { canvas, context };
}

function vertical(c: CanvasRenderingContext2D, top: number, bottom: number, stops: Stop[]) {
    return gradient(c.createLinearGradient(0, top, 0, bottom), stops);
}

function horizontal(c: CanvasRenderingContext2D, left: number, right: number, stops: Stop[]) {
    return gradient(c.createLinearGradient(left, 0, right, 0), stops);
}

function roundedRect(c: CanvasRenderingContext2D, x: number, y: number, w: number, h: number,
                     r: number) {
    c.beginPath();
    c.roundRect(x, y, w, h, r);
}

function drawCylinder(c: CanvasRenderingContext2D) {
    // Glass walls either side of the black panel, lit from the upper left.
    const wall: Stop[] = [[0, rgba(48, 50, 84)], [0.35, rgba(196, 200, 230)],
                          [0.6, rgba(128, 132, 182)], [1, rgba(30, 31, 52)]];
    c.fillStyle = horizontal(c, 29, 35, wall);
    c.fillRect(29, 0, 6, 478);
    c.fillStyle = horizontal(c, 416, 410, wall);
    c.fillRect(410, 0, 6, 478);
    c.fillStyle = "black";
    c.fillRect(35, 0, 375, 478);
    // The foot the cylinder stands on.
    roundedRect(c, 23, 478, 399, 9, 3);
    c.fillStyle = vertical(c, 478, 487, [[0, rgba(214, 216, 232)], [0.3, rgba(170, 173, 200)],
                                         [1, rgba(62, 64, 102)]]);
    c.fill();
}

function drawGraphPanel(c: CanvasRenderingContext2D) {
    // A sunken mount: shadow on the upper and left edges, light on the lower and right.
    c.fillStyle = rgba(56, 58, 98);
    c.fillRect(443, 59, 323, 2);
    c.fillRect(443, 59, 2, 343);
    c.fillStyle = rgba(156, 159, 206);
    c.fillRect(445, 400, 321, 2);
    c.fillRect(764, 61, 2, 341);
    c.fillStyle = "white";
    c.fillRect(445, 61, 319, 339);
}

function drawControlPanel(c: CanvasRenderingContext2D) {
    const { x, y, w, h, r } = { x: 455.5, y: 415.5, w: 334, h: 114, r: 9 };
    roundedRect(c, x + 3, y + 3, w, h, r);
    c.fillStyle = rgba(64, 66, 110);
    c.fill();
    roundedRect(c, x, y, w, h, r);
    c.fillStyle = vertical(c, y, y + h, [[0, rgba(224, 226, 242)], [1, rgba(194, 197, 226)]]);
    c.fill();
    // Raised rim: light towards the upper left, darker towards the lower right.
    c.strokeStyle = gradient(c.createLinearGradient(x, y, x + w, y + h),
                             [[0, rgba(252, 252, 255)], [1, rgba(108, 110, 158)]]);
    c.lineWidth = 1.5;
    c.stroke();
    // An engraved line between the volume row and the pressure row.
    c.lineWidth = 1;
    for (const [lineY, color] of [[470.5, rgba(158, 160, 196)], [471.5, rgba(244, 245, 252)]] as const) {
        c.strokeStyle = color;
        c.beginPath();
        c.moveTo(468, lineY);
        c.lineTo(778, lineY);
        c.stroke();
    }
}

function drawLiquidStrip(c: CanvasRenderingContext2D) {
    const [x, y, w, h] = [29, 493, 387, 40];
    const fills: [number, number, number, number, string][] = [
        [x, y, w, h, rgba(78, 80, 128)],
        // Inner shadow along the top and left edges, a light lip along the bottom and right.
        [x, y, w, 2, rgba(44, 46, 80)],
        [x, y, 2, h, rgba(44, 46, 80)],
        [x + 2, y + 2, w - 2, 1, rgba(64, 66, 108)],
        [x, y + h - 1, w, 1, rgba(146, 149, 200)],
        [x + w - 1, y, 1, h, rgba(146, 149, 200)],
    ];
    for (const [fx, fy, fw, fh, color] of fills) {
        c.fillStyle = color;
        c.fillRect(fx, fy, fw, fh);
    }
}

export function backgroundImage(length: Length): HTMLCanvasElement {
    const { canvas, context } = canvasOf(kBackgroundWidth, kBackgroundHeight, length, kFrameColor);
    drawCylinder(context);
    drawGraphPanel(context);
    drawControlPanel(context);
    drawLiquidStrip(context);
    return canvas;
}

export function lidImage(length: Length): HTMLCanvasElement {
    const { canvas, context: c } = canvasOf(kLidWidth, kLidImageHeight, length, "black");
    // The window shows 14 rows of the bar, so the lower edge is shaded by row 13.
    c.fillStyle = vertical(c, 0, 14, [[0, rgba(70, 72, 82)], [0.1, rgba(168, 170, 180)],
                                      [0.25, rgba(248, 249, 252)], [0.45, rgba(206, 208, 216)],
                                      [0.75, rgba(150, 152, 164)], [0.92, rgba(104, 106, 118)],
                                      [1, rgba(52, 54, 62)]]);
    c.fillRect(0, 0, kLidWidth, kLidImageHeight);
    // Rounded-off ends.
    const shade: Stop[] = [[0, rgba(0, 0, 0, 150)], [1, rgba(0, 0, 0, 0)]];
    c.fillStyle = horizontal(c, 0, 8, shade);
    c.fillRect(0, 0, 8, kLidImageHeight);
    c.fillStyle = horizontal(c, kLidWidth, kLidWidth - 8, shade);
    c.fillRect(kLidWidth - 8, 0, 8, kLidImageHeight);
    return canvas;
}

// 10 × 10 cyan ball on black corners, copied onto the black cylinder panel.
export function moleculeSprite(length: Length): HTMLCanvasElement {
    const { canvas, context: c } = canvasOf(kSpriteSize, kSpriteSize, length, "black");
    c.fillStyle = gradient(c.createRadialGradient(3.4, 3.2, 0, 5, 5, 5),
                           [[0, rgba(236, 255, 255)], [0.25, rgba(110, 236, 255)],
                            [0.7, rgba(0, 168, 212)], [1, rgba(0, 58, 92)]]);
    c.beginPath();
    c.ellipse(5, 5, 5, 5, 0, 0, 2 * Math.PI);
    c.fill();
    return canvas;
}

export type ButtonPictureKind = "GrphCls" | "GrphSw" | "Sinario";

interface ButtonLook {
    lit: boolean;
    paper: string;  // the white of a chart or a page
    ink: string;    // outlines and axes
}

function lookFor(lit: boolean): ButtonLook {
    return lit ? { lit, paper: rgba(255, 255, 255), ink: rgba(40, 42, 70) }
               : { lit, paper: rgba(234, 235, 244), ink: rgba(70, 72, 100) };
}

// The oval body of every button: 74 × 39 pixels, so that the glow of the lit form still ends
// above row 47, where the button is clipped.
const kBody = { x: 3.5, y: 3.5, w: 74, h: 39 };

function ellipse(c: CanvasRenderingContext2D, x: number, y: number, w: number, h: number) {
    c.beginPath();
    c.ellipse(x + w / 2, y + h / 2, w / 2, h / 2, 0, 0, 2 * Math.PI);
}

function drawButtonBase(c: CanvasRenderingContext2D, look: ButtonLook) {
    const { x, y, w, h } = kBody;
    if (look.lit) {
        for (const [width, alpha] of [[7, 45], [5, 85], [3, 150]] as const) {
            c.strokeStyle = rgba(255, 232, 120, alpha);
            c.lineWidth = width;
            ellipse(c, x, y, w, h);
            c.stroke();
        }
    } else {
        c.fillStyle = rgba(40, 42, 74, 150);
        ellipse(c, x, y + 2, w, h);
        c.fill();
    }
    const face = { x: x + 2, y: y + 2, w: w - 4, h: h - 4 };
    c.fillStyle = look.lit
        ? vertical(c, y, y + h, [[0, rgba(255, 226, 112)], [1, rgba(206, 142, 28)]])
        : vertical(c, y, y + h, [[0, rgba(82, 84, 132)], [1, rgba(38, 40, 72)]]);
    ellipse(c, x, y, w, h);
    c.fill();
    c.fillStyle = look.lit
        ? vertical(c, face.y, face.y + face.h, [[0, rgba(255, 255, 242)], [1, rgba(253, 226, 140)]])
        : vertical(c, face.y, face.y + face.h, [[0, rgba(212, 215, 236)], [1, rgba(138, 142, 190)]]);
    ellipse(c, face.x, face.y, face.w, face.h);
    c.fill();
    // Gloss on the upper half of the face.
    const gloss = { x: face.x + 9, y: face.y + 1.5, w: face.w - 18, h: face.h * 0.46 };
    c.fillStyle = vertical(c, gloss.y, gloss.y + gloss.h,
                           [[0, rgba(255, 255, 255, look.lit ? 200 : 150)], [1, rgba(255, 255, 255, 0)]]);
    ellipse(c, gloss.x, gloss.y, gloss.w, gloss.h);
    c.fill();
}

function line(c: CanvasRenderingContext2D, color: string, width: number, points: number[][]) {
    c.strokeStyle = color;
    c.lineWidth = width;
    c.beginPath();
    points.forEach(([px, py], i) => (i === 0 ? c.moveTo(px!, py!) : c.lineTo(px!, py!)));
    c.stroke();
}

// A chart sheet with its axes, drawn in the rectangle given.
function drawChartSheet(c: CanvasRenderingContext2D, x: number, y: number, w: number, h: number,
                        look: ButtonLook) {
    c.lineCap = "butt";
    roundedRect(c, x, y, w, h, 1.5);
    c.fillStyle = look.paper;
    c.fill();
    c.strokeStyle = look.ink;
    c.lineWidth = 1;
    c.stroke();
    const grid = look.lit ? rgba(196, 204, 232) : rgba(200, 203, 220);
    for (let i = 1; i <= 2; ++i) {
        const gy = y + 3 + (i * (h - 7)) / 3;
        line(c, grid, 1, [[x + 4, gy], [x + w - 2, gy]]);
        const gx = x + 4 + (i * (w - 6)) / 3;
        line(c, grid, 1, [[gx, y + 2], [gx, y + h - 4]]);
    }
    line(c, look.ink, 1.4, [[x + 4, y + 2], [x + 4, y + h - 3.5], [x + w - 2, y + h - 3.5]]);
}

function plotLine(c: CanvasRenderingContext2D, color: string, points: number[][]) {
    c.lineJoin = "round";
    c.lineCap = "round";
    line(c, color, 2.2, points);
    c.lineJoin = "miter";
    c.lineCap = "butt";
}

function drawLineChart(c: CanvasRenderingContext2D, look: ButtonLook) {
    drawChartSheet(c, 22.5, 10.5, 36, 24, look);
    plotLine(c, look.lit ? rgba(232, 24, 24) : rgba(178, 58, 64),
             [[28, 27], [34, 19], [40, 23], [47, 14.5], [55, 18]]);
    plotLine(c, look.lit ? rgba(24, 78, 236) : rgba(58, 84, 170),
             [[28, 30.5], [35, 26], [41, 28.5], [48, 23], [55, 25]]);
}

function drawChartWithEraser(c: CanvasRenderingContext2D, look: ButtonLook) {
    drawChartSheet(c, 19.5, 10.5, 30, 23, look);
    // What is left of a plotted line, running into the eraser.
    plotLine(c, look.lit ? rgba(232, 24, 24) : rgba(178, 58, 64),
             [[25, 25], [31, 18], [36, 21], [39, 19]]);
    c.save();
    c.translate(50.5, 25.5);
    c.rotate((-32 * Math.PI) / 180);
    const body = { x: -11, y: -5.5, w: 22, h: 11 };
    const rubberWidth = body.w * 0.45;
    roundedRect(c, body.x, body.y, rubberWidth + 2, body.h, 2);
    c.fillStyle = look.lit ? rgba(255, 150, 176) : rgba(214, 138, 156);
    c.fill();
    const sleeve = { x: body.x + rubberWidth, w: body.w - rubberWidth };
    c.fillStyle = vertical(c, body.y, body.y + body.h, look.lit
        ? [[0, rgba(96, 150, 255)], [1, rgba(30, 80, 200)]]
        : [[0, rgba(104, 128, 190)], [1, rgba(52, 70, 140)]]);
    c.fillRect(sleeve.x, body.y, sleeve.w, body.h);
    c.fillStyle = rgba(255, 255, 255, look.lit ? 150 : 100);
    c.fillRect(body.x + 1.5, body.y + 1.2, body.w - 3, 1.6);
    roundedRect(c, body.x, body.y, body.w, body.h, 2);
    c.strokeStyle = look.ink;
    c.lineWidth = 1;
    c.stroke();
    c.restore();
}

function drawOpenBook(c: CanvasRenderingContext2D, look: ButtonLook) {
    const spine = 40.5;
    // The cover, just wider than the pages.
    c.beginPath();
    c.moveTo(spine, 15.5);
    c.quadraticCurveTo(29, 11.5, 18, 13.5);
    c.lineTo(18, 35.5);
    c.quadraticCurveTo(29, 33.5, spine, 37.5);
    c.quadraticCurveTo(52, 33.5, 63, 35.5);
    c.lineTo(63, 13.5);
    c.quadraticCurveTo(52, 11.5, spine, 15.5);
    c.fillStyle = look.lit ? rgba(196, 40, 48) : rgba(128, 52, 66);
    c.fill();
    c.strokeStyle = look.ink;
    c.lineWidth = 1;
    c.stroke();
    // Pages bow down towards the spine, where they are shaded.
    for (const side of [-1, 1]) {
        const outer = spine + side * 20;
        c.beginPath();
        c.moveTo(spine, 14);
        c.quadraticCurveTo(spine + side * 10, 8.5, outer, 10.5);
        c.lineTo(outer, 32.5);
        c.quadraticCurveTo(spine + side * 10, 30.5, spine, 35);
        c.closePath();
        const shade = look.lit ? rgba(214, 214, 226) : rgba(176, 178, 198);
        c.fillStyle = horizontal(c, spine, outer, [[0, shade], [0.35, look.paper], [1, look.paper]]);
        c.fill();
        c.strokeStyle = look.ink;
        c.stroke();
        // Lines of text, following the bow of the page.
        c.strokeStyle = look.lit ? rgba(96, 100, 140) : rgba(130, 132, 160);
        for (let i = 0; i < 4; ++i) {
            const ty = 16 + i * 4.5;
            c.beginPath();
            c.moveTo(spine + side * 3.5, ty + 1.5);
            c.quadraticCurveTo(spine + side * 10, ty - 1.5, spine + side * 16.5, ty - 0.5);
            c.stroke();
        }
    }
    // Bookmark ribbon.
    c.beginPath();
    for (const [px, py] of [[spine + 1, 34], [spine + 4, 34], [spine + 5, 40], [spine + 3.3, 38.6],
                            [spine + 2, 40.5]] as const) {
        c.lineTo(px, py);
    }
    c.closePath();
    c.fillStyle = look.lit ? rgba(232, 40, 40) : rgba(168, 64, 70);
    c.fill();
}

// 81 × 51 opaque oval button on the frame colour. Only the top 47 rows are ever shown.
export function buttonPicture(kind: ButtonPictureKind, lit: boolean, length: Length): HTMLCanvasElement {
    const { canvas, context } = canvasOf(kButtonWidth, kButtonHeight, length, kFrameColor);
    const look = lookFor(lit);
    drawButtonBase(context, look);
    if (kind === "GrphCls") drawChartWithEraser(context, look);
    else if (kind === "GrphSw") drawLineChart(context, look);
    else drawOpenBook(context, look);
    return canvas;
}

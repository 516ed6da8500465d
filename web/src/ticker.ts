// The animation's clock: one tick of the core's timer per interval, counted from the display's
// frames. A late frame catches up a few ticks at most; a hidden page stops ticking and goes on
// where it was when it is shown again, without a burst of the ticks it missed.

// Ticks that at most follow one frame.
export const kMostTicksPerFrame = 4;

export interface TickCount {
    ticks: number;  // to run now
    since: number;  // ms, the time the next count starts from
}

export function ticksDue(since: number, now: number, interval: number): TickCount {
    const due = Math.floor((now - since) / interval);
    if (due <= 0) return { ticks: 0, since };
    if (due > kMostTicksPerFrame) return { ticks: kMostTicksPerFrame, since: now };
    return { ticks: due, since: since + due * interval };
}

export class Ticker {
    private since: number | null = null;
    private frame = 0;

    constructor(private readonly interval: number, private readonly tick: () => void) {
        document.addEventListener("visibilitychange", () => {
            if (document.hidden) this.stop();
            else this.start();
        });
    }

    start(): void {
        if (this.frame !== 0 || document.hidden) return;
        this.since = null;
        this.frame = requestAnimationFrame((now) => this.onFrame(now));
    }

    stop(): void {
        cancelAnimationFrame(this.frame);
        this.frame = 0;
    }

    private onFrame(now: number): void {
        this.frame = requestAnimationFrame((next) => this.onFrame(next));
        if (this.since === null) {
            this.since = now;
            return;
        }
        const count = ticksDue(this.since, now, this.interval);
        this.since = count.since;
        for (let i = 0; i < count.ticks; ++i) this.tick();
    }
}

// The page around the game: canvas, keys, layout on every resize, title, sound, printing, the
// screen reader's live region, the touch keys and the About dialog.
"use strict";

(function () {
  const VK = { Tab: 9, " ": 32, Home: 36, ArrowUp: 38, ArrowDown: 40, F1: 112 };
  const PAINT = ["drawn", "too_small", "nothing", "client_changed"];
  const board = document.getElementById("board");
  const bar = document.getElementById("bar");
  const live = document.getElementById("sentence");
  const story = document.getElementById("story");
  const about = document.getElementById("about");
  // What the tests and the benchmark look at.
  const page = (window.zarvoPage = { cues: [], paints: 0, printed: 0, clipsDecoded: 0,
    ready: false });

  page.layout = () => call("zarvo_layout", "string", [], []);
  page.press = (vk) => press(vk);

  let game = null;
  let call = null;
  let client = { width: 0, height: 0, dpr: 1 };

  function text(context, source) {
    return call("zarvo_text", "string", ["string", "string"], [context, source]);
  }

  // The language: ?lang=CODE, else the first of the browser's languages that the game speaks
  // (English being one of them); a language the game does not speak leaves English.
  function chooseLanguage() {
    const spoken = call("zarvo_languages", "string", [], []).split(",").filter(Boolean);
    const speaks = (code) => {
      const c = code.replace("-", "_");
      if (c === "en" || c.startsWith("en_") || c === "C") return "en";
      if (spoken.includes(c)) return c;
      const primary = c.split("_")[0];
      return spoken.includes(primary) ? primary : null;
    };
    const asked = new URLSearchParams(location.search).get("lang");
    const wanted = asked ? [asked] : navigator.languages || [navigator.language];
    for (const code of wanted) {
      const found = speaks(code);
      if (found) return found;
    }
    if (asked) {
      const offered = ["en", ...spoken.filter((c) => c !== "pseudo")].sort().join(", ");
      notices.push(fill(text("CommandLine",
        "there is no translation for '%1'; the game speaks %2."), [asked, offered]));
    }
    return "en";
  }

  // A wrong address gets a clear message under the board, and the game plays on.
  const notices = [];
  function fill(pattern, args) {
    return pattern.replace(/%([1-9])/g, (all, n) => (n <= args.length ? args[n - 1] : all));
  }

  // Sound: the three clips are fetched at once and decoded once the first key has unlocked
  // audio, as browsers require. A new cue cuts the one playing; a key never waits for sound.
  const audio = { context: null, clips: {}, raw: {}, playing: null };
  for (const id of [101, 102, 103])
    fetch("cues/" + id + ".wav").then((r) => r.arrayBuffer()).then((b) => (audio.raw[id] = b))
      .catch(() => {});
  function unlockAudio() {
    if (audio.context || !window.AudioContext) return;
    audio.context = new AudioContext();
    for (const id of Object.keys(audio.raw)) {
      audio.context.decodeAudioData(audio.raw[id].slice(0)).then((clip) => {
        audio.clips[id] = clip;
        page.clipsDecoded = Object.keys(audio.clips).length;
      }).catch(() => {});
    }
  }
  function playCue(id) {
    const clip = audio.clips[id];
    page.cues.push({ id, played: !!clip, cut: !!(clip && audio.playing) });
    if (!clip) return;
    if (audio.playing) audio.playing.stop();
    const source = audio.context.createBufferSource();
    source.buffer = clip;
    source.connect(audio.context.destination);
    source.onended = () => {
      if (audio.playing === source) audio.playing = null;
    };
    source.start();
    audio.playing = source;
  }

  // The context the game draws on; the colour and font last set on it are kept, so that a
  // drawing sets them only when they change.
  function useContext(ctx) {
    ctx.imageSmoothingEnabled = false;
    ctx.textBaseline = "alphabetic";
    ctx.fontKerning = "none";  // as the desktop draws: a text is as wide as its letters
    game.ctx = ctx;
    game.lastFill = game.lastFont = null;
  }

  function showTitle() {
    document.title = call("zarvo_title", "string", [], []);
  }

  // The board's name says the whole game; the live region says what the key (or the opening
  // of a game) did, and only then.
  // The story changes only with a new game: `newGame` is false for a key that did not start one.
  function tellReader(say, newGame = true) {
    if (say) {
      const sentence = call("zarvo_sentence", "string", [], []);
      if (say === true || sentence !== page.said) {
        // Emptied first, so that the same sentence twice is still read twice.
        live.textContent = "";
        live.textContent = page.said = sentence;
      }
    }
    board.setAttribute("aria-label", "Zarvo: " + call("zarvo_state", "string", [], []));
    if (!newGame) return;
    const told = call("zarvo_story", "string", [], []);
    if (story.textContent !== told) story.textContent = told;
  }

  // The board fills what the page leaves above the key row; laid out again at every size.
  function layOut(opening) {
    const width = Math.floor(window.innerWidth);
    const height = Math.max(0, Math.floor(window.innerHeight - bar.offsetHeight));
    const dpr = window.devicePixelRatio || 1;
    if (width === client.width && height === client.height && dpr === client.dpr) return;
    client = { width, height, dpr };
    board.style.width = width + "px";
    board.style.height = height + "px";
    board.width = Math.round(width * dpr);
    board.height = Math.round(height * dpr);
    const ctx = board.getContext("2d");
    ctx.setTransform(dpr, 0, 0, dpr, 0, 0);
    useContext(ctx);
    const t0 = performance.now();
    const result = PAINT[call("zarvo_paint", "number", ["number", "number"], [width, height])];
    page.lastPaint = { result, ms: performance.now() - t0, width, height, dpr };
    page.paints += 1;
    // The first picture reaches the screen with the next frame.
    if (page.paints === 1) requestAnimationFrame(() => (page.firstPaint = performance.now()));
    showTitle();
    tellReader(opening || "new");
  }

  function press(vk) {
    unlockAudio();
    const t0 = performance.now();
    const flags = call("zarvo_key", "number", ["number"], [vk]);
    page.lastKeyMs = performance.now() - t0;
    if (flags & 2) {
      client.width = -1;
      layOut(true);
      return;
    }
    if (flags & 1) showTitle();
    tellReader((flags & 4) !== 0, (flags & 1) !== 0);
  }

  // Ctrl+P after a win: the results page drawn at print resolution on the browser's paper
  // (A4, or Letter where the language's country uses it), then the browser's print dialog,
  // which prints that page alone (or saves it as a PDF).
  function printResults() {
    if (!call("zarvo_can_print", "number", [], [])) return;
    const letter = /^en-(US|CA)|^es-(US|MX)/.test(navigator.language);
    const dpi = 200;
    const width = Math.round((letter ? 8.5 : 210 / 25.4) * dpi);
    const height = Math.round((letter ? 11 : 297 / 25.4) * dpi);
    const canvas = document.querySelector("#printout canvas");
    canvas.width = width;
    canvas.height = height;
    const screen = game.ctx;
    useContext(canvas.getContext("2d"));
    call("zarvo_print", null, ["number", "number"], [width, height]);
    useContext(screen);
    const image = document.querySelector("#printout img");
    image.onload = () => {
      page.printed += 1;
      window.print();
    };
    image.src = canvas.toDataURL("image/png");
  }

  function showAbout() {
    about.showModal();
  }

  document.addEventListener("keydown", (e) => {
    if (!page.ready || about.open) return;
    if (e.isTrusted) document.body.classList.remove("touch");
    if (e.altKey || e.metaKey) return;  // the browser's and the system's
    if (e.ctrlKey) {
      if (e.key === "p" || e.key === "P") {
        e.preventDefault();
        printResults();
      }
      return;
    }
    const vk = VK[e.key];
    if (vk === undefined) return;
    e.preventDefault();
    press(vk);
  });
  // Hiding the touch keys gives the board their room.
  new ResizeObserver(() => page.ready && layOut()).observe(bar);
  window.addEventListener("resize", () => page.ready && layOut());
  for (const button of bar.querySelectorAll(".key")) {
    button.addEventListener("click", () => {
      if (button.dataset.print) printResults();
      else press(Number(button.dataset.vk));
      board.focus();
    });
  }
  document.getElementById("about-button").addEventListener("click", showAbout);
  about.addEventListener("close", () => board.focus());

  if ((navigator.maxTouchPoints || 0) > 0 || matchMedia("(pointer: coarse)").matches)
    document.body.classList.add("touch");

  if ("serviceWorker" in navigator && location.protocol !== "file:")
    navigator.serviceWorker.register("sw.js").catch(() => {});

  // The font is there before the first layout, so that text measures as it does on the desktop.
  const fonts = Promise.all([
    document.fonts.load('16px "Zarvo Sans"'),
    document.fonts.load('bold 16px "Zarvo Sans"'),
  ]);
  Promise.all([fonts, createZarvo()]).then(([, module]) => {
    game = module;
    game.fontFamily = '"Zarvo Sans"';
    const colours = new Map();
    game.css = (rgb) => {
      let css = colours.get(rgb);
      if (css === undefined) colours.set(rgb, (css = "#" + rgb.toString(16).padStart(6, "0")));
      return css;
    };
    game.fill = (rgb) => {
      if (game.lastFill === rgb) return;
      game.lastFill = rgb;
      game.ctx.fillStyle = game.css(rgb);
    };
    game.playCue = playCue;
    call = game.ccall;
    const language = chooseLanguage();
    call("zarvo_set_language", "number", ["string"], [language]);
    game.languageCode = language === "pseudo" ? "en" : language.replace("_", "-");
    document.documentElement.lang = game.languageCode;
    const asked = new URLSearchParams(location.search).get("problem");
    const problem = asked !== null && /^\d+$/.test(asked) && Number(asked) <= 27 ? Number(asked) : -1;
    if (asked !== null && problem < 0)
      notices.push(fill(text("CommandLine", "--problem takes a whole number from 0 to 27, not '%1'.")
        .replace("--problem", "?problem="), [asked]));
    document.getElementById("notice").textContent = notices.join(" ");
    call("zarvo_new_game", null, ["number"], [problem]);
    document.getElementById("about-title").textContent = text("About", "About Zarvok");
    document.getElementById("about-button").textContent = text("About", "About Zarvok");
    document.getElementById("about-version").textContent = text("About", "Zarvok Version Z611");
    document.getElementById("about-notice").textContent =
      text("About", "Copyright (C) 2026 Zarvo team");
    document.getElementById("about-ok").textContent = text("About", "OK");
    page.ready = true;
    layOut();
    board.focus();
  });
})();

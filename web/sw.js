// Keeps the page's files for offline play: everything is cached when the page is installed
// and served from the cache from then on; a new build brings a cache of its own.
const CACHE = "zarvo-@VERSION@";
const FILES = ["./", "index.html", "shell.js", "zarvo.js", "zarvo.wasm", "icon.png",
  "LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf",
  "cues/101.wav", "cues/102.wav", "cues/103.wav"];

self.addEventListener("install", (e) => {
  e.waitUntil(caches.open(CACHE).then((c) => c.addAll(FILES)).then(() => self.skipWaiting()));
});
self.addEventListener("activate", (e) => {
  e.waitUntil(caches.keys().then((keys) =>
    Promise.all(keys.filter((k) => k !== CACHE).map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});
self.addEventListener("fetch", (e) => {
  if (e.request.method !== "GET") return;
  e.respondWith(caches.match(e.request, { ignoreSearch: true })
    .then((hit) => hit || fetch(e.request)));
});

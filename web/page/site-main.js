// The site folder's page: a worker keeps the site for offline use. Browsers
// allow one only over https or on this machine, where the page is a secure
// context; opened from disk it is none, and works as the single page does.
if (window.isSecureContext && "serviceWorker" in navigator) {
  navigator.serviceWorker.register("sw.js");
}

// Both languages are on every page, because a plain file server ignores the
// "?l=eng" / "?l=rus" query; with the query present, show only that language.
(function () {
  var lang = new URLSearchParams(window.location.search).get("l");
  if (lang !== "eng" && lang !== "rus") return;
  var other = lang === "eng" ? "rus" : "eng";
  document.querySelectorAll("[lang-section='" + other + "']").forEach(function (node) {
    node.style.display = "none";
  });
})();

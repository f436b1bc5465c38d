<!DOCTYPE html>
<html>
<head>
<meta charset="utf-8">
<title>Korvana - Download</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<header><h1>Korvana</h1>
<a href="/">Home</a><a href="/help.php?l=eng">Help</a><a href="/update.php?l=eng">Download</a><a href="/tellafriend.php?l=eng">Tell a friend</a>
| <a href="/help.php?l=rus">Справка</a><a href="/update.php?l=rus">Скачать</a><a href="/tellafriend.php?l=rus">Рассказать другу</a>
</header>
<main>
<section lang="en" lang-section="eng">
<h2>Download</h2>
<p>The latest version of Korvana is <b>1.5.3</b>. Korvana tells you itself when a newer version appears: a red notice shows on its window, and a click on it brings you here.</p>
<p>Korvana is free software under the GNU General Public License, version 3 or later: see the licence from its Help menu.</p>
</section>
<section lang="ru" lang-section="rus">
<h2>Загрузка</h2>
<p>Последняя версия Korvana - <b>1.5.3</b>. Korvana сама сообщает о выходе новой версии: в её окне появляется красная надпись, щелчок по которой ведёт сюда.</p>
<p>Korvana - свободная программа под Стандартной общественной лицензией GNU версии 3 или более поздней: лицензия доступна в меню Справка.</p>
</section>
</main>
<script src="/lang.js"></script>
</body>
</html>

<!DOCTYPE html>
<html>
<head>
<meta charset="utf-8">
<title>Korvana - Tell a friend</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<header><h1>Korvana</h1>
<a href="/">Home</a><a href="/help.php?l=eng">Help</a><a href="/update.php?l=eng">Download</a><a href="/tellafriend.php?l=eng">Tell a friend</a>
| <a href="/help.php?l=rus">Справка</a><a href="/update.php?l=rus">Скачать</a><a href="/tellafriend.php?l=rus">Рассказать другу</a>
</header>
<main>
<section lang="en" lang-section="eng">
<h2>Tell a friend</h2>
<p>Know someone who plays Hold'em? Send them the address of this site:</p>
<p><code>http://www.korvana.example</code></p>
<p><a href="mailto:?subject=Korvana%20odds%20calculator&amp;body=Have%20a%20look%20at%20http%3A%2F%2Fwww.korvana.example">Write a mail to a friend</a></p>
</section>
<section lang="ru" lang-section="rus">
<h2>Рассказать другу</h2>
<p>Знаете кого-то, кто играет в Холдем? Отправьте ему адрес этого сайта:</p>
<p><code>http://www.korvana.example</code></p>
<p><a href="mailto:?subject=Korvana&amp;body=http%3A%2F%2Fwww.korvana.example">Написать письмо другу</a></p>
</section>
</main>
<script src="/lang.js"></script>
</body>
</html>

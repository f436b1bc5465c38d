<!DOCTYPE html>
<html>
<head>
<meta charset="utf-8">
<title>Korvana - Help</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<header><h1>Korvana</h1>
<a href="/">Home</a><a href="/help.php?l=eng">Help</a><a href="/update.php?l=eng">Download</a><a href="/tellafriend.php?l=eng">Tell a friend</a>
| <a href="/help.php?l=rus">Справка</a><a href="/update.php?l=rus">Скачать</a><a href="/tellafriend.php?l=rus">Рассказать другу</a>
</header>
<main>
<section lang="en" lang-section="eng">
<h2>Help</h2>
<ol>
<li>Click your two pocket cards in the card picker; they go into the first two slots.</li>
<li>Add the flop, turn and river as they are dealt. Click a slot picture to take a card back.</li>
<li>Each line of the list is one hand: <b>green</b> complete, <b>yellow</b> possible, <b>red</b> impossible. "1:x" means one success in x tries.</li>
<li>Choose the round the odds refer to, or let <i>Automatically switch round</i> follow the cards.</li>
<li>The strip above the cards shows your equity, win and tie chance. <i>Opponents…</i> (Ctrl+R) gives each opponent his own range, as text (<code>QQ+, AKs</code>, <code>15%</code>) or on the grid of starting hands.</li>
<li>Each opponent's row shows his own equity, win and tie. In any range, <code>@name</code> stands for a range of your library (<code>@open-btn</code>, <code>@3bet</code>): pick one or save yours with <i>Save as…</i> in the grid window; the library is the text file <code>~/.config/korvana/ranges.txt</code>, one <code>name = range</code> a line.</li>
<li>From the flop on, tick hands and draws under the grid to keep only the part of his range that makes them ("he called: keep his pairs and draws").</li>
<li>Press <i>Fold</i> to clear the table for the next hand.</li>
</ol>
</section>
<section lang="ru" lang-section="rus">
<h2>Справка</h2>
<ol>
<li>Выберите две карманные карты: они займут первые два места.</li>
<li>Добавляйте флоп, терн и ривер по мере раздачи. Щелчок по карте на столе убирает её.</li>
<li>Каждая строка списка - одна комбинация: <b>зелёная</b> собрана, <b>жёлтая</b> возможна, <b>красная</b> невозможна. "1:x" - один успех на x попыток.</li>
<li>Выберите раунд, к которому относятся шансы, или включите <i>Автоматически переключать раунд</i>.</li>
<li>Полоса над картами показывает вашу эквити, шанс выигрыша и ничьей. <i>Соперники…</i> (Ctrl+R) задаёт каждому сопернику свой диапазон — текстом (<code>QQ+, AKs</code>, <code>15%</code>) или на сетке стартовых рук.</li>
<li>В строке каждого соперника видны его собственная доля банка, выигрыш и ничья. В любом диапазоне <code>@имя</code> означает диапазон из вашей библиотеки (<code>@open-btn</code>, <code>@3bet</code>): выберите его или сохраните свой кнопкой <i>Сохранить как…</i> в окне сетки; библиотека — текстовый файл <code>~/.config/korvana/ranges.txt</code>, по одной строке <code>имя = диапазон</code>.</li>
<li>С флопа отметьте руки и дро под сеткой, чтобы оставить только ту часть его диапазона, которая их даёт («он заколлировал — оставим пары и дро»).</li>
<li>Кнопка <i>Сброс</i> очищает стол для следующей раздачи.</li>
</ol>
</section>
</main>
<script src="/lang.js"></script>
</body>
</html>

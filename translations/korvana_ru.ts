<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CardKeys</name>
    <message>
        <source>Card: %1, now a suit: c d h s</source>
        <translation>Карта: %1, теперь масть: c d h s</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a card key: rank 2-9 T J Q K A, then suit c d h s</source>
        <translation>«%1» — не карта: ранг 2-9 T J Q K A, затем масть c d h s</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a suit: type the rank first</source>
        <translation>«%1» — это масть: сначала наберите ранг</translation>
    </message>
    <message>
        <source>%1 is already on the table</source>
        <translation>%1 уже на столе</translation>
    </message>
    <message>
        <source>All seven places are taken: %1 not placed</source>
        <translation>Все семь мест заняты: %1 не положена</translation>
    </message>
    <message>
        <source>No card on the table to take off</source>
        <translation>На столе нет карты, которую можно снять</translation>
    </message>
    <message>
        <source>A ten is typed as 1 0 (or T), then the suit</source>
        <translation>Десятка набирается как 1 0 (или T), затем масть</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Texas Hold&apos;em hand analyser and odds calculator: click the cards you know
into the window and see how each poker hand stands. For the odds on the
command line, without a window, use korvana-odds.</source>
        <translation>Анализатор рук Техасского Холдема и калькулятор шансов: отметьте в окне
известные вам карты и посмотрите, как стоит каждая покерная комбинация.
Шансы в командной строке, без окна, считает korvana-odds.</translation>
    </message>
    <message>
        <source>Log every online request and its outcome on standard error.</source>
        <translation>Записывать каждый запрос к сайту и его исход в стандартный поток ошибок.</translation>
    </message>
    <message>
        <source>Open the hands of a hand-history file in the replay window.</source>
        <translation>Открыть раздачи из файла истории рук в окне повтора.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>файл</translation>
    </message>
</context>
<context>
    <name>LastCheck</name>
    <message>
        <source>site not found</source>
        <translation>сайт не найден</translation>
    </message>
    <message>
        <source>the proxy refused</source>
        <translation>прокси-сервер отказал</translation>
    </message>
    <message>
        <source>no connection</source>
        <translation>нет соединения</translation>
    </message>
    <message>
        <source>secure connection failed</source>
        <translation>не удалось защищённое соединение</translation>
    </message>
    <message>
        <source>no answer in time</source>
        <translation>сайт не ответил вовремя</translation>
    </message>
    <message>
        <source>the site answered with an error</source>
        <translation>сайт ответил ошибкой</translation>
    </message>
    <message>
        <source>the site&apos;s answer was not understood</source>
        <translation>ответ сайта не понят</translation>
    </message>
    <message>
        <source>bad site address</source>
        <translation>неверный адрес сайта</translation>
    </message>
    <message>
        <source>the answer could not be stored</source>
        <translation>ответ не удалось сохранить</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>прервана</translation>
    </message>
    <message>
        <source>No version check has ended yet</source>
        <translation>Проверка версии ещё не завершалась</translation>
    </message>
    <message>
        <source>Last check failed: %1</source>
        <translation>Последняя проверка не удалась: %1</translation>
    </message>
    <message>
        <source>Last check: %1, version %2 is out</source>
        <translation>Последняя проверка: %1, вышла версия %2</translation>
    </message>
    <message>
        <source>Last check: %1, no newer version</source>
        <translation>Последняя проверка: %1, новой версии нет</translation>
    </message>
</context>
<context>
    <name>LinkMessage</name>
    <message>
        <source>Korvana could not open this link. Copy the address:</source>
        <translation>Korvana не смогла открыть ссылку. Скопируйте адрес:</translation>
    </message>
</context>
<context>
    <name>Paste</name>
    <message>
        <source>Cannot paste: %1</source>
        <translation>Не удалось вставить: %1</translation>
    </message>
    <message>
        <source>the clipboard holds no cards (e.g. Ah Kh - Qd Jd)</source>
        <translation>в буфере обмена нет карт (например, Ah Kh - Qd Jd)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a card (e.g. Ah, Td, 10h, - for an empty slot)</source>
        <translation>«%1» — не карта (например, Ah, Td, 10h или - для пустого слота)</translation>
    </message>
    <message>
        <source>card %1 is given twice</source>
        <translation>карта %1 указана дважды</translation>
    </message>
    <message>
        <source>more than seven slots, at &quot;%1&quot;</source>
        <translation>больше семи слотов, лишний — «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither --opponents nor --vs</source>
        <translation>«%1» — не --opponents и не --vs</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>у %1 нет значения</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of opponents from 1 to 9</source>
        <translation>«%1» — не число соперников от 1 до 9</translation>
    </message>
    <message>
        <source>more ranges than opponents (at most nine), at &quot;%1&quot;</source>
        <translation>диапазонов больше, чем соперников (их не больше девяти), у «%1»</translation>
    </message>
</context>
<context>
    <name>RangeLibrary</name>
    <message>
        <source>larger than %1 bytes</source>
        <translation>больше %1 байт</translation>
    </message>
    <message>
        <source>there is no file to save into</source>
        <translation>нет файла, в который можно сохранить</translation>
    </message>
    <message>
        <source>cannot create the folder</source>
        <translation>не удаётся создать папку</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>Preflop</source>
        <translation>Префлоп</translation>
    </message>
    <message>
        <source>Flop</source>
        <translation>Флоп</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Тёрн</translation>
    </message>
    <message>
        <source>River</source>
        <translation>Ривер</translation>
    </message>
    <message>
        <source>Hand %1, line %2: %3</source>
        <translation>Раздача %1, строка %2: %3</translation>
    </message>
    <message>
        <source>Hand %1 starts: %2 players</source>
        <translation>Раздача %1: игроков за столом %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 collects %2</source>
        <translation>%1 забирает %2</translation>
    </message>
    <message>
        <source>The hand ends</source>
        <translation>Раздача окончена</translation>
    </message>
    <message>
        <source>%1 posts an ante of %2</source>
        <translation>%1 ставит анте %2</translation>
    </message>
    <message>
        <source>%1 posts the small blind %2</source>
        <translation>%1 ставит малый блайнд %2</translation>
    </message>
    <message>
        <source>%1 posts the big blind %2</source>
        <translation>%1 ставит большой блайнд %2</translation>
    </message>
    <message>
        <source>%1 posts both blinds, %2</source>
        <translation>%1 ставит оба блайнда, %2</translation>
    </message>
    <message>
        <source>%1 straddles %2</source>
        <translation>%1 ставит стрэддл %2</translation>
    </message>
    <message>
        <source>%1 folds</source>
        <translation>%1 сбрасывает</translation>
    </message>
    <message>
        <source>%1 checks</source>
        <translation>%1 чекает</translation>
    </message>
    <message>
        <source>%1 calls %2</source>
        <translation>%1 коллирует %2</translation>
    </message>
    <message>
        <source>%1 bets %2</source>
        <translation>%1 ставит %2</translation>
    </message>
    <message>
        <source>%1 raises to %2</source>
        <translation>%1 повышает до %2</translation>
    </message>
    <message>
        <source>%1 takes back %2, not called</source>
        <translation>%1 получает назад %2, ставку не уравняли</translation>
    </message>
    <message>
        <source>%1, all in</source>
        <translation>%1, олл-ин</translation>
    </message>
    <message>
        <source>to call %1 into %2</source>
        <translation>колл %1 в банк %2</translation>
    </message>
</context>
<context>
    <name>Tooltips</name>
    <message>
        <source>Your pocket card. Click to take it off the table</source>
        <translation>Ваша карта на руках. Щелчок убирает её со стола</translation>
    </message>
    <message>
        <source>A flop card. Click to take it off the table</source>
        <translation>Карта флопа. Щелчок убирает её со стола</translation>
    </message>
    <message>
        <source>The turn card. Click to take it off the table</source>
        <translation>Карта терна. Щелчок убирает её со стола</translation>
    </message>
    <message>
        <source>The river card. Click to take it off the table</source>
        <translation>Карта ривера. Щелчок убирает её со стола</translation>
    </message>
    <message>
        <source>The round by which the odds count: how many cards will be known then</source>
        <translation>Раунд, к которому считаются шансы: сколько карт будет известно к нему</translation>
    </message>
    <message>
        <source>Let the round follow the cards on the table: flop below five cards, turn with five, river with six or seven</source>
        <translation>Раунд следует за картами на столе: флоп при меньше чем пяти картах, терн при пяти, ривер при шести или семи</translation>
    </message>
    <message>
        <source>Each hand: complete, impossible, or possible with the odds 1:x of making it by the round</source>
        <translation>Каждая комбинация: собрана, невозможна или возможна с шансами 1:x собрать её к раунду</translation>
    </message>
    <message>
        <source>How much of the desktop shows through the window</source>
        <translation>Насколько окно просвечивает</translation>
    </message>
    <message>
        <source>Text colour of the odds list, from dark to white</source>
        <translation>Цвет текста в списке шансов, от тёмного до белого</translation>
    </message>
    <message>
        <source>Time since Korvana started, in hours and minutes</source>
        <translation>Время с запуска Korvana, в часах и минутах</translation>
    </message>
    <message>
        <source>Folds with at least two cards on the table since start</source>
        <translation>Сбросы хотя бы двух карт со стола с момента запуска</translation>
    </message>
    <message>
        <source>The best hand completed since start</source>
        <translation>Лучшая комбинация, собранная с момента запуска</translation>
    </message>
    <message>
        <source>Clear the table for the next hand (Ctrl+N)</source>
        <translation>Очистить стол для следующей раздачи (Ctrl+N)</translation>
    </message>
    <message>
        <source>Take back the last change of cards, fold, round or auto-switch (Ctrl+Z)</source>
        <translation>Отменить последнее изменение карт, сброс, раунд или автопереключение (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Make the change you took back again (Ctrl+Shift+Z or Ctrl+Y)</source>
        <translation>Вернуть отменённое изменение (Ctrl+Shift+Z или Ctrl+Y)</translation>
    </message>
    <message>
        <source>Open the Korvana help pages in your web browser</source>
        <translation>Открыть справку Korvana в браузере</translation>
    </message>
    <message>
        <source>Show what Korvana is and which version this is</source>
        <translation>Показать, что такое Korvana и какая это версия</translation>
    </message>
    <message>
        <source>Open a page in your web browser to tell a friend about Korvana</source>
        <translation>Открыть в браузере страницу, чтобы рассказать другу о Korvana</translation>
    </message>
    <message>
        <source>Read the terms under which Korvana may be used</source>
        <translation>Прочитать условия, на которых можно пользоваться Korvana</translation>
    </message>
    <message>
        <source>Show every text of the window in this language; the choice is remembered</source>
        <translation>Показывать все тексты окна на этом языке; выбор запоминается</translation>
    </message>
    <message>
        <source>Show the exact chance of each hand under the odds list, with its outs on the cards</source>
        <translation>Показывать под списком точный шанс каждой комбинации и её ауты на картах</translation>
    </message>
    <message>
        <source>Lights that colour-blind players tell apart, with readable text and a symbol for each state</source>
        <translation>Цвета, различимые при дальтонизме, с читаемым текстом и значком состояния</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>High-contrast lights</source>
        <translation>Контрастная подсветка</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Двойка</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Тройка</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Четвёрка</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Пятёрка</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Шестёрка</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Семёрка</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Восьмёрка</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Девятка</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Десятка</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Валет</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Дама</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Король</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Туз</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>треф</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>бубён</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>червей</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>пик</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 the rank, %2 the suit.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Auto-switch chooses the round from the cards on the table; turn it off to choose the round yourself</source>
        <translation>Раунд выбирает автопереключение по картам на столе; выключите его, чтобы выбрать раунд самому</translation>
    </message>
    <message>
        <source>Copy the table as card codes, with the opponents and their range on a second line, for korvana-odds or another window (Ctrl+C)</source>
        <translation>Скопировать стол кодами карт, а соперников и их диапазон — второй строкой, для korvana-odds или другого окна (Ctrl+C)</translation>
    </message>
    <message>
        <source>Put the cards of copied text on the table, and its opponents and range if it names them (Ctrl+V)</source>
        <translation>Положить на стол карты из скопированного текста, а также соперников и диапазон, если они в нём указаны (Ctrl+V)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Click to put this card on the table; click again to take it off. Right-click a card you saw folded: it is dead, held by no opponent in the win chance</source>
        <translation>Щелчок кладёт карту на стол, повторный щелчок убирает её. Щелчок правой кнопкой по карте, которую вы видели сброшенной: она мёртвая, в шансе выигрыша её не держит ни один соперник</translation>
    </message>
</context>
<context>
    <name>WinChance</name>
    <message>
        <source>vs 1 opponent</source>
        <translation>против 1 соперника</translation>
    </message>
    <message>
        <source>vs %1 opponents</source>
        <translation>против %1 соперников</translation>
    </message>
    <message>
        <source>Win chance: choose your two cards</source>
        <translation>Шанс выигрыша: выберите свои две карты</translation>
    </message>
    <message>
        <source>The setting &quot;opponentrange&quot; in &quot;%1&quot; is longer than %2 characters and is not read: the win chance is counted against any two cards.</source>
        <translation>Параметр «opponentrange» в «%1» длиннее %2 символов и не прочитан: шанс выигрыша считается против любых двух карт.</translation>
    </message>
    <message>
        <source>Opponents:</source>
        <translation>Соперники:</translation>
    </message>
    <message>
        <source>How often your two cards win or tie against the opponents, over the cards still to come; while the figure comes from a sample, ± is half the width of the 95% interval of the equity</source>
        <translation>Как часто ваши две карты выигрывают или делят банк против соперников, по всем картам, которые ещё откроются; пока цифра получена по случайным раздачам, ± — половина ширины 95-процентного интервала доли банка</translation>
    </message>
    <message>
        <source>How many opponents the win chance is counted against</source>
        <translation>Против скольких соперников считается шанс выигрыша</translation>
    </message>
    <message>
        <source>Counting...</source>
        <translation>Идёт подсчёт...</translation>
    </message>
    <message>
        <source>any two cards</source>
        <translation>любые две карты</translation>
    </message>
    <message>
        <source>Win chance: no hands left in the range</source>
        <translation>Шанс выигрыша: в диапазоне не осталось рук</translation>
    </message>
    <message>
        <source>Win chance: the range leaves no way to deal every opponent a hand</source>
        <translation>Шанс выигрыша: диапазон не позволяет раздать руку каждому сопернику</translation>
    </message>
    <message>
        <source>Equity %1%  Win %2%  Tie %3%  %4 (all boards)</source>
        <translation>Доля банка %1%  Выигрыш %2%  Ничья %3%  %4 (все доски)</translation>
    </message>
    <message>
        <source>Equity %1% ±%2%  Win %3%  Tie %4%  %5</source>
        <translation>Доля банка %1% ±%2%  Выигрыш %3%  Ничья %4%  %5</translation>
    </message>
    <message>
        <source>%1%, %2 combos</source>
        <translation>%1%, %2 комб.</translation>
    </message>
    <message>
        <source>Opponents…</source>
        <translation>Соперники…</translation>
    </message>
    <message>
        <source>The hands this opponent may hold, e.g. QQ+, AKs, KQo, T9s-65s, 15%; empty for any two cards</source>
        <translation>Руки, которые может держать этот соперник, например QQ+, AKs, KQo, T9s-65s, 15%; пусто — любые две карты</translation>
    </message>
    <message>
        <source>The hands each opponent may hold</source>
        <translation>Руки, которые может держать каждый соперник</translation>
    </message>
    <message>
        <source>of your range</source>
        <translation>вашего диапазона</translation>
    </message>
    <message>
        <source>equity %1%, win %2%, tie %3%</source>
        <translation>доля банка %1%, выигрыш %2%, ничья %3%</translation>
    </message>
    <message>
        <source>Win chance: no way to deal opponent %1 a hand</source>
        <translation>Шанс выигрыша: сопернику %1 нельзя раздать руку</translation>
    </message>
    <message>
        <source>Win chance: no way to deal opponents %1 a hand each at once</source>
        <translation>Шанс выигрыша: соперникам %1 нельзя раздать руки все сразу</translation>
    </message>
</context>
<context>
    <name>WindowTexts</name>
    <message>
        <source>Time passed</source>
        <translation>Прошло времени</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Рук сыграно</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Прозрачность</translation>
    </message>
    <message>
        <source>Font color</source>
        <translation>Цвет шрифта</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Tell a friend</source>
        <translation>Рассказать другу</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Лицензия</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Языки</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Odds to improve hand by the</source>
        <translation>Шансы улучшить руку к</translation>
    </message>
    <message>
        <source>pocket cards</source>
        <translation>карманные карты</translation>
    </message>
    <message>
        <source>flop</source>
        <translation>флоп</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>терн</translation>
    </message>
    <message>
        <source>river</source>
        <translation>ривер</translation>
    </message>
    <message>
        <source>Automatically switch round</source>
        <translation>Автоматически переключать раунд</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>Доступна новая версия</translation>
    </message>
    <message>
        <source>Poker hands analyzer, Texas Holdem odds calculator</source>
        <translation>анализатор Покерных рук, калькулятор шансов Техас Холдем</translation>
    </message>
</context>
<context>
    <name>korvana::ui::AboutWindow</name>
    <message>
        <source>About Korvana</source>
        <extracomment>Kept in English in every language for now, as is the Close button.</extracomment>
        <translation>About Korvana</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Kept in English in every language for now, as is the window&apos;s title.</extracomment>
        <translation>Close</translation>
    </message>
    <message>
        <source>Korvana - Poker hands analyzer developed by %1.</source>
        <extracomment>%1 stands in for the developer&apos;s name.</extracomment>
        <translation>Korvana - анализатор Покерных рук, разработка %1.</translation>
    </message>
    <message>
        <source>the Korvana team</source>
        <translation>команды Korvana</translation>
    </message>
    <message>
        <source>Regardless of the fact that Korvana is free software</source>
        <translation>Несмотря на то, что Korvana бесплатное ПО, вы можете</translation>
    </message>
    <message>
        <source>please feel free to contact me via e-mail</source>
        <translation>связаться со мной через э-почту</translation>
    </message>
    <message>
        <source>with bug reports and suggestions for Korvana development.</source>
        <translation>с сообщениями об ошибках и предложениями по развитию Korvana.</translation>
    </message>
    <message>
        <source>To check for software updates please visit Korvana website.</source>
        <translation>Для проверки обновления, пожалуйста посетите вебсайт Korvana.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
</context>
<context>
    <name>korvana::ui::EquityChartsWindow</name>
    <message>
        <source>Counting…</source>
        <translation>Подсчёт…</translation>
    </message>
    <message>
        <source>Your equity against the range</source>
        <translation>Ваша доля банка против диапазона</translation>
    </message>
    <message>
        <source>Your equity by the next card (now %1%); outs highlighted</source>
        <translation>Ваша доля банка по следующей карте (сейчас %1%); ауты выделены</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Трефы</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Бубны</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Червы</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Пики</translation>
    </message>
    <message>
        <source>Your equity against each hand of the range, best for you first</source>
        <translation>Ваша доля банка против каждой руки диапазона, от лучшей для вас</translation>
    </message>
    <message>
        <source>Share of the range</source>
        <translation>Доля диапазона</translation>
    </message>
    <message>
        <source>Your equity</source>
        <translation>Ваша доля банка</translation>
    </message>
    <message>
        <source>Hands of the range left beside your cards and the board: %1.</source>
        <translation>Рук диапазона, оставшихся при ваших картах и борде: %1.</translation>
    </message>
</context>
<context>
    <name>korvana::ui::EquityLegend</name>
    <message>
        <source>Your equity against the hand</source>
        <translation>Ваша доля банка против руки</translation>
    </message>
</context>
<context>
    <name>korvana::ui::ExactChancesView</name>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Show exact chances</source>
        <translation>Показывать точные шансы</translation>
    </message>
</context>
<context>
    <name>korvana::ui::HandListModel</name>
    <message>
        <source>Hand</source>
        <translation>Раздача</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Карты</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Итог</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
</context>
<context>
    <name>korvana::ui::HistoryLoading</name>
    <message>
        <source>the file cannot be opened</source>
        <translation>файл не открывается</translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation>файл не удалось прочитать до конца</translation>
    </message>
</context>
<context>
    <name>korvana::ui::MainWindow</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Languages</source>
        <translation>&amp;Языки</translation>
    </message>
    <message>
        <source>&amp;Fold</source>
        <translation>&amp;Сброс</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Open hand history…</source>
        <translation>Открыть историю рук…</translation>
    </message>
    <message>
        <source>Replays the hands of a hand-history file, with your equity on every street</source>
        <translation>Повтор раздач из файла истории рук с вашей долей банка на каждой улице</translation>
    </message>
    <message>
        <source>Open hand history</source>
        <translation>Открыть историю рук</translation>
    </message>
    <message>
        <source>Hand histories (*.txt);;All files (*)</source>
        <translation>Истории рук (*.txt);;Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>korvana::ui::OpponentRangesWindow</name>
    <message>
        <source>Opponents&apos; ranges</source>
        <translation>Диапазоны соперников</translation>
    </message>
    <message>
        <source>Opponent &amp;%1:</source>
        <translation>Соперник &amp;%1:</translation>
    </message>
    <message>
        <source>Grid…</source>
        <translation>Сетка…</translation>
    </message>
    <message>
        <source>Choose the range on the grid of starting hands</source>
        <translation>Выбрать диапазон на сетке стартовых рук</translation>
    </message>
    <message>
        <source>Copy to others</source>
        <translation>Копировать другим</translation>
    </message>
    <message>
        <source>Give every other opponent this range</source>
        <translation>Дать этот диапазон всем остальным соперникам</translation>
    </message>
    <message>
        <source>The share of all two-card combinations the range holds</source>
        <translation>Доля всех комбинаций двух карт, которую охватывает диапазон</translation>
    </message>
    <message>
        <source>Your own range while your two cards are not chosen: the win chance counts each of its hands against the opponents, e.g. QQ+, AKs:0.5</source>
        <translation>Ваш собственный диапазон, пока две ваши карты не выбраны: шансы считаются для каждой его руки против соперников, например QQ+, AKs:0.5</translation>
    </message>
    <message>
        <source>&amp;You:</source>
        <translation>&amp;Вы:</translation>
    </message>
    <message>
        <source>none: your two cards count</source>
        <translation>нет: считаются ваши две карты</translation>
    </message>
    <message>
        <source>This opponent&apos;s own share of the pot, the deals he wins alone and those he splits</source>
        <translation>Собственная доля банка этого соперника, раздачи, которые он выигрывает один, и те, где он делит банк</translation>
    </message>
</context>
<context>
    <name>korvana::ui::PotOddsFields</name>
    <message>
        <source>Pot:</source>
        <translation>Банк:</translation>
    </message>
    <message>
        <source>Call:</source>
        <translation>Колл:</translation>
    </message>
    <message>
        <source>The chips in the pot before your call, the bets you face included</source>
        <translation>Фишки в банке до вашего колла, включая ставки, на которые вы отвечаете</translation>
    </message>
    <message>
        <source>The chips you must put in to call</source>
        <translation>Сколько фишек нужно поставить, чтобы уравнять ставку</translation>
    </message>
    <message>
        <source>Pot odds: fill in the pot and the amount to call to see the equity a call needs, call / (pot + call), beside your hand&apos;s equity</source>
        <translation>Шансы банка: впишите банк и сумму колла, чтобы увидеть долю банка, которая нужна для колла, колл / (банк + колл), рядом с долей банка вашей руки</translation>
    </message>
    <message>
        <source>needs %1%</source>
        <translation>нужно %1%</translation>
    </message>
    <message>
        <source>needs %1%, has %2%: pays</source>
        <translation>нужно %1%, есть %2%: окупается</translation>
    </message>
    <message>
        <source>needs %1%, has %2%: does not pay</source>
        <translation>нужно %1%, есть %2%: не окупается</translation>
    </message>
    <message>
        <source>A call of %1 into a pot of %2 must win back at least %3% of the pot in the long run to pay: call / (pot + call). Your hand&apos;s equity is its share of the pot over all deals, ties split.</source>
        <translation>Колл %1 в банк %2 окупается в долгой игре, если рука забирает не меньше %3% банка: колл / (банк + колл). Доля банка вашей руки — её доля по всем раздачам, с делёжом банка при ничьей.</translation>
    </message>
    <message>
        <source>%1 or %2?</source>
        <translation>%1 или %2?</translation>
    </message>
    <message>
        <source>A comma before three digits may separate thousands or decimals: type %1 or %2</source>
        <translation>Запятая перед тремя цифрами может отделять тысячи или дробную часть: введите %1 или %2</translation>
    </message>
</context>
<context>
    <name>korvana::ui::RangeGridDialog</name>
    <message>
        <source>Range of opponent %1</source>
        <translation>Диапазон соперника %1</translation>
    </message>
    <message>
        <source>The strongest hands making up this share of all hands</source>
        <translation>Сильнейшие руки, составляющие эту долю всех рук</translation>
    </message>
    <message>
        <source>Each picked hand is coloured by your equity against it on this board; point at a hand for the figure.</source>
        <translation>Каждая выбранная рука окрашена по вашей доле банка против неё на этой доске; наведите на руку, чтобы увидеть число.</translation>
    </message>
    <message>
        <source>Choose your two cards to see your equity against each hand.</source>
        <translation>Выберите свои две карты, чтобы увидеть долю банка против каждой руки.</translation>
    </message>
    <message>
        <source>The range cannot be saved in %1: %2</source>
        <translation>Диапазон не удаётся сохранить в %1: %2</translation>
    </message>
    <message>
        <source>Save the range</source>
        <translation>Сохранить диапазон</translation>
    </message>
    <message>
        <source>Name (letters, digits, -, _, ., /); in a range box, @name:</source>
        <translation>Имя (буквы, цифры, -, _, ., /); в поле диапазона — @имя:</translation>
    </message>
    <message>
        <source>Your library already holds @%1. Replace it?</source>
        <translation>В вашей библиотеке уже есть @%1. Заменить?</translation>
    </message>
    <message>
        <source>Charts…</source>
        <translation>Графики…</translation>
    </message>
    <message>
        <source>Your equity by the next card and against each hand of the range</source>
        <translation>Ваша доля банка по следующей карте и против каждой руки диапазона</translation>
    </message>
    <message>
        <source>&amp;Weight of the hands you paint:</source>
        <translation>&amp;Вес рук, которые вы рисуете:</translation>
    </message>
    <message>
        <source>A click or a drag on the grid gives hands this weight: the share of them the opponent plays this way (AQo:0.35)</source>
        <translation>Щелчок или протяжка по сетке дают рукам этот вес: долю их, которую соперник разыгрывает так (AQo:0.35)</translation>
    </message>
    <message>
        <source>Your range</source>
        <translation>Ваш диапазон</translation>
    </message>
    <message>
        <source>no hand picked</source>
        <translation>ни одной руки не выбрано</translation>
    </message>
</context>
<context>
    <name>korvana::ui::RangeGridWidget</name>
    <message>
        <source>%1: %2 of %3 combos picked</source>
        <translation>%1: выбрано %2 из %3 комб.</translation>
    </message>
    <message>
        <source>Your equity against it: %1%</source>
        <translation>Ваша доля банка против неё: %1%</translation>
    </message>
</context>
<context>
    <name>korvana::ui::RangeHitsTable</name>
    <message>
        <source>On this board, of %1 combos:</source>
        <translation>На этой доске, из %1 комб.:</translation>
    </message>
    <message>
        <source>Tick what the opponent may still hold: his range keeps only the combos that make a ticked line</source>
        <translation>Отметьте то, что у соперника ещё может быть: в его диапазоне останутся только комбинации, дающие отмеченные строки</translation>
    </message>
</context>
<context>
    <name>korvana::ui::RangeLibraryBox</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 не читается: %2</translation>
    </message>
    <message>
        <source>More lines that do not read: %1</source>
        <translation>Другие строки, которые не читаются: %1</translation>
    </message>
    <message>
        <source>Named ranges</source>
        <translation>Именованные диапазоны</translation>
    </message>
    <message>
        <source>Pick a range from your library; the range box then reads @name</source>
        <translation>Выберите диапазон из своей библиотеки; в поле диапазона появится @имя</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Сохранить как…</translation>
    </message>
    <message>
        <source>Save this range in your library under a name</source>
        <translation>Сохранить этот диапазон в библиотеке под именем</translation>
    </message>
</context>
<context>
    <name>korvana::ui::ReplayTable</name>
    <message>
        <source>Pot %1</source>
        <translation>Банк %1</translation>
    </message>
    <message>
        <source>sitting out</source>
        <translation>не играет</translation>
    </message>
    <message>
        <source>all in</source>
        <translation>олл-ин</translation>
    </message>
    <message>
        <source>won %1</source>
        <translation>выиграл %1</translation>
    </message>
    <message>
        <source>Main pot %1</source>
        <translation>Основной банк %1</translation>
    </message>
    <message>
        <source>Side pot %1: %2</source>
        <translation>Побочный банк %1: %2</translation>
    </message>
</context>
<context>
    <name>korvana::ui::ReplayWindow</name>
    <message>
        <source>All-in hands only</source>
        <translation>Только раздачи с олл-ином</translation>
    </message>
    <message>
        <source>Analyse this spot</source>
        <translation>Разобрать эту ситуацию</translation>
    </message>
    <message>
        <source>Puts the spot of this step into the main window: your cards, the board, the opponents still in with their shown cards or ranges, the pot and the call</source>
        <translation>Переносит ситуацию этого шага в главное окно: ваши карты, борд, оставшихся соперников с их открытыми картами или диапазонами, банк и колл</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>The start of the hand (Home)</source>
        <translation>Начало раздачи (Home)</translation>
    </message>
    <message>
        <source>◀◀ Street</source>
        <translation>◀◀ Улица</translation>
    </message>
    <message>
        <source>Back one street (Up)</source>
        <translation>На улицу назад (стрелка вверх)</translation>
    </message>
    <message>
        <source>◀ Action</source>
        <translation>◀ Ход</translation>
    </message>
    <message>
        <source>Back one action (Left)</source>
        <translation>На ход назад (стрелка влево)</translation>
    </message>
    <message>
        <source>Action ▶</source>
        <translation>Ход ▶</translation>
    </message>
    <message>
        <source>Forward one action (Right)</source>
        <translation>На ход вперёд (стрелка вправо)</translation>
    </message>
    <message>
        <source>Street ▶▶</source>
        <translation>Улица ▶▶</translation>
    </message>
    <message>
        <source>Forward one street (Down)</source>
        <translation>На улицу вперёд (стрелка вниз)</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>The end of the hand (End)</source>
        <translation>Конец раздачи (End)</translation>
    </message>
    <message>
        <source>Reading… hands so far: %1</source>
        <translation>Чтение… прочитано раздач: %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>No hand found</source>
        <translation>Раздач не найдено</translation>
    </message>
    <message>
        <source>Hands read: %1, refused: %2 (in red)</source>
        <translation>Прочитано раздач: %1, отклонено: %2 (красным)</translation>
    </message>
    <message>
        <source>only the first hands are listed</source>
        <translation>показаны только первые раздачи</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Раздача %1</translation>
    </message>
    <message>
        <source>Hand history</source>
        <translation>История рук</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Повтор</translation>
    </message>
    <message>
        <source>%1 (any two cards)</source>
        <translation>%1 (любые две карты)</translation>
    </message>
    <message>
        <source>%1 (top %2%)</source>
        <translation>%1 (лучшие %2%)</translation>
    </message>
    <message>
        <source>No cards were dealt to the hero in this hand.</source>
        <translation>В этой раздаче герою карты не сдавались.</translation>
    </message>
    <message>
        <source>%1: the hero is no longer in.</source>
        <translation>%1: герой уже вышел из раздачи.</translation>
    </message>
    <message>
        <source>%1: counting the hero&apos;s equity against %2…</source>
        <translation>%1: считается доля банка героя против: %2…</translation>
    </message>
    <message>
        <source>%1: no equity for this spot.</source>
        <translation>%1: для этой ситуации доля банка не считается.</translation>
    </message>
    <message>
        <source>%1: the hero&apos;s equity %2 against %3</source>
        <translation>%1: доля банка героя %2 против: %3</translation>
    </message>
    <message>
        <source>All in, %1: equity %2, all-in EV %3, won %4 (%5 against the EV)</source>
        <translation>Олл-ин, %1: доля банка %2, EV олл-ина %3, выигрыш %4 (%5 против EV)</translation>
    </message>
</context>
</TS>

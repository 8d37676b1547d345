<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CountryPage</name>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Язык меню</translation>
    </message>
    <message>
        <source>Audio Language 1</source>
        <translation>Язык звука 1</translation>
    </message>
    <message>
        <source>Audio Language 2</source>
        <translation>Язык звука 2</translation>
    </message>
    <message>
        <source>Subtitle Language 1</source>
        <translation>Язык субтитров 1</translation>
    </message>
    <message>
        <source>Subtitle Language 2</source>
        <translation>Язык субтитров 2</translation>
    </message>
    <message>
        <source>Teletext Language</source>
        <translation>Язык телетекста</translation>
    </message>
    <message>
        <source>Menu Item</source>
        <translation>Пункт меню</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <source>Digital Audio Out</source>
        <translation>Цифровой аудиовыход</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>PCM</source>
        <translation>PCM</translation>
    </message>
</context>
<context>
    <name>OverwritePrompt</name>
    <message>
        <source>%1 was changed by another program since it was opened or saved here. Overwrite it with this window&apos;s lists? The other changes would be lost.</source>
        <translation>Файл %1 изменён другой программой после того, как его открыли или сохранили здесь. Перезаписать его списками этого окна? Другие изменения будут потеряны.</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Перезаписать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Kanalyx</source>
        <translation>Kanalyx</translation>
    </message>
    <message>
        <source>TV-000</source>
        <translation>TV-000</translation>
    </message>
    <message>
        <source>FM-000</source>
        <translation>FM-000</translation>
    </message>
    <message>
        <source>DTV-0000</source>
        <translation>DTV-0000</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Симв. скорость</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Модуляция</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Кириллица</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Арабский</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Греческий</translation>
    </message>
    <message>
        <source>Hebrew (ISO-Visual)</source>
        <translation>Иврит (ISO-Visual)</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецкий</translation>
    </message>
    <message>
        <source>European(Latin 6)</source>
        <translation>Европейский(Latin 6)</translation>
    </message>
    <message>
        <source>Latin/Thai</source>
        <translation>Латиница/тайский</translation>
    </message>
    <message>
        <source>Estonian(Latin 7)</source>
        <translation>Эстонский(Latin 7)</translation>
    </message>
    <message>
        <source>Latin-8</source>
        <translation>Latin-8</translation>
    </message>
    <message>
        <source>European(Latin 9)</source>
        <translation>Европейский(Latin 9)</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Юникод</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Австрия</translation>
    </message>
    <message>
        <source>Albania</source>
        <translation>Албания</translation>
    </message>
    <message>
        <source>England</source>
        <translation>Англия</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Бельгия</translation>
    </message>
    <message>
        <source>Bosnia</source>
        <translation>Босния</translation>
    </message>
    <message>
        <source>Bulgaria</source>
        <translation>Болгария</translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation>Венгрия</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Германия</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Греция</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Дания</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Ирландия</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Испания</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Италия</translation>
    </message>
    <message>
        <source>Kazakhstan</source>
        <translation>Казахстан</translation>
    </message>
    <message>
        <source>Latvia</source>
        <translation>Латвия</translation>
    </message>
    <message>
        <source>Lithuania</source>
        <translation>Литва</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation>Люксембург</translation>
    </message>
    <message>
        <source>Morocco</source>
        <translation>Марокко</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Нидерланды</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Норвегия</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Польша</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Португалия</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Россия</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Румыния</translation>
    </message>
    <message>
        <source>Serbia</source>
        <translation>Сербия</translation>
    </message>
    <message>
        <source>Slovakia</source>
        <translation>Словакия</translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translation>Словения</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Турция</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>Украина</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Финляндия</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Франция</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Хорватия</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>Чехия</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Швейцария</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Швеция</translation>
    </message>
    <message>
        <source>Estonia</source>
        <translation>Эстония</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>Albanian</source>
        <translation>Албанский</translation>
    </message>
    <message>
        <source>Bosnian</source>
        <translation>Боснийский</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Болгарский</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Хорватский</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Чешский</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Датский</translation>
    </message>
    <message>
        <source>Golan</source>
        <translation>Голландский</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Эстонский</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Финский</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Венгерский</translation>
    </message>
    <message>
        <source>Irlansky</source>
        <translation>Ирландский</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>Kazakh</source>
        <translation>Казахский</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Латышский</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Литовский</translation>
    </message>
    <message>
        <source>Macedonian</source>
        <translation>Македонский</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Норвежский</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Польский</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Португальский</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Румынский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Сербский</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Словацкий</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Словенский</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Шведский</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Украинский</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Установка</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Блокировка</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>More Settings</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Short name</source>
        <translation>Краткое имя</translation>
    </message>
    <message>
        <source>You must restart the program to change language</source>
        <translation>Для вступления изменений в силу
необходимо перезапустить программу.</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID службы</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Флаги</translation>
    </message>
    <message>
        <source>S-TV-0000</source>
        <translation>S-TV-0000</translation>
    </message>
    <message>
        <source>S-FM-000</source>
        <translation>S-FM-000</translation>
    </message>
    <message>
        <source>Move 1 channel up</source>
        <translation>Переместить канал вверх</translation>
    </message>
    <message>
        <source>Move %1 channels up</source>
        <translation>Переместить каналы вверх (%1)</translation>
    </message>
    <message>
        <source>Move 1 channel down</source>
        <translation>Переместить канал вниз</translation>
    </message>
    <message>
        <source>Move %1 channels down</source>
        <translation>Переместить каналы вниз (%1)</translation>
    </message>
    <message>
        <source>Duplicate 1 channel</source>
        <translation>Дублировать канал</translation>
    </message>
    <message>
        <source>Duplicate %1 channels</source>
        <translation>Дублировать каналы (%1)</translation>
    </message>
    <message>
        <source>Delete 1 channel</source>
        <translation>Удалить канал</translation>
    </message>
    <message>
        <source>Delete %1 channels</source>
        <translation>Удалить каналы (%1)</translation>
    </message>
    <message>
        <source>Rename channel</source>
        <translation>Переименовать канал</translation>
    </message>
    <message>
        <source>Tick 1 channel</source>
        <translation>Отметить канал</translation>
    </message>
    <message>
        <source>Tick %1 channels</source>
        <translation>Отметить каналы (%1)</translation>
    </message>
    <message>
        <source>Untick 1 channel</source>
        <translation>Снять отметку с канала</translation>
    </message>
    <message>
        <source>Untick %1 channels</source>
        <translation>Снять отметку с каналов (%1)</translation>
    </message>
    <message>
        <source>Channel properties</source>
        <translation>Свойства канала</translation>
    </message>
    <message>
        <source>Data Block</source>
        <translation>Блок данных</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Move 1 channel</source>
        <translation>Переместить канал</translation>
    </message>
    <message>
        <source>Move %1 channels</source>
        <translation>Переместить каналы (%1)</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Сортировка</translation>
    </message>
    <message>
        <source>Set the flags of 1 channel</source>
        <translation>Изменить флаги канала</translation>
    </message>
    <message>
        <source>Set the flags of %1 channels</source>
        <translation>Изменить флаги каналов (%1)</translation>
    </message>
    <message>
        <source>ONID</source>
        <translation>ONID</translation>
    </message>
    <message>
        <source>TSID</source>
        <translation>TSID</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>МГц</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>Пол.</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <translation>Кодир.</translation>
    </message>
    <message>
        <source>A GlobalClone file has no settings block: its receiver keeps its settings elsewhere</source>
        <translation>В файле GlobalClone нет блока настроек: его приёмник хранит настройки в другом месте</translation>
    </message>
    <message>
        <source>The channels of a GlobalClone file are XML elements, not records of bytes: there is nothing to export as bytes</source>
        <translation>Каналы файла GlobalClone — это элементы XML, а не записи из байтов: экспортировать в виде байтов нечего</translation>
    </message>
    <message>
        <source>The fields of a GlobalClone channel are XML elements; this dialog edits the bytes of binary records</source>
        <translation>Поля канала GlobalClone — это элементы XML; этот диалог изменяет байты двоичных записей</translation>
    </message>
    <message>
        <source>The receiver of this list keeps every channel in its place in the file, so a channel cannot be duplicated</source>
        <translation>Приёмник этого списка держит каждый канал на своём месте в файле, поэтому канал нельзя дублировать</translation>
    </message>
    <message>
        <source>A GlobalClone file takes no lists of another file: its receiver keeps every channel of a scan once, and has no use for a second copy of one</source>
        <translation>В файл GlobalClone нельзя импортировать списки другого файла: его приёмник хранит каждый найденный канал один раз, и вторая копия ему не нужна</translation>
    </message>
    <message>
        <source>Apply reference list</source>
        <translation>Применить эталонный список</translation>
    </message>
    <message>
        <source>There is no backup of this file (NAME.bak) beside it: one is kept on the first save over the opened file while backups are on</source>
        <translation>Рядом с этим файлом нет его резервной копии (NAME.bak): она сохраняется при первой записи поверх открытого файла, если резервные копии включены</translation>
    </message>
</context>
<context>
    <name>kx::CAboutBox</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Kanalyx ver 4.02</source>
        <translation>Kanalyx Версия 4.02</translation>
    </message>
    <message>
        <source>Copyright (C) Velto. Freeware.</source>
        <translation>Авторские права (C) Velto. Бесплатная программа.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kx::CChannelDlg</name>
    <message>
        <source>The name holds a character that the system code page cannot store. Change the name or cancel.</source>
        <translation>Имя содержит символ, который системная кодовая страница не может сохранить. Измените имя или нажмите «Cancel».</translation>
    </message>
</context>
<context>
    <name>kx::CDataBlockDlg</name>
    <message>
        <source>Data Block</source>
        <translation>Блок данных</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The parameter list could not be read, so it will not be saved.</source>
        <translation>Не удалось прочитать список параметров, поэтому он не будет сохранён.</translation>
    </message>
    <message>
        <source>TLL file( *.tll)</source>
        <translation>Файл TLL( *.tll)</translation>
    </message>
    <message>
        <source>The file could not be compared.</source>
        <translation>Не удалось сравнить файл.</translation>
    </message>
    <message>
        <source>The parameter list could not be saved.</source>
        <translation>Не удалось сохранить список параметров.</translation>
    </message>
    <message>
        <source>Other file&apos;s byte : offset</source>
        <translation>Байт другого файла : адрес</translation>
    </message>
    <message>
        <source>Differences: %1</source>
        <translation>Различий: %1</translation>
    </message>
</context>
<context>
    <name>kx::CHexGridWnd</name>
    <message>
        <source>Address: -- Count: 0</source>
        <translation>Адрес: -- Число: 0</translation>
    </message>
    <message>
        <source>Address: %1  Count: %2</source>
        <translation>Адрес: %1  Число: %2</translation>
    </message>
</context>
<context>
    <name>kx::CImportDlg</name>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>FM</source>
        <translation>FM</translation>
    </message>
    <message>
        <source>DTV</source>
        <translation>DTV</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Both satellite lists, with the rest of the other file&apos;s satellite block</source>
        <translation>Оба спутниковых списка вместе с остальной частью спутникового блока другого файла</translation>
    </message>
</context>
<context>
    <name>kx::CMainFrame</name>
    <message>
        <source>The settings could not be changed.</source>
        <translation>Не удалось изменить настройки.</translation>
    </message>
</context>
<context>
    <name>kx::CParamDlg</name>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>None (0)</source>
        <translation>Нет (0)</translation>
    </message>
    <message>
        <source>User (1)</source>
        <translation>Пользователь (1)</translation>
    </message>
    <message>
        <source>Country (2)</source>
        <translation>Страна (2)</translation>
    </message>
    <message>
        <source>Lang (3)</source>
        <translation>Язык (3)</translation>
    </message>
    <message>
        <source>Menu (4)</source>
        <translation>Меню (4)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Add Parameter</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Параметр</translation>
    </message>
</context>
<context>
    <name>kx::CPorperyLang</name>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
    <message>
        <source>Where the receiver of this file keeps this setting is not known, so it cannot be changed here.</source>
        <translation>Неизвестно, где приёмник этого файла хранит эту настройку, поэтому её нельзя изменить здесь.</translation>
    </message>
</context>
<context>
    <name>kx::CPropertyMore</name>
    <message>
        <source>More</source>
        <translation>Прочее</translation>
    </message>
    <message>
        <source>The settings description could not be read.</source>
        <translation>Не удалось прочитать описание настроек.</translation>
    </message>
</context>
<context>
    <name>kx::CReferenceDlg</name>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналов</translation>
    </message>
    <message>
        <source>By identity</source>
        <translation>По идентификаторам</translation>
    </message>
    <message>
        <source>By name</source>
        <translation>По имени</translation>
    </message>
    <message>
        <source>Not in the reference</source>
        <translation>Нет в эталоне</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>After applying</source>
        <translation>После применения</translation>
    </message>
    <message>
        <source>&amp;Keep them, after the matched channels</source>
        <translation>&amp;Оставить их после совпавших каналов</translation>
    </message>
    <message>
        <source>&amp;Delete them</source>
        <translation>&amp;Удалить их</translation>
    </message>
    <message>
        <source>Apply Reference List</source>
        <translation>Применение эталонного списка</translation>
    </message>
    <message>
        <source>The channels of &lt;b&gt;%1&lt;/b&gt; that &lt;b&gt;%2&lt;/b&gt; holds as well take their numbers and their order from it. A channel is matched by its service (the network, stream and service ids, for satellite channels the satellite, for analog channels the frequency), or else by its name, where that name is unique on both sides.</source>
        <translation>Каналы файла &lt;b&gt;%1&lt;/b&gt;, которые есть и в &lt;b&gt;%2&lt;/b&gt;, получают оттуда номера и порядок. Канал сопоставляется по службе (идентификаторы сети, потока и службы, у спутниковых каналов также спутник, у аналоговых — частота), а иначе по имени, если это имя встречается на каждой стороне только один раз.</translation>
    </message>
    <message>
        <source>Channels of the same service in the reference</source>
        <translation>Каналы, та же служба которых есть в эталоне</translation>
    </message>
    <message>
        <source>Channels without a matching service whose name the reference holds once</source>
        <translation>Каналы без совпавшей службы, имя которых встречается в эталоне один раз</translation>
    </message>
    <message>
        <source>Channels the reference does not hold; listed below</source>
        <translation>Каналы, которых нет в эталоне; их список ниже</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The reference has no channels of this list&apos;s kind: the list stays as it is</source>
        <translation>В эталоне нет каналов того же вида, что в этом списке: список остаётся как есть</translation>
    </message>
    <message>
        <source>Channels the reference does not hold: %1</source>
        <translation>Каналы, которых нет в эталоне: %1</translation>
    </message>
    <message>
        <source>The reference holds every channel of the file.</source>
        <translation>В эталоне есть все каналы файла.</translation>
    </message>
    <message>
        <source>Kept as number %1</source>
        <translation>Остаётся под номером %1</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Удаляется</translation>
    </message>
    <message>
        <source>Stays as it is</source>
        <translation>Без изменений</translation>
    </message>
    <message>
        <source>The reference has no channels of its kind</source>
        <translation>В эталоне нет каналов этого вида</translation>
    </message>
    <message>
        <source>The lists follow the reference already: applying it changes nothing.</source>
        <translation>Списки уже следуют эталону: его применение ничего не изменит.</translation>
    </message>
    <message>
        <source>Channels deleted on Apply: %1. Undo brings them back.</source>
        <translation>Будет удалено каналов: %1. Отмена действия вернёт их.</translation>
    </message>
    <message>
        <source>Channels that get another number: %1.</source>
        <translation>Каналов, которые получат другой номер: %1.</translation>
    </message>
    <message>
        <source>Channels numbered after the highest, as the reference gives their number to another channel as well: %1.</source>
        <translation>Каналов, получивших номер после наибольшего, так как в эталоне их номер есть и у другого канала: %1.</translation>
    </message>
</context>
<context>
    <name>kx::CUserTableDlg</name>
    <message>
        <source>Character User</source>
        <translation>Символы пользователя</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The character table could not be saved.</source>
        <translation>Не удалось сохранить таблицу символов.</translation>
    </message>
</context>
<context>
    <name>kx::CharsetBar</name>
    <message>
        <source>Character set</source>
        <translation>Кодировка</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Префикс</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Юникод</translation>
    </message>
</context>
<context>
    <name>kx::CompareDock</name>
    <message>
        <source>Compare</source>
        <translation>Сравнение</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Различие</translation>
    </message>
    <message>
        <source>What %1 holds otherwise than the open file</source>
        <translation>Чем %1 отличается от открытого файла</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>добавлено: %1</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>удалено: %1</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>перемещено: %1</translation>
    </message>
    <message>
        <source>%1 renamed</source>
        <translation>переименовано: %1</translation>
    </message>
    <message>
        <source>The open file compared with &lt;b&gt;%1&lt;/b&gt;:</source>
        <translation>Открытый файл в сравнении с &lt;b&gt;%1&lt;/b&gt;:</translation>
    </message>
    <message>
        <source>no differences: both hold the same channels with the same numbers and names.</source>
        <translation>различий нет: в обоих те же каналы с теми же номерами и именами.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>added</source>
        <translation>добавлен</translation>
    </message>
    <message>
        <source>Only in %1: the open file has no such channel</source>
        <translation>Только в %1: в открытом файле такого канала нет</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>удалён</translation>
    </message>
    <message>
        <source>Only in the open file: %1 has no such channel</source>
        <translation>Только в открытом файле: в %1 такого канала нет</translation>
    </message>
    <message>
        <source>moved → %1</source>
        <translation>перемещён → %1</translation>
    </message>
    <message>
        <source>Number %1 here, %2 in %3</source>
        <translation>Здесь номер %1, в %3 — %2</translation>
    </message>
    <message>
        <source>renamed → %1</source>
        <translation>переименован → %1</translation>
    </message>
    <message>
        <source>Named %1 in %2</source>
        <translation>В %2 называется %1</translation>
    </message>
    <message>
        <source>Click a line to select its channel.</source>
        <translation>Щёлкните строку, чтобы выбрать её канал.</translation>
    </message>
    <message>
        <source>Added: only in %1; removed: only in the open file.</source>
        <translation>Добавлен: есть только в %1; удалён: есть только в открытом файле.</translation>
    </message>
</context>
<context>
    <name>kx::ErrorBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kx::FileCommands</name>
    <message>
        <source>Untitled</source>
        <translation>Без имени</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Сохранить изменения в %1?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Не сохранять</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The file could not be opened.</source>
        <translation>Не удалось открыть файл.</translation>
    </message>
    <message>
        <source>The satellite block of this file has 0xFF in place of its header and checksums. It is kept as it is and shows no satellite channels. Some receivers are reported to reject such a file, even unchanged.</source>
        <translation>Спутниковый блок этого файла содержит 0xFF вместо заголовка и контрольных сумм. Он сохраняется без изменений, спутниковые каналы не показываются. По сообщениям, некоторые приёмники отвергают такой файл, даже неизменённый.</translation>
    </message>
    <message>
        <source>The satellite block of this file (%1 bytes) has a layout this editor does not know. It is kept as it is and its channels are not shown.</source>
        <translation>Спутниковый блок этого файла (%1 байт) имеет неизвестный редактору формат. Он сохраняется без изменений, его каналы не показываются.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Kanalyx Files (*.tll)</source>
        <translation>Файлы Kanalyx (*.tll)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Не удалось сохранить файл.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>TLL file(*.tll)</source>
        <translation>Файл TLL(*.tll)</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>Ничего не импортировано.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Excel file(*.xls)</source>
        <translation>Файл Excel(*.xls)</translation>
    </message>
    <message>
        <source>The channels could not be exported.</source>
        <translation>Не удалось экспортировать каналы.</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Открыть этот документ</translation>
    </message>
    <message>
        <source>Channel lists (*.tll *.TLL)</source>
        <translation>Списки каналов (*.tll *.TLL)</translation>
    </message>
    <message>
        <source>GlobalClone files (GlobalClone*.TLL)</source>
        <translation>Файлы GlobalClone (GlobalClone*.TLL)</translation>
    </message>
    <message>
        <source>Revert %1 to the saved file?</source>
        <translation>Вернуть %1 к сохранённому файлу?</translation>
    </message>
    <message>
        <source>Every change since it was opened or saved is lost, and cannot be undone.</source>
        <translation>Все изменения после открытия или сохранения будут потеряны, и отменить это нельзя.</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Вернуть</translation>
    </message>
</context>
<context>
    <name>kx::FrameActions</name>
    <message>
        <source>Use this language from the next start</source>
        <translation>Использовать этот язык после перезапуска</translation>
    </message>
    <message>
        <source>Put the selected channels in this favourites group or take them out of it</source>
        <translation>Добавить выбранные каналы в эту группу избранного или убрать их из неё</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Открыть существующий документ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Save active document</source>
        <translation>Сохранить активный документ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Сохранить активный документ под новым именем</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Импорт...</translation>
    </message>
    <message>
        <source>Replace channel lists with those of another file</source>
        <translation>Заменить списки каналов списками из другого файла</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Экспорт...</translation>
    </message>
    <message>
        <source>Write every channel record as tab-separated hexadecimal text</source>
        <translation>Записать все каналы в шестнадцатеричном виде через табуляцию</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Завершить работу программы</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>Undo last action</source>
        <translation>Отменить последнее действие</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>Redo the last undone action</source>
        <translation>Повторить последнее отменённое действие</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Переместить вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Переместить вниз</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Дублировать</translation>
    </message>
    <message>
        <source>Duplicate Selected</source>
        <translation>Дублировать выделенное</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Удалить выделенное</translation>
    </message>
    <message>
        <source>Move to...</source>
        <translation>Переместить на...</translation>
    </message>
    <message>
        <source>Move the selected channels to a number</source>
        <translation>Переместить выбранные каналы на номер</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Найти...</translation>
    </message>
    <message>
        <source>Show only the channels whose name or number matches</source>
        <translation>Показать только каналы с подходящим названием или номером</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Отметить</translation>
    </message>
    <message>
        <source>Tick the selected channels</source>
        <translation>Отметить выбранные каналы</translation>
    </message>
    <message>
        <source>Untick</source>
        <translation>Снять отметку</translation>
    </message>
    <message>
        <source>Untick the selected channels</source>
        <translation>Снять отметку с выбранных каналов</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Rename the focused channel</source>
        <translation>Переименовать текущий канал</translation>
    </message>
    <message>
        <source>Channel properties...</source>
        <translation>Свойства канала...</translation>
    </message>
    <message>
        <source>Edit every field of the focused channel</source>
        <translation>Изменить все поля текущего канала</translation>
    </message>
    <message>
        <source>More Settings...</source>
        <translation>Дополнительно...</translation>
    </message>
    <message>
        <source>Advanced Settings</source>
        <translation>Дополнительные настройки</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>User Settings...</source>
        <translation>Пользовательская таблица...</translation>
    </message>
    <message>
        <source>Edit the user character table</source>
        <translation>Изменить пользовательскую таблицу символов</translation>
    </message>
    <message>
        <source>Data Block</source>
        <translation>Блок данных</translation>
    </message>
    <message>
        <source>Edit the settings block of the file byte by byte</source>
        <translation>Изменить блок настроек файла побайтно</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Панель инструментов</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Показать или скрыть панель инструментов</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Строка состояния</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Показать или скрыть строку состояния</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский(English)</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский(Russian)</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий(German)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Показать сведения о программе, её версию и авторские права</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Руководство</translation>
    </message>
    <message>
        <source>Show what the lists, commands and dialogs do</source>
        <translation>Показать, что делают списки, команды и окна</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Следующий список</translation>
    </message>
    <message>
        <source>Switch to the next list</source>
        <translation>Перейти к следующему списку</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Предыдущий список</translation>
    </message>
    <message>
        <source>Switch to the previous list</source>
        <translation>Перейти к предыдущему списку</translation>
    </message>
    <message>
        <source>Favourite &amp;1</source>
        <translation>Избранное &amp;1</translation>
    </message>
    <message>
        <source>Favourite &amp;2</source>
        <translation>Избранное &amp;2</translation>
    </message>
    <message>
        <source>Favourite &amp;3</source>
        <translation>Избранное &amp;3</translation>
    </message>
    <message>
        <source>Favourite &amp;4</source>
        <translation>Избранное &amp;4</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Блокировка</translation>
    </message>
    <message>
        <source>Lock or unlock the selected channels</source>
        <translation>Заблокировать или разблокировать выбранные каналы</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Пропуск</translation>
    </message>
    <message>
        <source>Let the receiver skip the selected channels when zapping, or not</source>
        <translation>Пропускать или не пропускать выбранные каналы при переключении</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Скрыть</translation>
    </message>
    <message>
        <source>Hide or show the selected channels</source>
        <translation>Скрыть или показать выбранные каналы</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Сортировка</translation>
    </message>
    <message>
        <source>&amp;Flags</source>
        <translation>&amp;Флаги</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Последний файл</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Find a channel (Ctrl+F)</source>
        <translation>Найти канал (Ctrl+F)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Отменить: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Повторить: %1</translation>
    </message>
    <message>
        <source>Favourite &amp;5</source>
        <translation>Избранное &amp;5</translation>
    </message>
    <message>
        <source>Favourite &amp;6</source>
        <translation>Избранное &amp;6</translation>
    </message>
    <message>
        <source>Favourite &amp;7</source>
        <translation>Избранное &amp;7</translation>
    </message>
    <message>
        <source>Favourite &amp;8</source>
        <translation>Избранное &amp;8</translation>
    </message>
    <message>
        <source>Apply &amp;Reference List...</source>
        <translation>Применить &amp;эталонный список...</translation>
    </message>
    <message>
        <source>Give the channels the numbers and order of another file or of a reference list, after showing what changes</source>
        <translation>Дать каналам номера и порядок другого файла или эталонного списка, сначала показав, что изменится</translation>
    </message>
    <message>
        <source>Export Reference List...</source>
        <translation>Экспорт эталонного списка...</translation>
    </message>
    <message>
        <source>Write the order of the channels as a reference list (.csv) for other files and editors</source>
        <translation>Записать порядок каналов как эталонный список (.csv) для других файлов и редакторов</translation>
    </message>
    <message>
        <source>Com&amp;pare Channels With...</source>
        <translation>Срав&amp;нить каналы с...</translation>
    </message>
    <message>
        <source>List the channels another file lacks, adds, numbers or names otherwise</source>
        <translation>Показать каналы, которых нет в другом файле, которые есть только в нём или у которых там другой номер или имя</translation>
    </message>
    <message>
        <source>Re&amp;vert to Saved</source>
        <translation>&amp;Вернуть сохранённый</translation>
    </message>
    <message>
        <source>Drop every change and read the file again as it is on the disk</source>
        <translation>Отбросить все изменения и заново прочитать файл с диска</translation>
    </message>
    <message>
        <source>Open &amp;Backup</source>
        <translation>Открыть &amp;резервную копию</translation>
    </message>
    <message>
        <source>Open the copy of this file (NAME.bak) kept when it was first saved over</source>
        <translation>Открыть копию этого файла (NAME.bak), сохранённую при первой записи поверх него</translation>
    </message>
    <message>
        <source>&amp;Keep Backup on Save</source>
        <translation>&amp;Делать резервную копию при сохранении</translation>
    </message>
    <message>
        <source>Keep the opened file as NAME.bak when saving over it for the first time</source>
        <translation>Сохранять открытый файл как NAME.bak при первой записи поверх него</translation>
    </message>
</context>
<context>
    <name>kx::ListCommands</name>
    <message>
        <source>The command could not be carried out.</source>
        <translation>Не удалось выполнить команду.</translation>
    </message>
    <message>
        <source>Move to</source>
        <translation>Переместить</translation>
    </message>
    <message>
        <source>Number for the first of the %1 selected channels:</source>
        <translation>Номер для первого из выбранных каналов (%1):</translation>
    </message>
    <message>
        <source>By %1</source>
        <translation>По столбцу «%1»</translation>
    </message>
    <message>
        <source>The character table %1 cannot store these characters: %2
Choose another character table on the bar, or change the name.</source>
        <translation>В таблице символов %1 нет этих символов: %2
Выберите другую таблицу символов на панели или измените название.</translation>
    </message>
    <message>
        <source>The channel could not be renamed.</source>
        <translation>Не удалось переименовать канал.</translation>
    </message>
</context>
<context>
    <name>kx::ListPanes</name>
    <message>
        <source>&amp;Cable and antenna</source>
        <translation>&amp;Кабель и антенна</translation>
    </message>
    <message>
        <source>The satellite TV and radio lists</source>
        <translation>Списки спутникового ТВ и радио</translation>
    </message>
    <message>
        <source>The satellite block of this file holds no channels this editor can show; it is kept as it is</source>
        <translation>Спутниковый блок этого файла не содержит каналов, которые может показать редактор; он сохраняется без изменений</translation>
    </message>
    <message>
        <source>This file has no satellite channels</source>
        <translation>В этом файле нет спутниковых каналов</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>S&amp;atellite</source>
        <translation>С&amp;путник</translation>
    </message>
    <message>
        <source>A&amp;ntenna</source>
        <translation>Ан&amp;тенна</translation>
    </message>
    <message>
        <source>Ca&amp;ble</source>
        <translation>Ка&amp;бель</translation>
    </message>
    <message>
        <source>&amp;Other sources</source>
        <translation>&amp;Другие источники</translation>
    </message>
</context>
<context>
    <name>kx::ListTitle</name>
    <message>
        <source>Analog TV</source>
        <translation>Аналоговое ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>Digital TV</source>
        <translation>Цифровое ТВ</translation>
    </message>
    <message>
        <source>Satellite TV</source>
        <translation>Спутниковое ТВ</translation>
    </message>
    <message>
        <source>Satellite radio</source>
        <translation>Спутниковое радио</translation>
    </message>
    <message>
        <source>Antenna TV</source>
        <translation>Эфирное ТВ</translation>
    </message>
    <message>
        <source>Antenna radio</source>
        <translation>Эфирное радио</translation>
    </message>
    <message>
        <source>Cable TV</source>
        <translation>Кабельное ТВ</translation>
    </message>
    <message>
        <source>Cable radio</source>
        <translation>Кабельное радио</translation>
    </message>
    <message>
        <source>Analog antenna TV</source>
        <translation>Аналоговое эфирное ТВ</translation>
    </message>
    <message>
        <source>Analog cable TV</source>
        <translation>Аналоговое кабельное ТВ</translation>
    </message>
    <message>
        <source>Source %1 TV</source>
        <translation>Источник %1, ТВ</translation>
    </message>
    <message>
        <source>Source %1 radio</source>
        <translation>Источник %1, радио</translation>
    </message>
</context>
<context>
    <name>kx::ManualDialog</name>
    <message>
        <source>Kanalyx Manual</source>
        <translation>Руководство Kanalyx</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Kanalyx edits the channel lists (.tll files) that TV receivers write to a USB stick: the order, the names and the check boxes of the channels, and the settings of the receiver. Open a file, change it, save it and load it back into the receiver from the stick.</source>
        <translation>Kanalyx редактирует списки каналов (файлы .tll), которые телевизор записывает на USB-накопитель: порядок, названия и флажки каналов, а также настройки телевизора. Откройте файл, измените его, сохраните и загрузите обратно в телевизор с накопителя.</translation>
    </message>
    <message>
        <source>The lists</source>
        <translation>Списки</translation>
    </message>
    <message>
        <source>The window shows the three lists of a file: analog TV at the top left, radio at the top right and digital TV below them. Each row is a channel: its programme number and check box, its name, the character table its name is stored in, and what the receiver tuned: system, band and channel for analog TV; frequency, symbol rate and modulation for digital channels.</source>
        <translation>Окно показывает три списка файла: аналоговое ТВ слева вверху, радио справа вверху и цифровое ТВ под ними. Каждая строка — канал: номер программы и флажок, название, таблица символов, в которой хранится название, и параметры настройки: система, диапазон и канал для аналогового ТВ; частота, символьная скорость и модуляция для цифровых каналов.</translation>
    </message>
    <message>
        <source>Short name: the part of a name that the broadcaster marks for displays with little room. The marks themselves are not shown; they stay in the file until the channel is renamed.</source>
        <translation>Краткое имя: часть названия, которую вещатель отмечает для дисплеев с малым местом. Сами отметки не показываются; они остаются в файле, пока канал не переименован.</translation>
    </message>
    <message>
        <source>Editing</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>&lt;b&gt;Up&lt;/b&gt; (Ctrl+Up) and &lt;b&gt;Down&lt;/b&gt; (Ctrl+Down) move the selected channels one place; the programme numbers follow the new order.</source>
        <translation>&lt;b&gt;Вверх&lt;/b&gt; (Ctrl+Вверх) и &lt;b&gt;Вниз&lt;/b&gt; (Ctrl+Вниз) перемещают выделенные каналы на одну позицию; номера программ следуют новому порядку.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Duplicate&lt;/b&gt; (Ctrl+D) puts a copy of each selected channel below it.</source>
        <translation>&lt;b&gt;Дублировать&lt;/b&gt; (Ctrl+D) вставляет копию каждого выделенного канала под ним.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Delete&lt;/b&gt; (Delete) takes the selected channels out of the list.</source>
        <translation>&lt;b&gt;Удалить&lt;/b&gt; (Delete) убирает выделенные каналы из списка.</translation>
    </message>
    <message>
        <source>Rename a channel: double-click its name, or press F2. Enter keeps the new name, Escape drops it.</source>
        <translation>Переименование канала: двойной щелчок по названию или F2. Enter сохраняет новое название, Escape отменяет его.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>&lt;b&gt;Open&lt;/b&gt; (Ctrl+O), &lt;b&gt;Save&lt;/b&gt; (Ctrl+S) and &lt;b&gt;Save As&lt;/b&gt; (Ctrl+Shift+S). The File menu lists the last four files; a file can also be dropped on the window. &lt;b&gt;Exit&lt;/b&gt; (Ctrl+Q) asks to save changes first.</source>
        <translation>&lt;b&gt;Открыть&lt;/b&gt; (Ctrl+O), &lt;b&gt;Сохранить&lt;/b&gt; (Ctrl+S) и &lt;b&gt;Сохранить как&lt;/b&gt; (Ctrl+Shift+S). Меню «Файл» содержит четыре последних файла; файл можно также перетащить на окно. &lt;b&gt;Выход&lt;/b&gt; (Ctrl+Q) сначала предлагает сохранить изменения.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Import&lt;/b&gt; replaces lists of the open file with those of another file of the same kind; you choose which lists.</source>
        <translation>&lt;b&gt;Импорт&lt;/b&gt; заменяет списки открытого файла списками другого файла того же вида; вы выбираете, какие списки.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Export&lt;/b&gt; writes every channel record as hexadecimal text, one tab-separated row per channel, for a spreadsheet.</source>
        <translation>&lt;b&gt;Экспорт&lt;/b&gt; записывает каждую запись канала шестнадцатеричным текстом, по строке на канал с разделителями-табуляциями, для электронной таблицы.</translation>
    </message>
    <message>
        <source>Before &lt;b&gt;Save&lt;/b&gt; writes over the file, Kanalyx checks whether another program or window changed it since it was opened or saved here, and asks before it overwrites those changes.</source>
        <translation>Прежде чем &lt;b&gt;Сохранить&lt;/b&gt; запишет файл поверх прежнего, Kanalyx проверяет, не изменили ли его другая программа или другое окно после того, как он был открыт или сохранён здесь, и спрашивает, прежде чем затереть эти изменения.</translation>
    </message>
    <message>
        <source>A file with other hard links keeps them: the new content is written into the file itself, after a copy of the old content was kept beside it in a hidden file (.NAME.kanalyx-old-...), which goes once the save succeeded. Should a save be cut off, that copy holds the old list.</source>
        <translation>Файл с другими жёсткими ссылками сохраняет их: новое содержимое записывается в сам файл, после того как копия прежнего содержимого сохранена рядом в скрытом файле (.ИМЯ.kanalyx-old-...); копия удаляется, когда сохранение удалось. Если сохранение прервётся, в этой копии остаётся прежний список.</translation>
    </message>
    <message>
        <source>Character set</source>
        <translation>Кодировка</translation>
    </message>
    <message>
        <source>The bar below the menus chooses how names without a table mark are read and how renamed channels are stored: a character table, with &lt;b&gt;Prefix&lt;/b&gt; to write the table&apos;s mark in front of the name, or &lt;b&gt;Unicode&lt;/b&gt; (UTF-8). &lt;b&gt;Edit &amp;gt; User Settings&lt;/b&gt; edits the table of the entry &quot;User&quot;.</source>
        <translation>Панель под меню выбирает, как читаются названия без отметки таблицы и как сохраняются переименованные каналы: таблица символов, с &lt;b&gt;Префиксом&lt;/b&gt;, чтобы записать отметку таблицы перед названием, или &lt;b&gt;Юникод&lt;/b&gt; (UTF-8). &lt;b&gt;Правка &amp;gt; Пользовательская таблица&lt;/b&gt; изменяет таблицу пункта «Пользователь».</translation>
    </message>
    <message>
        <source>Settings of the receiver</source>
        <translation>Настройки телевизора</translation>
    </message>
    <message>
        <source>&lt;b&gt;More Settings&lt;/b&gt;: the country, the languages, the menu item, the time zone and the digital audio output on the Country page, and the settings that the description file names on the More page. Apply or OK writes them into the file.</source>
        <translation>&lt;b&gt;Дополнительно&lt;/b&gt;: страна, языки, пункт меню, часовой пояс и цифровой аудиовыход на странице «Страна» и настройки, названные в файле описания, на странице «Прочее». «Применить» или «OK» записывает их в файл.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Data Block&lt;/b&gt;: the receiver&apos;s settings byte by byte. Click a byte, or move the caret with the arrow keys, Page Up/Down and Home/End, and type hexadecimal digits. &lt;b&gt;Add&lt;/b&gt; names the selected bytes as a parameter of the description file; &lt;b&gt;Compare&lt;/b&gt; lists the bytes that another file holds differently (its byte, then the offset).</source>
        <translation>&lt;b&gt;Блок данных&lt;/b&gt;: настройки телевизора побайтно. Щёлкните байт или переместите курсор клавишами со стрелками, Page Up/Down и Home/End и вводите шестнадцатеричные цифры. &lt;b&gt;Добавить&lt;/b&gt; даёт выделенным байтам имя параметра файла описания; &lt;b&gt;Сравнить&lt;/b&gt; перечисляет байты, которые в другом файле отличаются (его байт, затем адрес).</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>&lt;b&gt;View &amp;gt; Language&lt;/b&gt; chooses the language of the interface; it applies from the next start.</source>
        <translation>&lt;b&gt;Вид &amp;gt; Язык&lt;/b&gt; выбирает язык интерфейса; он действует со следующего запуска.</translation>
    </message>
    <message>
        <source>Click a check box to tick or untick a channel, or press Space to tick or untick every selected channel; unticked channels show in blue. Commands act on the list with the coloured frame: click into a list, or press F6 and Shift+F6 to go to the next or previous list. Select several rows with Shift and Ctrl; a right click on them offers the commands.</source>
        <translation>Щелчок по флажку ставит или снимает флажок канала, клавиша Пробел — у всех выделенных каналов; каналы без флажка показаны синим. Команды действуют на список в цветной рамке: щёлкните в списке или нажмите F6 и Shift+F6, чтобы перейти к следующему или предыдущему списку. Несколько строк выделяются с Shift и Ctrl; щелчок правой кнопкой по ним открывает меню команд.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Find&lt;/b&gt; (Ctrl+F): type part of a name, or the first digits of a number, and every list shows only the channels that match. Commands act on the selected channels in sight. Escape shows every channel again.</source>
        <translation>&lt;b&gt;Найти&lt;/b&gt; (Ctrl+F): введите часть названия или первые цифры номера, и каждый список покажет только подходящие каналы. Команды действуют на видимые выделенные каналы. Escape снова показывает все каналы.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Move to&lt;/b&gt; (Ctrl+M) moves the selected channels so that the first gets the number you type; the others follow it. Selected channels can also be dragged with the mouse to their new place.</source>
        <translation>&lt;b&gt;Переместить на&lt;/b&gt; (Ctrl+M) перемещает выделенные каналы так, что первый получает введённый номер, а остальные следуют за ним. Выделенные каналы можно также перетащить мышью на новое место.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sort&lt;/b&gt; orders a list by one of its columns and numbers it anew.</source>
        <translation>&lt;b&gt;Сортировка&lt;/b&gt; упорядочивает список по одному из столбцов и заново нумерует его.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Undo&lt;/b&gt; (Ctrl+Z) takes back the last change, whatever list or setting it was; &lt;b&gt;Redo&lt;/b&gt; (Ctrl+Shift+Z or Ctrl+Y) does it again. The Edit menu names the step, and you can go back step by step to the file as it was opened.</source>
        <translation>&lt;b&gt;Отменить&lt;/b&gt; (Ctrl+Z) отменяет последнее изменение, в каком бы списке или настройке оно ни было; &lt;b&gt;Повторить&lt;/b&gt; (Ctrl+Shift+Z или Ctrl+Y) выполняет его снова. Меню «Правка» называет шаг, и можно шаг за шагом вернуться к файлу, каким он был открыт.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Channel properties&lt;/b&gt; (Alt+Enter, or a double-click with the right mouse button): see and change every field of the channel.</source>
        <translation>&lt;b&gt;Свойства канала&lt;/b&gt; (Alt+Enter или двойной щелчок правой кнопкой мыши): все поля канала с возможностью их изменить.</translation>
    </message>
    <message>
        <source>It opens the binary .tll files of every record layout (xx*.TLL) and the XML channel lists of the newer receivers (GlobalClone00001.TLL); each kind of file is told by its content, whatever its name.</source>
        <translation>Программа открывает двоичные файлы .tll любого формата записей (xx*.TLL) и XML-списки каналов новых приёмников (GlobalClone00001.TLL); вид файла определяется по его содержимому, как бы файл ни назывался.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Backups&lt;/b&gt;: the first save over a file that was opened keeps the file as it was beside it, as NAME.bak (once per opened file; a backup that is there already is never overwritten). &lt;b&gt;File &amp;gt; Keep Backup on Save&lt;/b&gt; turns this off and on; it is on unless you turn it off.</source>
        <translation>&lt;b&gt;Резервные копии&lt;/b&gt;: при первой записи поверх открытого файла рядом с ним сохраняется файл в прежнем виде, как NAME.bak (один раз на открытый файл; уже имеющаяся копия никогда не перезаписывается). &lt;b&gt;Файл &amp;gt; Делать резервную копию при сохранении&lt;/b&gt; выключает и включает это; пока вы это не выключили, копии делаются.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Revert to Saved&lt;/b&gt; reads the file again as it is on the disk, and drops every change since it was opened or saved; with changes it asks first. &lt;b&gt;Open Backup&lt;/b&gt; opens NAME.bak of the open file, asking first to save changes; it is disabled, and says why, while there is no backup.</source>
        <translation>&lt;b&gt;Вернуть сохранённый&lt;/b&gt; заново читает файл с диска и отбрасывает все изменения после открытия или сохранения; если изменения есть, сначала спрашивает. &lt;b&gt;Открыть резервную копию&lt;/b&gt; открывает NAME.bak открытого файла, предложив сначала сохранить изменения; пока копии нет, команда недоступна и объясняет почему.</translation>
    </message>
    <message>
        <source>Reference lists and comparing</source>
        <translation>Эталонные списки и сравнение</translation>
    </message>
    <message>
        <source>After a new scan, a firmware update or on a new receiver, the channels come in the receiver&apos;s order. A reference carries your order over: another channel list of any kind and receiver, or a reference list (.csv) exported earlier here or in another editor.</source>
        <translation>После нового поиска, обновления прошивки или на новом приёмнике каналы идут в порядке приёмника. Эталон переносит ваш порядок: другой список каналов любого вида и любого приёмника или эталонный список (.csv), экспортированный ранее здесь или в другом редакторе.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Apply Reference List&lt;/b&gt; (Ctrl+Shift+R): choose the reference. Each channel of the open file is matched with the reference&apos;s channels by its service (for digital channels the network, stream and service ids, for satellite channels the satellite too, for analog channels the frequency), then, for what is left, by its name (as it is, then with case and blanks ignored; a name that appears twice on a side matches only by service). Before anything changes, a dialog shows per list how many channels match by service, by name and not at all, lists the ones that do not, and asks whether to keep them after the matched ones or to delete them. &lt;b&gt;Apply&lt;/b&gt; gives the matched channels the reference&apos;s numbers and order, as one step that &lt;b&gt;Undo&lt;/b&gt; takes back; &lt;b&gt;Cancel&lt;/b&gt; changes nothing. Where the receiver wants its records sorted, a list is numbered 1 to n in its new order.</source>
        <translation>&lt;b&gt;Применить эталонный список&lt;/b&gt; (Ctrl+Shift+R): выберите эталон. Каждый канал открытого файла сопоставляется с каналами эталона по службе (у цифровых каналов — идентификаторы сети, потока и службы, у спутниковых также спутник, у аналоговых — частота), а оставшиеся — по имени (сначала как есть, затем без учёта регистра и пробелов; имя, которое встречается на одной из сторон дважды, сопоставляется только по службе). Прежде чем что-либо изменится, окно показывает для каждого списка, сколько каналов совпало по службе, по имени и не совпало вовсе, перечисляет несовпавшие и спрашивает, оставить их после совпавших или удалить. &lt;b&gt;Применить&lt;/b&gt; даёт совпавшим каналам номера и порядок эталона одним шагом, который &lt;b&gt;Отменить&lt;/b&gt; возвращает назад; &lt;b&gt;Отмена&lt;/b&gt; ничего не меняет. Если приёмник требует записей по порядку, список нумеруется от 1 до n в новом порядке.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Export Reference List&lt;/b&gt; writes the order of every channel as a reference list (.csv, UTF-8: number, service, name, list and favourites of each channel), which other files and other editors can take. A channel whose file does not say its service cannot be written; the message names it.</source>
        <translation>&lt;b&gt;Экспорт эталонного списка&lt;/b&gt; записывает порядок всех каналов как эталонный список (.csv, UTF-8: номер, служба, имя, список и избранное каждого канала), который могут принять другие файлы и другие редакторы. Канал, службу которого файл не указывает, записать нельзя; сообщение называет его.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Compare Channels With&lt;/b&gt; (Ctrl+Shift+C): choose another file or reference list; the &lt;b&gt;Compare&lt;/b&gt; pane beside the lists shows, list by list, the channels only in the other file (added), only in the open one (removed), with another number there (moved) or another name (renamed), and how many of each. Click a line to select its channel. The pane follows your changes: what you make alike leaves it.</source>
        <translation>&lt;b&gt;Сравнить каналы с&lt;/b&gt; (Ctrl+Shift+C): выберите другой файл или эталонный список; панель &lt;b&gt;Сравнение&lt;/b&gt; рядом со списками показывает по спискам каналы, которые есть только в другом файле (добавлен), только в открытом (удалён), с другим номером там (перемещён) или с другим именем (переименован), и сколько их каждого вида. Щёлкните строку, чтобы выбрать её канал. Панель следит за вашими изменениями: то, что вы сделали одинаковым, из неё уходит.</translation>
    </message>
    <message>
        <source>GlobalClone files</source>
        <translation>Файлы GlobalClone</translation>
    </message>
    <message>
        <source>Their lists show on the &lt;b&gt;Antenna&lt;/b&gt;, &lt;b&gt;Cable&lt;/b&gt; and &lt;b&gt;Satellite&lt;/b&gt; tabs, TV and radio side by side; the status bar counts each list and names the receiver model.</source>
        <translation>Их списки показаны на вкладках &lt;b&gt;Антенна&lt;/b&gt;, &lt;b&gt;Кабель&lt;/b&gt; и &lt;b&gt;Спутник&lt;/b&gt;, ТВ и радио рядом; строка состояния считает каналы каждого списка и называет модель приёмника.</translation>
    </message>
    <message>
        <source>Every channel keeps its place in the file: moving channels changes their numbers only, and &lt;b&gt;Delete&lt;/b&gt; marks the channels deleted, as the receiver does, and keeps them in the file. Saving changes only the values you changed; every other byte stays.</source>
        <translation>Каждый канал сохраняет своё место в файле: перемещение каналов меняет только их номера, а &lt;b&gt;Удалить&lt;/b&gt; помечает каналы удалёнными, как это делает приёмник, и оставляет их в файле. При сохранении меняются только изменённые вами значения; все остальные байты остаются прежними.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Duplicate&lt;/b&gt;, &lt;b&gt;Import&lt;/b&gt;, &lt;b&gt;More Settings&lt;/b&gt;, &lt;b&gt;Data Block&lt;/b&gt;, &lt;b&gt;Export&lt;/b&gt; and &lt;b&gt;Channel properties&lt;/b&gt; do not apply to these files: their receivers keep no settings block and no records of bytes in them, and keep each channel once. The menus say why when you point at the command.</source>
        <translation>&lt;b&gt;Дублировать&lt;/b&gt;, &lt;b&gt;Импорт&lt;/b&gt;, &lt;b&gt;Дополнительно&lt;/b&gt;, &lt;b&gt;Блок данных&lt;/b&gt;, &lt;b&gt;Экспорт&lt;/b&gt; и &lt;b&gt;Свойства канала&lt;/b&gt; к этим файлам не применяются: их приёмники не хранят в них ни блока настроек, ни записей из байтов и хранят каждый канал один раз. Если навести указатель на такую команду, меню объясняет почему.</translation>
    </message>
</context>
<context>
    <name>kx::MorePageItemModel</name>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Данные</translation>
    </message>
</context>
<context>
    <name>kx::PropertySheet</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Применить</translation>
    </message>
</context>
<context>
    <name>kx::ReferenceCommands</name>
    <message>
        <source>Channel lists and reference lists (*.tll *.TLL *.csv *.CSV)</source>
        <translation>Списки каналов и эталонные списки (*.tll *.TLL *.csv *.CSV)</translation>
    </message>
    <message>
        <source>Reference lists (*.csv *.CSV)</source>
        <translation>Эталонные списки (*.csv *.CSV)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Apply Reference List</source>
        <translation>Применить эталонный список</translation>
    </message>
    <message>
        <source>The reference list was not applied.</source>
        <translation>Эталонный список не применён.</translation>
    </message>
    <message>
        <source>Export Reference List</source>
        <translation>Экспорт эталонного списка</translation>
    </message>
    <message>
        <source>Reference lists (*.csv)</source>
        <translation>Эталонные списки (*.csv)</translation>
    </message>
    <message>
        <source>The reference list could not be written.</source>
        <translation>Не удалось записать эталонный список.</translation>
    </message>
    <message>
        <source>Compare Channels With</source>
        <translation>Сравнить каналы с</translation>
    </message>
    <message>
        <source>The channels could not be compared.</source>
        <translation>Не удалось сравнить каналы.</translation>
    </message>
</context>
<context>
    <name>kx::StatusPanes</name>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>The record layout of the open file and the receivers that use it</source>
        <translation>Формат записей открытого файла и приёмники, которые его используют</translation>
    </message>
    <message>
        <source>Record size unknown</source>
        <translation>Размер записи неизвестен</translation>
    </message>
    <message>
        <source>%1-byte records: %2</source>
        <translation>Записи по %1 байт: %2</translation>
    </message>
    <message>
        <source>GlobalClone: %1</source>
        <translation>GlobalClone: %1</translation>
    </message>
</context>
</TS>

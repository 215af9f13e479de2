<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Сборка %1</translation>
    </message>
    <message>
        <source>Larkspan is a FREE management tool that allows you to build custom menus to simplify administration of a computer tasks and accessing management console files, shell commands, run commands,  installed applications or any data type and folder location.</source>
        <translation>Larkspan — БЕСПЛАТНЫЙ инструмент управления, который позволяет создавать собственные меню, чтобы упростить администрирование компьютера и доступ к файлам консоли управления, командам оболочки, командам «Выполнить», установленным приложениям, а также к любым данным и папкам.</translation>
    </message>
    <message>
        <source>Developed by </source>
        <translation>Автор: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>ApplicationPicker</name>
    <message>
        <source>Add installed application</source>
        <translation>Добавить установленное приложение</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
</context>
<context>
    <name>ApplicationService</name>
    <message>
        <source>There is no action &quot;%1&quot;.</source>
        <translation>Действие &quot;%1&quot; не существует.</translation>
    </message>
</context>
<context>
    <name>BarTray</name>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>BarWindow</name>
    <message>
        <source>Start</source>
        <extracomment>Tooltip of the bar&apos;s button that opens the menu of entries</extracomment>
        <translation>Пуск</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Customize</source>
        <extracomment>Tooltip of the bar&apos;s button that opens the Settings window</extracomment>
        <translation>Настроить</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Close Larkspan?</source>
        <translation>Закрыть Larkspan?</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Last item of the launcher menu: ends the program</extracomment>
        <translation>Выход</translation>
    </message>
    <message>
        <source>entry %1</source>
        <extracomment>Names a menu entry without a caption in a notification; %1 is its number</extracomment>
        <translation>пункт %1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>There is no notification area to hide the bar into.</source>
        <translation>Нет области уведомлений, в которую можно было бы скрыть панель.</translation>
    </message>
</context>
<context>
    <name>BmpImage</name>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Недопустимое растровое изображение</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Не удаётся открыть файл &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Это не обычный файл</translation>
    </message>
</context>
<context>
    <name>ColumnKind</name>
    <message>
        <source>Text</source>
        <extracomment>Type of a database column, named in messages about a reference list&apos;s fields</extracomment>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>MEMO</translation>
    </message>
    <message>
        <source>Integer</source>
        <translation>Целое число</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Число с плавающей точкой</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Денежная сумма</translation>
    </message>
    <message>
        <source>Numeric</source>
        <translation>Десятичное число</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Логическое значение</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Двоичные данные</translation>
    </message>
    <message>
        <source>GUID</source>
        <translation>GUID</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестный тип</translation>
    </message>
</context>
<context>
    <name>ConnectionString</name>
    <message>
        <source>The connection string is malformed at character %1: %2</source>
        <translation>Ошибка в строке подключения в позиции %1: %2</translation>
    </message>
    <message>
        <source>the key has no &quot;=&quot; after it</source>
        <translation>после ключа нет &quot;=&quot;</translation>
    </message>
    <message>
        <source>a value has no key</source>
        <translation>у значения нет ключа</translation>
    </message>
    <message>
        <source>the quoted value is not closed</source>
        <translation>значение в кавычках не закрыто</translation>
    </message>
    <message>
        <source>text follows the quoted value</source>
        <translation>после значения в кавычках идёт текст</translation>
    </message>
</context>
<context>
    <name>DataSet</name>
    <message>
        <source>%1: Field &apos;%2&apos; not found</source>
        <translation>%1: поле &apos;%2&apos; не найдено</translation>
    </message>
    <message>
        <source>%1: Type mismatch for field &apos;%2&apos;, expecting: %3 actual: %4</source>
        <translation>%1: несоответствие типа поля &apos;%2&apos;, ожидается: %3, фактически: %4</translation>
    </message>
    <message>
        <source>Delete record?</source>
        <translation>Удалить запись?</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The database &quot;%1&quot; does not exist</source>
        <translation>База данных &quot;%1&quot; не существует</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; was found neither in the current folder (%2) nor in the application folder (%3)</source>
        <translation>База данных &quot;%1&quot; не найдена ни в текущей папке (%2), ни в папке программы (%3)</translation>
    </message>
    <message>
        <source>The connection string names no provider</source>
        <translation>В строке подключения не указан поставщик</translation>
    </message>
    <message>
        <source>The provider &quot;%1&quot; is not available; this program provides only &quot;%2&quot;</source>
        <translation>Поставщик &quot;%1&quot; недоступен; эта программа поддерживает только &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The connection string names no data source</source>
        <translation>В строке подключения не указан источник данных</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be read: %2</source>
        <translation>Не удаётся прочитать базу данных &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is neither an SQLite nor a Jet database</source>
        <translation>Файл &quot;%1&quot; не является базой данных ни SQLite, ни Jet</translation>
    </message>
    <message>
        <source>The database connection is not open</source>
        <translation>Подключение к базе данных не открыто</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; is in a Jet database, which can only be read</source>
        <translation>Таблица &quot;%1&quot; находится в базе данных Jet, доступной только для чтения</translation>
    </message>
    <message>
        <source>The Jet database &quot;%1&quot; cannot be read</source>
        <translation>Не удаётся прочитать базу данных Jet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The Jet database &quot;%1&quot; has no table &quot;%2&quot;</source>
        <translation>В базе данных Jet &quot;%1&quot; нет таблицы &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; of the Jet database &quot;%2&quot; cannot be read</source>
        <translation>Не удаётся прочитать таблицу &quot;%1&quot; базы данных Jet &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; was deleted, moved or replaced after it was opened; the change was not stored</source>
        <translation>База данных &quot;%1&quot; была удалена, перемещена или заменена после открытия; изменение не сохранено</translation>
    </message>
    <message>
        <source>The row does not belong to table &quot;%1&quot;</source>
        <translation>Строка не принадлежит таблице &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; cannot be updated</source>
        <translation>Не удаётся обновить таблицу &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be opened: %2</source>
        <translation>Не удаётся открыть базу данных &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The row was changed or deleted by another program after it was read; the change was not stored</source>
        <translation>После чтения строка была изменена или удалена другой программой; изменение не сохранено</translation>
    </message>
    <message>
        <source>The row was changed or deleted by another program after it was read; it was not deleted</source>
        <translation>После чтения строка была изменена или удалена другой программой; она не удалена</translation>
    </message>
    <message>
        <source>The row was changed or deleted by another program after it was read</source>
        <translation>После чтения строка была изменена или удалена другой программой</translation>
    </message>
</context>
<context>
    <name>EntryDialog</name>
    <message>
        <source>Application</source>
        <extracomment>Title of the dialog that edits one menu entry</extracomment>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Application or folder:</source>
        <translation>Приложение или папка:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Please enter a caption.</source>
        <translation>Введите имя.</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the file dialog that picks an entry&apos;s target</extracomment>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*</source>
        <translation>Все файлы(*.*)|*.*</translation>
    </message>
    <message>
        <source>Select folder:</source>
        <translation>Выберите папку:</translation>
    </message>
</context>
<context>
    <name>LaunchPlan</name>
    <message>
        <source>There is no program called &quot;%1&quot; on this computer.</source>
        <translation>На этом компьютере нет программы &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 не существует</translation>
    </message>
    <message>
        <source>%1 is not executable</source>
        <translation>%1 не является исполняемым файлом</translation>
    </message>
    <message>
        <source>xdg-open, which opens %1, is not installed</source>
        <translation>не установлена программа xdg-open, которая открывает %1</translation>
    </message>
    <message>
        <source>%1 is no desktop entry</source>
        <translation>%1 не является файлом .desktop</translation>
    </message>
    <message>
        <source>%1 links to no URL</source>
        <translation>%1 не ссылается ни на какой URL</translation>
    </message>
    <message>
        <source>%1 is no application</source>
        <translation>%1 не является приложением</translation>
    </message>
    <message>
        <source>%1 has no command that can run</source>
        <translation>в %1 нет команды, которую можно выполнить</translation>
    </message>
    <message>
        <source>%1 needs a terminal, and none is installed</source>
        <translation>для %1 нужен терминал, но ни один терминал не установлен</translation>
    </message>
    <message>
        <source>No web browser is set up to open &quot;%1&quot;.</source>
        <translation>Не настроен веб-браузер для открытия &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No application is set up to open &quot;%1:&quot; addresses such as &quot;%2&quot;.</source>
        <translation>Не настроено приложение для открытия адресов &quot;%1:&quot;, таких как &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>No application is set up to open the folder &quot;%1&quot;.</source>
        <translation>Не настроено приложение для открытия папки &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No application is set up to open &quot;%1&quot;.</source>
        <translation>Не настроено приложение для открытия &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No application is set up for the file type &quot;%1&quot;, so &quot;%2&quot; cannot be opened.</source>
        <translation>Для типа файлов &quot;%1&quot; не настроено приложение, поэтому открыть &quot;%2&quot; невозможно.</translation>
    </message>
    <message>
        <source>Opening &quot;%1&quot; was stopped before it finished.</source>
        <translation>Открытие &quot;%1&quot; было прервано до завершения.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be found.</source>
        <translation>Не удаётся найти &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The application set up to open &quot;%1&quot; could not open it.</source>
        <translation>Приложению, настроенному для открытия &quot;%1&quot;, не удалось его открыть.</translation>
    </message>
    <message>
        <source>the entry has no target</source>
        <translation>у пункта не указан объект</translation>
    </message>
    <message>
        <source>the target holds a zero character</source>
        <translation>объект содержит нулевой символ</translation>
    </message>
    <message>
        <source>the target has a quote that is not closed</source>
        <translation>в объекте есть незакрытая кавычка</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>%1 cannot be started: %2</source>
        <translation>Не удаётся запустить %1: %2</translation>
    </message>
</context>
<context>
    <name>LauncherMenu</name>
    <message>
        <source>No match</source>
        <extracomment>Shown in the launcher menu when no entry matches the typed filter</extracomment>
        <translation>Нет совпадений</translation>
    </message>
</context>
<context>
    <name>MenuFile</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Не удаётся создать файл &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot write the backup &quot;%1&quot;, so the menu file was not changed. %2</source>
        <translation>Не удаётся записать резервную копию &quot;%1&quot;, поэтому файл меню не изменён. %2</translation>
    </message>
</context>
<context>
    <name>MenuShortcutDialog</name>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>Larkspan cannot set the shortcuts of %1. To open the launcher menu with a key, bind it to this command in the desktop&apos;s keyboard settings:</source>
        <translation>Larkspan не может задать сочетания клавиш для %1. Чтобы открывать меню клавишей, назначьте её этой команде в настройках клавиатуры рабочего стола:</translation>
    </message>
    <message>
        <source>The key combination that opens the launcher menu, kept in the keyboard settings of %1. Press a new one to change it.</source>
        <translation>Сочетание клавиш, открывающее меню; хранится в настройках клавиатуры %1. Нажмите новое, чтобы изменить его.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Задать</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Press a combination with Ctrl, Alt or Super, or a function key.</source>
        <translation>Нажмите сочетание с Ctrl, Alt или Super либо функциональную клавишу.</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Сейчас: %1</translation>
    </message>
    <message>
        <source>Now: none</source>
        <translation>Сейчас: нет</translation>
    </message>
    <message>
        <source>%1 cannot open the menu: it needs Ctrl, Alt or Super, or must be a function key.</source>
        <translation>%1 не может открывать меню: нужна клавиша Ctrl, Alt или Super либо функциональная клавиша.</translation>
    </message>
    <message>
        <source>%1 opens the menu already.</source>
        <translation>%1 уже открывает меню.</translation>
    </message>
    <message>
        <source>%1 is already bound to &quot;%2&quot;. Press another one.</source>
        <translation>%1 уже назначено для &quot;%2&quot;. Нажмите другое.</translation>
    </message>
    <message>
        <source>%1 is free.</source>
        <translation>%1 свободно.</translation>
    </message>
</context>
<context>
    <name>MenuShortcutStore</name>
    <message>
        <source>%1 cannot bind this key.</source>
        <translation>%1 не может назначить эту клавишу.</translation>
    </message>
    <message>
        <source>Larkspan menu</source>
        <translation>Меню Larkspan</translation>
    </message>
    <message>
        <source>Cannot delete &quot;%1&quot;.</source>
        <translation>Не удаётся удалить &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;. %2</source>
        <translation>Не удаётся записать &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>KDE&apos;s shortcut service failed: %1</source>
        <translation>Ошибка службы сочетаний клавиш KDE: %1</translation>
    </message>
    <message>
        <source>%1 is not a configuration of openbox.</source>
        <translation>%1 не является конфигурацией openbox.</translation>
    </message>
    <message>
        <source>Neither %1 nor %2 can be read.</source>
        <translation>Не удаётся прочитать ни %1, ни %2.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>Не удалось запустить %1.</translation>
    </message>
    <message>
        <source>%1 did not answer within 10 seconds.</source>
        <translation>%1 не ответил в течение 10 секунд.</translation>
    </message>
    <message>
        <source>%1 %2 failed: %3</source>
        <translation>Ошибка %1 %2: %3</translation>
    </message>
    <message>
        <source>%1 is already bound to &quot;%2&quot;.</source>
        <translation>%1 уже назначено для &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Xfce&apos;s settings service failed: %1</source>
        <translation>Ошибка службы настроек Xfce: %1</translation>
    </message>
</context>
<context>
    <name>Navigator</name>
    <message>
        <source>First record</source>
        <translation>Первая запись</translation>
    </message>
    <message>
        <source>Prior record</source>
        <translation>Предыдущая запись</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Следующая запись</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Последняя запись</translation>
    </message>
    <message>
        <source>Insert record</source>
        <translation>Вставить запись</translation>
    </message>
    <message>
        <source>Delete record</source>
        <translation>Удалить запись</translation>
    </message>
    <message>
        <source>Edit record</source>
        <translation>Изменить запись</translation>
    </message>
    <message>
        <source>Post edit</source>
        <extracomment>Tooltip of the reference list&apos;s button that stores the record being edited</extracomment>
        <translation>Сохранить изменения</translation>
    </message>
    <message>
        <source>Cancel edit</source>
        <translation>Отменить изменения</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Cannot open &quot;%1&quot;</source>
        <translation>Не удаётся открыть &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не удаётся записать в %1</translation>
    </message>
</context>
<context>
    <name>ReferenceNavigator</name>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
</context>
<context>
    <name>SaveMenuCopy</name>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;. %3</source>
        <translation>Не удаётся скопировать &quot;%1&quot; в &quot;%2&quot;. %3</translation>
    </message>
</context>
<context>
    <name>SettingsList</name>
    <message>
        <source>Menu Seperator (-)</source>
        <extracomment>How the Settings list shows a separator line of the menu (the English spelling is kept as users know it)</extracomment>
        <translation>Разделитель меню (-)</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>My Menu Files(*.ini)|*.ini</source>
        <extracomment>The name of the file type, then &quot;|&quot; and its pattern, which stays as it is.</extracomment>
        <translation>Мои файлы меню(*.ini)|*.ini</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Приложения</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Открыть меню</translation>
    </message>
    <message>
        <source>Save menu</source>
        <translation>Сохранить меню</translation>
    </message>
    <message>
        <source>New application</source>
        <translation>Новое приложение</translation>
    </message>
    <message>
        <source>Edit application</source>
        <translation>Изменить приложение</translation>
    </message>
    <message>
        <source>Delete application</source>
        <translation>Удалить приложение</translation>
    </message>
    <message>
        <source>Add installed application…</source>
        <translation>Добавить установленное приложение…</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Попробовать</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>Context menu of the list of entries: edit the selected entry</extracomment>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Context menu of the list of entries: delete the selected entry</extracomment>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>List of Windows MMC Records</source>
        <translation>Список записей Windows MMC</translation>
    </message>
    <message>
        <source>List of Windows Server MMC Records</source>
        <translation>Список записей Windows Server MMC</translation>
    </message>
    <message>
        <source>Run Commands</source>
        <translation>Команды «Выполнить»</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the list has been brought up to date. &quot;%1&quot; is no longer in it.</source>
        <translation>Другая программа изменила файл меню, поэтому список был обновлён. &quot;%1&quot; в нём больше нет.</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the list has been brought up to date.</source>
        <translation>Другая программа изменила файл меню, поэтому список был обновлён.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;</source>
        <translation>Вы действительно хотите удалить &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the file dialog that opens a menu file</extracomment>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Title of the file dialog that saves a copy of the menu file</extracomment>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Keyboard shortcut…</source>
        <translation>Сочетание клавиш…</translation>
    </message>
    <message>
        <source>The key that opens the launcher menu</source>
        <translation>Клавиша, открывающая меню</translation>
    </message>
    <message>
        <source>this desktop</source>
        <translation>этого рабочего стола</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Context menu of the list of entries: take back the last change of the menu</extracomment>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Context menu of the list of entries: make the change taken back again</extracomment>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the last change cannot be undone.</source>
        <translation>Другая программа изменила файл меню, поэтому последнее изменение нельзя отменить.</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the change cannot be redone.</source>
        <translation>Другая программа изменила файл меню, поэтому изменение нельзя повторить.</translation>
    </message>
    <message>
        <source>Clear launch history</source>
        <translation>Очистить историю запусков</translation>
    </message>
    <message>
        <source>Forget which entries you open most; the menu&apos;s filter lists those first</source>
        <translation>Забыть, какие пункты вы открываете чаще всего; фильтр меню показывает их первыми</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Performs ACTION (menu, settings, about) once started.</source>
        <translation>Выполняет ACTION (menu, settings, about) после запуска.</translation>
    </message>
</context>
</TS>

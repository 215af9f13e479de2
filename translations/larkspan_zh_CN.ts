<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>内部版本 %1</translation>
    </message>
    <message>
        <source>Larkspan is a FREE management tool that allows you to build custom menus to simplify administration of a computer tasks and accessing management console files, shell commands, run commands,  installed applications or any data type and folder location.</source>
        <translation>Larkspan 是一款免费的管理工具，可用于创建自定义菜单，从而简化计算机任务的管理，并方便地访问管理控制台文件、Shell 命令、运行命令、已安装的应用程序以及任何类型的数据和文件夹位置。</translation>
    </message>
    <message>
        <source>Developed by </source>
        <translation>开发者：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>ApplicationPicker</name>
    <message>
        <source>Add installed application</source>
        <translation>添加已安装的应用程序</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
</context>
<context>
    <name>ApplicationService</name>
    <message>
        <source>There is no action &quot;%1&quot;.</source>
        <translation>不存在操作 &quot;%1&quot;。</translation>
    </message>
</context>
<context>
    <name>BarTray</name>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>BarWindow</name>
    <message>
        <source>Start</source>
        <extracomment>Tooltip of the bar&apos;s button that opens the menu of entries</extracomment>
        <translation>开始</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Customize</source>
        <extracomment>Tooltip of the bar&apos;s button that opens the Settings window</extracomment>
        <translation>自定义</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Close Larkspan?</source>
        <translation>关闭 Larkspan？</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Last item of the launcher menu: ends the program</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>entry %1</source>
        <extracomment>Names a menu entry without a caption in a notification; %1 is its number</extracomment>
        <translation>条目 %1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>There is no notification area to hide the bar into.</source>
        <translation>没有可用的通知区域，无法将工具栏隐藏到其中。</translation>
    </message>
</context>
<context>
    <name>BmpImage</name>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>位图图像无效</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>无法打开文件 &quot;%1&quot;。%2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>不是常规文件</translation>
    </message>
</context>
<context>
    <name>ColumnKind</name>
    <message>
        <source>Text</source>
        <extracomment>Type of a database column, named in messages about a reference list&apos;s fields</extracomment>
        <translation>文本</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Integer</source>
        <translation>整数</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>浮点数</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>货币</translation>
    </message>
    <message>
        <source>Numeric</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>布尔值</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>日期时间</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>二进制</translation>
    </message>
    <message>
        <source>GUID</source>
        <translation>GUID</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>ConnectionString</name>
    <message>
        <source>The connection string is malformed at character %1: %2</source>
        <translation>连接字符串在第 %1 个字符处格式错误：%2</translation>
    </message>
    <message>
        <source>the key has no &quot;=&quot; after it</source>
        <translation>键后面没有 &quot;=&quot;</translation>
    </message>
    <message>
        <source>a value has no key</source>
        <translation>值没有对应的键</translation>
    </message>
    <message>
        <source>the quoted value is not closed</source>
        <translation>带引号的值没有闭合</translation>
    </message>
    <message>
        <source>text follows the quoted value</source>
        <translation>带引号的值后面还有文本</translation>
    </message>
</context>
<context>
    <name>DataSet</name>
    <message>
        <source>%1: Field &apos;%2&apos; not found</source>
        <translation>%1：未找到字段 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1: Type mismatch for field &apos;%2&apos;, expecting: %3 actual: %4</source>
        <translation>%1：字段 &apos;%2&apos; 的类型不匹配，应为：%3，实际为：%4</translation>
    </message>
    <message>
        <source>Delete record?</source>
        <translation>删除记录？</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The database &quot;%1&quot; does not exist</source>
        <translation>数据库 &quot;%1&quot; 不存在</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; was found neither in the current folder (%2) nor in the application folder (%3)</source>
        <translation>在当前文件夹 (%2) 和应用程序文件夹 (%3) 中均未找到数据库 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The connection string names no provider</source>
        <translation>连接字符串未指定提供程序</translation>
    </message>
    <message>
        <source>The provider &quot;%1&quot; is not available; this program provides only &quot;%2&quot;</source>
        <translation>提供程序 &quot;%1&quot; 不可用；本程序仅提供 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The connection string names no data source</source>
        <translation>连接字符串未指定数据源</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取数据库 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is neither an SQLite nor a Jet database</source>
        <translation>文件 &quot;%1&quot; 既不是 SQLite 数据库，也不是 Jet 数据库</translation>
    </message>
    <message>
        <source>The database connection is not open</source>
        <translation>数据库连接未打开</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; is in a Jet database, which can only be read</source>
        <translation>表 &quot;%1&quot; 位于 Jet 数据库中，该数据库只能读取</translation>
    </message>
    <message>
        <source>The Jet database &quot;%1&quot; cannot be read</source>
        <translation>无法读取 Jet 数据库 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The Jet database &quot;%1&quot; has no table &quot;%2&quot;</source>
        <translation>Jet 数据库 &quot;%1&quot; 中没有表 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; of the Jet database &quot;%2&quot; cannot be read</source>
        <translation>无法读取 Jet 数据库 &quot;%2&quot; 中的表 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; was deleted, moved or replaced after it was opened; the change was not stored</source>
        <translation>数据库 &quot;%1&quot; 在打开后已被删除、移动或替换；更改未保存</translation>
    </message>
    <message>
        <source>The row does not belong to table &quot;%1&quot;</source>
        <translation>该行不属于表 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; cannot be updated</source>
        <translation>无法更新表 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be opened: %2</source>
        <translation>无法打开数据库 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>The row was changed or deleted by another program after it was read; the change was not stored</source>
        <translation>读取该行后，另一个程序更改或删除了它；更改未保存</translation>
    </message>
    <message>
        <source>The row was changed or deleted by another program after it was read; it was not deleted</source>
        <translation>读取该行后，另一个程序更改或删除了它；该行未被删除</translation>
    </message>
    <message>
        <source>The row was changed or deleted by another program after it was read</source>
        <translation>读取该行后，另一个程序更改或删除了它</translation>
    </message>
</context>
<context>
    <name>EntryDialog</name>
    <message>
        <source>Application</source>
        <extracomment>Title of the dialog that edits one menu entry</extracomment>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Application or folder:</source>
        <translation>应用程序或文件夹：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Please enter a caption.</source>
        <translation>请输入名称。</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the file dialog that picks an entry&apos;s target</extracomment>
        <translation>打开</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*</source>
        <translation>所有文件(*.*)|*.*</translation>
    </message>
    <message>
        <source>Select folder:</source>
        <translation>选择文件夹：</translation>
    </message>
</context>
<context>
    <name>LaunchPlan</name>
    <message>
        <source>There is no program called &quot;%1&quot; on this computer.</source>
        <translation>此计算机上没有名为 &quot;%1&quot; 的程序。</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 不存在</translation>
    </message>
    <message>
        <source>%1 is not executable</source>
        <translation>%1 不是可执行文件</translation>
    </message>
    <message>
        <source>xdg-open, which opens %1, is not installed</source>
        <translation>未安装用于打开 %1 的 xdg-open</translation>
    </message>
    <message>
        <source>%1 is no desktop entry</source>
        <translation>%1 不是桌面项文件</translation>
    </message>
    <message>
        <source>%1 links to no URL</source>
        <translation>%1 未链接到任何 URL</translation>
    </message>
    <message>
        <source>%1 is no application</source>
        <translation>%1 不是应用程序</translation>
    </message>
    <message>
        <source>%1 has no command that can run</source>
        <translation>%1 没有可运行的命令</translation>
    </message>
    <message>
        <source>%1 needs a terminal, and none is installed</source>
        <translation>%1 需要终端，但未安装任何终端</translation>
    </message>
    <message>
        <source>No web browser is set up to open &quot;%1&quot;.</source>
        <translation>未设置用于打开 &quot;%1&quot; 的网页浏览器。</translation>
    </message>
    <message>
        <source>No application is set up to open &quot;%1:&quot; addresses such as &quot;%2&quot;.</source>
        <translation>未设置用于打开 &quot;%1:&quot; 地址（如 &quot;%2&quot;）的应用程序。</translation>
    </message>
    <message>
        <source>No application is set up to open the folder &quot;%1&quot;.</source>
        <translation>未设置用于打开文件夹 &quot;%1&quot; 的应用程序。</translation>
    </message>
    <message>
        <source>No application is set up to open &quot;%1&quot;.</source>
        <translation>未设置用于打开 &quot;%1&quot; 的应用程序。</translation>
    </message>
    <message>
        <source>No application is set up for the file type &quot;%1&quot;, so &quot;%2&quot; cannot be opened.</source>
        <translation>未为文件类型 &quot;%1&quot; 设置应用程序，因此无法打开 &quot;%2&quot;。</translation>
    </message>
    <message>
        <source>Opening &quot;%1&quot; was stopped before it finished.</source>
        <translation>打开 &quot;%1&quot; 的操作在完成前被中止。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be found.</source>
        <translation>找不到 &quot;%1&quot;。</translation>
    </message>
    <message>
        <source>The application set up to open &quot;%1&quot; could not open it.</source>
        <translation>设置用于打开 &quot;%1&quot; 的应用程序无法将其打开。</translation>
    </message>
    <message>
        <source>the entry has no target</source>
        <translation>该条目没有目标</translation>
    </message>
    <message>
        <source>the target holds a zero character</source>
        <translation>目标中含有空字符</translation>
    </message>
    <message>
        <source>the target has a quote that is not closed</source>
        <translation>目标中有未闭合的引号</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>%1 cannot be started: %2</source>
        <translation>无法启动 %1：%2</translation>
    </message>
</context>
<context>
    <name>LauncherMenu</name>
    <message>
        <source>No match</source>
        <extracomment>Shown in the launcher menu when no entry matches the typed filter</extracomment>
        <translation>无匹配项</translation>
    </message>
</context>
<context>
    <name>MenuFile</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>无法创建文件 &quot;%1&quot;。%2</translation>
    </message>
    <message>
        <source>Cannot write the backup &quot;%1&quot;, so the menu file was not changed. %2</source>
        <translation>无法写入备份 &quot;%1&quot;，因此菜单文件未更改。%2</translation>
    </message>
</context>
<context>
    <name>MenuShortcutDialog</name>
    <message>
        <source>Keyboard shortcut</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <source>Larkspan cannot set the shortcuts of %1. To open the launcher menu with a key, bind it to this command in the desktop&apos;s keyboard settings:</source>
        <translation>Larkspan 无法设置 %1 的快捷键。要用按键打开菜单，请在桌面的键盘设置中将按键绑定到此命令：</translation>
    </message>
    <message>
        <source>The key combination that opens the launcher menu, kept in the keyboard settings of %1. Press a new one to change it.</source>
        <translation>打开菜单的组合键，保存在 %1 的键盘设置中。按下新的组合键即可更改。</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Press a combination with Ctrl, Alt or Super, or a function key.</source>
        <translation>请按下包含 Ctrl、Alt 或 Super 的组合键，或一个功能键。</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>当前：%1</translation>
    </message>
    <message>
        <source>Now: none</source>
        <translation>当前：无</translation>
    </message>
    <message>
        <source>%1 cannot open the menu: it needs Ctrl, Alt or Super, or must be a function key.</source>
        <translation>%1 无法打开菜单：需要包含 Ctrl、Alt 或 Super，或者是一个功能键。</translation>
    </message>
    <message>
        <source>%1 opens the menu already.</source>
        <translation>%1 已用于打开菜单。</translation>
    </message>
    <message>
        <source>%1 is already bound to &quot;%2&quot;. Press another one.</source>
        <translation>%1 已绑定到 &quot;%2&quot;。请按其他组合键。</translation>
    </message>
    <message>
        <source>%1 is free.</source>
        <translation>%1 未被占用。</translation>
    </message>
</context>
<context>
    <name>MenuShortcutStore</name>
    <message>
        <source>%1 cannot bind this key.</source>
        <translation>%1 无法绑定此按键。</translation>
    </message>
    <message>
        <source>Larkspan menu</source>
        <translation>Larkspan 菜单</translation>
    </message>
    <message>
        <source>Cannot delete &quot;%1&quot;.</source>
        <translation>无法删除 &quot;%1&quot;。</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;. %2</source>
        <translation>无法写入 &quot;%1&quot;。%2</translation>
    </message>
    <message>
        <source>KDE&apos;s shortcut service failed: %1</source>
        <translation>KDE 快捷键服务出错：%1</translation>
    </message>
    <message>
        <source>%1 is not a configuration of openbox.</source>
        <translation>%1 不是 openbox 的配置文件。</translation>
    </message>
    <message>
        <source>Neither %1 nor %2 can be read.</source>
        <translation>%1 和 %2 都无法读取。</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>无法启动 %1。</translation>
    </message>
    <message>
        <source>%1 did not answer within 10 seconds.</source>
        <translation>%1 在 10 秒内没有响应。</translation>
    </message>
    <message>
        <source>%1 %2 failed: %3</source>
        <translation>%1 %2 失败：%3</translation>
    </message>
    <message>
        <source>%1 is already bound to &quot;%2&quot;.</source>
        <translation>%1 已绑定到 &quot;%2&quot;。</translation>
    </message>
    <message>
        <source>Xfce&apos;s settings service failed: %1</source>
        <translation>Xfce 设置服务出错：%1</translation>
    </message>
</context>
<context>
    <name>Navigator</name>
    <message>
        <source>First record</source>
        <translation>第一条记录</translation>
    </message>
    <message>
        <source>Prior record</source>
        <translation>上一条记录</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>下一条记录</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>最后一条记录</translation>
    </message>
    <message>
        <source>Insert record</source>
        <translation>插入记录</translation>
    </message>
    <message>
        <source>Delete record</source>
        <translation>删除记录</translation>
    </message>
    <message>
        <source>Edit record</source>
        <translation>编辑记录</translation>
    </message>
    <message>
        <source>Post edit</source>
        <extracomment>Tooltip of the reference list&apos;s button that stores the record being edited</extracomment>
        <translation>保存编辑</translation>
    </message>
    <message>
        <source>Cancel edit</source>
        <translation>取消编辑</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Cannot open &quot;%1&quot;</source>
        <translation>无法打开 &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
</context>
<context>
    <name>ReferenceNavigator</name>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
</context>
<context>
    <name>SaveMenuCopy</name>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;. %3</source>
        <translation>无法将 &quot;%1&quot; 复制到 &quot;%2&quot;。%3</translation>
    </message>
</context>
<context>
    <name>SettingsList</name>
    <message>
        <source>Menu Seperator (-)</source>
        <extracomment>How the Settings list shows a separator line of the menu (the English spelling is kept as users know it)</extracomment>
        <translation>菜单分隔符 (-)</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>My Menu Files(*.ini)|*.ini</source>
        <extracomment>The name of the file type, then &quot;|&quot; and its pattern, which stays as it is.</extracomment>
        <translation>我的菜单文件(*.ini)|*.ini</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>打开菜单</translation>
    </message>
    <message>
        <source>Save menu</source>
        <translation>保存菜单</translation>
    </message>
    <message>
        <source>New application</source>
        <translation>新建应用程序</translation>
    </message>
    <message>
        <source>Edit application</source>
        <translation>编辑应用程序</translation>
    </message>
    <message>
        <source>Delete application</source>
        <translation>删除应用程序</translation>
    </message>
    <message>
        <source>Add installed application…</source>
        <translation>添加已安装的应用程序…</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>试运行</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>Context menu of the list of entries: edit the selected entry</extracomment>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Context menu of the list of entries: delete the selected entry</extracomment>
        <translation>删除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>List of Windows MMC Records</source>
        <translation>Windows MMC 记录列表</translation>
    </message>
    <message>
        <source>List of Windows Server MMC Records</source>
        <translation>Windows Server MMC 记录列表</translation>
    </message>
    <message>
        <source>Run Commands</source>
        <translation>运行命令</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the list has been brought up to date. &quot;%1&quot; is no longer in it.</source>
        <translation>另一个程序更改了菜单文件，因此列表已更新。&quot;%1&quot; 已不在列表中。</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the list has been brought up to date.</source>
        <translation>另一个程序更改了菜单文件，因此列表已更新。</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;</source>
        <translation>确定要删除 &quot;%1&quot; 吗？</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the file dialog that opens a menu file</extracomment>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Title of the file dialog that saves a copy of the menu file</extracomment>
        <translation>保存</translation>
    </message>
    <message>
        <source>Keyboard shortcut…</source>
        <translation>键盘快捷键…</translation>
    </message>
    <message>
        <source>The key that opens the launcher menu</source>
        <translation>打开菜单的按键</translation>
    </message>
    <message>
        <source>this desktop</source>
        <translation>此桌面</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Context menu of the list of entries: take back the last change of the menu</extracomment>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Context menu of the list of entries: make the change taken back again</extracomment>
        <translation>重做</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the last change cannot be undone.</source>
        <translation>另一个程序更改了菜单文件，因此无法撤销上一次更改。</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the change cannot be redone.</source>
        <translation>另一个程序更改了菜单文件，因此无法重做该更改。</translation>
    </message>
    <message>
        <source>Clear launch history</source>
        <translation>清除启动历史</translation>
    </message>
    <message>
        <source>Forget which entries you open most; the menu&apos;s filter lists those first</source>
        <translation>忘记您最常打开的条目；菜单的筛选会将它们列在前面</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Performs ACTION (menu, settings, about) once started.</source>
        <translation>启动后执行 ACTION（menu、settings、about）。</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Larkspan is a FREE management tool that allows you to build custom menus to simplify administration of a computer tasks and accessing management console files, shell commands, run commands,  installed applications or any data type and folder location.</source>
        <translation>Larkspan es una herramienta de administración GRATUITA que le permite crear menús personalizados para simplificar la administración de las tareas del equipo y el acceso a archivos de consola de administración, comandos de shell, comandos de ejecución, aplicaciones instaladas o cualquier tipo de datos y ubicación de carpeta.</translation>
    </message>
    <message>
        <source>Developed by </source>
        <translation>Desarrollado por </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ApplicationPicker</name>
    <message>
        <source>Add installed application</source>
        <translation>Añadir aplicación instalada</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrar</translation>
    </message>
</context>
<context>
    <name>ApplicationService</name>
    <message>
        <source>There is no action &quot;%1&quot;.</source>
        <translation>No existe la acción &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>BarTray</name>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>BarWindow</name>
    <message>
        <source>Start</source>
        <extracomment>Tooltip of the bar&apos;s button that opens the menu of entries</extracomment>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Customize</source>
        <extracomment>Tooltip of the bar&apos;s button that opens the Settings window</extracomment>
        <translation>Personalizar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Close Larkspan?</source>
        <translation>¿Cerrar Larkspan?</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Last item of the launcher menu: ends the program</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>entry %1</source>
        <extracomment>Names a menu entry without a caption in a notification; %1 is its number</extracomment>
        <translation>entrada %1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>There is no notification area to hide the bar into.</source>
        <translation>No hay ningún área de notificación en la que ocultar la barra.</translation>
    </message>
</context>
<context>
    <name>BmpImage</name>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>La imagen de mapa de bits no es válida</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
</context>
<context>
    <name>ColumnKind</name>
    <message>
        <source>Text</source>
        <extracomment>Type of a database column, named in messages about a reference list&apos;s fields</extracomment>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Memo</translation>
    </message>
    <message>
        <source>Integer</source>
        <translation>Entero</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Coma flotante</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Numeric</source>
        <translation>Numérico</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Booleano</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Fecha/Hora</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binario</translation>
    </message>
    <message>
        <source>GUID</source>
        <translation>GUID</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>ConnectionString</name>
    <message>
        <source>The connection string is malformed at character %1: %2</source>
        <translation>La cadena de conexión está mal formada en el carácter %1: %2</translation>
    </message>
    <message>
        <source>the key has no &quot;=&quot; after it</source>
        <translation>la clave no va seguida de &quot;=&quot;</translation>
    </message>
    <message>
        <source>a value has no key</source>
        <translation>un valor no tiene clave</translation>
    </message>
    <message>
        <source>the quoted value is not closed</source>
        <translation>el valor entre comillas no está cerrado</translation>
    </message>
    <message>
        <source>text follows the quoted value</source>
        <translation>hay texto después del valor entre comillas</translation>
    </message>
</context>
<context>
    <name>DataSet</name>
    <message>
        <source>%1: Field &apos;%2&apos; not found</source>
        <translation>%1: no se encontró el campo &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1: Type mismatch for field &apos;%2&apos;, expecting: %3 actual: %4</source>
        <translation>%1: el tipo del campo &apos;%2&apos; no coincide, se esperaba: %3 real: %4</translation>
    </message>
    <message>
        <source>Delete record?</source>
        <translation>¿Eliminar el registro?</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The database &quot;%1&quot; does not exist</source>
        <translation>La base de datos &quot;%1&quot; no existe</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; was found neither in the current folder (%2) nor in the application folder (%3)</source>
        <translation>La base de datos &quot;%1&quot; no se encontró ni en la carpeta actual (%2) ni en la carpeta de la aplicación (%3)</translation>
    </message>
    <message>
        <source>The connection string names no provider</source>
        <translation>La cadena de conexión no indica ningún proveedor</translation>
    </message>
    <message>
        <source>The provider &quot;%1&quot; is not available; this program provides only &quot;%2&quot;</source>
        <translation>El proveedor &quot;%1&quot; no está disponible; este programa solo ofrece &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The connection string names no data source</source>
        <translation>La cadena de conexión no indica ningún origen de datos</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be read: %2</source>
        <translation>No se puede leer la base de datos &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is neither an SQLite nor a Jet database</source>
        <translation>El archivo &quot;%1&quot; no es una base de datos SQLite ni Jet</translation>
    </message>
    <message>
        <source>The database connection is not open</source>
        <translation>La conexión con la base de datos no está abierta</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; is in a Jet database, which can only be read</source>
        <translation>La tabla &quot;%1&quot; está en una base de datos Jet, que es de solo lectura</translation>
    </message>
    <message>
        <source>The Jet database &quot;%1&quot; cannot be read</source>
        <translation>No se puede leer la base de datos Jet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The Jet database &quot;%1&quot; has no table &quot;%2&quot;</source>
        <translation>La base de datos Jet &quot;%1&quot; no tiene ninguna tabla &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; of the Jet database &quot;%2&quot; cannot be read</source>
        <translation>No se puede leer la tabla &quot;%1&quot; de la base de datos Jet &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; was deleted, moved or replaced after it was opened; the change was not stored</source>
        <translation>La base de datos &quot;%1&quot; se eliminó, se movió o se reemplazó después de abrirse; el cambio no se guardó</translation>
    </message>
    <message>
        <source>The row does not belong to table &quot;%1&quot;</source>
        <translation>La fila no pertenece a la tabla &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; cannot be updated</source>
        <translation>No se puede actualizar la tabla &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be opened: %2</source>
        <translation>No se puede abrir la base de datos &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The row was changed or deleted by another program after it was read; the change was not stored</source>
        <translation>Otro programa modificó o eliminó la fila después de leerla; el cambio no se guardó</translation>
    </message>
    <message>
        <source>The row was changed or deleted by another program after it was read; it was not deleted</source>
        <translation>Otro programa modificó o eliminó la fila después de leerla; no se eliminó</translation>
    </message>
    <message>
        <source>The row was changed or deleted by another program after it was read</source>
        <translation>Otro programa modificó o eliminó la fila después de leerla</translation>
    </message>
</context>
<context>
    <name>EntryDialog</name>
    <message>
        <source>Application</source>
        <extracomment>Title of the dialog that edits one menu entry</extracomment>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Application or folder:</source>
        <translation>Aplicación o carpeta:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Please enter a caption.</source>
        <translation>Escriba un nombre.</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the file dialog that picks an entry&apos;s target</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*</source>
        <translation>Todos los archivos(*.*)|*.*</translation>
    </message>
    <message>
        <source>Select folder:</source>
        <translation>Seleccione una carpeta:</translation>
    </message>
</context>
<context>
    <name>LaunchPlan</name>
    <message>
        <source>There is no program called &quot;%1&quot; on this computer.</source>
        <translation>No hay ningún programa llamado &quot;%1&quot; en este equipo.</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 no existe</translation>
    </message>
    <message>
        <source>%1 is not executable</source>
        <translation>%1 no es ejecutable</translation>
    </message>
    <message>
        <source>xdg-open, which opens %1, is not installed</source>
        <translation>xdg-open, que abre %1, no está instalado</translation>
    </message>
    <message>
        <source>%1 is no desktop entry</source>
        <translation>%1 no es una entrada de escritorio</translation>
    </message>
    <message>
        <source>%1 links to no URL</source>
        <translation>%1 no enlaza a ninguna URL</translation>
    </message>
    <message>
        <source>%1 is no application</source>
        <translation>%1 no es una aplicación</translation>
    </message>
    <message>
        <source>%1 has no command that can run</source>
        <translation>%1 no tiene ningún comando que se pueda ejecutar</translation>
    </message>
    <message>
        <source>%1 needs a terminal, and none is installed</source>
        <translation>%1 necesita un terminal y no hay ninguno instalado</translation>
    </message>
    <message>
        <source>No web browser is set up to open &quot;%1&quot;.</source>
        <translation>No hay ningún navegador web configurado para abrir &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No application is set up to open &quot;%1:&quot; addresses such as &quot;%2&quot;.</source>
        <translation>No hay ninguna aplicación configurada para abrir direcciones &quot;%1:&quot; como &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>No application is set up to open the folder &quot;%1&quot;.</source>
        <translation>No hay ninguna aplicación configurada para abrir la carpeta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No application is set up to open &quot;%1&quot;.</source>
        <translation>No hay ninguna aplicación configurada para abrir &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No application is set up for the file type &quot;%1&quot;, so &quot;%2&quot; cannot be opened.</source>
        <translation>No hay ninguna aplicación configurada para el tipo de archivo &quot;%1&quot;, así que no se puede abrir &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Opening &quot;%1&quot; was stopped before it finished.</source>
        <translation>La apertura de &quot;%1&quot; se detuvo antes de terminar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be found.</source>
        <translation>No se encontró &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The application set up to open &quot;%1&quot; could not open it.</source>
        <translation>La aplicación configurada para abrir &quot;%1&quot; no pudo abrirlo.</translation>
    </message>
    <message>
        <source>the entry has no target</source>
        <translation>la entrada no tiene destino</translation>
    </message>
    <message>
        <source>the target holds a zero character</source>
        <translation>el destino contiene un carácter nulo</translation>
    </message>
    <message>
        <source>the target has a quote that is not closed</source>
        <translation>el destino tiene unas comillas sin cerrar</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>%1 cannot be started: %2</source>
        <translation>No se puede iniciar %1: %2</translation>
    </message>
</context>
<context>
    <name>LauncherMenu</name>
    <message>
        <source>No match</source>
        <extracomment>Shown in the launcher menu when no entry matches the typed filter</extracomment>
        <translation>Sin resultados</translation>
    </message>
</context>
<context>
    <name>MenuFile</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot write the backup &quot;%1&quot;, so the menu file was not changed. %2</source>
        <translation>No se puede escribir la copia de seguridad &quot;%1&quot;, así que no se modificó el archivo de menú. %2</translation>
    </message>
</context>
<context>
    <name>MenuShortcutDialog</name>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Atajo de teclado</translation>
    </message>
    <message>
        <source>Larkspan cannot set the shortcuts of %1. To open the launcher menu with a key, bind it to this command in the desktop&apos;s keyboard settings:</source>
        <translation>Larkspan no puede configurar los atajos de %1. Para abrir el menú con una tecla, asígnela a este comando en la configuración de teclado del escritorio:</translation>
    </message>
    <message>
        <source>The key combination that opens the launcher menu, kept in the keyboard settings of %1. Press a new one to change it.</source>
        <translation>La combinación de teclas que abre el menú, guardada en la configuración de teclado de %1. Pulse una nueva para cambiarla.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Establecer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Press a combination with Ctrl, Alt or Super, or a function key.</source>
        <translation>Pulse una combinación con Ctrl, Alt o Super, o una tecla de función.</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Ahora: %1</translation>
    </message>
    <message>
        <source>Now: none</source>
        <translation>Ahora: ninguna</translation>
    </message>
    <message>
        <source>%1 cannot open the menu: it needs Ctrl, Alt or Super, or must be a function key.</source>
        <translation>%1 no puede abrir el menú: necesita Ctrl, Alt o Super, o debe ser una tecla de función.</translation>
    </message>
    <message>
        <source>%1 opens the menu already.</source>
        <translation>%1 ya abre el menú.</translation>
    </message>
    <message>
        <source>%1 is already bound to &quot;%2&quot;. Press another one.</source>
        <translation>%1 ya está asignada a &quot;%2&quot;. Pulse otra.</translation>
    </message>
    <message>
        <source>%1 is free.</source>
        <translation>%1 está libre.</translation>
    </message>
</context>
<context>
    <name>MenuShortcutStore</name>
    <message>
        <source>%1 cannot bind this key.</source>
        <translation>%1 no puede asignar esta tecla.</translation>
    </message>
    <message>
        <source>Larkspan menu</source>
        <translation>Menú de Larkspan</translation>
    </message>
    <message>
        <source>Cannot delete &quot;%1&quot;.</source>
        <translation>No se puede eliminar &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;. %2</source>
        <translation>No se puede escribir &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>KDE&apos;s shortcut service failed: %1</source>
        <translation>Falló el servicio de atajos de KDE: %1</translation>
    </message>
    <message>
        <source>%1 is not a configuration of openbox.</source>
        <translation>%1 no es una configuración de openbox.</translation>
    </message>
    <message>
        <source>Neither %1 nor %2 can be read.</source>
        <translation>No se puede leer ni %1 ni %2.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>No se pudo iniciar %1.</translation>
    </message>
    <message>
        <source>%1 did not answer within 10 seconds.</source>
        <translation>%1 no respondió en 10 segundos.</translation>
    </message>
    <message>
        <source>%1 %2 failed: %3</source>
        <translation>%1 %2 falló: %3</translation>
    </message>
    <message>
        <source>%1 is already bound to &quot;%2&quot;.</source>
        <translation>%1 ya está asignada a &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Xfce&apos;s settings service failed: %1</source>
        <translation>Falló el servicio de configuración de Xfce: %1</translation>
    </message>
</context>
<context>
    <name>Navigator</name>
    <message>
        <source>First record</source>
        <translation>Primer registro</translation>
    </message>
    <message>
        <source>Prior record</source>
        <translation>Registro anterior</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Registro siguiente</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Último registro</translation>
    </message>
    <message>
        <source>Insert record</source>
        <translation>Insertar registro</translation>
    </message>
    <message>
        <source>Delete record</source>
        <translation>Eliminar registro</translation>
    </message>
    <message>
        <source>Edit record</source>
        <translation>Editar registro</translation>
    </message>
    <message>
        <source>Post edit</source>
        <extracomment>Tooltip of the reference list&apos;s button that stores the record being edited</extracomment>
        <translation>Guardar cambios</translation>
    </message>
    <message>
        <source>Cancel edit</source>
        <translation>Cancelar edición</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Cannot open &quot;%1&quot;</source>
        <translation>No se puede abrir &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
<context>
    <name>ReferenceNavigator</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>SaveMenuCopy</name>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;. %3</source>
        <translation>No se puede copiar &quot;%1&quot; en &quot;%2&quot;. %3</translation>
    </message>
</context>
<context>
    <name>SettingsList</name>
    <message>
        <source>Menu Seperator (-)</source>
        <extracomment>How the Settings list shows a separator line of the menu (the English spelling is kept as users know it)</extracomment>
        <translation>Separador de menú (-)</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>My Menu Files(*.ini)|*.ini</source>
        <extracomment>The name of the file type, then &quot;|&quot; and its pattern, which stays as it is.</extracomment>
        <translation>Mis archivos de menú(*.ini)|*.ini</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Abrir menú</translation>
    </message>
    <message>
        <source>Save menu</source>
        <translation>Guardar menú</translation>
    </message>
    <message>
        <source>New application</source>
        <translation>Nueva aplicación</translation>
    </message>
    <message>
        <source>Edit application</source>
        <translation>Editar aplicación</translation>
    </message>
    <message>
        <source>Delete application</source>
        <translation>Eliminar aplicación</translation>
    </message>
    <message>
        <source>Add installed application…</source>
        <translation>Añadir aplicación instalada…</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>Context menu of the list of entries: edit the selected entry</extracomment>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Context menu of the list of entries: delete the selected entry</extracomment>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>List of Windows MMC Records</source>
        <translation>Lista de registros MMC de Windows</translation>
    </message>
    <message>
        <source>List of Windows Server MMC Records</source>
        <translation>Lista de registros MMC de Windows Server</translation>
    </message>
    <message>
        <source>Run Commands</source>
        <translation>Comandos de ejecución</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the list has been brought up to date. &quot;%1&quot; is no longer in it.</source>
        <translation>Otro programa modificó el archivo de menú, así que se ha actualizado la lista. &quot;%1&quot; ya no está en ella.</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the list has been brought up to date.</source>
        <translation>Otro programa modificó el archivo de menú, así que se ha actualizado la lista.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;</source>
        <translation>¿Está seguro de que desea eliminar &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the file dialog that opens a menu file</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Title of the file dialog that saves a copy of the menu file</extracomment>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Keyboard shortcut…</source>
        <translation>Atajo de teclado…</translation>
    </message>
    <message>
        <source>The key that opens the launcher menu</source>
        <translation>La tecla que abre el menú</translation>
    </message>
    <message>
        <source>this desktop</source>
        <translation>este escritorio</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Context menu of the list of entries: take back the last change of the menu</extracomment>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Context menu of the list of entries: make the change taken back again</extracomment>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the last change cannot be undone.</source>
        <translation>Otro programa modificó el archivo de menú, así que no se puede deshacer el último cambio.</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the change cannot be redone.</source>
        <translation>Otro programa modificó el archivo de menú, así que no se puede rehacer el cambio.</translation>
    </message>
    <message>
        <source>Clear launch history</source>
        <translation>Borrar el historial de inicio</translation>
    </message>
    <message>
        <source>Forget which entries you open most; the menu&apos;s filter lists those first</source>
        <translation>Olvidar qué entradas abre más; el filtro del menú las muestra primero</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Performs ACTION (menu, settings, about) once started.</source>
        <translation>Realiza ACTION (menu, settings, about) una vez iniciado.</translation>
    </message>
</context>
</TS>

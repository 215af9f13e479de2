<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Larkspan is a FREE management tool that allows you to build custom menus to simplify administration of a computer tasks and accessing management console files, shell commands, run commands,  installed applications or any data type and folder location.</source>
        <translation>Larkspan é uma ferramenta de gerenciamento GRATUITA que permite criar menus personalizados para simplificar a administração das tarefas do computador e o acesso a arquivos de console de gerenciamento, comandos do shell, comandos de execução, aplicativos instalados ou qualquer tipo de dado e local de pasta.</translation>
    </message>
    <message>
        <source>Developed by </source>
        <translation>Desenvolvido por </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ApplicationPicker</name>
    <message>
        <source>Add installed application</source>
        <translation>Adicionar aplicativo instalado</translation>
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
        <translation>Não existe a ação &quot;%1&quot;.</translation>
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
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>BarWindow</name>
    <message>
        <source>Start</source>
        <extracomment>Tooltip of the bar&apos;s button that opens the menu of entries</extracomment>
        <translation>Iniciar</translation>
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
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Close Larkspan?</source>
        <translation>Fechar o Larkspan?</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Last item of the launcher menu: ends the program</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>entry %1</source>
        <extracomment>Names a menu entry without a caption in a notification; %1 is its number</extracomment>
        <translation>entrada %1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>There is no notification area to hide the bar into.</source>
        <translation>Não há uma área de notificação onde ocultar a barra.</translation>
    </message>
</context>
<context>
    <name>BmpImage</name>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>A imagem bitmap não é válida</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Não é possível abrir o arquivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Não é um arquivo comum</translation>
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
        <translation>Memorando</translation>
    </message>
    <message>
        <source>Integer</source>
        <translation>Inteiro</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Ponto flutuante</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moeda</translation>
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
        <translation>Data/Hora</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binário</translation>
    </message>
    <message>
        <source>GUID</source>
        <translation>GUID</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
</context>
<context>
    <name>ConnectionString</name>
    <message>
        <source>The connection string is malformed at character %1: %2</source>
        <translation>A string de conexão está malformada no caractere %1: %2</translation>
    </message>
    <message>
        <source>the key has no &quot;=&quot; after it</source>
        <translation>a chave não é seguida de &quot;=&quot;</translation>
    </message>
    <message>
        <source>a value has no key</source>
        <translation>um valor não tem chave</translation>
    </message>
    <message>
        <source>the quoted value is not closed</source>
        <translation>o valor entre aspas não foi fechado</translation>
    </message>
    <message>
        <source>text follows the quoted value</source>
        <translation>há texto após o valor entre aspas</translation>
    </message>
</context>
<context>
    <name>DataSet</name>
    <message>
        <source>%1: Field &apos;%2&apos; not found</source>
        <translation>%1: campo &apos;%2&apos; não encontrado</translation>
    </message>
    <message>
        <source>%1: Type mismatch for field &apos;%2&apos;, expecting: %3 actual: %4</source>
        <translation>%1: tipo incompatível no campo &apos;%2&apos;, esperado: %3 real: %4</translation>
    </message>
    <message>
        <source>Delete record?</source>
        <translation>Excluir o registro?</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The database &quot;%1&quot; does not exist</source>
        <translation>O banco de dados &quot;%1&quot; não existe</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; was found neither in the current folder (%2) nor in the application folder (%3)</source>
        <translation>O banco de dados &quot;%1&quot; não foi encontrado nem na pasta atual (%2) nem na pasta do aplicativo (%3)</translation>
    </message>
    <message>
        <source>The connection string names no provider</source>
        <translation>A string de conexão não indica nenhum provedor</translation>
    </message>
    <message>
        <source>The provider &quot;%1&quot; is not available; this program provides only &quot;%2&quot;</source>
        <translation>O provedor &quot;%1&quot; não está disponível; este programa oferece apenas &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The connection string names no data source</source>
        <translation>A string de conexão não indica nenhuma fonte de dados</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be read: %2</source>
        <translation>Não é possível ler o banco de dados &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is neither an SQLite nor a Jet database</source>
        <translation>O arquivo &quot;%1&quot; não é um banco de dados SQLite nem Jet</translation>
    </message>
    <message>
        <source>The database connection is not open</source>
        <translation>A conexão com o banco de dados não está aberta</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; is in a Jet database, which can only be read</source>
        <translation>A tabela &quot;%1&quot; está em um banco de dados Jet, que é somente leitura</translation>
    </message>
    <message>
        <source>The Jet database &quot;%1&quot; cannot be read</source>
        <translation>Não é possível ler o banco de dados Jet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The Jet database &quot;%1&quot; has no table &quot;%2&quot;</source>
        <translation>O banco de dados Jet &quot;%1&quot; não tem a tabela &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; of the Jet database &quot;%2&quot; cannot be read</source>
        <translation>Não é possível ler a tabela &quot;%1&quot; do banco de dados Jet &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; was deleted, moved or replaced after it was opened; the change was not stored</source>
        <translation>O banco de dados &quot;%1&quot; foi excluído, movido ou substituído depois de aberto; a alteração não foi salva</translation>
    </message>
    <message>
        <source>The row does not belong to table &quot;%1&quot;</source>
        <translation>A linha não pertence à tabela &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; cannot be updated</source>
        <translation>Não é possível atualizar a tabela &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be opened: %2</source>
        <translation>Não é possível abrir o banco de dados &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The row was changed or deleted by another program after it was read; the change was not stored</source>
        <translation>Outro programa alterou ou excluiu a linha depois que ela foi lida; a alteração não foi salva</translation>
    </message>
    <message>
        <source>The row was changed or deleted by another program after it was read; it was not deleted</source>
        <translation>Outro programa alterou ou excluiu a linha depois que ela foi lida; ela não foi excluída</translation>
    </message>
    <message>
        <source>The row was changed or deleted by another program after it was read</source>
        <translation>Outro programa alterou ou excluiu a linha depois que ela foi lida</translation>
    </message>
</context>
<context>
    <name>EntryDialog</name>
    <message>
        <source>Application</source>
        <extracomment>Title of the dialog that edits one menu entry</extracomment>
        <translation>Aplicativo</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Application or folder:</source>
        <translation>Aplicativo ou pasta:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Please enter a caption.</source>
        <translation>Digite um nome.</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the file dialog that picks an entry&apos;s target</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*</source>
        <translation>Todos os arquivos(*.*)|*.*</translation>
    </message>
    <message>
        <source>Select folder:</source>
        <translation>Selecione uma pasta:</translation>
    </message>
</context>
<context>
    <name>LaunchPlan</name>
    <message>
        <source>There is no program called &quot;%1&quot; on this computer.</source>
        <translation>Não há nenhum programa chamado &quot;%1&quot; neste computador.</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 não existe</translation>
    </message>
    <message>
        <source>%1 is not executable</source>
        <translation>%1 não é executável</translation>
    </message>
    <message>
        <source>xdg-open, which opens %1, is not installed</source>
        <translation>xdg-open, que abre %1, não está instalado</translation>
    </message>
    <message>
        <source>%1 is no desktop entry</source>
        <translation>%1 não é uma entrada de área de trabalho</translation>
    </message>
    <message>
        <source>%1 links to no URL</source>
        <translation>%1 não aponta para nenhuma URL</translation>
    </message>
    <message>
        <source>%1 is no application</source>
        <translation>%1 não é um aplicativo</translation>
    </message>
    <message>
        <source>%1 has no command that can run</source>
        <translation>%1 não tem nenhum comando executável</translation>
    </message>
    <message>
        <source>%1 needs a terminal, and none is installed</source>
        <translation>%1 precisa de um terminal, mas nenhum está instalado</translation>
    </message>
    <message>
        <source>No web browser is set up to open &quot;%1&quot;.</source>
        <translation>Nenhum navegador web está configurado para abrir &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No application is set up to open &quot;%1:&quot; addresses such as &quot;%2&quot;.</source>
        <translation>Nenhum aplicativo está configurado para abrir endereços &quot;%1:&quot; como &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>No application is set up to open the folder &quot;%1&quot;.</source>
        <translation>Nenhum aplicativo está configurado para abrir a pasta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No application is set up to open &quot;%1&quot;.</source>
        <translation>Nenhum aplicativo está configurado para abrir &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No application is set up for the file type &quot;%1&quot;, so &quot;%2&quot; cannot be opened.</source>
        <translation>Nenhum aplicativo está configurado para o tipo de arquivo &quot;%1&quot;, por isso não é possível abrir &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Opening &quot;%1&quot; was stopped before it finished.</source>
        <translation>A abertura de &quot;%1&quot; foi interrompida antes de terminar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be found.</source>
        <translation>Não foi possível encontrar &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The application set up to open &quot;%1&quot; could not open it.</source>
        <translation>O aplicativo configurado para abrir &quot;%1&quot; não conseguiu abri-lo.</translation>
    </message>
    <message>
        <source>the entry has no target</source>
        <translation>a entrada não tem destino</translation>
    </message>
    <message>
        <source>the target holds a zero character</source>
        <translation>o destino contém um caractere nulo</translation>
    </message>
    <message>
        <source>the target has a quote that is not closed</source>
        <translation>o destino tem aspas que não foram fechadas</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>%1 cannot be started: %2</source>
        <translation>Não é possível iniciar %1: %2</translation>
    </message>
</context>
<context>
    <name>LauncherMenu</name>
    <message>
        <source>No match</source>
        <extracomment>Shown in the launcher menu when no entry matches the typed filter</extracomment>
        <translation>Sem resultados</translation>
    </message>
</context>
<context>
    <name>MenuFile</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Não é possível criar o arquivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot write the backup &quot;%1&quot;, so the menu file was not changed. %2</source>
        <translation>Não é possível gravar o backup &quot;%1&quot;, por isso o arquivo de menu não foi alterado. %2</translation>
    </message>
</context>
<context>
    <name>MenuShortcutDialog</name>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Atalho de teclado</translation>
    </message>
    <message>
        <source>Larkspan cannot set the shortcuts of %1. To open the launcher menu with a key, bind it to this command in the desktop&apos;s keyboard settings:</source>
        <translation>O Larkspan não consegue definir os atalhos de %1. Para abrir o menu com uma tecla, associe-a a este comando nas configurações de teclado da área de trabalho:</translation>
    </message>
    <message>
        <source>The key combination that opens the launcher menu, kept in the keyboard settings of %1. Press a new one to change it.</source>
        <translation>A combinação de teclas que abre o menu, guardada nas configurações de teclado de %1. Pressione uma nova para alterá-la.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Definir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Press a combination with Ctrl, Alt or Super, or a function key.</source>
        <translation>Pressione uma combinação com Ctrl, Alt ou Super, ou uma tecla de função.</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Agora: %1</translation>
    </message>
    <message>
        <source>Now: none</source>
        <translation>Agora: nenhuma</translation>
    </message>
    <message>
        <source>%1 cannot open the menu: it needs Ctrl, Alt or Super, or must be a function key.</source>
        <translation>%1 não pode abrir o menu: precisa de Ctrl, Alt ou Super, ou deve ser uma tecla de função.</translation>
    </message>
    <message>
        <source>%1 opens the menu already.</source>
        <translation>%1 já abre o menu.</translation>
    </message>
    <message>
        <source>%1 is already bound to &quot;%2&quot;. Press another one.</source>
        <translation>%1 já está associada a &quot;%2&quot;. Pressione outra.</translation>
    </message>
    <message>
        <source>%1 is free.</source>
        <translation>%1 está livre.</translation>
    </message>
</context>
<context>
    <name>MenuShortcutStore</name>
    <message>
        <source>%1 cannot bind this key.</source>
        <translation>%1 não consegue associar esta tecla.</translation>
    </message>
    <message>
        <source>Larkspan menu</source>
        <translation>Menu do Larkspan</translation>
    </message>
    <message>
        <source>Cannot delete &quot;%1&quot;.</source>
        <translation>Não é possível excluir &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;. %2</source>
        <translation>Não é possível gravar &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>KDE&apos;s shortcut service failed: %1</source>
        <translation>O serviço de atalhos do KDE falhou: %1</translation>
    </message>
    <message>
        <source>%1 is not a configuration of openbox.</source>
        <translation>%1 não é uma configuração do openbox.</translation>
    </message>
    <message>
        <source>Neither %1 nor %2 can be read.</source>
        <translation>Não é possível ler %1 nem %2.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>Não foi possível iniciar %1.</translation>
    </message>
    <message>
        <source>%1 did not answer within 10 seconds.</source>
        <translation>%1 não respondeu em 10 segundos.</translation>
    </message>
    <message>
        <source>%1 %2 failed: %3</source>
        <translation>%1 %2 falhou: %3</translation>
    </message>
    <message>
        <source>%1 is already bound to &quot;%2&quot;.</source>
        <translation>%1 já está associada a &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Xfce&apos;s settings service failed: %1</source>
        <translation>O serviço de configurações do Xfce falhou: %1</translation>
    </message>
</context>
<context>
    <name>Navigator</name>
    <message>
        <source>First record</source>
        <translation>Primeiro registro</translation>
    </message>
    <message>
        <source>Prior record</source>
        <translation>Registro anterior</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Próximo registro</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Último registro</translation>
    </message>
    <message>
        <source>Insert record</source>
        <translation>Inserir registro</translation>
    </message>
    <message>
        <source>Delete record</source>
        <translation>Excluir registro</translation>
    </message>
    <message>
        <source>Edit record</source>
        <translation>Editar registro</translation>
    </message>
    <message>
        <source>Post edit</source>
        <extracomment>Tooltip of the reference list&apos;s button that stores the record being edited</extracomment>
        <translation>Salvar edição</translation>
    </message>
    <message>
        <source>Cancel edit</source>
        <translation>Cancelar edição</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Cannot open &quot;%1&quot;</source>
        <translation>Não é possível abrir &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Não é possível gravar em %1</translation>
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
        <translation>Não é possível copiar &quot;%1&quot; para &quot;%2&quot;. %3</translation>
    </message>
</context>
<context>
    <name>SettingsList</name>
    <message>
        <source>Menu Seperator (-)</source>
        <extracomment>How the Settings list shows a separator line of the menu (the English spelling is kept as users know it)</extracomment>
        <translation>Separador de menu (-)</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>My Menu Files(*.ini)|*.ini</source>
        <extracomment>The name of the file type, then &quot;|&quot; and its pattern, which stays as it is.</extracomment>
        <translation>Meus arquivos de menu(*.ini)|*.ini</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicativos</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Abrir menu</translation>
    </message>
    <message>
        <source>Save menu</source>
        <translation>Salvar menu</translation>
    </message>
    <message>
        <source>New application</source>
        <translation>Novo aplicativo</translation>
    </message>
    <message>
        <source>Edit application</source>
        <translation>Editar aplicativo</translation>
    </message>
    <message>
        <source>Delete application</source>
        <translation>Excluir aplicativo</translation>
    </message>
    <message>
        <source>Add installed application…</source>
        <translation>Adicionar aplicativo instalado…</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descer</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Testar</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>Context menu of the list of entries: edit the selected entry</extracomment>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Context menu of the list of entries: delete the selected entry</extracomment>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>List of Windows MMC Records</source>
        <translation>Lista de registros MMC do Windows</translation>
    </message>
    <message>
        <source>List of Windows Server MMC Records</source>
        <translation>Lista de registros MMC do Windows Server</translation>
    </message>
    <message>
        <source>Run Commands</source>
        <translation>Comandos de execução</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the list has been brought up to date. &quot;%1&quot; is no longer in it.</source>
        <translation>Outro programa alterou o arquivo de menu, por isso a lista foi atualizada. &quot;%1&quot; não está mais nela.</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the list has been brought up to date.</source>
        <translation>Outro programa alterou o arquivo de menu, por isso a lista foi atualizada.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;</source>
        <translation>Tem certeza de que deseja excluir &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the file dialog that opens a menu file</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Title of the file dialog that saves a copy of the menu file</extracomment>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Keyboard shortcut…</source>
        <translation>Atalho de teclado…</translation>
    </message>
    <message>
        <source>The key that opens the launcher menu</source>
        <translation>A tecla que abre o menu</translation>
    </message>
    <message>
        <source>this desktop</source>
        <translation>esta área de trabalho</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Context menu of the list of entries: take back the last change of the menu</extracomment>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Context menu of the list of entries: make the change taken back again</extracomment>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the last change cannot be undone.</source>
        <translation>Outro programa alterou o arquivo de menu, por isso a última alteração não pode ser desfeita.</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the change cannot be redone.</source>
        <translation>Outro programa alterou o arquivo de menu, por isso a alteração não pode ser refeita.</translation>
    </message>
    <message>
        <source>Clear launch history</source>
        <translation>Limpar histórico de abertura</translation>
    </message>
    <message>
        <source>Forget which entries you open most; the menu&apos;s filter lists those first</source>
        <translation>Esquecer quais entradas você abre mais; o filtro do menu as mostra primeiro</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Performs ACTION (menu, settings, about) once started.</source>
        <translation>Executa ACTION (menu, settings, about) depois de iniciar.</translation>
    </message>
</context>
</TS>

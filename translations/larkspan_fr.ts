<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Build %1</translation>
    </message>
    <message>
        <source>Larkspan is a FREE management tool that allows you to build custom menus to simplify administration of a computer tasks and accessing management console files, shell commands, run commands,  installed applications or any data type and folder location.</source>
        <translation>Larkspan est un outil d&apos;administration GRATUIT qui vous permet de créer des menus personnalisés pour simplifier l&apos;administration d&apos;un ordinateur et accéder aux fichiers de console de gestion, commandes shell, commandes Exécuter, applications installées ainsi qu&apos;à tout type de fichier et dossier.</translation>
    </message>
    <message>
        <source>Developed by </source>
        <translation>Développé par </translation>
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
        <translation>Ajouter une application installée</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrer</translation>
    </message>
</context>
<context>
    <name>ApplicationService</name>
    <message>
        <source>There is no action &quot;%1&quot;.</source>
        <translation>Il n&apos;existe aucune action &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>BarTray</name>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>BarWindow</name>
    <message>
        <source>Start</source>
        <extracomment>Tooltip of the bar&apos;s button that opens the menu of entries</extracomment>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Customize</source>
        <extracomment>Tooltip of the bar&apos;s button that opens the Settings window</extracomment>
        <translation>Personnaliser</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Close Larkspan?</source>
        <translation>Fermer Larkspan&#xa0;?</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Last item of the launcher menu: ends the program</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>entry %1</source>
        <extracomment>Names a menu entry without a caption in a notification; %1 is its number</extracomment>
        <translation>entrée %1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>There is no notification area to hide the bar into.</source>
        <translation>Il n&apos;y a aucune zone de notification dans laquelle masquer la barre.</translation>
    </message>
</context>
<context>
    <name>BmpImage</name>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L&apos;image bitmap n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>ColumnKind</name>
    <message>
        <source>Text</source>
        <extracomment>Type of a database column, named in messages about a reference list&apos;s fields</extracomment>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Integer</source>
        <translation>Entier</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Réel</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Monétaire</translation>
    </message>
    <message>
        <source>Numeric</source>
        <translation>Numérique</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Booléen</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Date/Heure</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>Binaire</translation>
    </message>
    <message>
        <source>GUID</source>
        <translation>GUID</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>ConnectionString</name>
    <message>
        <source>The connection string is malformed at character %1: %2</source>
        <translation>La chaîne de connexion est mal formée au caractère %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the key has no &quot;=&quot; after it</source>
        <translation>la clé n&apos;est pas suivie de &quot;=&quot;</translation>
    </message>
    <message>
        <source>a value has no key</source>
        <translation>une valeur n&apos;a pas de clé</translation>
    </message>
    <message>
        <source>the quoted value is not closed</source>
        <translation>la valeur entre guillemets n&apos;est pas fermée</translation>
    </message>
    <message>
        <source>text follows the quoted value</source>
        <translation>du texte suit la valeur entre guillemets</translation>
    </message>
</context>
<context>
    <name>DataSet</name>
    <message>
        <source>%1: Field &apos;%2&apos; not found</source>
        <translation>%1&#xa0;: champ &apos;%2&apos; introuvable</translation>
    </message>
    <message>
        <source>%1: Type mismatch for field &apos;%2&apos;, expecting: %3 actual: %4</source>
        <translation>%1&#xa0;: type incompatible pour le champ &apos;%2&apos;, attendu&#xa0;: %3, obtenu&#xa0;: %4</translation>
    </message>
    <message>
        <source>Delete record?</source>
        <translation>Supprimer l&apos;enregistrement&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The database &quot;%1&quot; does not exist</source>
        <translation>La base de données &quot;%1&quot; n&apos;existe pas</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; was found neither in the current folder (%2) nor in the application folder (%3)</source>
        <translation>La base de données &quot;%1&quot; est introuvable, ni dans le dossier courant (%2) ni dans le dossier de l&apos;application (%3)</translation>
    </message>
    <message>
        <source>The connection string names no provider</source>
        <translation>La chaîne de connexion n&apos;indique aucun fournisseur</translation>
    </message>
    <message>
        <source>The provider &quot;%1&quot; is not available; this program provides only &quot;%2&quot;</source>
        <translation>Le fournisseur &quot;%1&quot; n&apos;est pas disponible&#xa0;; ce programme ne fournit que &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The connection string names no data source</source>
        <translation>La chaîne de connexion n&apos;indique aucune source de données</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossible de lire la base de données &quot;%1&quot;&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is neither an SQLite nor a Jet database</source>
        <translation>Le fichier &quot;%1&quot; n&apos;est ni une base de données SQLite ni une base Jet</translation>
    </message>
    <message>
        <source>The database connection is not open</source>
        <translation>La connexion à la base de données n&apos;est pas ouverte</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; is in a Jet database, which can only be read</source>
        <translation>La table &quot;%1&quot; se trouve dans une base Jet, accessible en lecture seule</translation>
    </message>
    <message>
        <source>The Jet database &quot;%1&quot; cannot be read</source>
        <translation>Impossible de lire la base Jet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The Jet database &quot;%1&quot; has no table &quot;%2&quot;</source>
        <translation>La base Jet &quot;%1&quot; ne contient pas de table &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; of the Jet database &quot;%2&quot; cannot be read</source>
        <translation>Impossible de lire la table &quot;%1&quot; de la base Jet &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; was deleted, moved or replaced after it was opened; the change was not stored</source>
        <translation>La base de données &quot;%1&quot; a été supprimée, déplacée ou remplacée après son ouverture&#xa0;; la modification n&apos;a pas été enregistrée</translation>
    </message>
    <message>
        <source>The row does not belong to table &quot;%1&quot;</source>
        <translation>La ligne n&apos;appartient pas à la table &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; cannot be updated</source>
        <translation>Impossible de mettre à jour la table &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be opened: %2</source>
        <translation>Impossible d&apos;ouvrir la base de données &quot;%1&quot;&#xa0;: %2</translation>
    </message>
    <message>
        <source>The row was changed or deleted by another program after it was read; the change was not stored</source>
        <translation>La ligne a été modifiée ou supprimée par un autre programme après sa lecture&#xa0;; la modification n&apos;a pas été enregistrée</translation>
    </message>
    <message>
        <source>The row was changed or deleted by another program after it was read; it was not deleted</source>
        <translation>La ligne a été modifiée ou supprimée par un autre programme après sa lecture&#xa0;; elle n&apos;a pas été supprimée</translation>
    </message>
    <message>
        <source>The row was changed or deleted by another program after it was read</source>
        <translation>La ligne a été modifiée ou supprimée par un autre programme après sa lecture</translation>
    </message>
</context>
<context>
    <name>EntryDialog</name>
    <message>
        <source>Application</source>
        <extracomment>Title of the dialog that edits one menu entry</extracomment>
        <translation>Application</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Application or folder:</source>
        <translation>Application ou dossier&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Please enter a caption.</source>
        <translation>Veuillez saisir un nom.</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the file dialog that picks an entry&apos;s target</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*</source>
        <translation>Tous les fichiers(*.*)|*.*</translation>
    </message>
    <message>
        <source>Select folder:</source>
        <translation>Choisir un dossier&#xa0;:</translation>
    </message>
</context>
<context>
    <name>LaunchPlan</name>
    <message>
        <source>There is no program called &quot;%1&quot; on this computer.</source>
        <translation>Il n&apos;y a aucun programme nommé &quot;%1&quot; sur cet ordinateur.</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 is not executable</source>
        <translation>%1 n&apos;est pas exécutable</translation>
    </message>
    <message>
        <source>xdg-open, which opens %1, is not installed</source>
        <translation>xdg-open, qui ouvre %1, n&apos;est pas installé</translation>
    </message>
    <message>
        <source>%1 is no desktop entry</source>
        <translation>%1 n&apos;est pas une entrée de bureau</translation>
    </message>
    <message>
        <source>%1 links to no URL</source>
        <translation>%1 ne pointe vers aucune URL</translation>
    </message>
    <message>
        <source>%1 is no application</source>
        <translation>%1 n&apos;est pas une application</translation>
    </message>
    <message>
        <source>%1 has no command that can run</source>
        <translation>%1 ne contient aucune commande exécutable</translation>
    </message>
    <message>
        <source>%1 needs a terminal, and none is installed</source>
        <translation>%1 nécessite un terminal, mais aucun n&apos;est installé</translation>
    </message>
    <message>
        <source>No web browser is set up to open &quot;%1&quot;.</source>
        <translation>Aucun navigateur web n&apos;est configuré pour ouvrir &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No application is set up to open &quot;%1:&quot; addresses such as &quot;%2&quot;.</source>
        <translation>Aucune application n&apos;est configurée pour ouvrir les adresses &quot;%1:&quot; comme &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>No application is set up to open the folder &quot;%1&quot;.</source>
        <translation>Aucune application n&apos;est configurée pour ouvrir le dossier &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No application is set up to open &quot;%1&quot;.</source>
        <translation>Aucune application n&apos;est configurée pour ouvrir &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No application is set up for the file type &quot;%1&quot;, so &quot;%2&quot; cannot be opened.</source>
        <translation>Aucune application n&apos;est configurée pour le type de fichier &quot;%1&quot;&#xa0;; impossible d&apos;ouvrir &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Opening &quot;%1&quot; was stopped before it finished.</source>
        <translation>L&apos;ouverture de &quot;%1&quot; a été interrompue avant la fin.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be found.</source>
        <translation>&quot;%1&quot; est introuvable.</translation>
    </message>
    <message>
        <source>The application set up to open &quot;%1&quot; could not open it.</source>
        <translation>L&apos;application configurée pour ouvrir &quot;%1&quot; n&apos;a pas pu l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>the entry has no target</source>
        <translation>l&apos;entrée n&apos;a pas de cible</translation>
    </message>
    <message>
        <source>the target holds a zero character</source>
        <translation>la cible contient un caractère nul</translation>
    </message>
    <message>
        <source>the target has a quote that is not closed</source>
        <translation>la cible contient un guillemet non fermé</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>%1 cannot be started: %2</source>
        <translation>Impossible de démarrer %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>LauncherMenu</name>
    <message>
        <source>No match</source>
        <extracomment>Shown in the launcher menu when no entry matches the typed filter</extracomment>
        <translation>Aucun résultat</translation>
    </message>
</context>
<context>
    <name>MenuFile</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Cannot write the backup &quot;%1&quot;, so the menu file was not changed. %2</source>
        <translation>Impossible d&apos;écrire la sauvegarde &quot;%1&quot;, le fichier de menu n&apos;a donc pas été modifié. %2</translation>
    </message>
</context>
<context>
    <name>MenuShortcutDialog</name>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Raccourci clavier</translation>
    </message>
    <message>
        <source>Larkspan cannot set the shortcuts of %1. To open the launcher menu with a key, bind it to this command in the desktop&apos;s keyboard settings:</source>
        <translation>Larkspan ne peut pas définir les raccourcis de %1. Pour ouvrir le menu avec une touche, associez-la à cette commande dans les paramètres du clavier du bureau&#xa0;:</translation>
    </message>
    <message>
        <source>The key combination that opens the launcher menu, kept in the keyboard settings of %1. Press a new one to change it.</source>
        <translation>La combinaison de touches qui ouvre le menu, enregistrée dans les paramètres du clavier de %1. Appuyez sur une nouvelle combinaison pour la changer.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Définir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Press a combination with Ctrl, Alt or Super, or a function key.</source>
        <translation>Appuyez sur une combinaison avec Ctrl, Alt ou Super, ou sur une touche de fonction.</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Actuellement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Now: none</source>
        <translation>Actuellement&#xa0;: aucune</translation>
    </message>
    <message>
        <source>%1 cannot open the menu: it needs Ctrl, Alt or Super, or must be a function key.</source>
        <translation>%1 ne peut pas ouvrir le menu&#xa0;: il faut Ctrl, Alt ou Super, ou une touche de fonction.</translation>
    </message>
    <message>
        <source>%1 opens the menu already.</source>
        <translation>%1 ouvre déjà le menu.</translation>
    </message>
    <message>
        <source>%1 is already bound to &quot;%2&quot;. Press another one.</source>
        <translation>%1 est déjà associée à &quot;%2&quot;. Appuyez sur une autre combinaison.</translation>
    </message>
    <message>
        <source>%1 is free.</source>
        <translation>%1 est libre.</translation>
    </message>
</context>
<context>
    <name>MenuShortcutStore</name>
    <message>
        <source>%1 cannot bind this key.</source>
        <translation>%1 ne peut pas associer cette touche.</translation>
    </message>
    <message>
        <source>Larkspan menu</source>
        <translation>Menu Larkspan</translation>
    </message>
    <message>
        <source>Cannot delete &quot;%1&quot;.</source>
        <translation>Impossible de supprimer &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;écrire &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>KDE&apos;s shortcut service failed: %1</source>
        <translation>Le service de raccourcis de KDE a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 is not a configuration of openbox.</source>
        <translation>%1 n&apos;est pas une configuration d&apos;openbox.</translation>
    </message>
    <message>
        <source>Neither %1 nor %2 can be read.</source>
        <translation>Ni %1 ni %2 ne peuvent être lus.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>Impossible de lancer %1.</translation>
    </message>
    <message>
        <source>%1 did not answer within 10 seconds.</source>
        <translation>%1 n&apos;a pas répondu dans les 10 secondes.</translation>
    </message>
    <message>
        <source>%1 %2 failed: %3</source>
        <translation>%1 %2 a échoué&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 is already bound to &quot;%2&quot;.</source>
        <translation>%1 est déjà associée à &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Xfce&apos;s settings service failed: %1</source>
        <translation>Le service de paramètres de Xfce a échoué&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Navigator</name>
    <message>
        <source>First record</source>
        <translation>Premier enregistrement</translation>
    </message>
    <message>
        <source>Prior record</source>
        <translation>Enregistrement précédent</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Enregistrement suivant</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Dernier enregistrement</translation>
    </message>
    <message>
        <source>Insert record</source>
        <translation>Insérer un enregistrement</translation>
    </message>
    <message>
        <source>Delete record</source>
        <translation>Supprimer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Edit record</source>
        <translation>Modifier l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Post edit</source>
        <extracomment>Tooltip of the reference list&apos;s button that stores the record being edited</extracomment>
        <translation>Valider la modification</translation>
    </message>
    <message>
        <source>Cancel edit</source>
        <translation>Annuler la modification</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Cannot open &quot;%1&quot;</source>
        <translation>Impossible d&apos;ouvrir &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
</context>
<context>
    <name>ReferenceNavigator</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
</context>
<context>
    <name>SaveMenuCopy</name>
    <message>
        <source>Cannot copy &quot;%1&quot; to &quot;%2&quot;. %3</source>
        <translation>Impossible de copier &quot;%1&quot; vers &quot;%2&quot;. %3</translation>
    </message>
</context>
<context>
    <name>SettingsList</name>
    <message>
        <source>Menu Seperator (-)</source>
        <extracomment>How the Settings list shows a separator line of the menu (the English spelling is kept as users know it)</extracomment>
        <translation>Séparateur de menu (-)</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>My Menu Files(*.ini)|*.ini</source>
        <extracomment>The name of the file type, then &quot;|&quot; and its pattern, which stays as it is.</extracomment>
        <translation>Mes fichiers de menu(*.ini)|*.ini</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Open menu</source>
        <translation>Ouvrir un menu</translation>
    </message>
    <message>
        <source>Save menu</source>
        <translation>Enregistrer le menu</translation>
    </message>
    <message>
        <source>New application</source>
        <translation>Nouvelle application</translation>
    </message>
    <message>
        <source>Edit application</source>
        <translation>Modifier l&apos;application</translation>
    </message>
    <message>
        <source>Delete application</source>
        <translation>Supprimer l&apos;application</translation>
    </message>
    <message>
        <source>Add installed application…</source>
        <translation>Ajouter une application installée…</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Essayer</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>Context menu of the list of entries: edit the selected entry</extracomment>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Context menu of the list of entries: delete the selected entry</extracomment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>List of Windows MMC Records</source>
        <translation>Liste des enregistrements MMC Windows</translation>
    </message>
    <message>
        <source>List of Windows Server MMC Records</source>
        <translation>Liste des enregistrements MMC Windows Server</translation>
    </message>
    <message>
        <source>Run Commands</source>
        <translation>Commandes Exécuter</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the list has been brought up to date. &quot;%1&quot; is no longer in it.</source>
        <translation>Un autre programme a modifié le fichier de menu, la liste a donc été mise à jour. &quot;%1&quot; n&apos;y figure plus.</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the list has been brought up to date.</source>
        <translation>Un autre programme a modifié le fichier de menu, la liste a donc été mise à jour.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;</source>
        <translation>Voulez-vous vraiment supprimer &quot;%1&quot;&#xa0;?</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the file dialog that opens a menu file</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Title of the file dialog that saves a copy of the menu file</extracomment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Keyboard shortcut…</source>
        <translation>Raccourci clavier…</translation>
    </message>
    <message>
        <source>The key that opens the launcher menu</source>
        <translation>La touche qui ouvre le menu</translation>
    </message>
    <message>
        <source>this desktop</source>
        <translation>ce bureau</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Context menu of the list of entries: take back the last change of the menu</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Context menu of the list of entries: make the change taken back again</extracomment>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the last change cannot be undone.</source>
        <translation>Un autre programme a modifié le fichier de menu, la dernière modification ne peut donc pas être annulée.</translation>
    </message>
    <message>
        <source>Another program changed the menu file, so the change cannot be redone.</source>
        <translation>Un autre programme a modifié le fichier de menu, la modification ne peut donc pas être rétablie.</translation>
    </message>
    <message>
        <source>Clear launch history</source>
        <translation>Effacer l&apos;historique de lancement</translation>
    </message>
    <message>
        <source>Forget which entries you open most; the menu&apos;s filter lists those first</source>
        <translation>Oublier les entrées que vous ouvrez le plus ; le filtre du menu les affiche en premier</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Performs ACTION (menu, settings, about) once started.</source>
        <translation>Effectue ACTION (menu, settings, about) une fois démarré.</translation>
    </message>
</context>
</TS>

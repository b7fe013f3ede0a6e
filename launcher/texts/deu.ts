<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Letzte Sicherung: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Dateien und Ordner mit dem Präfix %1 sichern.</translation>
    </message>
    <message>
        <source>Please enter your password to continue.</source>
        <translation>Bitte geben Sie Ihr Passwort ein, um fortzufahren.</translation>
    </message>
    <message>
        <source>Nimbora Backup</source>
        <translation>Nimbora Backup</translation>
    </message>
    <message>
        <source>The saved connection ID is no longer valid. Please sign in again with your server address.</source>
        <translation>Die gespeicherte Verbindungs-ID ist nicht mehr gültig. Bitte melden Sie sich erneut mit Ihrer Serveradresse an.</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <translation>Der ausgewählte Ordner kann nicht gesichert werden. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <translation>Geben Sie die Adresse Ihres Sicherungsservers und das Konto ein, mit dem Sie sich anmelden möchten.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the settings on the server. Please set up the task again.</source>
        <translation>Die Sicherungsrichtung dieser Aufgabe stimmt nicht mit den Einstellungen auf dem Server überein. Bitte richten Sie die Aufgabe neu ein.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Geben Sie den Bestätigungscode aus Ihrer Authentifizierungs-App ein:</translation>
    </message>
    <message>
        <source>The shared folder %1 has reached its quota. Free up space on the server or ask your administrator to raise the quota.</source>
        <translation>Der freigegebene Ordner %1 hat sein Kontingent erreicht. Geben Sie auf dem Server Speicherplatz frei oder bitten Sie Ihren Administrator, das Kontingent zu erhöhen.</translation>
    </message>
    <message>
        <source>Untrusted SSL certificate</source>
        <translation>Nicht vertrauenswürdiges SSL-Zertifikat</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to store them on the server.</source>
        <translation>Wählen Sie die Ordner auf diesem Computer, die gesichert werden sollen, und den Speicherort auf dem Server.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed. Please check your backup settings.</source>
        <translation>Das Sicherungsziel auf dem Server hat sich geändert. Bitte überprüfen Sie Ihre Sicherungseinstellungen.</translation>
    </message>
    <message>
        <source>The local folder %1 cannot be found. Reconnect its drive or choose the folder again.</source>
        <translation>Der lokale Ordner %1 wurde nicht gefunden. Schließen Sie das zugehörige Laufwerk wieder an oder wählen Sie den Ordner erneut aus.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>Need help getting started? Click Help to open the user guide.</source>
        <translation>Benötigen Sie Hilfe beim Einstieg? Klicken Sie auf „Hilfe“, um das Benutzerhandbuch zu öffnen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged. Please restart Nimbora Backup.</source>
        <translation>Die lokale Datenbank ist beschädigt. Bitte starten Sie Nimbora Backup neu.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Ihre Dateien, sicher aufbewahrt.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Einfarbiges Symbol im Infobereich verwenden</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted. Please mount it and try again.</source>
        <translation>Der freigegebene Ordner auf dem Server ist nicht eingebunden. Bitte binden Sie ihn ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Open Nimbora Backup</source>
        <translation>Nimbora Backup öffnen</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood. Please update Nimbora Backup and try again.</source>
        <translation>Der Server hat eine unverständliche Antwort gesendet. Bitte aktualisieren Sie Nimbora Backup und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The drive that holds the backup folder is not mounted. Connect the drive and try again.</source>
        <translation>Das Laufwerk mit dem Sicherungsordner ist nicht eingebunden. Schließen Sie das Laufwerk an und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>Der Datenträger ist voll. Geben Sie Speicherplatz frei und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk of the selected folder. Free up space or choose another folder.</source>
        <translation>Auf dem Datenträger des ausgewählten Ordners ist nicht genügend Speicherplatz frei. Geben Sie Speicherplatz frei oder wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or of any part of it, may result in civil and criminal penalties.</source>
        <translation>Copyright (C) %1 Zorvane. Alle Rechte vorbehalten. Dieses Programm ist durch Urheberrechtsgesetze und internationale Verträge geschützt. Die unerlaubte Vervielfältigung oder Verbreitung dieses Programms oder eines Teils davon kann zivil- und strafrechtlich verfolgt werden.</translation>
    </message>
    <message>
        <source>Backup failed. Please check that the server can be reached and try again.</source>
        <translation>Die Sicherung ist fehlgeschlagen. Bitte prüfen Sie, ob der Server erreichbar ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuelle Proxy-Konfiguration</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation>Sicherungsziel</translation>
    </message>
    <message>
        <source>This account uses 2-step verification. Please enter your verification code.</source>
        <translation>Für dieses Konto ist die Bestätigung in zwei Schritten aktiviert. Bitte geben Sie Ihren Bestätigungscode ein.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? The backup stops; your files on this computer and on the server are kept.</source>
        <translation>Diesen Computer vom Server trennen? Die Sicherung wird beendet; Ihre Dateien auf diesem Computer und auf dem Server bleiben erhalten.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Nimbora Backup is initializing...</source>
        <translation>Nimbora Backup wird initialisiert...</translation>
    </message>
    <message>
        <source>No folder is selected. Please select at least one folder to back up.</source>
        <translation>Es ist kein Ordner ausgewählt. Bitte wählen Sie mindestens einen Ordner zum Sichern aus.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Proxy-Einstellungen des Systems verwenden</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Ordner ändern</translation>
    </message>
    <message>
        <source>Backup source</source>
        <translation>Sicherungsquelle</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Bitte geben Sie den Benutzernamen für den Proxy ein.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed since you last connected. Continue only if you trust this server.</source>
        <translation>Das SSL-Zertifikat des Servers hat sich seit Ihrer letzten Verbindung geändert. Fahren Sie nur fort, wenn Sie diesem Server vertrauen.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Wird getrennt...</translation>
    </message>
    <message>
        <source>Use SSL to encrypt the connection</source>
        <translation>Verbindung mit SSL verschlüsseln</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivität</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.</source>
        <translation>Der ausgewählte Ordner ist schreibgeschützt. Nimbora Backup kann ihn sichern, aber keine Dateien in ihm wiederherstellen.</translation>
    </message>
    <message>
        <source>You have only read access to this folder.</source>
        <translation>Sie haben nur Lesezugriff auf diesen Ordner.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Bitte starten Sie %1 neu, um die neuen Spracheinstellungen zu übernehmen.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Bitte geben Sie eine Portnummer zwischen 1 und 65535 ein.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Wird hochgeladen</translation>
    </message>
    <message>
        <source>SSL certificate has been changed.</source>
        <translation>Das SSL-Zertifikat wurde geändert.</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to this server. Please contact your administrator.</source>
        <translation>Ihre IP-Adresse darf keine Verbindung zu diesem Server herstellen. Bitte wenden Sie sich an Ihren Administrator.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Verbindung wird getestet...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established: %1</source>
        <translation>Es konnte keine sichere Verbindung zum Server hergestellt werden: %1</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Mit Ihrem Server verbinden</translation>
    </message>
    <message>
        <source>The verification code is incorrect. Please enter the current code from your authenticator app.</source>
        <translation>Der Bestätigungscode ist falsch. Bitte geben Sie den aktuellen Code aus Ihrer Authentifizierungs-App ein.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>A folder with this name already exists at the destination. Please choose another name.</source>
        <translation>Am Ziel gibt es bereits einen Ordner mit diesem Namen. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever your files change.</source>
        <translation>Nimbora Backup bewahrt Kopien der von Ihnen gewählten Ordner auf Ihrem Server auf und aktualisiert sie, sobald sich Ihre Dateien ändern.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder. Please choose another folder or ask your administrator for access.</source>
        <translation>Sie haben keine Berechtigung für den ausgewählten Ordner. Bitte wählen Sie einen anderen Ordner oder bitten Sie Ihren Administrator um Zugriff.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. Free up space or ask your administrator to raise your quota.</source>
        <translation>Ihr Speicherkontingent auf dem Server ist aufgebraucht. Geben Sie Speicherplatz frei oder bitten Sie Ihren Administrator, Ihr Kontingent zu erhöhen.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Doppelklicken, um die Dateierweiterung zu bearbeiten.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maximale Dateigröße (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sicherung läuft...</translation>
    </message>
    <message>
        <source>The destination has reached its storage quota. Free up space on the server or choose another destination.</source>
        <translation>Das Ziel hat sein Speicherkontingent erreicht. Geben Sie auf dem Server Speicherplatz frei oder wählen Sie ein anderes Ziel.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please wait a few minutes and try again.</source>
        <translation>Zu viele fehlgeschlagene Anmeldeversuche. Bitte warten Sie einige Minuten und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>0 MB means no limit.</source>
        <translation>0 MB bedeutet keine Begrenzung.</translation>
    </message>
    <message>
        <source>An unexpected error occurred. Please restart Nimbora Backup.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten. Bitte starten Sie Nimbora Backup neu.</translation>
    </message>
    <message>
        <source>Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.</source>
        <translation>Nimbora Backup konnte nicht gestartet werden. Bitte starten Sie Ihren Computer neu oder installieren Sie Nimbora Backup erneut.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer. Please set up the backup again.</source>
        <translation>Die Sicherungsaufgabe auf dem Server gehört nicht zu diesem Computer. Bitte richten Sie die Sicherung neu ein.</translation>
    </message>
    <message>
        <source>Select the folder on the server where your backup is stored.</source>
        <translation>Wählen Sie den Ordner auf dem Server, in dem Ihre Sicherung gespeichert wird.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Please check your username and password.</source>
        <translation>Die Testanmeldung ist fehlgeschlagen. Bitte überprüfen Sie Benutzername und Passwort.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Vertrauen und fortfahren</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Wählen Sie die Ordner auf diesem Computer, die Sie sichern möchten.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account. Please turn it on in your web browser, then sign in again.</source>
        <translation>Ihr Administrator verlangt für dieses Konto die Bestätigung in zwei Schritten. Bitte aktivieren Sie sie in Ihrem Webbrowser und melden Sie sich dann erneut an.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Bitte geben Sie Adresse und Port des Proxys ein.</translation>
    </message>
    <message>
        <source>Your account has been disabled. Please contact your administrator.</source>
        <translation>Ihr Konto wurde deaktiviert. Bitte wenden Sie sich an Ihren Administrator.</translation>
    </message>
    <message>
        <source>Another computer already backs up to this destination. Choose another destination so that its files are not overwritten.</source>
        <translation>Ein anderer Computer sichert bereits an dieses Ziel. Wählen Sie ein anderes Ziel, damit dessen Dateien nicht überschrieben werden.</translation>
    </message>
    <message>
        <source>None of the selected folders can be backed up. Please check that they exist and that you can read them.</source>
        <translation>Keiner der ausgewählten Ordner kann gesichert werden. Bitte prüfen Sie, ob die Ordner vorhanden sind und Sie sie lesen dürfen.</translation>
    </message>
    <message>
        <source>File in use</source>
        <translation>Datei wird verwendet</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Kein Proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>The server software is too old for this version of Nimbora Backup. Please ask your administrator to update the server.</source>
        <translation>Die Serversoftware ist für diese Version von Nimbora Backup zu alt. Bitten Sie Ihren Administrator, den Server zu aktualisieren.</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <translation>Ordner auf diesem Computer auswählen</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Geben Sie eine Dateigröße zwischen 0 und 10240000 MB an; 0 MB bedeutet unbegrenzt.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Dateien auf dem Server behalten, wenn sie auf diesem Computer gelöscht werden</translation>
    </message>
    <message>
        <source>Connection failed. Please check your network settings and try again.</source>
        <translation>Verbindung fehlgeschlagen. Bitte überprüfen Sie Ihre Netzwerkeinstellungen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose folders to back up</source>
        <translation>Zu sichernde Ordner auswählen</translation>
    </message>
    <message>
        <source>Some of the selected folders are read-only. Their files can be backed up but cannot be restored into them. Do you want to continue?</source>
        <translation>Einige der ausgewählten Ordner sind schreibgeschützt. Ihre Dateien können gesichert, aber nicht in sie wiederhergestellt werden. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Sicherheitswarnung</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Update wird heruntergeladen...</translation>
    </message>
    <message>
        <source>Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to back up.</source>
        <translation>Willkommen bei Nimbora Backup. Dieser Assistent verbindet Sie mit Ihrem Server und hilft Ihnen, die zu sichernden Daten auszuwählen.</translation>
    </message>
    <message>
        <source>Proxy username</source>
        <translation>Proxy-Benutzername</translation>
    </message>
    <message>
        <source>Connect through the LinkWarp relay</source>
        <translation>Über das LinkWarp-Relay verbinden</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Zorvane Online Support for help.</source>
        <translation>Ein Fehler ist aufgetreten (Fehlercode: %1). Bitte wenden Sie sich an den Online-Support von Zorvane.</translation>
    </message>
    <message>
        <source>The destination folder no longer exists on the server. Please choose another destination.</source>
        <translation>Der Zielordner ist auf dem Server nicht mehr vorhanden. Bitte wählen Sie ein anderes Ziel.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Wird vorbereitet</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>You have only read access to the destination folder. Please choose a folder you can write to.</source>
        <translation>Sie haben nur Lesezugriff auf den Zielordner. Bitte wählen Sie einen Ordner, in den Sie schreiben dürfen.</translation>
    </message>
    <message>
        <source>Stopped because of an error</source>
        <translation>Wegen eines Fehlers angehalten</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Eine neue Version ist verfügbar. Zum Aktualisieren klicken.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>Automatic sign-in has been turned off by your administrator. Please sign in manually.</source>
        <translation>Die automatische Anmeldung wurde von Ihrem Administrator deaktiviert. Bitte melden Sie sich manuell an.</translation>
    </message>
    <message>
        <source>The selected folder overlaps with a folder that is already backed up. Please choose another folder.</source>
        <translation>Der ausgewählte Ordner überschneidet sich mit einem bereits gesicherten Ordner. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>%1 Datei(en) werden verarbeitet...</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Ausgeschlossene Ordner</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder on the server. Please ask your administrator for access.</source>
        <translation>Sie haben keine Schreibberechtigung für den freigegebenen Ordner auf dem Server. Bitten Sie Ihren Administrator um Zugriff.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Dateien mit diesen Erweiterungen werden nicht gesichert:</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>Benutzername oder Passwort ist falsch.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.</source>
        <translation>Die Nimbora-Datenbank konnte nicht aktualisiert werden. Bitte starten Sie Nimbora Backup neu oder installieren Sie es erneut, um die Synchronisierung fortzusetzen.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Server im lokalen Netzwerk werden gesucht...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Jetzt starten</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>%1 wird verarbeitet...</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Der Proxyserver erfordert eine Authentifizierung</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Set up backup folders</source>
        <translation>Sicherungsordner einrichten</translation>
    </message>
    <message>
        <source>A session could not be created on the server. Please sign in again.</source>
        <translation>Auf dem Server konnte keine Sitzung erstellt werden. Bitte melden Sie sich erneut an.</translation>
    </message>
    <message>
        <source>Nimbora Backup is ready.</source>
        <translation>Nimbora Backup ist bereit.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.</source>
        <translation>Diese Version von Nimbora Backup ist für den Server zu alt. Bitte aktualisieren Sie Nimbora Backup.</translation>
    </message>
    <message>
        <source>Excluded file types</source>
        <translation>Ausgeschlossene Dateitypen</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Einstellungen werden übernommen...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Wird aktualisiert...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Server im lokalen Netzwerk suchen</translation>
    </message>
    <message>
        <source>Start Nimbora Backup when I sign in</source>
        <translation>Nimbora Backup bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start backing up.</source>
        <translation>Überprüfen Sie die Einstellungen unten und klicken Sie dann auf „Fertig“, um die Sicherung zu starten.</translation>
    </message>
</context>
</TS>

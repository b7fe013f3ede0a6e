<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Ultimo backup: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Esegui il backup di file e cartelle con il prefisso %1.</translation>
    </message>
    <message>
        <source>Please enter your password to continue.</source>
        <translation>Inserisci la password per continuare.</translation>
    </message>
    <message>
        <source>Nimbora Backup</source>
        <translation>Nimbora Backup</translation>
    </message>
    <message>
        <source>The saved connection ID is no longer valid. Please sign in again with your server address.</source>
        <translation>L’ID di connessione salvato non è più valido. Accedi di nuovo con l’indirizzo del tuo server.</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <translation>Impossibile eseguire il backup della cartella selezionata. Scegli un’altra cartella.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <translation>Inserisci l’indirizzo del tuo server di backup e l’account con cui accedere.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the settings on the server. Please set up the task again.</source>
        <translation>La direzione del backup di questa attività non corrisponde alle impostazioni del server. Configura di nuovo l’attività.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Inserisci il codice di verifica della tua app di autenticazione:</translation>
    </message>
    <message>
        <source>The shared folder %1 has reached its quota. Free up space on the server or ask your administrator to raise the quota.</source>
        <translation>La cartella condivisa %1 ha raggiunto la quota. Libera spazio sul server o chiedi all’amministratore di aumentare la quota.</translation>
    </message>
    <message>
        <source>Untrusted SSL certificate</source>
        <translation>Certificato SSL non attendibile</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to store them on the server.</source>
        <translation>Scegli le cartelle di questo computer da includere nel backup e dove archiviarle sul server.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed. Please check your backup settings.</source>
        <translation>La destinazione del backup sul server è cambiata. Controlla le impostazioni di backup.</translation>
    </message>
    <message>
        <source>The local folder %1 cannot be found. Reconnect its drive or choose the folder again.</source>
        <translation>Impossibile trovare la cartella locale %1. Ricollega la relativa unità o seleziona di nuovo la cartella.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Indirizzo del server</translation>
    </message>
    <message>
        <source>Need help getting started? Click Help to open the user guide.</source>
        <translation>Hai bisogno di aiuto per iniziare? Fai clic su «Guida» per aprire il manuale utente.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged. Please restart Nimbora Backup.</source>
        <translation>Il database locale è danneggiato. Riavvia Nimbora Backup.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>I tuoi file, salvati in tutta sicurezza.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Usa un’icona monocromatica nell’area di notifica</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted. Please mount it and try again.</source>
        <translation>La cartella condivisa sul server non è montata. Montala e riprova.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Open Nimbora Backup</source>
        <translation>Apri Nimbora Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood. Please update Nimbora Backup and try again.</source>
        <translation>Il server ha inviato una risposta incomprensibile. Aggiorna Nimbora Backup e riprova.</translation>
    </message>
    <message>
        <source>The drive that holds the backup folder is not mounted. Connect the drive and try again.</source>
        <translation>L’unità che contiene la cartella di backup non è montata. Collega l’unità e riprova.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Scollega</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>Il disco è pieno. Libera spazio e riprova.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aggiornato</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk of the selected folder. Free up space or choose another folder.</source>
        <translation>Spazio libero insufficiente sul disco della cartella selezionata. Libera spazio o scegli un’altra cartella.</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or of any part of it, may result in civil and criminal penalties.</source>
        <translation>Copyright (C) %1 Zorvane. Tutti i diritti riservati. Questo programma è protetto dalle leggi sul diritto d’autore e dai trattati internazionali. La copia o la distribuzione non autorizzata di questo programma, o di parte di esso, può comportare sanzioni civili e penali.</translation>
    </message>
    <message>
        <source>Backup failed. Please check that the server can be reached and try again.</source>
        <translation>Backup non riuscito. Verifica che il server sia raggiungibile e riprova.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configurazione manuale del proxy</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation>Destinazione del backup</translation>
    </message>
    <message>
        <source>This account uses 2-step verification. Please enter your verification code.</source>
        <translation>Questo account usa la verifica in due passaggi. Inserisci il codice di verifica.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? The backup stops; your files on this computer and on the server are kept.</source>
        <translation>Scollegare questo computer dal server? Il backup si interrompe; i file su questo computer e sul server vengono conservati.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Nimbora Backup is initializing...</source>
        <translation>Avvio di Nimbora Backup in corso...</translation>
    </message>
    <message>
        <source>No folder is selected. Please select at least one folder to back up.</source>
        <translation>Nessuna cartella selezionata. Seleziona almeno una cartella da includere nel backup.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Usa le impostazioni proxy di sistema</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Cambia cartella</translation>
    </message>
    <message>
        <source>Backup source</source>
        <translation>Origine del backup</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Inserisci il nome utente del proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed since you last connected. Continue only if you trust this server.</source>
        <translation>Il certificato SSL del server è cambiato dall’ultima connessione. Continua solo se ritieni attendibile questo server.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Scollegamento in corso...</translation>
    </message>
    <message>
        <source>Use SSL to encrypt the connection</source>
        <translation>Usa SSL per crittografare la connessione</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Attività</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sospendi</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.</source>
        <translation>La cartella selezionata è di sola lettura. Nimbora Backup può eseguirne il backup, ma non può ripristinarvi i file.</translation>
    </message>
    <message>
        <source>You have only read access to this folder.</source>
        <translation>Hai solo l’accesso in lettura a questa cartella.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Aggiorna ora</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Riavvia %1 per applicare le nuove impostazioni della lingua.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Inserisci un numero di porta compreso tra 1 e 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>SSL certificate has been changed.</source>
        <translation>Il certificato SSL è cambiato.</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to this server. Please contact your administrator.</source>
        <translation>Il tuo indirizzo IP non è autorizzato a connettersi a questo server. Contatta l’amministratore.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Verifica della connessione in corso...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established: %1</source>
        <translation>Impossibile stabilire una connessione sicura con il server: %1</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Non ora</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Connettiti al server</translation>
    </message>
    <message>
        <source>The verification code is incorrect. Please enter the current code from your authenticator app.</source>
        <translation>Il codice di verifica non è corretto. Inserisci il codice attuale della tua app di autenticazione.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>A folder with this name already exists at the destination. Please choose another name.</source>
        <translation>Nella destinazione esiste già una cartella con questo nome. Scegli un altro nome.</translation>
    </message>
    <message>
        <source>Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever your files change.</source>
        <translation>Nimbora Backup conserva sul tuo server le copie delle cartelle che scegli e le aggiorna ogni volta che i tuoi file cambiano.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connessione in corso...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder. Please choose another folder or ask your administrator for access.</source>
        <translation>Non hai l’autorizzazione per accedere alla cartella selezionata. Scegli un’altra cartella o chiedi l’accesso all’amministratore.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. Free up space or ask your administrator to raise your quota.</source>
        <translation>La tua quota di archiviazione sul server è esaurita. Libera spazio o chiedi all’amministratore di aumentare la quota.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Fai doppio clic per modificare l’estensione del file.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Dimensione massima dei file (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Backup in corso...</translation>
    </message>
    <message>
        <source>The destination has reached its storage quota. Free up space on the server or choose another destination.</source>
        <translation>La destinazione ha raggiunto la quota di archiviazione. Libera spazio sul server o scegli un’altra destinazione.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please wait a few minutes and try again.</source>
        <translation>Troppi tentativi di accesso non riusciti. Attendi qualche minuto e riprova.</translation>
    </message>
    <message>
        <source>0 MB means no limit.</source>
        <translation>0 MB indica nessun limite.</translation>
    </message>
    <message>
        <source>An unexpected error occurred. Please restart Nimbora Backup.</source>
        <translation>Si è verificato un errore imprevisto. Riavvia Nimbora Backup.</translation>
    </message>
    <message>
        <source>Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.</source>
        <translation>Impossibile avviare Nimbora Backup. Riavvia il computer o reinstalla Nimbora Backup.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer. Please set up the backup again.</source>
        <translation>L’attività di backup sul server non appartiene a questo computer. Configura di nuovo il backup.</translation>
    </message>
    <message>
        <source>Select the folder on the server where your backup is stored.</source>
        <translation>Seleziona la cartella del server in cui è archiviato il backup.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Please check your username and password.</source>
        <translation>Test di accesso non riuscito. Controlla nome utente e password.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predefinita di sistema</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Considera attendibile e continua</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Scegli le cartelle di questo computer da includere nel backup.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account. Please turn it on in your web browser, then sign in again.</source>
        <translation>L’amministratore richiede la verifica in due passaggi per questo account. Attivala nel browser web, quindi accedi di nuovo.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Inserisci l’indirizzo e la porta del proxy.</translation>
    </message>
    <message>
        <source>Your account has been disabled. Please contact your administrator.</source>
        <translation>Il tuo account è stato disattivato. Contatta l’amministratore.</translation>
    </message>
    <message>
        <source>Another computer already backs up to this destination. Choose another destination so that its files are not overwritten.</source>
        <translation>Un altro computer esegue già il backup in questa destinazione. Scegli un’altra destinazione per non sovrascriverne i file.</translation>
    </message>
    <message>
        <source>None of the selected folders can be backed up. Please check that they exist and that you can read them.</source>
        <translation>Non è possibile eseguire il backup di nessuna delle cartelle selezionate. Verifica che esistano e di avere l’accesso in lettura.</translation>
    </message>
    <message>
        <source>File in use</source>
        <translation>File in uso</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Nessun proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>The server software is too old for this version of Nimbora Backup. Please ask your administrator to update the server.</source>
        <translation>Il software del server è troppo vecchio per questa versione di Nimbora Backup. Chiedi all’amministratore di aggiornare il server.</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <translation>Seleziona una cartella su questo computer</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Specifica una dimensione dei file compresa tra 0 e 10240000 MB (0 MB indica nessun limite).</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Mantieni i file sul server quando vengono eliminati da questo computer</translation>
    </message>
    <message>
        <source>Connection failed. Please check your network settings and try again.</source>
        <translation>Connessione non riuscita. Controlla le impostazioni di rete e riprova.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Choose folders to back up</source>
        <translation>Scegli le cartelle da includere nel backup</translation>
    </message>
    <message>
        <source>Some of the selected folders are read-only. Their files can be backed up but cannot be restored into them. Do you want to continue?</source>
        <translation>Alcune delle cartelle selezionate sono di sola lettura. È possibile eseguire il backup dei loro file, ma non ripristinarli al loro interno. Continuare?</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Avviso di sicurezza</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Download dell’aggiornamento in corso...</translation>
    </message>
    <message>
        <source>Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to back up.</source>
        <translation>Benvenuto in Nimbora Backup. Questa procedura guidata ti connette al tuo server e ti aiuta a scegliere cosa includere nel backup.</translation>
    </message>
    <message>
        <source>Proxy username</source>
        <translation>Nome utente del proxy</translation>
    </message>
    <message>
        <source>Connect through the LinkWarp relay</source>
        <translation>Connettiti tramite il servizio di inoltro LinkWarp</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Zorvane Online Support for help.</source>
        <translation>Si è verificato un errore (codice di errore: %1). Contatta l’assistenza online di Zorvane per ricevere aiuto.</translation>
    </message>
    <message>
        <source>The destination folder no longer exists on the server. Please choose another destination.</source>
        <translation>La cartella di destinazione non esiste più sul server. Scegli un’altra destinazione.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparazione</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>You have only read access to the destination folder. Please choose a folder you can write to.</source>
        <translation>Hai solo l’accesso in lettura alla cartella di destinazione. Scegli una cartella in cui puoi scrivere.</translation>
    </message>
    <message>
        <source>Stopped because of an error</source>
        <translation>Interrotto a causa di un errore</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>È disponibile una nuova versione. Fai clic per aggiornare.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Sola lettura</translation>
    </message>
    <message>
        <source>Automatic sign-in has been turned off by your administrator. Please sign in manually.</source>
        <translation>L’accesso automatico è stato disattivato dall’amministratore. Accedi manualmente.</translation>
    </message>
    <message>
        <source>The selected folder overlaps with a folder that is already backed up. Please choose another folder.</source>
        <translation>La cartella selezionata si sovrappone a una cartella già inclusa nel backup. Scegli un’altra cartella.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzate</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Elaborazione di %1 file in corso...</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Cartelle escluse</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder on the server. Please ask your administrator for access.</source>
        <translation>Non hai l’autorizzazione per scrivere nella cartella condivisa sul server. Chiedi l’accesso all’amministratore.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>I file con queste estensioni non vengono inclusi nel backup:</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>Nome utente o password non corretti.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.</source>
        <translation>Impossibile aggiornare il database di Nimbora. Riavvia o reinstalla Nimbora Backup per riprendere la sincronizzazione.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Ricerca di server nella rete locale in corso...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Avvia ora</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>Elaborazione di %1 in corso...</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Il server proxy richiede l’autenticazione</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Set up backup folders</source>
        <translation>Configura le cartelle di backup</translation>
    </message>
    <message>
        <source>A session could not be created on the server. Please sign in again.</source>
        <translation>Impossibile creare una sessione sul server. Accedi di nuovo.</translation>
    </message>
    <message>
        <source>Nimbora Backup is ready.</source>
        <translation>Nimbora Backup è pronto.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.</source>
        <translation>Questa versione di Nimbora Backup è troppo vecchia per il server. Aggiorna Nimbora Backup.</translation>
    </message>
    <message>
        <source>Excluded file types</source>
        <translation>Tipi di file esclusi</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Applicazione delle impostazioni in corso...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Aggiornamento in corso...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Cerca server nella rete locale</translation>
    </message>
    <message>
        <source>Start Nimbora Backup when I sign in</source>
        <translation>Avvia Nimbora Backup all’accesso</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start backing up.</source>
        <translation>Controlla le impostazioni qui sotto, quindi fai clic su «Fine» per avviare il backup.</translation>
    </message>
</context>
</TS>

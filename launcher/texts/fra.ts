<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Dernière sauvegarde : %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Sauvegarder les fichiers et dossiers portant le préfixe %1.</translation>
    </message>
    <message>
        <source>Please enter your password to continue.</source>
        <translation>Veuillez saisir votre mot de passe pour continuer.</translation>
    </message>
    <message>
        <source>Nimbora Backup</source>
        <translation>Nimbora Backup</translation>
    </message>
    <message>
        <source>The saved connection ID is no longer valid. Please sign in again with your server address.</source>
        <translation>L’ID de connexion enregistré n’est plus valide. Veuillez vous reconnecter avec l’adresse de votre serveur.</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <translation>Le dossier sélectionné ne peut pas être sauvegardé. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <translation>Saisissez l’adresse de votre serveur de sauvegarde et le compte avec lequel vous connecter.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nom d’utilisateur</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the settings on the server. Please set up the task again.</source>
        <translation>Le sens de sauvegarde de cette tâche ne correspond pas aux paramètres du serveur. Veuillez reconfigurer la tâche.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Saisissez le code de vérification de votre application d’authentification :</translation>
    </message>
    <message>
        <source>The shared folder %1 has reached its quota. Free up space on the server or ask your administrator to raise the quota.</source>
        <translation>Le dossier partagé %1 a atteint son quota. Libérez de l’espace sur le serveur ou demandez à votre administrateur d’augmenter le quota.</translation>
    </message>
    <message>
        <source>Untrusted SSL certificate</source>
        <translation>Certificat SSL non approuvé</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to store them on the server.</source>
        <translation>Choisissez les dossiers de cet ordinateur à sauvegarder et leur emplacement de stockage sur le serveur.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed. Please check your backup settings.</source>
        <translation>La destination de la sauvegarde sur le serveur a changé. Veuillez vérifier vos paramètres de sauvegarde.</translation>
    </message>
    <message>
        <source>The local folder %1 cannot be found. Reconnect its drive or choose the folder again.</source>
        <translation>Le dossier local %1 est introuvable. Reconnectez son disque ou sélectionnez à nouveau le dossier.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adresse du serveur</translation>
    </message>
    <message>
        <source>Need help getting started? Click Help to open the user guide.</source>
        <translation>Besoin d’aide pour démarrer ? Cliquez sur « Aide » pour ouvrir le guide de l’utilisateur.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged. Please restart Nimbora Backup.</source>
        <translation>La base de données locale est endommagée. Veuillez redémarrer Nimbora Backup.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Vos fichiers, sauvegardés en toute sécurité.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Utiliser une icône monochrome dans la zone de notification</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted. Please mount it and try again.</source>
        <translation>Le dossier partagé sur le serveur n’est pas monté. Veuillez le monter et réessayer.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Open Nimbora Backup</source>
        <translation>Ouvrir Nimbora Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood. Please update Nimbora Backup and try again.</source>
        <translation>Le serveur a envoyé une réponse incompréhensible. Veuillez mettre à jour Nimbora Backup et réessayer.</translation>
    </message>
    <message>
        <source>The drive that holds the backup folder is not mounted. Connect the drive and try again.</source>
        <translation>Le disque contenant le dossier de sauvegarde n’est pas monté. Connectez le disque et réessayez.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Dissocier</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>Le disque est plein. Libérez de l’espace et réessayez.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>À jour</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk of the selected folder. Free up space or choose another folder.</source>
        <translation>L’espace libre est insuffisant sur le disque du dossier sélectionné. Libérez de l’espace ou choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or of any part of it, may result in civil and criminal penalties.</source>
        <translation>Copyright (C) %1 Zorvane. Tous droits réservés. Ce programme est protégé par la législation sur le droit d’auteur et par des traités internationaux. Toute reproduction ou distribution non autorisée de ce programme, ou d’une partie de celui-ci, est passible de sanctions civiles et pénales.</translation>
    </message>
    <message>
        <source>Backup failed. Please check that the server can be reached and try again.</source>
        <translation>La sauvegarde a échoué. Veuillez vérifier que le serveur est accessible et réessayer.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuration manuelle du proxy</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation>Destination de la sauvegarde</translation>
    </message>
    <message>
        <source>This account uses 2-step verification. Please enter your verification code.</source>
        <translation>Ce compte utilise la validation en deux étapes. Veuillez saisir votre code de vérification.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? The backup stops; your files on this computer and on the server are kept.</source>
        <translation>Dissocier cet ordinateur du serveur ? La sauvegarde s’arrête ; vos fichiers sur cet ordinateur et sur le serveur sont conservés.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Nimbora Backup is initializing...</source>
        <translation>Initialisation de Nimbora Backup en cours...</translation>
    </message>
    <message>
        <source>No folder is selected. Please select at least one folder to back up.</source>
        <translation>Aucun dossier n’est sélectionné. Veuillez sélectionner au moins un dossier à sauvegarder.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Utiliser les paramètres proxy du système</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Changer de dossier</translation>
    </message>
    <message>
        <source>Backup source</source>
        <translation>Source de la sauvegarde</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Veuillez saisir le nom d’utilisateur du proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed since you last connected. Continue only if you trust this server.</source>
        <translation>Le certificat SSL du serveur a changé depuis votre dernière connexion. Ne continuez que si vous faites confiance à ce serveur.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Dissociation en cours...</translation>
    </message>
    <message>
        <source>Use SSL to encrypt the connection</source>
        <translation>Utiliser SSL pour chiffrer la connexion</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Activité</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Suspendre</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.</source>
        <translation>Le dossier sélectionné est en lecture seule. Nimbora Backup peut le sauvegarder, mais ne peut pas y restaurer de fichiers.</translation>
    </message>
    <message>
        <source>You have only read access to this folder.</source>
        <translation>Vous ne disposez que d’un accès en lecture à ce dossier.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Suspendu</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Mettre à jour maintenant</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Veuillez redémarrer %1 pour appliquer les nouveaux paramètres de langue.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Veuillez saisir un numéro de port compris entre 1 et 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Envoi en cours</translation>
    </message>
    <message>
        <source>SSL certificate has been changed.</source>
        <translation>Le certificat SSL a changé.</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to this server. Please contact your administrator.</source>
        <translation>Votre adresse IP n’est pas autorisée à se connecter à ce serveur. Veuillez contacter votre administrateur.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Test de la connexion en cours...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established: %1</source>
        <translation>Impossible d’établir une connexion sécurisée avec le serveur : %1</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Connexion à votre serveur</translation>
    </message>
    <message>
        <source>The verification code is incorrect. Please enter the current code from your authenticator app.</source>
        <translation>Le code de vérification est incorrect. Veuillez saisir le code actuel de votre application d’authentification.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>A folder with this name already exists at the destination. Please choose another name.</source>
        <translation>Un dossier portant ce nom existe déjà dans la destination. Veuillez choisir un autre nom.</translation>
    </message>
    <message>
        <source>Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever your files change.</source>
        <translation>Nimbora Backup conserve sur votre serveur des copies des dossiers que vous choisissez et les met à jour dès que vos fichiers changent.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion en cours...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder. Please choose another folder or ask your administrator for access.</source>
        <translation>Vous n’avez pas l’autorisation d’accéder au dossier sélectionné. Veuillez choisir un autre dossier ou demander l’accès à votre administrateur.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. Free up space or ask your administrator to raise your quota.</source>
        <translation>Votre quota de stockage sur le serveur est épuisé. Libérez de l’espace ou demandez à votre administrateur d’augmenter votre quota.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Double-cliquez pour modifier l’extension de fichier.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Taille de fichier maximale (Mo) :</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sauvegarde en cours...</translation>
    </message>
    <message>
        <source>The destination has reached its storage quota. Free up space on the server or choose another destination.</source>
        <translation>La destination a atteint son quota de stockage. Libérez de l’espace sur le serveur ou choisissez une autre destination.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please wait a few minutes and try again.</source>
        <translation>Trop de tentatives de connexion infructueuses. Veuillez patienter quelques minutes et réessayer.</translation>
    </message>
    <message>
        <source>0 MB means no limit.</source>
        <translation>0 Mo signifie aucune limite.</translation>
    </message>
    <message>
        <source>An unexpected error occurred. Please restart Nimbora Backup.</source>
        <translation>Une erreur inattendue s’est produite. Veuillez redémarrer Nimbora Backup.</translation>
    </message>
    <message>
        <source>Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.</source>
        <translation>Nimbora Backup n’a pas pu démarrer. Veuillez redémarrer votre ordinateur ou réinstaller Nimbora Backup.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer. Please set up the backup again.</source>
        <translation>La tâche de sauvegarde sur le serveur n’appartient pas à cet ordinateur. Veuillez reconfigurer la sauvegarde.</translation>
    </message>
    <message>
        <source>Select the folder on the server where your backup is stored.</source>
        <translation>Sélectionnez le dossier du serveur dans lequel votre sauvegarde est stockée.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Please check your username and password.</source>
        <translation>La vérification des identifiants a échoué. Veuillez vérifier votre nom d’utilisateur et votre mot de passe.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Faire confiance et continuer</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Choisissez les dossiers de cet ordinateur que vous souhaitez sauvegarder.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account. Please turn it on in your web browser, then sign in again.</source>
        <translation>Votre administrateur exige la validation en deux étapes pour ce compte. Veuillez l’activer dans votre navigateur web, puis vous reconnecter.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Veuillez saisir l’adresse et le port du proxy.</translation>
    </message>
    <message>
        <source>Your account has been disabled. Please contact your administrator.</source>
        <translation>Votre compte a été désactivé. Veuillez contacter votre administrateur.</translation>
    </message>
    <message>
        <source>Another computer already backs up to this destination. Choose another destination so that its files are not overwritten.</source>
        <translation>Un autre ordinateur sauvegarde déjà vers cette destination. Choisissez une autre destination afin que ses fichiers ne soient pas écrasés.</translation>
    </message>
    <message>
        <source>None of the selected folders can be backed up. Please check that they exist and that you can read them.</source>
        <translation>Aucun des dossiers sélectionnés ne peut être sauvegardé. Veuillez vérifier qu’ils existent et que vous y avez accès en lecture.</translation>
    </message>
    <message>
        <source>File in use</source>
        <translation>Fichier en cours d’utilisation</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Aucun proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>The server software is too old for this version of Nimbora Backup. Please ask your administrator to update the server.</source>
        <translation>Le logiciel du serveur est trop ancien pour cette version de Nimbora Backup. Veuillez demander à votre administrateur de mettre à jour le serveur.</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <translation>Sélectionner un dossier sur cet ordinateur</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Indiquez une taille de fichier comprise entre 0 et 10240000 Mo (0 Mo signifie aucune limite).</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Conserver les fichiers sur le serveur lorsqu’ils sont supprimés de cet ordinateur</translation>
    </message>
    <message>
        <source>Connection failed. Please check your network settings and try again.</source>
        <translation>Échec de la connexion. Veuillez vérifier vos paramètres réseau et réessayer.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Choose folders to back up</source>
        <translation>Choix des dossiers à sauvegarder</translation>
    </message>
    <message>
        <source>Some of the selected folders are read-only. Their files can be backed up but cannot be restored into them. Do you want to continue?</source>
        <translation>Certains des dossiers sélectionnés sont en lecture seule. Leurs fichiers peuvent être sauvegardés, mais pas restaurés dans ces dossiers. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Avertissement de sécurité</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Téléchargement de la mise à jour...</translation>
    </message>
    <message>
        <source>Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to back up.</source>
        <translation>Bienvenue dans Nimbora Backup. Cet assistant vous connecte à votre serveur et vous aide à choisir ce que vous souhaitez sauvegarder.</translation>
    </message>
    <message>
        <source>Proxy username</source>
        <translation>Nom d’utilisateur du proxy</translation>
    </message>
    <message>
        <source>Connect through the LinkWarp relay</source>
        <translation>Se connecter via le relais LinkWarp</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Zorvane Online Support for help.</source>
        <translation>Une erreur s’est produite (code d’erreur : %1). Veuillez contacter l’assistance en ligne de Zorvane pour obtenir de l’aide.</translation>
    </message>
    <message>
        <source>The destination folder no longer exists on the server. Please choose another destination.</source>
        <translation>Le dossier de destination n’existe plus sur le serveur. Veuillez choisir une autre destination.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Récapitulatif</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Préparation</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>You have only read access to the destination folder. Please choose a folder you can write to.</source>
        <translation>Vous ne disposez que d’un accès en lecture au dossier de destination. Veuillez choisir un dossier dans lequel vous pouvez écrire.</translation>
    </message>
    <message>
        <source>Stopped because of an error</source>
        <translation>Arrêté en raison d’une erreur</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Une nouvelle version est disponible. Cliquez pour mettre à jour.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Lecture seule</translation>
    </message>
    <message>
        <source>Automatic sign-in has been turned off by your administrator. Please sign in manually.</source>
        <translation>La connexion automatique a été désactivée par votre administrateur. Veuillez vous connecter manuellement.</translation>
    </message>
    <message>
        <source>The selected folder overlaps with a folder that is already backed up. Please choose another folder.</source>
        <translation>Le dossier sélectionné chevauche un dossier déjà sauvegardé. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Traitement de %1 fichier(s) en cours...</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Dossiers exclus</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder on the server. Please ask your administrator for access.</source>
        <translation>Vous n’avez pas l’autorisation d’écrire dans le dossier partagé sur le serveur. Veuillez demander l’accès à votre administrateur.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Les fichiers portant ces extensions ne sont pas sauvegardés :</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>Nom d’utilisateur ou mot de passe incorrect.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.</source>
        <translation>Échec de la mise à jour de la base de données Nimbora. Veuillez redémarrer ou réinstaller Nimbora Backup pour reprendre la synchronisation.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Recherche de serveurs sur le réseau local...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Démarrer maintenant</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>Traitement de %1 en cours...</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Le serveur proxy exige une authentification</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Set up backup folders</source>
        <translation>Configurer les dossiers de sauvegarde</translation>
    </message>
    <message>
        <source>A session could not be created on the server. Please sign in again.</source>
        <translation>Impossible de créer une session sur le serveur. Veuillez vous reconnecter.</translation>
    </message>
    <message>
        <source>Nimbora Backup is ready.</source>
        <translation>Nimbora Backup est prêt.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.</source>
        <translation>Cette version de Nimbora Backup est trop ancienne pour le serveur. Veuillez mettre à jour Nimbora Backup.</translation>
    </message>
    <message>
        <source>Excluded file types</source>
        <translation>Types de fichiers exclus</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Application des paramètres...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Mise à jour en cours...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Rechercher des serveurs sur le réseau local</translation>
    </message>
    <message>
        <source>Start Nimbora Backup when I sign in</source>
        <translation>Démarrer Nimbora Backup à l’ouverture de ma session</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start backing up.</source>
        <translation>Vérifiez les paramètres ci-dessous, puis cliquez sur « Terminer » pour lancer la sauvegarde.</translation>
    </message>
</context>
</TS>

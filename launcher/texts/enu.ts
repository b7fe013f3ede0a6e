<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>global</name>
    <message>
        <source>Last backup: %1</source>
        <translation>Last backup: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Back up files and folders with the prefix %1.</translation>
    </message>
    <message>
        <source>Please enter your password to continue.</source>
        <translation>Please enter your password to continue.</translation>
    </message>
    <message>
        <source>Nimbora Backup</source>
        <translation>Nimbora Backup</translation>
    </message>
    <message>
        <source>The saved connection ID is no longer valid. Please sign in again with your server address.</source>
        <translation>The saved connection ID is no longer valid. Please sign in again with your server address.</translation>
    </message>
    <message>
        <source>The selected folder cannot be backed up. Please choose another folder.</source>
        <translation>The selected folder cannot be backed up. Please choose another folder.</translation>
    </message>
    <message>
        <source>Enter the address of your backup server and the account to sign in with.</source>
        <translation>Enter the address of your backup server and the account to sign in with.</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Username</translation>
    </message>
    <message>
        <source>The backup direction of this task does not match the settings on the server. Please set up the task again.</source>
        <translation>The backup direction of this task does not match the settings on the server. Please set up the task again.</translation>
    </message>
    <message>
        <source>Enter the verification code from your authenticator app:</source>
        <translation>Enter the verification code from your authenticator app:</translation>
    </message>
    <message>
        <source>The shared folder %1 has reached its quota. Free up space on the server or ask your administrator to raise the quota.</source>
        <translation>The shared folder %1 has reached its quota. Free up space on the server or ask your administrator to raise the quota.</translation>
    </message>
    <message>
        <source>Untrusted SSL certificate</source>
        <translation>Untrusted SSL certificate</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to store them on the server.</source>
        <translation>Choose the folders on this computer to back up and where to store them on the server.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>The backup destination on the server has changed. Please check your backup settings.</source>
        <translation>The backup destination on the server has changed. Please check your backup settings.</translation>
    </message>
    <message>
        <source>The local folder %1 cannot be found. Reconnect its drive or choose the folder again.</source>
        <translation>The local folder %1 cannot be found. Reconnect its drive or choose the folder again.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Server address</translation>
    </message>
    <message>
        <source>Need help getting started? Click Help to open the user guide.</source>
        <translation>Need help getting started? Click Help to open the user guide.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The local database is damaged. Please restart Nimbora Backup.</source>
        <translation>The local database is damaged. Please restart Nimbora Backup.</translation>
    </message>
    <message>
        <source>Your files, safely backed up.</source>
        <translation>Your files, safely backed up.</translation>
    </message>
    <message>
        <source>Use a monochrome tray icon</source>
        <translation>Use a monochrome tray icon</translation>
    </message>
    <message>
        <source>The shared folder on the server is not mounted. Please mount it and try again.</source>
        <translation>The shared folder on the server is not mounted. Please mount it and try again.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Open Nimbora Backup</source>
        <translation>Open Nimbora Backup</translation>
    </message>
    <message>
        <source>The server sent a response that could not be understood. Please update Nimbora Backup and try again.</source>
        <translation>The server sent a response that could not be understood. Please update Nimbora Backup and try again.</translation>
    </message>
    <message>
        <source>The drive that holds the backup folder is not mounted. Connect the drive and try again.</source>
        <translation>The drive that holds the backup folder is not mounted. Connect the drive and try again.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Unlink</translation>
    </message>
    <message>
        <source>The disk is full. Free up some space and try again.</source>
        <translation>The disk is full. Free up some space and try again.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Up to date</translation>
    </message>
    <message>
        <source>There is not enough free space on the disk of the selected folder. Free up space or choose another folder.</source>
        <translation>There is not enough free space on the disk of the selected folder. Free up space or choose another folder.</translation>
    </message>
    <message>
        <source>Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or of any part of it, may result in civil and criminal penalties.</source>
        <translation>Copyright (C) %1 Zorvane. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized copying or distribution of this program, or of any part of it, may result in civil and criminal penalties.</translation>
    </message>
    <message>
        <source>Backup failed. Please check that the server can be reached and try again.</source>
        <translation>Backup failed. Please check that the server can be reached and try again.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manual proxy configuration</translation>
    </message>
    <message>
        <source>Backup destination</source>
        <translation>Backup destination</translation>
    </message>
    <message>
        <source>This account uses 2-step verification. Please enter your verification code.</source>
        <translation>This account uses 2-step verification. Please enter your verification code.</translation>
    </message>
    <message>
        <source>Unlink this computer from the server? The backup stops; your files on this computer and on the server are kept.</source>
        <translation>Unlink this computer from the server? The backup stops; your files on this computer and on the server are kept.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Nimbora Backup is initializing...</source>
        <translation>Nimbora Backup is initializing...</translation>
    </message>
    <message>
        <source>No folder is selected. Please select at least one folder to back up.</source>
        <translation>No folder is selected. Please select at least one folder to back up.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Use system proxy settings</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Change folder</translation>
    </message>
    <message>
        <source>Backup source</source>
        <translation>Backup source</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Please enter the proxy username.</source>
        <translation>Please enter the proxy username.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed since you last connected. Continue only if you trust this server.</source>
        <translation>The SSL certificate of the server has changed since you last connected. Continue only if you trust this server.</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Unlinking...</translation>
    </message>
    <message>
        <source>Use SSL to encrypt the connection</source>
        <translation>Use SSL to encrypt the connection</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.</source>
        <translation>The selected folder is read-only. Nimbora Backup can back it up but cannot restore files into it.</translation>
    </message>
    <message>
        <source>You have only read access to this folder.</source>
        <translation>You have only read access to this folder.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Update now</translation>
    </message>
    <message>
        <source>Please restart %1 to apply the new language settings.</source>
        <translation>Please restart %1 to apply the new language settings.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Please enter a port number between 1 and 65535.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Uploading</translation>
    </message>
    <message>
        <source>SSL certificate has been changed.</source>
        <translation>SSL certificate has been changed.</translation>
    </message>
    <message>
        <source>Your IP address is not allowed to connect to this server. Please contact your administrator.</source>
        <translation>Your IP address is not allowed to connect to this server. Please contact your administrator.</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testing the connection...</translation>
    </message>
    <message>
        <source>A secure connection to the server could not be established: %1</source>
        <translation>A secure connection to the server could not be established: %1</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Not now</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to your server</source>
        <translation>Connect to your server</translation>
    </message>
    <message>
        <source>The verification code is incorrect. Please enter the current code from your authenticator app.</source>
        <translation>The verification code is incorrect. Please enter the current code from your authenticator app.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>A folder with this name already exists at the destination. Please choose another name.</source>
        <translation>A folder with this name already exists at the destination. Please choose another name.</translation>
    </message>
    <message>
        <source>Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever your files change.</source>
        <translation>Nimbora Backup keeps copies of the folders you choose on your server and updates them whenever your files change.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connecting...</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>You do not have permission to access the selected folder. Please choose another folder or ask your administrator for access.</source>
        <translation>You do not have permission to access the selected folder. Please choose another folder or ask your administrator for access.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. Free up space or ask your administrator to raise your quota.</source>
        <translation>Your storage quota on the server is used up. Free up space or ask your administrator to raise your quota.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Double-click to edit the file extension.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Maximum file size (MB):</source>
        <translation>Maximum file size (MB):</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Backing up...</translation>
    </message>
    <message>
        <source>The destination has reached its storage quota. Free up space on the server or choose another destination.</source>
        <translation>The destination has reached its storage quota. Free up space on the server or choose another destination.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please wait a few minutes and try again.</source>
        <translation>Too many failed sign-in attempts. Please wait a few minutes and try again.</translation>
    </message>
    <message>
        <source>0 MB means no limit.</source>
        <translation>0 MB means no limit.</translation>
    </message>
    <message>
        <source>An unexpected error occurred. Please restart Nimbora Backup.</source>
        <translation>An unexpected error occurred. Please restart Nimbora Backup.</translation>
    </message>
    <message>
        <source>Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.</source>
        <translation>Nimbora Backup could not start. Please restart your computer or reinstall Nimbora Backup.</translation>
    </message>
    <message>
        <source>The backup task on the server does not belong to this computer. Please set up the backup again.</source>
        <translation>The backup task on the server does not belong to this computer. Please set up the backup again.</translation>
    </message>
    <message>
        <source>Select the folder on the server where your backup is stored.</source>
        <translation>Select the folder on the server where your backup is stored.</translation>
    </message>
    <message>
        <source>The sign-in test failed. Please check your username and password.</source>
        <translation>The sign-in test failed. Please check your username and password.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>System default</translation>
    </message>
    <message>
        <source>Trust and continue</source>
        <translation>Trust and continue</translation>
    </message>
    <message>
        <source>Choose the folders on this computer that you want to back up.</source>
        <translation>Choose the folders on this computer that you want to back up.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account. Please turn it on in your web browser, then sign in again.</source>
        <translation>Your administrator requires 2-step verification for this account. Please turn it on in your web browser, then sign in again.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Please enter the proxy address and port.</translation>
    </message>
    <message>
        <source>Your account has been disabled. Please contact your administrator.</source>
        <translation>Your account has been disabled. Please contact your administrator.</translation>
    </message>
    <message>
        <source>Another computer already backs up to this destination. Choose another destination so that its files are not overwritten.</source>
        <translation>Another computer already backs up to this destination. Choose another destination so that its files are not overwritten.</translation>
    </message>
    <message>
        <source>None of the selected folders can be backed up. Please check that they exist and that you can read them.</source>
        <translation>None of the selected folders can be backed up. Please check that they exist and that you can read them.</translation>
    </message>
    <message>
        <source>File in use</source>
        <translation>File in use</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>No proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>The server software is too old for this version of Nimbora Backup. Please ask your administrator to update the server.</source>
        <translation>The server software is too old for this version of Nimbora Backup. Please ask your administrator to update the server.</translation>
    </message>
    <message>
        <source>Select a folder on this computer</source>
        <translation>Select a folder on this computer</translation>
    </message>
    <message>
        <source>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</source>
        <translation>Specify the file size between 0-10240000 MB, with 0 MB being unlimited.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted on this computer</source>
        <translation>Keep files on the server when they are deleted on this computer</translation>
    </message>
    <message>
        <source>Connection failed. Please check your network settings and try again.</source>
        <translation>Connection failed. Please check your network settings and try again.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose folders to back up</source>
        <translation>Choose folders to back up</translation>
    </message>
    <message>
        <source>Some of the selected folders are read-only. Their files can be backed up but cannot be restored into them. Do you want to continue?</source>
        <translation>Some of the selected folders are read-only. Their files can be backed up but cannot be restored into them. Do you want to continue?</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Security warning</source>
        <translation>Security warning</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Downloading the update...</translation>
    </message>
    <message>
        <source>Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to back up.</source>
        <translation>Welcome to Nimbora Backup. This wizard connects you to your server and helps you choose what to back up.</translation>
    </message>
    <message>
        <source>Proxy username</source>
        <translation>Proxy username</translation>
    </message>
    <message>
        <source>Connect through the LinkWarp relay</source>
        <translation>Connect through the LinkWarp relay</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>An error occurred (error code: %1). Please contact Zorvane Online Support for help.</source>
        <translation>An error occurred (error code: %1). Please contact Zorvane Online Support for help.</translation>
    </message>
    <message>
        <source>The destination folder no longer exists on the server. Please choose another destination.</source>
        <translation>The destination folder no longer exists on the server. Please choose another destination.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparing</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>You have only read access to the destination folder. Please choose a folder you can write to.</source>
        <translation>You have only read access to the destination folder. Please choose a folder you can write to.</translation>
    </message>
    <message>
        <source>Stopped because of an error</source>
        <translation>Stopped because of an error</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>A new version is available. Click to update.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Read-only</translation>
    </message>
    <message>
        <source>Automatic sign-in has been turned off by your administrator. Please sign in manually.</source>
        <translation>Automatic sign-in has been turned off by your administrator. Please sign in manually.</translation>
    </message>
    <message>
        <source>The selected folder overlaps with a folder that is already backed up. Please choose another folder.</source>
        <translation>The selected folder overlaps with a folder that is already backed up. Please choose another folder.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Processing %1 file(s)...</source>
        <translation>Processing %1 file(s)...</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Excluded folders</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder on the server. Please ask your administrator for access.</source>
        <translation>You do not have permission to write to the shared folder on the server. Please ask your administrator for access.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Files with these extensions are not backed up:</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>Incorrect username or password.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.</source>
        <translation>Failed to update Nimbora database. Please restart or reinstall Nimbora Backup to resume syncing.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Searching for servers on the local network...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Start now</translation>
    </message>
    <message>
        <source>Processing %1...</source>
        <translation>Processing %1...</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>The proxy server requires authentication</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Set up backup folders</source>
        <translation>Set up backup folders</translation>
    </message>
    <message>
        <source>A session could not be created on the server. Please sign in again.</source>
        <translation>A session could not be created on the server. Please sign in again.</translation>
    </message>
    <message>
        <source>Nimbora Backup is ready.</source>
        <translation>Nimbora Backup is ready.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.</source>
        <translation>This version of Nimbora Backup is too old for the server. Please update Nimbora Backup.</translation>
    </message>
    <message>
        <source>Excluded file types</source>
        <translation>Excluded file types</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Applying settings...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Updating...</translation>
    </message>
    <message>
        <source>Find servers on the local network</source>
        <translation>Find servers on the local network</translation>
    </message>
    <message>
        <source>Start Nimbora Backup when I sign in</source>
        <translation>Start Nimbora Backup when I sign in</translation>
    </message>
    <message>
        <source>Check the settings below, then click Done to start backing up.</source>
        <translation>Check the settings below, then click Done to start backing up.</translation>
    </message>
</context>
</TS>
